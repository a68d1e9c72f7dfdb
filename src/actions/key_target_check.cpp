#include "actions/key_target_check.h"

#include "base/ascii_text.h"

namespace flickmark {

bool KeyTargetCheck::keysReach(WindowId window, std::string_view keys) {
    if (window == 0 || !ports_.integrity.aboveOurs(window))
        return true;
    const std::string exeName = ports_.desktop.processNameOfWindow(window);
    const bool named = !exeName.empty() && exeName != "[error]";
    const std::string program = named ? exeName : "the program in front";
    const std::string subject = named ? exeName : "The program in front";
    ports_.log.append("Keystrokes " + std::string(keys) + " not sent: " + program +
                      " runs as administrator, and Windows passes it no keys from Flickmark unless Flickmark "
                      "runs as administrator too");

    std::string key = named ? exeName : std::string();
    for (char& c : key)
        c = lowerAscii(c);
    if (noticed_.insert(key).second)
        ports_.notice.showNotice("Keys not sent to " + program,
                                 subject +
                                     " runs as administrator. To send keys there, Flickmark must run as "
                                     "administrator too.");
    return false;
}

} // namespace flickmark
