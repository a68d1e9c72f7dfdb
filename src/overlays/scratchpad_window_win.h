// The scratchpad window: a borderless tool window at the right edge of the primary monitor, a thin strip
// until the mouse touches it, then a white pad with a top bar (caption and two flat buttons) on which the
// path of a gesture drawn with the right button shows in black. It never takes the activation, so the
// program the user works in stays in front and receives the gesture's action.
//
// Found by other processes (the end-to-end tests) by its class name and title.
#pragma once

#include "base/diagnostic_log.h"
#include "overlays/scratchpad.h"
#include "platform/win32/ui_scheduler.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_base.h"

#include <functional>
#include <memory>

namespace flickmark {

inline constexpr wchar_t kScratchpadClassName[] = L"FlickmarkScratchpad";
inline constexpr wchar_t kScratchpadTitle[] = L"Flickmark Scratchpad";

class ScratchpadWindow final : private win32::WindowBase, private ScratchpadView {
public:
    struct Dependencies {
        Input& input;
        Desktop& desktop;
        WindowFocus& focus;
        DiagnosticLog& log;
        win32::UiScheduler& scheduler; // the close timer and the look at the cursor by the screen edge
        // What the two buttons open; each runs after the pad has collapsed.
        std::function<void()> editGestures;
        std::function<void()> configure;
    };

    // Creates the window, hidden until the settings enable the pad. Throws win32::Win32Error when that fails.
    explicit ScratchpadWindow(Dependencies dependencies);
    ~ScratchpadWindow() override;

    Scratchpad& model() { return *model_; }
    using win32::WindowBase::hwnd;

private:
    enum class Button { None, Gestures, Help };

    struct Layout {
        int dpi = kDefaultDpi;
        RECT client{};
        RECT topBar{};
        RECT drawing{};
        RECT gesturesButton{};
        RECT helpButton{};
    };

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ScratchpadView
    PadScreen primaryScreen() override;
    void place(const Rect& bounds, bool topmost) override;
    void setShown(bool shown) override;
    bool shown() const override;
    void pathChanged() override;

    void createTooltip();
    void updateLayout(int width, int height, int dpi);
    void updateFonts(int dpi);
    void paint();
    void drawTopBar(HDC dc) const;
    void drawButton(HDC dc, Button button, const RECT& r) const;
    void drawPath(HDC dc) const;
    Button buttonAt(POINT p) const;
    void onMouseMove(POINT p);
    void onMouseLeave();
    void onLeftButtonDown(POINT p);
    void onLeftButtonUp(POINT p);
    void choose(Button button);
    void setHot(Button button);

    Dependencies deps_;
    Layout layout_;
    int fontDpi_ = 0;
    win32::UniqueFont captionFont_;
    win32::UniqueFont symbolFont_;
    HWND tooltip_ = nullptr; // destroyed with its owner, the pad
    bool trackingMouse_ = false;
    Button hot_ = Button::None;
    Button pressed_ = Button::None;
    bool handBackPending_ = false;

    // The system timer outlives the timer built on it, and both outlive the model.
    std::unique_ptr<Timer> closeTimer_;
    std::unique_ptr<Timer> edgePollTimer_;
    std::unique_ptr<Scratchpad> model_;
};

} // namespace flickmark
