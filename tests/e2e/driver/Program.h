#pragma once

#include "UniqueHandle.h"
#include "Wait.h"

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

struct StartOptions {
    std::wstring exePath{};           // empty: the program beside the test executable
    std::wstring arguments{};         // appended after the quoted program path
    std::wstring workingDirectory{};  // empty: the test's own working directory
    bool suspended = false;           // created suspended; Resume() lets it run
};

// The full path of a file in the folder of the running test executable.
std::wstring PathBesideTests(const std::wstring& fileName);

// One started copy of a program. A copy still running when this object dies is terminated,
// so a failed test never leaves a program behind to meet the next one.
class Program {
public:
    // Throws std::runtime_error when the process cannot be created.
    explicit Program(const StartOptions& options = {});
    Program(Program&&) noexcept = default;
    Program& operator=(Program&&) noexcept = default;
    ~Program();

    DWORD Pid() const { return pid_; }
    HANDLE ProcessHandle() const { return process_.Get(); }

    bool Resume();
    bool IsRunning() const;
    // The exit code, or nothing when the process is still running after the time-out.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = kDefaultTimeout) const;
    // Ends the process at once and waits (bounded) until it is gone.
    void Terminate();

private:
    UniqueHandle process_;
    UniqueHandle thread_;
    DWORD pid_ = 0;
};

}  // namespace e2e
