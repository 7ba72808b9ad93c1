#include "framework/Handles_win.h"

#include <array>
#include <atomic>

namespace fw {

namespace {

std::array<std::atomic<long>, 3> live{};

std::atomic<long>& Live(HandleKind kind) { return live[static_cast<std::size_t>(kind)]; }

}  // namespace

long LiveHandles(HandleKind kind) { return Live(kind).load(); }

void CountHandle(HandleKind kind, long delta) { Live(kind) += delta; }

UniqueFont NewFont(const LOGFONTA& font) { return UniqueFont(::CreateFontIndirectA(&font)); }

UniqueBrush NewSolidBrush(COLORREF color) { return UniqueBrush(::CreateSolidBrush(color)); }

UniquePen NewPen(int style, int width, COLORREF color) { return UniquePen(::CreatePen(style, width, color)); }

UniqueMemoryDc NewMemoryDc(HDC compatibleWith) { return UniqueMemoryDc(::CreateCompatibleDC(compatibleWith)); }

UniqueBitmap NewCompatibleBitmap(HDC dc, int width, int height) {
    return UniqueBitmap(::CreateCompatibleBitmap(dc, width, height));
}

UniqueBitmap NewDibSection(HDC dc, const BITMAPINFO& info, void** bits) {
    return UniqueBitmap(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

UniqueBitmap LoadBitmapImage(const char* resourceName) {
    const HINSTANCE module = ::GetModuleHandleA(nullptr);
    auto* bitmap = static_cast<HBITMAP>(::LoadImageA(module, resourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    // A run-length encoded picture cannot be a DIB section: it becomes a bitmap of the display's format.
    if (!bitmap) bitmap = static_cast<HBITMAP>(::LoadImageA(module, resourceName, IMAGE_BITMAP, 0, 0, 0));
    return UniqueBitmap(bitmap);
}

UniqueMenu NewPopupMenu() { return UniqueMenu(::CreatePopupMenu()); }

UniqueWindow NewWindow(DWORD exStyle, const char* className, const char* caption, DWORD style, int x, int y, int width,
                       int height, HWND parent) {
    return UniqueWindow(::CreateWindowExA(exStyle, className, caption, style, x, y, width, height, parent, nullptr,
                                          ::GetModuleHandleA(nullptr), nullptr));
}

}  // namespace fw
