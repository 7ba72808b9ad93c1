#include "framework/DialogPosition_win.h"

#include "framework/Application_win.h"
#include "framework/Form_win.h"

namespace ecl {

fw::Rect DialogReferenceRect(TEclDlgPosRel relatePos, HWND anchor) {
    const fw::Rect screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    auto windowRect = [&screen](HWND hwnd) {
        RECT r{};
        if (!hwnd || !::GetWindowRect(hwnd, &r)) return screen;
        return fw::Rect{r.left, r.top, r.right, r.bottom};
    };
    if (anchor) return windowRect(anchor);
    switch (relatePos) {
        case TEclDlgPosRel::brScreen: return screen;
        case TEclDlgPosRel::brScreenWorkArea: {
            RECT work{};
            if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) return screen;
            return fw::Rect{work.left, work.top, work.right, work.bottom};
        }
        case TEclDlgPosRel::brMainForm: {
            fw::Form* main = fw::Application::Exists() ? fw::Application::Instance().MainForm() : nullptr;
            return windowRect(main && main->HandleAllocated() ? main->Handle() : nullptr);
        }
        case TEclDlgPosRel::brActiveWindow: return windowRect(::GetActiveWindow());
    }
    return screen;
}

DialogOrigin PlaceDialogWindow(TEclDlgPosition position, TEclDlgPosRel relatePos, int width, int height, HWND anchor) {
    return PlaceDialog(DialogReferenceRect(relatePos, anchor), width, height, position,
                       ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

}  // namespace ecl
