// TUniqueHandle: the one owner of Win32 handles, and its kinds: kernel objects, GDI objects,
// memory and window DCs, selections, saved DC states, local and COM memory, hooks, icons, menus,
// windows.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace tw {

// Owns one handle and frees it exactly once: when the owner goes, on Reset, or never once
// Release has handed it on. The traits type names the handle type, the value that means none
// (Invalid), which values are real (IsValid) and the call that frees one (Free); a traits
// object may carry what that call needs, such as the window of a window DC.
template <class Traits>
class TUniqueHandle : private Traits {
public:
    using Handle = typename Traits::Handle;

    TUniqueHandle() = default;
    explicit TUniqueHandle(Handle handle, Traits traits = Traits()) noexcept
        : Traits(std::move(traits)), handle_(Normal(handle)) {}
    ~TUniqueHandle() { Reset(); }
    TUniqueHandle(TUniqueHandle&& other) noexcept
        : Traits(std::move(static_cast<Traits&>(other))), handle_(other.Release()) {}
    TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            static_cast<Traits&>(*this) = std::move(static_cast<Traits&>(other));
            handle_ = other.Release();
        }
        return *this;
    }
    TUniqueHandle(const TUniqueHandle&) = delete;
    TUniqueHandle& operator=(const TUniqueHandle&) = delete;

    Handle Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return Traits::IsValid(handle_); }
    // Frees what is held and takes handle (none by default).
    void Reset(Handle handle = Traits::Invalid()) noexcept {
        const Handle old = std::exchange(handle_, Normal(handle));
        if (Traits::IsValid(old)) Traits::Free(old);
    }
    // Hands the handle on without freeing it.
    [[nodiscard]] Handle Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
    // For out-parameters of API calls: frees what was held before.
    Handle* Receive() noexcept {
        Reset();
        return &handle_;
    }

private:
    static Handle Normal(Handle handle) { return Traits::IsValid(handle) ? handle : Traits::Invalid(); }
    Handle handle_ = Traits::Invalid();
};

// The traits of most kinds: null means none.
template <class H>
struct TNullMeansNone {
    using Handle = H;
    static H Invalid() { return nullptr; }
    static bool IsValid(H handle) { return handle != nullptr; }
};

// Kernel objects: processes, threads, pipe ends, events, jobs, files. The creating calls answer
// either null or INVALID_HANDLE_VALUE for none; both are kept as null.
struct TKernelTraits {
    using Handle = HANDLE;
    static HANDLE Invalid() { return nullptr; }
    static bool IsValid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE handle) { ::CloseHandle(handle); }
};
using THandle = TUniqueHandle<TKernelTraits>;

// GDI objects by kind: brushes, pens, fonts, bitmaps, regions.
template <class H>
struct TGdiObjectTraits : TNullMeansNone<H> {
    static void Free(H object) { ::DeleteObject(object); }
};
using TBrushHandle = TUniqueHandle<TGdiObjectTraits<HBRUSH>>;
using TPenHandle = TUniqueHandle<TGdiObjectTraits<HPEN>>;
using TFontHandle = TUniqueHandle<TGdiObjectTraits<HFONT>>;
using TBitmapHandle = TUniqueHandle<TGdiObjectTraits<HBITMAP>>;
using TRegionHandle = TUniqueHandle<TGdiObjectTraits<HRGN>>;

// A memory DC (CreateCompatibleDC).
struct TMemoryDCTraits : TNullMeansNone<HDC> {
    static void Free(HDC dc) { ::DeleteDC(dc); }
};
using TMemoryDC = TUniqueHandle<TMemoryDCTraits>;
inline TMemoryDC CompatibleDC(HDC dc) { return TMemoryDC(::CreateCompatibleDC(dc)); }

