#pragma once

#include "Program.h"
#include "WindowQuery.h"

#include <windows.h>

#include <optional>

namespace e2e {

inline constexpr const char* kTitle = "Tillora POS Stockdraw";
inline constexpr const char* kMainFormClass = "TMainForm";
inline constexpr const char* kApplicationClass = "TApplication";

// The visible main window of the process, or null.
HWND FindMainForm(DWORD pid);
// The application's hidden top-level window (class "TApplication", captioned with the title), or null.
HWND FindApplicationWindow(DWORD pid);

// A started copy of the program with its main window up. A copy still running at the end is
// asked to close, and terminated when it does not.
class StockdrawSession {
public:
    // Starts the program and waits for its main window; throws std::runtime_error when it does not appear.
    explicit StockdrawSession(const StartOptions& options = {});
    StockdrawSession(StockdrawSession&&) noexcept = default;
    StockdrawSession& operator=(StockdrawSession&&) noexcept = default;
    ~StockdrawSession();

    Program& Process() { return program_; }
    DWORD Pid() const { return program_.Pid(); }
    HWND MainForm() const { return mainForm_; }
    DWORD GuiThread() const { return ThreadOf(mainForm_); }

    // A control on the main window, searched among all its descendants.
    HWND Control(const WindowFilter& filter) const { return FindChild(mainForm_, filter); }

    // Asks the main window to close; the exit code, or nothing when the program keeps running.
    std::optional<DWORD> Close(std::chrono::milliseconds timeout = kDefaultTimeout);

private:
    Program program_;
    HWND mainForm_ = nullptr;
};

}  // namespace e2e
