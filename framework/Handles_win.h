#pragma once
// Move-only owners for kernel and GDI handles; the deleter is part of the type.
#include <windows.h>

#include <utility>

namespace fw {

template <class H, class Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.h_, Traits::Invalid()));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    H Get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    H Release() { return std::exchange(h_, Traits::Invalid()); }
    void Reset(H h = Traits::Invalid()) {
        if (h_ != Traits::Invalid()) Traits::Close(h_);
        h_ = h;
    }

private:
    H h_ = Traits::Invalid();
};

struct KernelTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
template <class T>
struct GdiTraits {
    static T Invalid() { return nullptr; }
    static void Close(T h) { ::DeleteObject(h); }
};
struct MemoryDcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { ::DeleteDC(h); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { ::DestroyIcon(h); }
};
struct WindowTraits {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND h) { ::DestroyWindow(h); }
};

using UniqueKernelHandle = UniqueHandle<HANDLE, KernelTraits>;
using UniqueFont = UniqueHandle<HFONT, GdiTraits<HFONT>>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiTraits<HBRUSH>>;
using UniquePen = UniqueHandle<HPEN, GdiTraits<HPEN>>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiTraits<HBITMAP>>;
using UniqueRegion = UniqueHandle<HRGN, GdiTraits<HRGN>>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;

// Selects a GDI object into a DC for the life of the scope.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ obj) : dc_(dc), old_(::SelectObject(dc, obj)) {}
    ~SelectScope() { ::SelectObject(dc_, old_); }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Saves and restores the whole DC state (origin, clipping, selected objects).
class SaveDcScope {
public:
    explicit SaveDcScope(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
    ~SaveDcScope() { ::RestoreDC(dc_, saved_); }
    SaveDcScope(const SaveDcScope&) = delete;
    SaveDcScope& operator=(const SaveDcScope&) = delete;

private:
    HDC dc_;
    int saved_;
};

// A window's device context, or the screen's (no window), for measuring and reading pixels.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd = nullptr) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_) ::ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

}  // namespace fw
