// Timer port: a repeating timer owned by a window; ticks arrive as calls on the UI thread.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace flickmark {

class Timer {
public:
    virtual ~Timer() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    // Enabling (re)starts the interval from now; disabling drops any pending tick.
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
};

// Where timers come from: each ticks `tick`, and `name` says which in the log when the system refuses it.
class TimerSource {
public:
    virtual ~TimerSource() = default;
    virtual std::unique_ptr<Timer> makeTimer(std::string name, std::function<void()> tick) = 0;
};

} // namespace flickmark
