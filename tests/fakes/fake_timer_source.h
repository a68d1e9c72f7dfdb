// Timers on virtual time by name, as a scheduler makes them: a test fires a timer's tick by its name.
#pragma once

#include "fakes/fake_timer.h"
#include "fakes/virtual_clock.h"
#include "platform/timer.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace flickmark {

class FakeTimerSource final : public TimerSource {
public:
    explicit FakeTimerSource(const VirtualClock& clock) : clock_(clock) {}

    std::unique_ptr<Timer> makeTimer(std::string name, std::function<void()> tick) override {
        auto timer = std::make_unique<Owned>(clock_, *this, name);
        timers_[name] = {timer.get(), std::move(tick)};
        return timer;
    }

    FakeTimer& timer(const std::string& name) { return timers_.at(name).timer->fake; }
    // One tick of the named timer, as the system delivers it.
    void fire(const std::string& name) { timers_.at(name).tick(); }

private:
    struct Owned final : Timer {
        Owned(const VirtualClock& clock, FakeTimerSource& source, std::string name)
            : fake(clock), source_(source), name_(std::move(name)) {}
        ~Owned() override { source_.timers_.erase(name_); }
        void setInterval(int milliseconds) override { fake.setInterval(milliseconds); }
        int interval() const override { return fake.interval(); }
        void setEnabled(bool enabled) override { fake.setEnabled(enabled); }
        bool enabled() const override { return fake.enabled(); }
        FakeTimer fake;

    private:
        FakeTimerSource& source_;
        std::string name_;
    };
    struct Entry {
        Owned* timer;
        std::function<void()> tick;
    };

    const VirtualClock& clock_;
    std::map<std::string, Entry> timers_;
};

} // namespace flickmark
