#include "app/application_win.h"

#include "platform/win32/message_loop.h"

#include <exception>
#include <utility>

namespace flickmark {

Application::Application(std::string dataFolder, std::string signInCommand)
    : files_(platform_.adapters.files, platform_.adapters.codePage, platform_.log,
             platform_.adapters.signInStart, std::move(dataFolder), std::move(signInCommand)),
      shell_(platform_, files_, *this), runtime_(platform_, files_, shell_, *this),
      editing_(platform_, files_, shell_, runtime_) {}

Application::~Application() {
    // No tick runs while the windows go away one by one.
    runtime_.stop();
}

int Application::run() {
    const bool forever = true;
    const std::optional<int> quit = win32::runMessageLoop(forever, &platform_.adapters.mouseEvents);
    if (!quit)
        return 1; // the message queue failed
    finishBeforeExit();
    return *quit;
}

void Application::showConfiguration() {
    shell_.configuration().showPage(configuration_page::kKeepPage);
}

void Application::showGestures() {
    editing_.gesturesWindow().show();
}

void Application::showAbout() {
    shell_.about().show();
}

void Application::exitProgram() {
    finishBeforeExit();
    ::PostQuitMessage(0);
}

void Application::endSession() {
    finishBeforeExit();
    // Should the process outlive the session's end, it leaves its message loop as after "Exit Flickmark".
    ::PostQuitMessage(0);
}

bool Application::gesturesOn() {
    return runtime_.gesturesSwitch().gesturesOn();
}

void Application::setGesturesOn(bool on) {
    runtime_.gesturesSwitch().setGesturesOn(on);
}

std::optional<ProgramWindow> Application::programInFront() {
    return runtime_.programInFront().lastProgram();
}

bool Application::programListed(ProgramListKind list, const ProgramWindow& program) {
    return runtime_.programInFront().listed(list, program);
}

void Application::setProgramListed(ProgramListKind list, const ProgramWindow& program, bool listed) {
    runtime_.programInFront().setListed(list, program, listed);
}

WindowId Application::menuWindow() {
    return reinterpret_cast<WindowId>(editing_.gesturesWindow().hwnd());
}

void Application::createGesture(const std::string& gesture, const std::string& program) {
    const bool posted = platform_.scheduler.post(
        [this, gesture, program] { editing_.gesturesWindow().newGestureFor(gesture, program); });
    if (!posted)
        platform_.log.append("New gesture not started: Windows refused to queue it");
}

void Application::finishBeforeExit() {
    if (exiting_)
        return;
    exiting_ = true;
    platform_.beginExit();
    runtime_.stop();
    // A menu ends at once (the help menu's wait ends with the clock); a dialog or message box ends when its
    // loop sees the quit message.
    if (platform_.nestedLoops.active())
        ::EndMenu();
    const auto close = [this](const char* what, auto step) {
        try {
            step();
        } catch (const std::exception& e) {
            platform_.log.append(std::string("The ") + what + " could not be closed at exit: " + e.what());
        } catch (...) {
            platform_.log.append(std::string("The ") + what + " could not be closed at exit");
        }
    };
    close("gestures window", [this] { editing_.closeForExit(); });
    close("configuration window", [this] { shell_.closeForExit(); });
    files_.saveAtExit();
    runtime_.saveAtExit();
    shell_.tray().removeIcon();
    platform_.log.append("Flickmark ends");
}

} // namespace flickmark
