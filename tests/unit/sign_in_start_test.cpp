// "Start with Windows": the command written for this copy, and the entry following the check box.
#include "settings/sign_in_start_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace flickmark {
namespace {

TEST(SignInCommand, QuotesThePathsSoThatTheyReadBackAsWritten) {
    const struct {
        const char* program;
        std::optional<std::string_view> dataFolder;
        const char* command;
    } cases[] = {
        {R"(C:\Users\Ann\AppData\Local\Programs\Flickmark\flickmark.exe)", std::nullopt,
         R"("C:\Users\Ann\AppData\Local\Programs\Flickmark\flickmark.exe")"},
        {R"(D:\Tools\flickmark.exe)", R"(D:\My Gestures\)",
         R"("D:\Tools\flickmark.exe" -data "D:\My Gestures")"},
        {R"(D:\Tools\flickmark.exe)", R"(E:\)", R"("D:\Tools\flickmark.exe" -data "E:\\")"},
        {R"(D:\Tools\flickmark.exe)", R"(\\server\share\gestures\)",
         R"("D:\Tools\flickmark.exe" -data "\\server\share\gestures")"},
        {"C:\\\xce\x95\xce\xbb\xce\xad\xce\xbd\xce\xb7\\flickmark.exe", "D:\\\xe5\xb7\xa5\xe5\x85\xb7\\",
         "\"C:\\\xce\x95\xce\xbb\xce\xad\xce\xbd\xce\xb7\\flickmark.exe\" -data "
         "\"D:\\\xe5\xb7\xa5\xe5\x85\xb7\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(signInCommand(c.program, c.dataFolder), c.command) << c.program;
}

class FakeSignInStart final : public SignInStart {
public:
    std::optional<std::string> command() const override { return entry; }
    bool setCommand(const std::string& command) override {
        calls.push_back("set");
        if (refuse)
            return false;
        entry = command;
        return true;
    }
    bool remove() override {
        calls.push_back("remove");
        if (refuse)
            return false;
        entry.reset();
        return true;
    }

    std::optional<std::string> entry;
    bool refuse = false;
    std::vector<std::string> calls;
};

TEST(SignInStartChoice, TheEntryFollowsTheBoxOnlyWhereTheBoxChanged) {
    using Outcome = SignInStartChoice::Outcome;
    const struct {
        std::optional<std::string> entry; // before the window opened
        bool checked;                     // when it closed
        bool refuse;
        Outcome outcome;
        std::optional<std::string> entryAfter;
    } cases[] = {
        {std::nullopt, false, false, Outcome::Unchanged, std::nullopt},
        {std::nullopt, true, false, Outcome::Added, "\"C:\\F\\flickmark.exe\""},
        {"\"C:\\F\\flickmark.exe\"", false, false, Outcome::Removed, std::nullopt},
        // This copy in another letter case, or with another data folder, is this copy's entry.
        {"\"c:\\f\\FLICKMARK.EXE\"", false, false, Outcome::Removed, std::nullopt},
        {"\"C:\\F\\flickmark.exe\" -data \"D:\\Gestures\"", true, false, Outcome::Unchanged,
         "\"C:\\F\\flickmark.exe\" -data \"D:\\Gestures\""},
        // Another copy's entry leaves the box empty and stays while the box stays empty; ticking the box
        // makes the entry start this copy.
        {"\"D:\\Old\\flickmark.exe\"", false, false, Outcome::Unchanged, "\"D:\\Old\\flickmark.exe\""},
        {"D:\\Old\\flickmark.exe -data x", false, false, Outcome::Unchanged,
         "D:\\Old\\flickmark.exe -data x"},
        {"\"D:\\Old\\flickmark.exe\"", true, false, Outcome::Added, "\"C:\\F\\flickmark.exe\""},
        {std::nullopt, true, true, Outcome::Refused, std::nullopt},
        {"\"C:\\F\\flickmark.exe\"", false, true, Outcome::Refused, "\"C:\\F\\flickmark.exe\""},
    };
    for (const auto& c : cases) {
        FakeSignInStart entry;
        entry.entry = c.entry;
        entry.refuse = c.refuse;
        SignInStartChoice choice(entry, "\"C:\\F\\flickmark.exe\"");
        const bool thisCopy = c.entry && c.entry->find("Old") == std::string::npos;
        EXPECT_EQ(choice.read(), thisCopy) << c.entry.value_or("none");
        EXPECT_EQ(choice.otherCopy(),
                  c.entry && !thisCopy ? std::optional<std::string>("D:\\Old\\flickmark.exe") : std::nullopt);
        EXPECT_EQ(choice.apply(c.checked), c.outcome) << c.entry.value_or("none") << " " << c.checked;
        EXPECT_EQ(entry.entry, c.entryAfter);
        // Closing again without a change in the box asks for nothing more, unless the last change was
        // refused.
        const std::size_t calls = entry.calls.size();
        choice.apply(c.checked);
        EXPECT_EQ(entry.calls.size(), c.refuse && c.outcome == Outcome::Refused ? calls + 1 : calls);
    }
}

} // namespace
} // namespace flickmark
