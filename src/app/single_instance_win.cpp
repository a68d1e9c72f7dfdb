#include "app/single_instance_win.h"

#include "app/tray_window_win.h"

#include <windows.h>

namespace flickmark {
namespace {

// "Local\": one per session, so other users on the same machine run their own copies.
constexpr wchar_t kMutexName[] = L"Local\\Flickmark.SingleInstance";
// A copy that is just ending holds the mutex until it has written its files; a copy that has just started
// has the mutex before its tray window exists.
constexpr DWORD kWaitForEndingCopyMs = 3000;
constexpr DWORD kPollMs = 50;

bool acquired(DWORD waitResult) {
    // An abandoned mutex belonged to a copy that was killed: it is ours now.
    return waitResult == WAIT_OBJECT_0 || waitResult == WAIT_ABANDONED;
}

// Asks the running copy to show its gestures window; false when it has no tray window (yet, or any more).
bool askRunningCopy() {
    const HWND tray = ::FindWindowW(kTrayWindowClassName, nullptr);
    if (!tray)
        return false;
    DWORD process = 0;
    ::GetWindowThreadProcessId(tray, &process);
    if (process != 0)
        ::AllowSetForegroundWindow(process);
    return ::PostMessageW(tray, ::RegisterWindowMessageW(kShowGesturesMessageName), 0, 0) != FALSE;
}

} // namespace

SingleInstance::SingleInstance() : mutex_(::CreateMutexW(nullptr, FALSE, kMutexName)) {
    if (!mutex_) {
        owned_ = true; // without a mutex nothing can be told; run rather than refuse to start
        return;
    }
    if (acquired(::WaitForSingleObject(mutex_.get(), 0))) {
        owned_ = true;
        return;
    }
    for (DWORD waited = 0; waited < kWaitForEndingCopyMs; waited += kPollMs) {
        if (askRunningCopy())
            return;
        if (acquired(::WaitForSingleObject(mutex_.get(), kPollMs))) {
            owned_ = true;
            return;
        }
    }
}

SingleInstance::~SingleInstance() {
    if (owned_ && mutex_)
        ::ReleaseMutex(mutex_.get());
}

} // namespace flickmark
