#include "app/tray_menu.h"

namespace flickmark {

std::vector<TrayMenuItem> trayMenuItems(bool gesturesOn) {
    const TrayMenuItem separator;
    return {
        {TrayCommand::GesturesOn, "&Gestures on", kNoPicture, true, gesturesOn},
        separator,
        {TrayCommand::Configure, "&Configure ...", kPopupIconConfigure},
        separator,
        {TrayCommand::EditGestures, "Edit Gestures ...", kPopupIconEditGestures},
        separator,
        {TrayCommand::About, "About"},
        {TrayCommand::Exit, "Exit Flickmark"},
    };
}

TrayCommand trayCommandFromId(unsigned id) {
    if (id < static_cast<unsigned>(TrayCommand::GesturesOn) || id > static_cast<unsigned>(TrayCommand::Exit))
        return TrayCommand::None;
    return static_cast<TrayCommand>(id);
}

} // namespace flickmark
