#include "platform/win32/raw_mouse_events.h"

#include "platform/waited_mouse_reports.h"
#include "platform/win32/last_error.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace flickmark {
namespace {

constexpr wchar_t kMouseEventsClassName[] = L"FlickmarkMouseEvents";
constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kMouseUsage = 0x02;

// Where a message read as it comes left the cursor, and where the reports that waited are counted back from.
Point cursorNow() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    return {cursor.x, cursor.y};
}

// The gesture button is the logical right button: the physical left one when the buttons are swapped.
struct GestureButtonFlags {
    USHORT down;
    USHORT up;
};

GestureButtonFlags gestureButtonFlags() {
    if (::GetSystemMetrics(SM_SWAPBUTTON) != 0)
        return {RI_MOUSE_LEFT_BUTTON_DOWN, RI_MOUSE_LEFT_BUTTON_UP};
    return {RI_MOUSE_RIGHT_BUTTON_DOWN, RI_MOUSE_RIGHT_BUTTON_UP};
}

// Where a device that reports positions (0..65535 across the primary screen or the whole desktop) puts the
// cursor.
Point absolutePosition(const RAWMOUSE& mouse) {
    const bool wholeDesktop = (mouse.usFlags & MOUSE_VIRTUAL_DESKTOP) != 0;
    const int left = wholeDesktop ? ::GetSystemMetrics(SM_XVIRTUALSCREEN) : 0;
    const int top = wholeDesktop ? ::GetSystemMetrics(SM_YVIRTUALSCREEN) : 0;
    const int width = ::GetSystemMetrics(wholeDesktop ? SM_CXVIRTUALSCREEN : SM_CXSCREEN);
    const int height = ::GetSystemMetrics(wholeDesktop ? SM_CYVIRTUALSCREEN : SM_CYSCREEN);
    return {left + ::MulDiv(mouse.lLastX, width - 1, 65535), top + ::MulDiv(mouse.lLastY, height - 1, 65535)};
}

// The report after `raw` in a buffer GetRawInputBuffer filled: each begins at the next 8-byte boundary.
const RAWINPUT* nextReport(const RAWINPUT* raw) {
    const auto end = reinterpret_cast<std::uintptr_t>(raw) + raw->header.dwSize;
    return reinterpret_cast<const RAWINPUT*>((end + 7) & ~std::uintptr_t{7});
}

bool registerMouse(DWORD flags, HWND target) {
    const RAWINPUTDEVICE device{kGenericDesktopPage, kMouseUsage, flags, target};
    return ::RegisterRawInputDevices(&device, 1, sizeof device) != FALSE;
}

} // namespace

Win32RawMouseEvents::~Win32RawMouseEvents() {
    stop();
    destroyWindow();
}

std::optional<std::string> Win32RawMouseEvents::start(MouseEventSink& sink) {
    if (!hwnd()) {
        try {
            createMessageOnly(kMouseEventsClassName);
        } catch (const win32::Win32Error& e) {
            return std::string("its window could not be made (") + e.what() + ")";
        }
    }
    if (!registered_ && !registerMouse(RIDEV_INPUTSINK, hwnd()))
        return "raw mouse input could not be registered (error " + std::to_string(::GetLastError()) + ")";
    registered_ = true;
    sink_ = &sink;
    return std::nullopt;
}

void Win32RawMouseEvents::stop() noexcept {
    sink_ = nullptr;
    if (registered_)
        registerMouse(RIDEV_REMOVE, nullptr);
    registered_ = false;
}

LRESULT Win32RawMouseEvents::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INPUT)
        return defaultHandling(message, wParam, lParam);
    read(reinterpret_cast<HRAWINPUT>(lParam));
    // Input that came while this program was in front is freed by the default handling; what came while
    // another program was (nearly always, for a program in the tray) needs none.
    return GET_RAWINPUT_CODE_WPARAM(wParam) == RIM_INPUT ? defaultHandling(message, wParam, lParam) : 0;
}

