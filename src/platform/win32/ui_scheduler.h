// The UI thread's own work that no user input starts: calls posted to run once what runs now has returned,
// and the program's timers. One message-only window receives both, so no other window of the program
// handles WM_TIMER.
//
// Timers keep the rules of CoalescingTimer (never a tick inside itself; changes inside a tick applied when
// it returns). A timer the system refuses to start leaves one line in the log, with the timer's name.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/coalescing_timer.h"
#include "platform/win32/window_base.h"
#include "platform/win32/window_timer.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace flickmark::win32 {

class UiScheduler final : public TimerSource, private WindowBase {
public:
    // Throws Win32Error when the window cannot be created. The log must outlive the scheduler.
    explicit UiScheduler(DiagnosticLog& log);
    ~UiScheduler() override;

    // Runs `call` from the message loop once what runs now has returned; calls run in the order posted.
    // Returns false when the system's queue refused the message: the call is then dropped.
    bool post(std::function<void()> call);

    class ScheduledTimer;
    // A timer whose ticks run `tick`. It stops when it goes, and must go before the scheduler.
    std::unique_ptr<Timer> makeTimer(std::string name, std::function<void()> tick) override;

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void runPosted();

    DiagnosticLog& log_;
    std::deque<std::function<void()>> posted_;
    bool messagePending_ = false;
    UINT_PTR nextTimerId_ = 1;
    std::map<UINT_PTR, CoalescingTimer*> timers_;
};

} // namespace flickmark::win32
