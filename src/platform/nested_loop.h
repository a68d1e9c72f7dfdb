// Message loops that run inside another one: a popup menu, a modal dialog, a wait that keeps messages
// flowing. While one runs, timer ticks of the main loop still arrive, so whatever must not run inside such a
// loop (the recognizer's sampling) is suspended for its whole length.
//
// Every piece of code that runs its own message loop holds a NestedLoopGuard for it. Guards nest; the
// observer hears only of the outermost one, and always hears its end, also when the loop ends by an
// exception.
#pragma once

namespace flickmark {

class NestedLoopObserver {
public:
    virtual ~NestedLoopObserver() = default;
    // The outermost nested loop is about to start.
    virtual void nestedLoopStarted() = 0;
    // The outermost nested loop has ended. Must not throw: it runs while a guard is destroyed.
    virtual void nestedLoopEnded() noexcept = 0;
};

// The nested loops of the UI thread; one per program.
class NestedLoops {
public:
    NestedLoops() = default;
    NestedLoops(const NestedLoops&) = delete;
    NestedLoops& operator=(const NestedLoops&) = delete;

    // Null for none. An observer set while a loop runs hears neither its start nor its end, and the one it
    // replaces hears no more (it may be going away).
    void setObserver(NestedLoopObserver* observer) {
        observer_ = observer;
        reported_ = nullptr;
    }
    bool active() const { return depth_ > 0; }
    int depth() const { return depth_; }

private:
    friend class NestedLoopGuard;
    void enter();
    void leave() noexcept;

    NestedLoopObserver* observer_ = nullptr;
    NestedLoopObserver* reported_ = nullptr; // the observer that heard of the outermost start
    int depth_ = 0;
};

// Marks the scope of one nested message loop.
class NestedLoopGuard {
public:
    explicit NestedLoopGuard(NestedLoops& loops) : loops_(loops) { loops_.enter(); }
    ~NestedLoopGuard() { loops_.leave(); }
    NestedLoopGuard(const NestedLoopGuard&) = delete;
    NestedLoopGuard& operator=(const NestedLoopGuard&) = delete;

private:
    NestedLoops& loops_;
};

} // namespace flickmark
