// Start-up cost and memory of the program: starts it again and again, times each start until
// its main window shows, reads the process's memory once the window is idle, then closes it.
//   startup_bench [RUNS]
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <vector>

#include "Stockdraw.h"

namespace {

struct Sample {
    double startMs = 0;
    double workingSetKb = 0;
    double privateKb = 0;
    DWORD handles = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
};

Sample Measure() {
    Sample sample;
    const auto start = std::chrono::steady_clock::now();
    e2e::StockdrawSession app;
    sample.startMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    // Let start-up work finish before looking at what the idle program holds.
    Sleep(500);
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    HANDLE process = app.Process().ProcessHandle();
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
        sample.workingSetKb = static_cast<double>(counters.WorkingSetSize) / 1024;
        sample.privateKb = static_cast<double>(counters.PrivateUsage) / 1024;
    }
    GetProcessHandleCount(process, &sample.handles);
    sample.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    sample.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    app.Close();
    return sample;
}

template <class Get>
double Median(std::vector<Sample> samples, Get get) {
    std::sort(samples.begin(), samples.end(), [&](const Sample& a, const Sample& b) { return get(a) < get(b); });
    return static_cast<double>(get(samples[samples.size() / 2]));
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    std::vector<Sample> samples;
    try {
        Measure();  // warm-up: the first start loads the system's files from disk
        for (int i = 0; i < runs; ++i) samples.push_back(Measure());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "startup_bench: %s\n", e.what());
        return 1;
    }
    std::printf("runs: %d\n", runs);
    std::printf("start to main window (median): %.1f ms\n", Median(samples, [](const Sample& s) { return s.startMs; }));
    std::printf("working set (median): %.0f KB\n", Median(samples, [](const Sample& s) { return s.workingSetKb; }));
    // Wine reports no private bytes, handle or GDI/USER object counts for another process: those
    // lines say so rather than print a zero.
    const auto report = [](const char* what, double value, const char* unit) {
        if (value > 0)
            std::printf("%s: %.0f %s\n", what, value, unit);
        else
            std::printf("%s: not reported by this system\n", what);
    };
    report("private bytes (median)", Median(samples, [](const Sample& s) { return s.privateKb; }), "KB");
    report("kernel handles (median)", Median(samples, [](const Sample& s) { return s.handles; }), "");
    report("GDI objects (median)", Median(samples, [](const Sample& s) { return s.gdiObjects; }), "");
    report("USER objects (median)", Median(samples, [](const Sample& s) { return s.userObjects; }), "");
    return 0;
}
