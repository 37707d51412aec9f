#pragma once
// Move-only owners for Win32 handles: each frees its handle exactly once.
// Fields that only borrow a handle use the plain handle type and say so.
//
// The owners of GDI objects (brushes, pens, fonts, bitmaps, regions, memory DCs) keep a
// count of the objects they hold, so tests can show that painting leaves none behind
// (GetGuiResources cannot be relied on for that under Wine). An object counts from the
// moment an owner takes it until the owner deletes it or gives it away with release().
#include <windows.h>

#include <atomic>
#include <type_traits>
#include <utility>

namespace handle_detail {
inline std::atomic<long>& GdiObjectCount() {
    static std::atomic<long> count{0};
    return count;
}
template <class Traits, class = void>
struct CountsGdi : std::false_type {};
template <class Traits>
struct CountsGdi<Traits, std::void_t<decltype(Traits::kCountsGdi)>> : std::bool_constant<Traits::kCountsGdi> {};
}  // namespace handle_detail

// GDI objects held by owners right now (see above).
inline long GdiObjectsAlive() { return handle_detail::GdiObjectCount().load(); }

template <class H, class Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) { Adopted(h_); }
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, Traits::Invalid());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    H get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    // Gives the handle away; the new owner frees it.
    H release() {
        Released(h_);
        return std::exchange(h_, Traits::Invalid());
    }
    void reset(H h = Traits::Invalid()) {
        if (h == h_) return;
        H old = std::exchange(h_, h);
        Adopted(h_);
        if (old != Traits::Invalid()) {
            Released(old);
            Traits::Close(old);
        }
    }

private:
    static constexpr bool kCounted = handle_detail::CountsGdi<Traits>::value;
    static void Adopted(H h) {
        if constexpr (kCounted)
            if (h != Traits::Invalid()) ++handle_detail::GdiObjectCount();
    }
    static void Released(H h) {
        if constexpr (kCounted)
            if (h != Traits::Invalid()) --handle_detail::GdiObjectCount();
    }

    H h_ = Traits::Invalid();
};

namespace handle_traits {
struct Window {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND h) { DestroyWindow(h); }
};
template <class T>
struct GdiObject {
    static constexpr bool kCountsGdi = true;
    static T Invalid() { return nullptr; }
    static void Close(T h) { DeleteObject(h); }
};
struct MemoryDc {
    static constexpr bool kCountsGdi = true;
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};
struct Menu {
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct Icon {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
struct Kernel {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct File {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct Module {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { FreeLibrary(h); }
};
struct GlobalAtom {
    static ATOM Invalid() { return 0; }
    static void Close(ATOM a) { GlobalDeleteAtom(a); }
};
struct WindowsHook {
    static HHOOK Invalid() { return nullptr; }
    static void Close(HHOOK h) { UnhookWindowsHookEx(h); }
};
}  // namespace handle_traits

using WindowHandle = UniqueHandle<HWND, handle_traits::Window>;
using FontHandle = UniqueHandle<HFONT, handle_traits::GdiObject<HFONT>>;
using BrushHandle = UniqueHandle<HBRUSH, handle_traits::GdiObject<HBRUSH>>;
using PenHandle = UniqueHandle<HPEN, handle_traits::GdiObject<HPEN>>;
using BitmapHandle = UniqueHandle<HBITMAP, handle_traits::GdiObject<HBITMAP>>;
using RegionHandle = UniqueHandle<HRGN, handle_traits::GdiObject<HRGN>>;
using MemoryDcHandle = UniqueHandle<HDC, handle_traits::MemoryDc>;
using MenuHandle = UniqueHandle<HMENU, handle_traits::Menu>;
using IconHandle = UniqueHandle<HICON, handle_traits::Icon>;
using KernelHandle = UniqueHandle<HANDLE, handle_traits::Kernel>;
using FileHandle = UniqueHandle<HANDLE, handle_traits::File>;
using ModuleHandle = UniqueHandle<HMODULE, handle_traits::Module>;
using GlobalAtomHandle = UniqueHandle<ATOM, handle_traits::GlobalAtom>;
using WindowsHookHandle = UniqueHandle<HHOOK, handle_traits::WindowsHook>;

// A window's DC from GetDC / GetWindowDC, released with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND wnd, bool wholeWindow = false)
        : wnd_(wnd), dc_(wholeWindow ? GetWindowDC(wnd) : GetDC(wnd)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(wnd_, dc_);
    }
    WindowDc(WindowDc&& o) noexcept : wnd_(o.wnd_), dc_(std::exchange(o.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&&) = delete;
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND wnd_;  // not owned
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND wnd) : wnd_(wnd) { dc_ = BeginPaint(wnd, &ps_); }
    ~PaintScope() { EndPaint(wnd_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }
    const RECT& rect() const { return ps_.rcPaint; }

private:
    HWND wnd_;  // not owned
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

// Selects a GDI object into a DC and puts the previous one back.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
    ~SelectScope() {
        if (old_) SelectObject(dc_, old_);
    }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC dc_;        // not owned
    HGDIOBJ old_;   // not owned
};

// Saves a DC's state (clip region, origins, selections) and restores it.
class SaveDcScope {
public:
    explicit SaveDcScope(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
    ~SaveDcScope() {
        if (id_) RestoreDC(dc_, id_);
    }
    SaveDcScope(const SaveDcScope&) = delete;
    SaveDcScope& operator=(const SaveDcScope&) = delete;

private:
    HDC dc_;  // not owned
    int id_;
};