void Win32RawMouseEvents::read(HRAWINPUT input) {
    if (!sink_)
        return;
    RAWINPUT raw{};
    UINT size = sizeof raw;
    if (::GetRawInputData(input, RID_INPUT, &raw, &size, sizeof(RAWINPUTHEADER)) == static_cast<UINT>(-1) ||
        raw.header.dwType != RIM_TYPEMOUSE)
        return;
    const RAWMOUSE& mouse = raw.data.mouse;
    const USHORT buttons = mouse.usButtonFlags;
    constexpr USHORT kButtonChanges = RI_MOUSE_LEFT_BUTTON_DOWN | RI_MOUSE_LEFT_BUTTON_UP |
                                      RI_MOUSE_RIGHT_BUTTON_DOWN | RI_MOUSE_RIGHT_BUTTON_UP;
    // Outside a press a move costs only this look.
    if ((buttons & kButtonChanges) == 0 && !sink_->wantsMoves())
        return;
    MouseEvent event{MouseEvent::Kind::Move, static_cast<DWORD>(::GetMessageTime()), cursorNow(), {}};
    const bool absolute = (mouse.usFlags & MOUSE_MOVE_ABSOLUTE) != 0;
    if (!absolute)
        event.movement = {static_cast<int>(mouse.lLastX), static_cast<int>(mouse.lLastY)};
    if (absolute || mouse.lLastX != 0 || mouse.lLastY != 0)
        deliver(event);
    if ((buttons & kButtonChanges) == 0)
        return;
    const GestureButtonFlags gesture = gestureButtonFlags();
    event.movement = {};
    if (buttons & gesture.down) {
        event.kind = MouseEvent::Kind::ButtonDown;
        deliver(event);
    }
    if (buttons & gesture.up) {
        event.kind = MouseEvent::Kind::ButtonUp;
        deliver(event);
    }
}

bool Win32RawMouseEvents::readWaiting() {
    std::vector<WaitedMouseReport> reports;
    bool anyWaited = false;
    bool pressBegan = false;
    std::array<RAWINPUT, 64> buffer;
    for (;;) {
        UINT size = sizeof buffer;
        const UINT count = ::GetRawInputBuffer(buffer.data(), &size, sizeof(RAWINPUTHEADER));
        if (count == 0 || count == static_cast<UINT>(-1))
            break;
        anyWaited = true;
        const GestureButtonFlags gesture = gestureButtonFlags();
        const RAWINPUT* raw = buffer.data();
        for (UINT i = 0; i < count; ++i, raw = nextReport(raw)) {
            if (raw->header.dwType != RIM_TYPEMOUSE)
                continue;
            const RAWMOUSE& mouse = raw->data.mouse;
            WaitedMouseReport report{
                (mouse.usButtonFlags & gesture.down) != 0, (mouse.usButtonFlags & gesture.up) != 0, {}, {}};
            if (mouse.usFlags & MOUSE_MOVE_ABSOLUTE)
                report.position = absolutePosition(mouse);
            else
                report.movement = {static_cast<int>(mouse.lLastX), static_cast<int>(mouse.lLastY)};
            pressBegan = pressBegan || report.gestureButtonDown;
            // Before a press only a button-down matters.
            if (pressBegan)
                reports.push_back(report);
        }
        if (count < buffer.size())
            break; // all there was; what comes now waits for the next wake-up
    }
    if (!pressBegan || !sink_)
        return anyWaited;
    for (const MouseEvent& event :
         eventsOfWaitedReports(reports, cursorNow(), static_cast<DWORD>(::GetTickCount())))
        deliver(event);
    return true;
}

void Win32RawMouseEvents::deliver(const MouseEvent& event) {
    // The sink may have stopped the source (a press that changed the settings): read sink_ each time.
    if (sink_)
        sink_->mouseEvent(event);
}

} // namespace flickmark
