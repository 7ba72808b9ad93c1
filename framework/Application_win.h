#pragma once
// The application object: title, icon, the hidden "TApplication" window that owns the taskbar
// button, the main form, the message loop and the default exception handler.
#include <windows.h>

#include <exception>
#include <memory>
#include <string>

#include "framework/Handles_win.h"

namespace fw {

class Form;

class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one application object of the process; std::logic_error when none exists.
    static Application& Instance();
    static bool Exists();

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);
    HICON Icon() const { return icon_; }
    // The program's company and version texts, for dialogs that fall back on them; empty unless
    // the program sets them.
    const std::string& Company() const { return company_; }
    void SetCompany(std::string company) { company_ = std::move(company); }
    const std::string& Version() const { return version_; }
    void SetVersion(std::string version) { version_ = std::move(version); }
    // The hidden top-level window of class "TApplication", captioned with the title.
    HWND Handle() const { return handle_.Get(); }
    // Full path of the program file.
    static std::string ExeName();

    // Read by Run() before it first shows the main form.
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }

    // Asks the message loop to end (posts a quit message); before Run() it makes Run() return
    // at once without showing the main form.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The main form: the first form given here. Closing it ends Run().
    void SetMainForm(Form& form);
    Form* MainForm() const { return mainForm_; }

    // Shows the main form (unless ShowMainForm() is false) and runs the message loop until the
    // main form closes or Terminate() is called.
    void Run();
    // Handles the messages that are waiting, then returns.
    void ProcessMessages();

    // The default exception handler: a message box with the exception's message (caption = title,
    // error icon, OK). The program keeps running.
    void HandleException(std::exception_ptr error) noexcept;
    // Calls HandleException for the exception being handled; for use in catch blocks.
    void HandleCurrentException() noexcept { HandleException(std::current_exception()); }

private:
    void DispatchOne(const MSG& msg);

    std::string title_;
    std::string company_;
    std::string version_;
    HICON icon_ = nullptr;
    UniqueWindow handle_;
    Form* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
};

}  // namespace fw
