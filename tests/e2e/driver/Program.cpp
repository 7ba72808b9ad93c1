#include "Program.h"

#include <stdexcept>
#include <vector>

namespace e2e {

namespace {

const wchar_t* const kProgramName = L"TilloraStockdraw.exe";

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::string Narrow(const std::wstring& text) {
    std::string result;
    for (wchar_t c : text) {
        result += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return result;
}

}  // namespace

std::wstring PathBesideTests(const std::wstring& fileName) {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            return FolderOf(std::wstring(buffer.data(), length)) + fileName;
        }
        buffer.resize(buffer.size() * 2);
    }
}

Program::Program(const StartOptions& options) {
    const std::wstring exePath = options.exePath.empty() ? PathBesideTests(kProgramName) : options.exePath;
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!options.arguments.empty()) {
        commandLine += L" " + options.arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    const DWORD flags = options.suspended ? CREATE_SUSPENDED : 0;
    const wchar_t* folder = options.workingDirectory.empty() ? nullptr : options.workingDirectory.c_str();
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, folder, &startup,
                        &info)) {
        throw std::runtime_error("cannot start " + Narrow(exePath) + ", error " + std::to_string(GetLastError()));
    }
    process_.Reset(info.hProcess);
    thread_.Reset(info.hThread);
    pid_ = info.dwProcessId;
}

Program::~Program() {
    if (IsRunning()) {
        Terminate();
    }
}

bool Program::Resume() { return thread_ && ResumeThread(thread_.Get()) != static_cast<DWORD>(-1); }

bool Program::IsRunning() const { return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Program::WaitForExit(std::chrono::milliseconds timeout) const {
    if (!process_ || WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.Get(), &code)) {
        return std::nullopt;
    }
    return code;
}

void Program::Terminate() {
    if (process_) {
        TerminateProcess(process_.Get(), 1);
        WaitForSingleObject(process_.Get(), static_cast<DWORD>(kDefaultTimeout.count()));
    }
}

}  // namespace e2e
