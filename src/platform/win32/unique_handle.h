// Move-only owners for Win32 handles: each owner closes its handle exactly once, with the call that
// matches how the handle was obtained. Copying is deleted so a handle can never be closed twice.
#pragma once

#include <windows.h>

#include <utility>

namespace flickmark::win32 {

// Traits: Type, invalid() and close(). valid() treats every value other than invalid() as owned.
template <typename Traits> class UniqueOwner {
public:
    using Type = typename Traits::Type;

    UniqueOwner() noexcept = default;
    explicit UniqueOwner(Type handle) noexcept : handle_(handle) {}
    ~UniqueOwner() { reset(); }

    UniqueOwner(const UniqueOwner&) = delete;
    UniqueOwner& operator=(const UniqueOwner&) = delete;
    UniqueOwner(UniqueOwner&& other) noexcept : handle_(other.release()) {}
    UniqueOwner& operator=(UniqueOwner&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    Type get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return Traits::valid(handle_); }

    // Gives up ownership without closing.
    Type release() noexcept { return std::exchange(handle_, Traits::invalid()); }
    void reset(Type handle = Traits::invalid()) noexcept {
        const Type old = std::exchange(handle_, handle);
        if (Traits::valid(old))
            Traits::close(old);
    }

private:
    Type handle_ = Traits::invalid();
};

// Kernel objects. Some calls report failure as NULL, others (CreateFile, CreateToolhelp32Snapshot) as
// INVALID_HANDLE_VALUE; neither is ever closed.
struct KernelHandleTraits {
    using Type = HANDLE;
    static Type invalid() noexcept { return nullptr; }
    static bool valid(Type h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(Type h) noexcept { ::CloseHandle(h); }
};

// Fonts, bitmaps, brushes, pens and regions. An object must not be selected into a DC when it is deleted:
// restore the DC's old object first (SelectionScope does that).
template <typename GdiType> struct GdiObjectTraits {
    using Type = GdiType;
    static Type invalid() noexcept { return nullptr; }
    static bool valid(Type h) noexcept { return h != nullptr; }
    static void close(Type h) noexcept { ::DeleteObject(h); }
};

struct IconTraits {
    using Type = HICON;
    static Type invalid() noexcept { return nullptr; }
    static bool valid(Type h) noexcept { return h != nullptr; }
    static void close(Type h) noexcept { ::DestroyIcon(h); }
};

// A menu that is not attached to a window (a window destroys its own menu bar).
struct MenuTraits {
    using Type = HMENU;
    static Type invalid() noexcept { return nullptr; }
    static bool valid(Type h) noexcept { return h != nullptr; }
    static void close(Type h) noexcept { ::DestroyMenu(h); }
};

// DCs from CreateCompatibleDC / CreateDC. DCs from GetDC belong to a window: use WindowDc.
struct CreatedDcTraits {
    using Type = HDC;
    static Type invalid() noexcept { return nullptr; }
    static bool valid(Type h) noexcept { return h != nullptr; }
    static void close(Type h) noexcept { ::DeleteDC(h); }
};

using UniqueHandle = UniqueOwner<KernelHandleTraits>;
using UniqueFont = UniqueOwner<GdiObjectTraits<HFONT>>;
using UniqueBitmap = UniqueOwner<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueOwner<GdiObjectTraits<HBRUSH>>;
using UniquePen = UniqueOwner<GdiObjectTraits<HPEN>>;
using UniqueIcon = UniqueOwner<IconTraits>;
using UniqueMenu = UniqueOwner<MenuTraits>;
using UniqueDc = UniqueOwner<CreatedDcTraits>;

// The DC of a window (or, with no window, of the screen), released when the scope ends.
class WindowDc {
public:
    explicit WindowDc(HWND window = nullptr) noexcept : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ::ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// Selects a GDI object into a DC and puts the previous one back when the scope ends.
class SelectionScope {
public:
    SelectionScope(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectionScope() {
        if (previous_ && previous_ != HGDI_ERROR)
            ::SelectObject(dc_, previous_);
    }
    SelectionScope(const SelectionScope&) = delete;
    SelectionScope& operator=(const SelectionScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace flickmark::win32
