#include "app/tray_menu.h"

#include "base/access_keys.h"

namespace flickmark {

std::vector<TrayMenuItem> trayMenuItems(bool gesturesOn, const std::optional<TrayProgram>& program) {
    const TrayMenuItem separator;
    std::vector<TrayMenuItem> items{{TrayCommand::GesturesOn, "&Gestures on", kNoPicture, true, gesturesOn}};
    if (program) {
        const std::string name = withoutAccessKeys(program->name);
        items.push_back({TrayCommand::GesturesOffInProgram, "Gestures &off in " + name, kNoPicture, true,
                         program->gesturesOff});
        items.push_back({TrayCommand::FlickmarkOffInProgram, "&Flickmark off in " + name, kNoPicture, true,
                         program->flickmarkOff});
    }
    const std::vector<TrayMenuItem> rest{
        separator, {TrayCommand::Configure, "&Configure...", kPopupIconConfigure},
        separator, {TrayCommand::EditGestures, "&Edit Gestures...", kPopupIconEditGestures},
        separator, {TrayCommand::About, "&About"},
        separator, {TrayCommand::Exit, "E&xit Flickmark"},
    };
    items.insert(items.end(), rest.begin(), rest.end());
    return items;
}

TrayCommand trayCommandFromId(unsigned id) {
    if (id < static_cast<unsigned>(TrayCommand::GesturesOn) ||
        id > static_cast<unsigned>(TrayCommand::FlickmarkOffInProgram))
        return TrayCommand::None;
    return static_cast<TrayCommand>(id);
}

} // namespace flickmark
