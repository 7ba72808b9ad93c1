// Start-up: the application object, its title, the main window from its stored description,
// then the message loop until the main window closes. The process always exits with code 0.
#include <windows.h>

#include "app/MainForm_win.h"
#include "app/ProductTitle.h"
#include "framework/Application_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    fw::Application application;
    try {
        application.SetTitle(product::kTitle);
        RegisterProgramClasses();
        TMainForm mainForm(nullptr);
        application.SetMainForm(mainForm);
        application.Run();
    } catch (...) {
        application.HandleCurrentException();
    }
    return 0;
}
