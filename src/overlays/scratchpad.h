// The scratchpad: a strip at the right edge of the primary monitor that opens into a drawing pad while the
// mouse is over it. A gesture drawn there with the right button is recognised like any other; the pad
// shows its path and keeps the program the user works in at the front, so the action reaches it.
//
// The model keeps the pad's state, its place on the screen and the drawn path; a view (the window) shows
// them. The recognizer reports every tick's button state and every recorded point; the window reports the
// mouse entering and leaving; the close timer collapses the pad a while after the mouse has left.
#pragma once

#include "base/geometry.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/timer.h"
#include "platform/window_focus.h"

#include <string>
#include <vector>

namespace flickmark {

// Sizes in logical pixels (96 DPI), scaled for the primary monitor.
inline constexpr int kScratchpadWidth = 257;
inline constexpr int kScratchpadHeight = 312;
inline constexpr int kScratchpadTopBarHeight = 21;
inline constexpr int kScratchpadCollapsedWidth = 5;
// Distance of the open pad from the screen edge.
inline constexpr int kScratchpadOpenGap = 3;
inline constexpr int kScratchpadDefaultFadeTimeMs = 800;
// The shortest close delay the settings offer; shorter values (0, negatives) would never start the timer.
inline constexpr int kScratchpadMinimumFadeTimeMs = 100;

inline constexpr int kDefaultDpi = 96;

// The monitor the pad docks to and its scaling.
struct PadScreen {
    Rect monitor;
    int dpi = kDefaultDpi;
};

// Logical pixels at `dpi`, rounded to the nearest pixel.
int scaleForDpi(int logical, int dpi);

// Where the pad is on the screen: docked at the right edge (collapsed: the strip at the very edge; open:
// the full width, a small gap away from the edge), centred vertically.
Rect scratchpadBounds(const PadScreen& screen, bool open);

// What the model asks of the window.
class ScratchpadView {
public:
    virtual ~ScratchpadView() = default;
    // The primary monitor and its DPI, asked whenever the pad is placed.
    virtual PadScreen primaryScreen() = 0;
    // Moves the window; a topmost one stays above ordinary windows.
    virtual void place(const Rect& bounds, bool topmost) = 0;
    // Shows the window without activating it, or hides it.
    virtual void setShown(bool shown) = 0;
    virtual bool shown() const = 0;
    // The drawn path changed: repaint it.
    virtual void pathChanged() = 0;
};

struct ScratchpadPorts {
    ScratchpadView& view;
    Timer& closeTimer;
    Input& input;
    Desktop& desktop;
    WindowFocus& focus;
};

class Scratchpad {
public:
    using Stroke = std::vector<Point>;

    // Starts disabled and hidden; the settings enable it. `ownExeName` names this program's executable,
    // whose windows the target search steps over.
    Scratchpad(ScratchpadPorts ports, std::string ownExeName = "flickmark.exe");

    // Settings.
    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }
    void setFadeTime(int milliseconds);
    int fadeTime() const { return fadeTimeMs_; }

    // From the recognizer, every tick: the button state, and each point it records.
    void buttonDown();
    void buttonUp();
    void addPoint(Point screenPoint);

    // From the window.
    void mouseEntered();
    void mouseLeft();
    void closeTimerFired();
    // One of the pad's buttons was chosen: it collapses before the chosen window opens.
    void commandChosen();
    // The monitor layout or its scaling changed.
    void screenChanged();
    // The pad became the active window after all: hands the foreground back to the target program.
    void activated();

    // Shown or hidden for a while by an action, which gives the visibility back afterwards. A disabled pad
    // is never shown, nor a quiet one.
    bool visible() const { return ports_.view.shown(); }
    void setVisible(bool visible);
    // Hidden while the program the user works in is one Flickmark is off in; shown again (when enabled)
    // when it is not.
    void setQuiet(bool quiet);
    bool quiet() const { return quiet_; }

    bool isOpen() const { return open_; }
    bool penUp() const { return penUp_; }
    bool strokeFinished() const { return strokeFinished_; }
    const Rect& bounds() const { return bounds_; }
    // The drawn path in pad coordinates (relative to the pad's top-left corner).
    const std::vector<Stroke>& strokes() const { return strokes_; }
    // The window the user works in, found when the pad opened.
    WindowId targetWindow() const { return target_; }
    // Whether a cursor outside the window still counts as over the open pad: in the gap between the pad and
    // the screen edge, where the mouse rests after it was pushed against the edge to open the pad.
    bool holdsCursor(Point screenPoint) const;
    // The foreground window, or the first visible window below it while one of ours is in front.
    WindowId findTargetWindow();

private:
    void open();
    void collapse();
    void clearPath();

    ScratchpadPorts ports_;
    std::string ownExeName_;
    bool enabled_ = false;
    bool quiet_ = false;
    int fadeTimeMs_ = kScratchpadDefaultFadeTimeMs;
    bool open_ = false;
    bool penUp_ = true;
    bool strokeFinished_ = false;
    // A press is in progress, and whether it began on the open pad (only such a press draws).
    bool pressing_ = false;
    bool pressOnPad_ = false;
    Rect bounds_;
    Rect monitor_;
    std::vector<Stroke> strokes_;
    WindowId target_ = 0;
};

} // namespace flickmark
