#include "framework/Application_win.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "framework/ExceptionText.h"
#include "framework/Form_win.h"
#include "framework/MessageDialog_win.h"
#include "framework/Mnemonic_win.h"

namespace fw {

namespace {

Application* instance = nullptr;
constexpr char kWindowClass[] = "TApplication";
constexpr int kLongestRetryPause = 100;  // ms between two tries to receive after failures

// The application window is shown with no size so that it carries the taskbar button; it
// hands activation on to the main form and hides or shows it when minimised or restored.
LRESULT CALLBACK ApplicationWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        Form* main = instance ? instance->MainForm() : nullptr;
        switch (msg) {
            case WM_ACTIVATE:
                if (LOWORD(wParam) != WA_INACTIVE && main && main->Visible() && !::IsIconic(hwnd))
                    ::SetActiveWindow(main->Handle());
                return 0;
            case WM_SIZE:
                if (main && wParam == SIZE_MINIMIZED && main->HandleAllocated()) ::ShowWindow(main->Handle(), SW_HIDE);
                if (main && wParam == SIZE_RESTORED && main->Visible()) {
                    ::ShowWindow(main->Handle(), SW_SHOW);
                    ::SetForegroundWindow(main->Handle());
                }
                return 0;
            case WM_CLOSE:
                if (main) main->Close();
                return 0;
            default: break;
        }
    } catch (...) {
        if (instance) instance->HandleCurrentException();
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

Application::Application() {
    if (instance) throw std::logic_error("Only one application object may exist");
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    icon_ = ::LoadIconA(module, "MAINICON");
    if (!icon_) icon_ = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ApplicationWndProc;
    wc.hInstance = module;
    wc.hIcon = icon_;
    wc.lpszClassName = kWindowClass;
    ::RegisterClassExA(&wc);
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    handle_ = NewWindow(0, kWindowClass, "", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                        (work.left + work.right) / 2, (work.top + work.bottom) / 2, 0, 0, nullptr);
    if (!handle_) throw std::runtime_error("Cannot create the application window");
    instance = this;
}

Application::~Application() {
    handle_.Reset();
    instance = nullptr;
}

Application& Application::Instance() {
    if (!instance) throw std::logic_error("No application object");
    return *instance;
}

bool Application::Exists() { return instance != nullptr; }

void Application::SetTitle(std::string title) {
    title_ = std::move(title);
    ::SetWindowTextA(handle_.Get(), title_.c_str());
}

std::string Application::ExeName() {
    char path[MAX_PATH * 2] = {};
    const DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, n);
}

void Application::Terminate() {
    terminated_ = true;
    ::PostQuitMessage(0);
}

void Application::SetMainForm(Form& form) {
    if (!mainForm_) mainForm_ = &form;
}

void Application::DispatchOne(const MSG& msg) {
    ShowKeyboardCues(msg);
    if (HandleTabKey(msg) || HandleHelpKey(msg) || HandleMnemonic(msg)) return;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

void Application::Run() {
    if (!terminated_) {
        if (mainForm_ && showMainForm_) {
            ::SetWindowPos(handle_.Get(), nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
            mainForm_->Show();
        }
        MSG msg;
        int failures = 0;
        while (!terminated_) {
            const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
            if (got == 0) break;
            if (got == -1) {
                // A message the system could not deliver (a text too large to pass from another process):
                // that message is lost, the program is not. A failure that repeats is retried at a slowing
                // pace, so that it never keeps a processor busy.
                ::Sleep(static_cast<DWORD>(std::min(failures++, kLongestRetryPause)));
                continue;
            }
            failures = 0;
            DispatchOne(msg);
        }
        terminated_ = true;
    }
    // A quit posted by Terminate() belongs to this loop: left pending, it would end the next one.
    MSG quit;
    ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void Application::ProcessMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        DispatchOne(msg);
    }
}

void Application::HandleException(std::exception_ptr error) noexcept {
    try {
        std::string message;
        try {
            std::rethrow_exception(std::move(error));
        } catch (const std::exception& e) {
            message = e.what();
        } catch (...) {
            message = "Unknown error";
        }
        ShowErrorBox(title_, ExceptionMessageText(message));
    } catch (...) {
        // Nothing sensible is left to do when the error box itself fails.
    }
}

}  // namespace fw
