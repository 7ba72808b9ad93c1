// The Windows half of the benchmarks (tools/bench drives it and turns its lines into the table):
//   stockdraw_bench start RUNS LABEL PROGRAM CLASS [LABEL PROGRAM CLASS]...
//       starts the programs in turn, RUNS times each, and prints per start the time from process
//       creation to its main window painted, its working set once idle, and the time to visible
//   stockdraw_bench hold PROGRAM CLASS SECONDS
//       starts the program, prints "ready" once its main window is idle, keeps it SECONDS, closes it
//   stockdraw_bench grab SOURCE DESTINATION RUNS
//       per run, a grab without its dialogs (the checks, the shell copy component into the staging
//       folder, the completion check, the moves into DESTINATION) and a plain CopyFileA loop over the
//       same files, each replacing the files the run before left in DESTINATION
// Every line is "key value value ...", one measurement per line.
#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <optional>
#include <string>
#include <vector>

#include "Program.h"
#include "app/GrabPlatform.h"
#include "app/GrabPlatform_win.h"
#include "app/GrabPlan.h"
#include "app/GrabVerification.h"
#include "app/GrabWorkflow_win.h"
#include "fileops/FileOperation_win.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

struct WindowSearch {
    DWORD pid;
    const char* className;
    HWND found;
};

