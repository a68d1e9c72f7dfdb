#include "platform/win32/window_base.h"

#include "platform/win32/last_error.h"

#include <exception>
#include <string>

namespace flickmark::win32 {

HINSTANCE moduleInstance() noexcept {
    return ::GetModuleHandleW(nullptr);
}

void reportUnexpected(const char* where, const char* what) noexcept {
    try {
        const std::string text =
            std::string("Flickmark: unexpected failure in ") + where + ": " + what + "\n";
        ::OutputDebugStringA(text.c_str());
    } catch (...) {
        ::OutputDebugStringA("Flickmark: unexpected failure\n");
    }
}

WindowBase::~WindowBase() {
    if (hwnd_) {
        const HWND hwnd = hwnd_;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        ::DestroyWindow(hwnd);
    }
}

void WindowBase::destroyWindow() noexcept {
    if (hwnd_)
        ::DestroyWindow(hwnd_); // WM_NCDESTROY clears hwnd_
}

void WindowBase::createMessageOnly(const wchar_t* className) {
    WindowClassSpec windowClass;
    windowClass.name = className;
    WindowCreateSpec window;
    window.style = 0;
    window.x = window.y = window.width = window.height = 0;
    window.owner = HWND_MESSAGE;
    create(windowClass, window);
}

void WindowBase::create(const WindowClassSpec& windowClass, const WindowCreateSpec& window) {
    const HINSTANCE instance = moduleInstance();
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!::GetClassInfoExW(instance, windowClass.name, &existing)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = windowClass.style;
        wc.lpfnWndProc = &WindowBase::windowProc;
        wc.hInstance = instance;
        wc.hIcon = windowClass.icon;
        wc.hIconSm = windowClass.smallIcon;
        wc.hCursor = windowClass.cursor ? windowClass.cursor : ::LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = windowClass.background;
        wc.lpszClassName = windowClass.name;
        if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            throwLastError("RegisterClassExW");
    }
    const HWND created =
        ::CreateWindowExW(window.exStyle, windowClass.name, window.title, window.style, window.x, window.y,
                          window.width, window.height, window.owner, nullptr, instance, this);
    if (!created)
        throwLastError("CreateWindowExW");
}

LRESULT WindowBase::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultHandling(message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowBase* self = nullptr;
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        self = static_cast<WindowBase*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<WindowBase*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->handleMessage(message, wParam, lParam);
    } catch (const std::exception& e) {
        reportUnexpected("window procedure", e.what());
        result = ::DefWindowProcW(hwnd, message, wParam, lParam);
    } catch (...) {
        reportUnexpected("window procedure", "unknown exception");
        result = ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

} // namespace flickmark::win32
