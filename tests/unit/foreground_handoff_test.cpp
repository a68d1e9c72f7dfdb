#include "actions/foreground_handoff.h"

#include "fakes/fake_window_stack.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

using Attach = FakeWindowStack::AttachCall;
using Attaches = std::vector<Attach>;
using Windows = std::vector<WindowId>;

constexpr ThreadId ownThread = 1;

class ForegroundHandoffTest : public ::testing::Test {
protected:
    ForegroundHandoffTest() { stack.ownThread = ownThread; }

    FakeWindowStack stack;
    ForegroundHandoff handoff{stack, stack};
};

TEST_F(ForegroundHandoffTest, OwnWindowInFrontHandsTheForegroundToTheFirstVisibleWindowBelow) {
    stack.windows = {{10, "Flickmark.EXE", true, ownThread},
                     {11, "hidden.exe", false, 7},
                     {12, "notepad.exe", true, 8},
                     {13, "other.exe", true, 9}};
    stack.foreground = 10;
    handoff.focusPreviousWindow();
    EXPECT_EQ(stack.foregroundChanges, Windows{12});
    EXPECT_TRUE(stack.attachCalls.empty()); // the foreground window is ours: same thread, nothing to attach
}

TEST_F(ForegroundHandoffTest, AnotherProgramInFrontIsActivatedWhileAttachedToItsInput) {
    stack.windows = {{20, "notepad.exe", true, 8}, {21, "flickmark.exe", true, ownThread}};
    stack.foreground = 20;
    handoff.focusPreviousWindow();
    EXPECT_EQ(stack.foregroundChanges, Windows{20});
    EXPECT_EQ(stack.attachedAtChange, std::vector<bool>{true});
    EXPECT_EQ(stack.attachCalls, (Attaches{{ownThread, 8, true}, {ownThread, 8, false}}));
    EXPECT_FALSE(handoff.attached());
}

TEST_F(ForegroundHandoffTest, AtMostThreeOwnWindowsAreSkipped) {
    stack.windows = {{1, "flickmark.exe"},
                     {2, "flickmark.exe"},
                     {3, "FLICKMARK.exe"},
                     {4, "flickmark.exe"},
                     {5, "notepad.exe"}};
    stack.foreground = 1;
    EXPECT_EQ(handoff.targetWindow(), 4u);
    stack.foreground = 2;
    EXPECT_EQ(handoff.targetWindow(), 5u);
}

TEST_F(ForegroundHandoffTest, NothingToActivateWhenNoWindowIsLeft) {
    stack.windows = {{1, "flickmark.exe"}, {2, "x.exe", false}};
    stack.foreground = 1;
    handoff.focusPreviousWindow();
    stack.foreground = 0;
    handoff.focusPreviousWindow();
    EXPECT_TRUE(stack.foregroundChanges.empty());
    EXPECT_TRUE(stack.attachCalls.empty());
}

TEST_F(ForegroundHandoffTest, NextVisibleWindowStartsAtTheForegroundWhenGivenNone) {
    stack.windows = {{1, "a.exe"}, {2, "b.exe", false}, {3, "c.exe"}};
    stack.foreground = 1;
    EXPECT_EQ(handoff.nextVisibleWindow(0), 3u);
    EXPECT_EQ(handoff.nextVisibleWindow(2), 3u);
    EXPECT_EQ(handoff.nextVisibleWindow(3), 0u);
    stack.foreground = 0;
    EXPECT_EQ(handoff.nextVisibleWindow(0), 0u);
}

TEST_F(ForegroundHandoffTest, AttachIsPairedAndNotRepeated) {
    stack.windows = {{1, "a.exe", true, 8}};
    EXPECT_TRUE(handoff.attachForegroundInput(1));
    EXPECT_TRUE(handoff.attachForegroundInput(1)); // already attached: no second call
    handoff.detachForegroundInput();
    handoff.detachForegroundInput(); // nothing left to detach
    EXPECT_EQ(stack.attachCalls, (Attaches{{ownThread, 8, true}, {ownThread, 8, false}}));
}

TEST_F(ForegroundHandoffTest, RefusedAttachStillTriesTheForegroundAndNeverDetaches) {
    stack.windows = {{1, "a.exe", true, 8}, {2, "b.exe", true, 9}};
    stack.foreground = 1;
    stack.attachSucceeds = false;
    EXPECT_TRUE(handoff.bringToFront(2));
    EXPECT_EQ(stack.foregroundChanges, Windows{2});
    EXPECT_EQ(stack.attachCalls, (Attaches{{ownThread, 8, true}}));
    EXPECT_FALSE(handoff.attached());
}

} // namespace
} // namespace flickmark
