#include "Stockdraw.h"

#include <stdexcept>

namespace e2e {

HWND FindMainForm(DWORD pid) { return FindTopLevel(pid, {.className = kMainFormClass, .visibleOnly = true}); }

HWND FindApplicationWindow(DWORD pid) { return FindTopLevel(pid, {.className = kApplicationClass, .text = kTitle}); }

StockdrawSession::StockdrawSession(const StartOptions& options) : program_(options) {
    WaitUntil([&] {
        mainForm_ = FindMainForm(program_.Pid());
        return mainForm_ || !program_.IsRunning();
    });
    if (!mainForm_) {
        const auto exitCode = program_.WaitForExit(0ms);
        throw std::runtime_error(exitCode ? "the program ended with code " + std::to_string(*exitCode) +
                                                " before showing its main window"
                                          : "the program's main window did not appear");
    }
}

StockdrawSession::~StockdrawSession() {
    if (program_.IsRunning()) {
        Close(2s);
    }
}

std::optional<DWORD> StockdrawSession::Close(std::chrono::milliseconds timeout) {
    if (IsWindow(mainForm_)) {
        PostMessageA(mainForm_, WM_CLOSE, 0, 0);
    }
    return program_.WaitForExit(timeout);
}

}  // namespace e2e
