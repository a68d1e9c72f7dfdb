#include "actions/context_menu_closer_win.h"

#include "platform/win32/menu_builder.h"

#include <string_view>

namespace flickmark {
namespace {

// The system's class of popup-menu windows.
constexpr wchar_t kMenuWindowClass[] = L"#32768";
constexpr ULONGLONG kSyncBudgetMs = 1000;
constexpr int kSyncRounds = 3;
// A menu loop that gets WM_CANCELMODE ends within a few milliseconds.
constexpr ULONGLONG kCancelLimitMs = 60;
constexpr ULONGLONG kOwnMenuLimitMs = 200;

BOOL CALLBACK findVisibleMenuWindow(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    if (::IsWindowVisible(window) && ::GetClassNameW(window, className, 16) > 0 &&
        std::wstring_view(className) == kMenuWindowClass) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

// Whether a thread is in a menu's modal loop. Both signs are asked: the system's menu-mode flags, and a
// shown menu window of the thread (Wine does not report a popup menu through the flags).
bool inMenu(DWORD thread, HWND* menuOwner = nullptr) {
    GUITHREADINFO state{};
    state.cbSize = sizeof state;
    const bool known = ::GetGUIThreadInfo(thread, &state) != FALSE;
    if (menuOwner != nullptr)
        *menuOwner = known ? state.hwndMenuOwner : nullptr;
    if (known && (state.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0)
        return true;
    bool found = false;
    ::EnumThreadWindows(thread, findVisibleMenuWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Keystrokes sent while a menu loop still runs would go to the menu: waits until it has ended.
bool menuEndsWithin(DWORD thread, ULONGLONG limitMs) {
    const ULONGLONG start = ::GetTickCount64();
    while (inMenu(thread)) {
        if (::GetTickCount64() - start > limitMs)
            return false;
        ::Sleep(1);
    }
    return true;
}

} // namespace

ContextMenuCloser::ContextMenuCloser(NestedLoops& loops, DiagnosticLog& log) : loops_(loops), log_(log) {
    // Hidden, never activated by the user; its menu loop needs a window that can hold the focus and hands
    // WM_CANCELMODE to DefWindowProc.
    win32::WindowClassSpec windowClass;
    windowClass.name = L"FlickmarkMenuCloser";
    win32::WindowCreateSpec window;
    window.title = L"Flickmark";
    window.style = WS_POPUP;
    window.exStyle = WS_EX_TOOLWINDOW;
    window.x = 0;
    window.y = 0;
    window.width = 0;
    window.height = 0;
    create(windowClass, window);
}

void ContextMenuCloser::dismissContextMenu() {
    // The empty dummy menu is made anew each time, so no state of an earlier use can stay behind.
    dummy_.reset(::CreatePopupMenu());
    const HWND foreground = ::GetForegroundWindow();
    const DWORD foregroundThread =
        foreground != nullptr ? ::GetWindowThreadProcessId(foreground, nullptr) : 0;
    if (foregroundThread == 0)
        return;
    if (foregroundThread == ::GetCurrentThreadId()) {
        ::EndMenu(); // a menu of our own thread
        return;
    }
    waitForQueueHandled(foreground);
    HWND menuOwner = nullptr;
    if (!inMenu(foregroundThread, &menuOwner))
        return;
    // A menu loop ends on WM_CANCELMODE in its queue; this is also the one way that works under Wine, which
    // ends another process's menu neither for EndMenu nor for a menu of ours. It spares the program the
    // focus change of the second way.
    ::PostMessageW(menuOwner != nullptr ? menuOwner : foreground, WM_CANCELMODE, 0, 0);
    if (!menuEndsWithin(foregroundThread, kCancelLimitMs)) {
        openOwnMenuAttached(foregroundThread);
        if (!menuEndsWithin(foregroundThread, kOwnMenuLimitMs)) {
            log_.append("The foreground program's menu did not close");
            return;
        }
    }
    // The menu window is gone before the program has left its menu code. Under Wine, keystrokes sent
    // meanwhile can lose their modifiers: the Alt of Alt+F arrives, but F comes without it. Once the program
    // handles messages again, they arrive whole.
    waitForQueueHandled(foreground);
}

void ContextMenuCloser::waitForQueueHandled(HWND foreground) {
    // We see the release in the button state as soon as it is queued for the program, which opens its
    // menu only when it handles it. A message sent to a thread is handled at its next look at the queue:
    // after a few such round trips the program has taken the release and whatever little came before it.
    // Each costs well under a millisecond for a responsive program. One that is busy (building a large menu,
    // or on a loaded machine) is waited for up to the budget: keystrokes sent before its menu opens would go
    // into that menu. A hung one is not waited for.
    const ULONGLONG deadline = ::GetTickCount64() + kSyncBudgetMs;
    for (int round = 0; round < kSyncRounds; ++round) {
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline)
            return;
        DWORD_PTR ignored = 0;
        if (!::SendMessageTimeoutW(foreground, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                                   static_cast<UINT>(deadline - now), &ignored))
            return;
    }
}

void ContextMenuCloser::openOwnMenuAttached(DWORD foregroundThread) {
    if (!dummy_)
        return;
    const DWORD ownThread = ::GetCurrentThreadId();
    GUITHREADINFO before{};
    before.cbSize = sizeof before;
    const bool knownFocus = ::GetGUIThreadInfo(foregroundThread, &before) != FALSE;
    // While our thread shares the foreground thread's input, opening a menu of ours ends the menu mode of
    // that input. Attaching fails for a thread of another desktop or an elevated program.
    // Our thread joins the foreground thread's input, not the other way round: under Wine the thread named
    // first takes over the input state of the second, and the program would lose its focus window.
    if (!::AttachThreadInput(ownThread, foregroundThread, TRUE))
        return;
    ::SetFocus(hwnd());
    // The cancel waits in our queue, so our empty menu closes as soon as its loop starts.
    ::PostMessageW(hwnd(), WM_CANCELMODE, 0, 0);
    win32::choosePopupMenuItem(loops_, dummy_.get(), hwnd(), POINT{0, 0}, TPM_NONOTIFY);
    MSG leftover{};
    ::PeekMessageW(&leftover, hwnd(), WM_CANCELMODE, WM_CANCELMODE, PM_REMOVE); // when no loop ran
    // The program gets its focus window back: keystrokes must go there, not to our hidden window.
    if (knownFocus && before.hwndFocus != nullptr && ::IsWindow(before.hwndFocus))
        ::SetFocus(before.hwndFocus);
    ::AttachThreadInput(ownThread, foregroundThread, FALSE);
}

} // namespace flickmark
