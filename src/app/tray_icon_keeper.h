// Keeps the program's icon in the notification area: adds it at start, and again whenever it is missing.
//
// The shell may not be ready when the program starts (common at log-on), and it forgets every icon when it
// restarts (it then broadcasts "TaskbarCreated"). A refused add is tried again every few seconds until it
// succeeds. The picture follows whether gestures are on, also while the icon is missing, so the icon comes
// back with the right one.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/timer.h"

namespace flickmark {

// One icon of the notification area, with the program's tip text.
class NotificationIcon {
public:
    virtual ~NotificationIcon() = default;
    // Each returns false when the shell refuses.
    virtual bool add(bool gesturesOn) = 0;
    virtual bool update(bool gesturesOn) = 0;
    virtual void remove() = 0;
};

class TrayIconKeeper {
public:
    static constexpr int kRetryIntervalMs = 3000;

    // The references must outlive this object.
    TrayIconKeeper(NotificationIcon& icon, Timer& retry, DiagnosticLog& log);

    // Adds the icon (at start).
    void show();
    // The shell has (re)started.
    void onTaskbarCreated();
    void onRetryTimer();
    void setGesturesOn(bool on);
    // Removes the icon for good (at exit); later calls change nothing.
    void remove();

    bool present() const { return present_; }
    bool gesturesOn() const { return gesturesOn_; }

private:
    void add();

    NotificationIcon& icon_;
    Timer& retry_;
    DiagnosticLog& log_;
    bool gesturesOn_ = true;
    bool present_ = false;
    bool removed_ = false;
    bool refusalLogged_ = false;
};

} // namespace flickmark
