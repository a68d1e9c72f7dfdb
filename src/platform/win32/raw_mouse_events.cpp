#include "platform/win32/raw_mouse_events.h"

#include "platform/win32/last_error.h"

#include <string>

namespace flickmark {
namespace {

constexpr wchar_t kMouseEventsClassName[] = L"FlickmarkMouseEvents";
constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kMouseUsage = 0x02;

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
    POINT cursor{};
    ::GetCursorPos(&cursor);
    MouseEvent event{
        MouseEvent::Kind::Move, static_cast<DWORD>(::GetMessageTime()), {cursor.x, cursor.y}, {}};
    const bool absolute = (mouse.usFlags & MOUSE_MOVE_ABSOLUTE) != 0;
    if (!absolute)
        event.movement = {static_cast<int>(mouse.lLastX), static_cast<int>(mouse.lLastY)};
    if (absolute || mouse.lLastX != 0 || mouse.lLastY != 0)
        sink_->mouseEvent(event);
    if ((buttons & kButtonChanges) == 0)
        return;
    // The gesture button is the logical right button: the physical left one when the buttons are swapped.
    const bool swapped = ::GetSystemMetrics(SM_SWAPBUTTON) != 0;
    const USHORT down = swapped ? RI_MOUSE_LEFT_BUTTON_DOWN : RI_MOUSE_RIGHT_BUTTON_DOWN;
    const USHORT up = swapped ? RI_MOUSE_LEFT_BUTTON_UP : RI_MOUSE_RIGHT_BUTTON_UP;
    event.movement = {};
    if ((buttons & down) && sink_) {
        event.kind = MouseEvent::Kind::ButtonDown;
        sink_->mouseEvent(event);
    }
    // The sink may have stopped the source (a press that changed the settings): read sink_ again.
    if ((buttons & up) && sink_) {
        event.kind = MouseEvent::Kind::ButtonUp;
        sink_->mouseEvent(event);
    }
}

} // namespace flickmark
