#pragma once
// Move-only owners for kernel, GDI and USER handles; the deleter is part of the type. Every GDI and
// USER object the program makes is made by the functions below (or by a control's window) and held
// by an owner, which keeps a live count per kind: a leak shows as a count that grows.
#include <windows.h>

#include <utility>

namespace fw {

enum class HandleKind { Kernel, Gdi, User };

// How many handles of the kind the owners hold right now.
long LiveHandles(HandleKind kind);
// Called by the owners only: delta is +1 when they take a handle, -1 when they let it go.
void CountHandle(HandleKind kind, long delta);

template <class H, class Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) { Take(h); }
    ~UniqueHandle() { Free(); }
    // A move hands the handle over uncounted: it stays counted once, by whichever owner holds it.
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.HandOver()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Free();
            h_ = other.HandOver();
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    H Get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    H Release() {
        Count(h_, -1);
        return HandOver();
    }
    void Reset(H h = Traits::Invalid()) {
        Free();
        Take(h);
    }

private:
    // The one path that counts a handle in, and the one that closes it and counts it out.
    void Take(H h) {
        h_ = h;
        Count(h_, +1);
    }
    void Free() {
        if (h_ != Traits::Invalid()) {
            Traits::Close(h_);
            Count(h_, -1);
        }
        h_ = Traits::Invalid();
    }
    H HandOver() { return std::exchange(h_, Traits::Invalid()); }

    static void Count(H h, long delta) {
        if (h == Traits::Invalid()) return;
        // Traits that name no kind hold kernel objects (find handles, mutexes and the like).
        if constexpr (requires { Traits::kKind; })
            CountHandle(Traits::kKind, delta);
        else
            CountHandle(HandleKind::Kernel, delta);
    }

    H h_ = Traits::Invalid();
};

struct KernelTraits {
    static constexpr HandleKind kKind = HandleKind::Kernel;
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct ModuleTraits {
    static constexpr HandleKind kKind = HandleKind::Kernel;
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { ::FreeLibrary(h); }
};
template <class T>
struct GdiTraits {
    static constexpr HandleKind kKind = HandleKind::Gdi;
    static T Invalid() { return nullptr; }
    static void Close(T h) { ::DeleteObject(h); }
};
struct MemoryDcTraits {
    static constexpr HandleKind kKind = HandleKind::Gdi;
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { ::DeleteDC(h); }
};
struct IconTraits {
    static constexpr HandleKind kKind = HandleKind::User;
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { ::DestroyIcon(h); }
};
struct WindowTraits {
    static constexpr HandleKind kKind = HandleKind::User;
    static HWND Invalid() { return nullptr; }
    static void Close(HWND h) { ::DestroyWindow(h); }
};
struct MenuTraits {
    static constexpr HandleKind kKind = HandleKind::User;
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU h) { ::DestroyMenu(h); }
};

using UniqueKernelHandle = UniqueHandle<HANDLE, KernelTraits>;
using UniqueModule = UniqueHandle<HMODULE, ModuleTraits>;
using UniqueFont = UniqueHandle<HFONT, GdiTraits<HFONT>>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiTraits<HBRUSH>>;
using UniquePen = UniqueHandle<HPEN, GdiTraits<HPEN>>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiTraits<HBITMAP>>;
using UniqueRegion = UniqueHandle<HRGN, GdiTraits<HRGN>>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;

// The only places the program makes GDI objects and its own windows; each throws nothing and gives
// an empty owner when the system refuses.
UniqueFont NewFont(const LOGFONTA& font);
UniqueBrush NewSolidBrush(COLORREF color);
UniquePen NewPen(int style, int width, COLORREF color);
UniqueMemoryDc NewMemoryDc(HDC compatibleWith);
UniqueBitmap NewCompatibleBitmap(HDC dc, int width, int height);
UniqueBitmap NewDibSection(HDC dc, const BITMAPINFO& info, void** bits);
UniqueBitmap LoadBitmapImage(const char* resourceName);
UniqueMenu NewPopupMenu();
// A window of a class whose window procedure does not own it (a control's window is made and
// counted by the control itself).
UniqueWindow NewWindow(DWORD exStyle, const char* className, const char* caption, DWORD style, int x, int y, int width,
                       int height, HWND parent);

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
    explicit WindowDc(HWND hwnd = nullptr) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {
        if (dc_) CountHandle(HandleKind::Gdi, +1);
    }
    ~WindowDc() {
        if (!dc_) return;
        ::ReleaseDC(hwnd_, dc_);
        CountHandle(HandleKind::Gdi, -1);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

}  // namespace fw