// A DC from GetDC or GetWindowDC, given back to the window it came from.
struct TWindowDCTraits : TNullMeansNone<HDC> {
    explicit TWindowDCTraits(HWND wnd = nullptr) : Window(wnd) {}
    void Free(HDC dc) const { ::ReleaseDC(Window, dc); }
    HWND Window;
};
using TWindowDC = TUniqueHandle<TWindowDCTraits>;
// The DC of wnd's client area; of the screen for null.
inline TWindowDC ClientDC(HWND wnd) { return TWindowDC(::GetDC(wnd), TWindowDCTraits(wnd)); }
// The DC of the whole window, frame included.
inline TWindowDC WholeWindowDC(HWND wnd) { return TWindowDC(::GetWindowDC(wnd), TWindowDCTraits(wnd)); }

// An object selected into a DC: the handle held is the object it replaced, selected back when
// the selection ends. Not for regions, whose selection answers no earlier object.
struct TSelectionTraits : TNullMeansNone<HGDIOBJ> {
    explicit TSelectionTraits(HDC dc = nullptr) : Dc(dc) {}
    void Free(HGDIOBJ previous) const { ::SelectObject(Dc, previous); }
    HDC Dc;
};
using TSelection = TUniqueHandle<TSelectionTraits>;
// Selects object (nothing for null) into dc until the selection ends.
inline TSelection Select(HDC dc, HGDIOBJ object) {
    return TSelection(object ? ::SelectObject(dc, object) : nullptr, TSelectionTraits(dc));
}

// A DC state kept by SaveDC (its number), restored when the owner goes.
struct TSavedDCTraits {
    using Handle = int;
    static int Invalid() { return 0; }
    static bool IsValid(int state) { return state != 0; }
    explicit TSavedDCTraits(HDC dc = nullptr) : Dc(dc) {}
    void Free(int state) const { ::RestoreDC(Dc, state); }
    HDC Dc;
};
using TSavedDC = TUniqueHandle<TSavedDCTraits>;
inline TSavedDC SaveState(HDC dc) { return TSavedDC(::SaveDC(dc), TSavedDCTraits(dc)); }

// Memory the system allocated with LocalAlloc for us (FormatMessage's buffer).
template <class T>
struct TLocalMemoryTraits : TNullMeansNone<T*> {
    static void Free(T* memory) { ::LocalFree(memory); }
};
template <class T>
using TLocalMemory = TUniqueHandle<TLocalMemoryTraits<T>>;

// Memory the shell or COM allocated for us with CoTaskMemAlloc (item lists, strings).
template <class T>
struct TCoTaskMemoryTraits : TNullMeansNone<T*> {
    static void Free(T* memory) { ::CoTaskMemFree(memory); }
};
template <class T>
using TCoTaskMemory = TUniqueHandle<TCoTaskMemoryTraits<T>>;

struct THookTraits : TNullMeansNone<HHOOK> {
    static void Free(HHOOK hook) { ::UnhookWindowsHookEx(hook); }
};
using THookHandle = TUniqueHandle<THookTraits>;

struct TIconTraits : TNullMeansNone<HICON> {
    static void Free(HICON icon) { ::DestroyIcon(icon); }
};
using TIconHandle = TUniqueHandle<TIconTraits>;

struct TMenuTraits : TNullMeansNone<HMENU> {
    static void Free(HMENU menu) { ::DestroyMenu(menu); }
};
using TMenuHandle = TUniqueHandle<TMenuTraits>;

// A window of our own that no control object manages (message-only windows).
struct TWindowTraits : TNullMeansNone<HWND> {
    static void Free(HWND wnd) { ::DestroyWindow(wnd); }
};
using TWindowHandle = TUniqueHandle<TWindowTraits>;

// BeginPaint and EndPaint around one WM_PAINT: a scope, neither moved nor handed on.
class TPaintDC {
public:
    explicit TPaintDC(HWND wnd) : wnd_(wnd) { dc_ = ::BeginPaint(wnd, &ps_); }
    ~TPaintDC() { ::EndPaint(wnd_, &ps_); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    HDC Get() const { return dc_; }
    const RECT& PaintRect() const { return ps_.rcPaint; }

private:
    HWND wnd_;
    HDC dc_;
    PAINTSTRUCT ps_{};
};

}  // namespace tw
