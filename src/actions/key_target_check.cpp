#include "actions/key_target_check.h"

#include "base/ascii_text.h"

namespace flickmark {

// What is said when a program runs as administrator: the log line's start and end, the notice's title and
// its text after the program's name.
struct KeyTargetCheck::Refusal {
    std::string logStart;
    std::string_view logEnd;
    std::string_view noticeTitle;
    std::string_view noticeText;
};

bool KeyTargetCheck::keysReach(WindowId window, std::string_view keys) {
    const Refusal refusal{
        "Keystrokes " + std::string(keys) + " not sent: ",
        " runs as administrator, and Windows passes it no keys from Flickmark unless Flickmark "
        "runs as administrator too",
        "Keys not sent to ",
        " runs as administrator. To send keys there, Flickmark must run as administrator too."};
    return reaches(window, refusal, keysNoticed_);
}

bool KeyTargetCheck::commandsReach(WindowId window, std::string_view command) {
    const Refusal refusal{
        "Window command " + std::string(command) + " not run: ",
        " runs as administrator, and Windows lets Flickmark change none of its windows unless "
        "Flickmark runs as administrator too",
        "Window commands not run in ",
        " runs as administrator. To control its windows, Flickmark must run as administrator "
        "too."};
    return reaches(window, refusal, commandsNoticed_);
}

bool KeyTargetCheck::reaches(WindowId window, const Refusal& refusal, std::set<std::string>& noticed) {
    if (window == 0 || !ports_.integrity.aboveOurs(window))
        return true;
    const std::string exeName = ports_.desktop.processNameOfWindow(window);
    const bool named = !exeName.empty() && exeName != "[error]";
    const std::string program = named ? exeName : "the program in front";
    const std::string subject = named ? exeName : "The program in front";
    ports_.log.append(refusal.logStart + program + std::string(refusal.logEnd));

    std::string key = named ? exeName : std::string();
    for (char& c : key)
        c = lowerAscii(c);
    // A notice that could not be shown (no tray icon yet) is not counted: the next refusal tries again.
    if (!noticed.contains(key) && ports_.notice.showNotice(std::string(refusal.noticeTitle) + program,
                                                           subject + std::string(refusal.noticeText)))
        noticed.insert(key);
    return false;
}

} // namespace flickmark
