#pragma once
// Text on the system clipboard. Clipboard managers and remote desktop sessions hold the clipboard
// open for moments at a time, so opening it is retried briefly before an operation gives up.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace fw {

// How often, and how far apart, opening the clipboard is tried: at most about a fifth of a second.
inline constexpr int kClipboardTries = 10;
inline constexpr DWORD kClipboardRetryMs = 20;

// The clipboard, open for the life of the object when Open() says so.
class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner);
    ~ClipboardScope();
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    bool Open() const { return open_; }

private:
    bool open_ = false;
};

// The clipboard's text, or nothing when it holds none or stays closed to us.
std::optional<std::string> ReadClipboardText(HWND owner);
// Puts text on the clipboard in place of what was there; false when that could not be done.
bool WriteClipboardText(HWND owner, std::string_view text);

}  // namespace fw