// A named CALLBACK, not a lambda: on i686 a lambda does not convert to the stdcall WNDENUMPROC.
BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto& s = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (owner == s.pid && IsWindowVisible(window) && std::string(name) == s.className) {
        s.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND VisibleWindowOf(DWORD pid, const char* className) {
    WindowSearch search{pid, className, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A started program whose main window is shown and painted: the window is visible and the
// program's thread has gone idle, which it does only once the pending paint is done.
class ShownProgram {
public:
    ShownProgram(const std::string& exe, const char* className)
        : start_(Clock::now()), program_(e2e::StartOptions{.exePath = Wide(exe)}) {
        const auto deadline = start_ + std::chrono::seconds(20);
        while (!(window_ = VisibleWindowOf(program_.Pid(), className))) {
            if (Clock::now() > deadline || !program_.IsRunning())
                throw std::runtime_error("no main window from " + exe);
            Sleep(1);
        }
        visibleMs_ = MsSince(start_);
        WaitForInputIdle(program_.ProcessHandle(), 10000);
        paintedMs_ = MsSince(start_);
    }
    ~ShownProgram() {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        if (!program_.WaitForExit(std::chrono::seconds(5))) program_.Terminate();
    }
    ShownProgram(const ShownProgram&) = delete;
    ShownProgram& operator=(const ShownProgram&) = delete;

    HANDLE Process() const { return program_.ProcessHandle(); }
    // From process creation to the main window visible, and to it painted.
    double VisibleMs() const { return visibleMs_; }
    double PaintedMs() const { return paintedMs_; }

private:
    Clock::time_point start_;
    double visibleMs_ = 0;
    double paintedMs_ = 0;
    e2e::Program program_;
    HWND window_ = nullptr;
};

double WorkingSetKb(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return 0;
    return static_cast<double>(counters.WorkingSetSize) / 1024;
}

void MeasureStart(const std::string& label, const std::string& exe, const char* className) {
    ShownProgram program(exe, className);
    Sleep(500);  // start-up work that follows the first paint belongs to the memory figure
    std::printf("start %s %.2f %.0f %.2f\n", label.c_str(), program.PaintedMs(), WorkingSetKb(program.Process()),
                program.VisibleMs());
    std::fflush(stdout);
}

// args: RUNS, then LABEL PROGRAM CLASS for each program.
int Start(int count, char** args) {
    const int runs = std::atoi(args[0]);
    for (int p = 1; p + 2 < count; p += 3) MeasureStart("warmup", args[p + 1], args[p + 2]);
    for (int i = 0; i < runs; ++i) {
        // In turn, so that a change in the machine's load meets all alike.
        for (int p = 1; p + 2 < count; p += 3) MeasureStart(args[p], args[p + 1], args[p + 2]);
    }
    return 0;
}

int Hold(char** args) {
    ShownProgram program(args[0], args[1]);
    std::printf("ready\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::atof(args[2]) * 1000));
    return 0;
}

std::vector<std::string> FileNames(const std::vector<GrabFile>& files) {
    std::vector<std::string> names;
    for (const GrabFile& file : files) names.push_back(file.name);
    return names;
}

void EmptyFolder(const std::string& folder, const std::vector<std::string>& names) {
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& name : names) DeleteFileA(JoinPath(folder, name).c_str());
}

// The call's result; its time is added to the total.
template <typename Call>
auto Timed(double& total, Call call) {
    const auto start = Clock::now();
    auto result = call();
    total += MsSince(start);
    return result;
}

// The system's file system, timing what the grab asks of it: the listings and look-ups of the completion
// check, and the staging folder's work (making it ready, the free space, the moves, removing it).
class TimedFileSystem final : public GrabPlatform {
public:
    bool FolderExists(const std::string& path) override { return system_.FolderExists(path); }
    std::optional<std::vector<GrabFile>> ListFiles(const std::string& folder) override {
        return Timed(checkMs, [&] { return system_.ListFiles(folder); });
    }
    std::optional<GrabFile> FileInfo(const std::string& folder, const std::string& name) override {
        return Timed(checkMs, [&] { return system_.FileInfo(folder, name); });
    }
    bool CreateFolder(const std::string& path) override {
        return Timed(stagingMs, [&] { return system_.CreateFolder(path); });
    }
    bool RemoveFolder(const std::string& path) override {
        return Timed(stagingMs, [&] { return system_.RemoveFolder(path); });
    }
    std::optional<std::uint64_t> FreeSpace(const std::string& folder) override {
        return Timed(stagingMs, [&] { return system_.FreeSpace(folder); });
    }
    bool InUse(const std::string& folder, const std::string& name) override {
        return Timed(stagingMs, [&] { return system_.InUse(folder, name); });
    }
    void WriteThrough(const std::string& folder, const std::string& name) override {
        Timed(flushMs, [&] {
            system_.WriteThrough(folder, name);
            return true;
        });
    }
    std::string MoveOver(const std::string& from, const std::string& to, const std::string& name) override {
        return Timed(movesMs, [&] { return system_.MoveOver(from, to, name); });
    }
    std::string ShownName(const std::string& name) override { return system_.ShownName(name); }

    double checkMs = 0;
    double stagingMs = 0;  // the staging folder made ready, the free space and files in use asked, the folder removed
    double flushMs = 0;    // the staged files written through to the disk
    double movesMs = 0;

private:
    SystemGrabPlatform system_;
};

class AnsweringDialogs final : public fw::DialogsPlatform {
public:
    bool ConfirmWarning(const std::string&) override { return true; }
    void ShowMessage(const std::string& text) override { last = text; }
    std::string last;
};

// The grab as the program runs it, without its dialogs: the checks, the shell's copy into the staging folder,
// the completion check and the moves over the data folder's files. Prints its time, the completion check's,
// the staging folder's, the writing through of the staged files and the moves'.
void ComponentCopy(const std::string& source, const std::string& destination) {
    TimedFileSystem fileSystem;
    const fw::ScopedSeam<GrabPlatform> scope(fileSystem);
    AnsweringDialogs dialogs;
    const fw::ScopedSeam<fw::DialogsPlatform> dialogsScope(dialogs);
    TsysFileOperation copy(nullptr);
    copy.SetDestFolder(destination);
    copy.SetOptions({TsysFileOperationFlag::fofFilesOnly, TsysFileOperationFlag::fofNoConfirmation,
                     TsysFileOperationFlag::fofNoConfirmMkDir, TsysFileOperationFlag::fofNoErrorUI,
                     TsysFileOperationFlag::fofSimpleProgress});
    fw::Control button(nullptr);
    GrabWorkflow grab(copy, [] {});
    const auto start = Clock::now();
    grab.Run(button, [&] { return source; });
    const double totalMs = MsSince(start);
    if (dialogs.last != kGrabComplete) throw std::runtime_error("the grab of " + source + " said: " + dialogs.last);
    std::printf("grab component %.2f %.2f %.2f %.2f %.2f\n", totalMs, fileSystem.checkMs, fileSystem.stagingMs,
                fileSystem.flushMs, fileSystem.movesMs);
}

void PlainCopy(const std::string& source, const std::string& destination, const std::vector<std::string>& names,
               bool print = true) {
    const auto start = Clock::now();
    for (const std::string& name : names) {
        if (!CopyFileA(JoinPath(source, name).c_str(), JoinPath(destination, name).c_str(), FALSE))
            throw std::runtime_error("CopyFileA failed for " + name);
    }
    if (print) std::printf("grab plain %.2f\n", MsSince(start));
}

int Grab(char** args) {
    const std::string source = args[0];
    const std::string destination = args[1];
    const int runs = std::atoi(args[2]);
    SystemGrabPlatform fileSystem;
    const std::vector<std::string> names =
        FileNames(FilesToGrab(fileSystem.ListFiles(source).value_or(std::vector<GrabFile>{})));
    if (names.empty()) throw std::runtime_error("no files to grab in " + source);
    // Both replace the files of the run before, as a grab replaces the data folder's old versions.
    EmptyFolder(destination, names);
    PlainCopy(source, destination, names, false);
    for (int i = 0; i < runs; ++i) {
        ComponentCopy(source, destination);
        PlainCopy(source, destination, names);
        std::fflush(stdout);
    }
    EmptyFolder(destination, names);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    // A pointer resting over a button keeps its hot-tracking timer running; the figures are of a
    // program nobody touches, so the pointer waits in the screen's corner, off every window.
    SetCursorPos(0, 0);
    try {
        if (mode == "start" && argc >= 6 && (argc - 3) % 3 == 0) return Start(argc - 2, argv + 2);
        if (mode == "hold" && argc == 5) return Hold(argv + 2);
        if (mode == "grab" && argc == 5) return Grab(argv + 2);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "stockdraw_bench: %s\n", e.what());
        return 1;
    }
    std::fprintf(stderr,
                 "usage: stockdraw_bench start RUNS LABEL PROGRAM CLASS [LABEL PROGRAM CLASS]...\n"
                 "       stockdraw_bench hold PROGRAM CLASS SECONDS\n"
                 "       stockdraw_bench grab SOURCE DESTINATION RUNS\n");
    return 2;
}
