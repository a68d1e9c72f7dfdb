#include "app/application_win.h"

#include <utility>

namespace flickmark {

Application::Application(CommandLineOptions options) : options_(std::move(options)), library_(log_) {
    gestures_ = std::make_unique<MainWindow>([this] { onEnding(); });
    mouseMonitor_ = std::make_unique<MouseMonitor>(
        MouseMonitor::Dependencies{keyboard_, desktop_, noScratchpad_, library_, log_});
    dummyUnicodeTooltip_ = std::make_unique<PlaceholderWindow>(L"FlickmarkDummyUnicodeTooltip", L"Flickmark");
    sysTrayMenu_ = std::make_unique<PlaceholderWindow>(L"FlickmarkSysTrayMenu", L"Flickmark");
    about_ = std::make_unique<PlaceholderWindow>(L"FlickmarkAbout", L"About Flickmark");
    drawGesture_ = std::make_unique<PlaceholderWindow>(L"FlickmarkDrawGesture", L"Flickmark");
    scratchPad_ = std::make_unique<PlaceholderWindow>(L"FlickmarkScratchPad", L"Flickmark Scratchpad");
    config_ = std::make_unique<PlaceholderWindow>(L"FlickmarkConfig", L"Flickmark Configuration");
    keystrokeEdit_ = std::make_unique<PlaceholderWindow>(L"FlickmarkKeystrokeEdit", L"Flickmark Keystroke");
    gestureWizard_ =
        std::make_unique<PlaceholderWindow>(L"FlickmarkGestureWizard", L"Flickmark Gesture Wizard");
}

Application::~Application() {
    // Stop sampling first, so no tick runs while the windows go away one by one.
    if (mouseMonitor_)
        mouseMonitor_->stop();
    gestureWizard_.reset();
    keystrokeEdit_.reset();
    config_.reset();
    scratchPad_.reset();
    drawGesture_.reset();
    about_.reset();
    sysTrayMenu_.reset();
    dummyUnicodeTooltip_.reset();
    mouseMonitor_.reset();
    gestures_.reset();
}

void Application::onEnding() {
    clock_.markShuttingDown();
    if (mouseMonitor_)
        mouseMonitor_->stop();
}

int Application::run() {
    MSG msg{};
    for (;;) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0)
            break; // WM_QUIT
        if (got == -1)
            return 1;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    clock_.markShuttingDown();
    return static_cast<int>(msg.wParam);
}

} // namespace flickmark
