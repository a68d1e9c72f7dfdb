#include "app/tray_icon_keeper.h"

#include <string>

namespace flickmark {

TrayIconKeeper::TrayIconKeeper(NotificationIcon& icon, Timer& retry, DiagnosticLog& log)
    : icon_(icon), retry_(retry), log_(log) {
    retry_.setInterval(kRetryIntervalMs);
}

void TrayIconKeeper::show() {
    add();
}

void TrayIconKeeper::onTaskbarCreated() {
    // A restarted shell holds no icon of ours, whatever we knew before.
    present_ = false;
    add();
}

void TrayIconKeeper::onRetryTimer() {
    if (!present_)
        add();
}

void TrayIconKeeper::setGesturesOn(bool on) {
    gesturesOn_ = on;
    if (present_ && !removed_ && !icon_.update(on)) {
        // The shell has lost the icon without telling (or has not come back yet): add it again.
        present_ = false;
        add();
    }
}

void TrayIconKeeper::remove() {
    if (removed_)
        return;
    removed_ = true;
    retry_.setEnabled(false);
    if (present_)
        icon_.remove();
    present_ = false;
}

void TrayIconKeeper::add() {
    if (removed_)
        return;
    // An icon that is still there (a "TaskbarCreated" from a shell that kept it) refuses the add but takes
    // an update.
    present_ = icon_.add(gesturesOn_) || icon_.update(gesturesOn_);
    if (present_) {
        retry_.setEnabled(false);
        if (refusalLogged_)
            log_.append("The tray icon is shown again");
        refusalLogged_ = false;
        return;
    }
    if (!refusalLogged_)
        log_.append("The tray icon could not be added; trying again every " +
                    std::to_string(kRetryIntervalMs / 1000) + " s");
    refusalLogged_ = true;
    if (!retry_.enabled())
        retry_.setEnabled(true);
}

} // namespace flickmark
