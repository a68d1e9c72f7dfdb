// The program's hidden main window. It stands where the gestures window will be, and ends the program
// when it is closed or the user's session ends.
#pragma once

#include "platform/win32/window_base.h"

#include <functional>
#include <utility>

namespace flickmark {

inline constexpr wchar_t kMainWindowClassName[] = L"FlickmarkGestures";
inline constexpr wchar_t kApplicationTitle[] = L"Flickmark";

class MainWindow final : private win32::WindowBase {
public:
    // onEnding runs once, when the program starts to end (close or end of session), before the message
    // loop stops. Throws std::system_error when the window cannot be created.
    explicit MainWindow(std::function<void()> onEnding);
    ~MainWindow() override = default;

    using win32::WindowBase::hwnd;

    // Receives the ids of the timers set on this window (SetTimer with this window and no callback).
    void setTimerHandler(std::function<void(UINT_PTR id)> handler) { onTimer_ = std::move(handler); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void end();

    std::function<void()> onEnding_;
    std::function<void(UINT_PTR)> onTimer_;
    bool ending_ = false;
};

} // namespace flickmark
