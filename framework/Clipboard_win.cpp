#include "framework/Clipboard_win.h"

#include <algorithm>

#include "framework/Handles_win.h"

namespace fw {

namespace {

struct GlobalMemoryTraits {
    static HGLOBAL Invalid() { return nullptr; }
    static void Close(HGLOBAL h) { ::GlobalFree(h); }
};
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalMemoryTraits>;

class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory) : memory_(memory), data_(memory ? ::GlobalLock(memory) : nullptr) {}
    ~GlobalLockScope() {
        if (data_) ::GlobalUnlock(memory_);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    char* Data() const { return static_cast<char*>(data_); }

private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace

ClipboardScope::ClipboardScope(HWND owner) {
    for (int attempt = 0; attempt < kClipboardTries; ++attempt) {
        if (attempt > 0) ::Sleep(kClipboardRetryMs);
        open_ = ::OpenClipboard(owner) != FALSE;
        if (open_) return;
    }
}

ClipboardScope::~ClipboardScope() {
    if (open_) ::CloseClipboard();
}

std::optional<std::string> ReadClipboardText(HWND owner) {
    ClipboardScope clipboard(owner);
    if (!clipboard.Open()) return std::nullopt;
    const GlobalLockScope lock(::GetClipboardData(CF_TEXT));
    if (!lock.Data()) return std::nullopt;
    return std::string(lock.Data());
}

bool WriteClipboardText(HWND owner, std::string_view text) {
    UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory) return false;
    {
        const GlobalLockScope lock(memory.Get());
        if (!lock.Data()) return false;
        std::copy(text.begin(), text.end(), lock.Data());
        lock.Data()[text.size()] = '\0';
    }
    ClipboardScope clipboard(owner);
    if (!clipboard.Open() || !::EmptyClipboard()) return false;
    if (!::SetClipboardData(CF_TEXT, memory.Get())) return false;
    // The clipboard owns the memory now.
    memory.Release();
    return true;
}

}  // namespace fw
