// Where the program's start-up time goes: the program's own start-up steps, each timed, written as
// "phase NAME MS" lines to the file named on the command line. The first line is the time from
// process creation to the entry point, which is mostly the loading of the imported DLLs.
//   startup_phases.exe OUTPUT-FILE
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/MainForm_win.h"
#include "framework/Application_win.h"

namespace {

double NowMs() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    return static_cast<double>((static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime) /
           10000.0;
}

double CreationMs() {
    FILETIME creation, exitTime, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &creation, &exitTime, &kernel, &user);
    return static_cast<double>((static_cast<unsigned long long>(creation.dwHighDateTime) << 32) |
                               creation.dwLowDateTime) /
           10000.0;
}

struct Phases {
    double last = 0;
    std::vector<std::pair<std::string, double>> times;
    void Mark(const char* name) {
        const double now = NowMs();
        times.emplace_back(name, now - last);
        last = now;
    }
};

Phases phases;
TMainForm* mainForm = nullptr;

// Runs once the loop has nothing but timers left, that is after the main window's first paint.
void CALLBACK AfterFirstPaint(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    phases.Mark("show main window and paint it");
    mainForm->Close();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    phases.last = CreationMs();
    phases.Mark("process creation to entry (DLLs loaded)");
    {
        fw::Application application;
        phases.Mark("application object and window");
        application.SetTitle("Tillora POS Stockdraw");
        RegisterProgramClasses();
        phases.Mark("class registration");
        TMainForm form(nullptr);
        mainForm = &form;
        phases.Mark("main form from its description (controls, fonts, bitmaps)");
        application.SetMainForm(form);
        SetTimer(nullptr, 0, 0, AfterFirstPaint);
        application.Run();
    }
    phases.Mark("close and tidy up");
    if (FILE* out = std::fopen(commandLine, "w")) {
        for (const auto& [name, ms] : phases.times) std::fprintf(out, "phase %.3f %s\n", ms, name.c_str());
        std::fclose(out);
    }
    return 0;
}
