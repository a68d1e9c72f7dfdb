#include "platform/win32/ui_scheduler.h"

#include <utility>

namespace flickmark::win32 {
namespace {

constexpr wchar_t kClassName[] = L"FlickmarkScheduler";
constexpr UINT kPostedMessage = WM_APP + 1;

} // namespace

class UiScheduler::ScheduledTimer final : public Timer {
public:
    ScheduledTimer(UiScheduler& scheduler, HWND window, UINT_PTR id, std::string name,
                   std::function<void()> tick)
        : scheduler_(scheduler), system_(window, id), timer_(system_, std::move(tick)) {
        timer_.setRefusalHandler([this, name = std::move(name)] {
            scheduler_.log_.append("Unable to start the " + name + " (error " +
                                   std::to_string(system_.lastError()) + ")");
        });
        scheduler_.timers_[id] = &timer_;
    }
    ~ScheduledTimer() override {
        timer_.setEnabled(false);
        scheduler_.timers_.erase(system_.id());
    }
    ScheduledTimer(const ScheduledTimer&) = delete;
    ScheduledTimer& operator=(const ScheduledTimer&) = delete;

    void setInterval(int milliseconds) override { timer_.setInterval(milliseconds); }
    int interval() const override { return timer_.interval(); }
    void setEnabled(bool enabled) override { timer_.setEnabled(enabled); }
    bool enabled() const override { return timer_.enabled(); }

private:
    UiScheduler& scheduler_;
    WindowTimer system_;
    CoalescingTimer timer_;
};

UiScheduler::UiScheduler(DiagnosticLog& log) : log_(log) {
    createMessageOnly(kClassName);
}

UiScheduler::~UiScheduler() {
    destroyWindow();
}

bool UiScheduler::post(std::function<void()> call) {
    if (!messagePending_) {
        if (!::PostMessageW(hwnd(), kPostedMessage, 0, 0))
            return false;
        messagePending_ = true;
    }
    posted_.push_back(std::move(call));
    return true;
}

std::unique_ptr<Timer> UiScheduler::makeTimer(std::string name, std::function<void()> tick) {
    return std::make_unique<ScheduledTimer>(*this, hwnd(), nextTimerId_++, std::move(name), std::move(tick));
}

void UiScheduler::runPosted() {
    messagePending_ = false;
    // The calls posted until now; one posted while they run comes with the next message.
    std::deque<std::function<void()>> calls;
    calls.swap(posted_);
    while (!calls.empty()) {
        const std::function<void()> call = std::move(calls.front());
        calls.pop_front();
        call();
    }
}

LRESULT UiScheduler::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPostedMessage) {
        runPosted();
        return 0;
    }
    if (message == WM_TIMER) {
        const auto timer = timers_.find(wParam);
        if (timer != timers_.end())
            timer->second->onSystemTick();
        return 0;
    }
    return defaultHandling(message, wParam, lParam);
}

} // namespace flickmark::win32
