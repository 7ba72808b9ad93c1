#pragma once
// TsysOneInstance: keeps a second copy of the program from running. When the main window's
// description has been read, it checks a pair of named mutexes formed from the application title;
// a later copy shows its refusal, brings the running copy to the front and asks to terminate.
#include <windows.h>

#include <functional>
#include <string>

#include "framework/SysComponent.h"

// Fired instead of the refusal message box; setting terminate to false lets this copy run.
using TsysOneInstanceShowMessage = std::function<void(fw::Component& sender, bool& terminate)>;

class TsysOneInstance : public TsysComponent {
public:
    explicit TsysOneInstance(fw::Component* owner);

    bool ActivatePrevInstance() const { return activatePrevInstance_; }
    void SetActivatePrevInstance(bool value) { activatePrevInstance_ = value; }
    bool ExeNameAsIdentifier() const { return exeNameAsIdentifier_; }
    void SetExeNameAsIdentifier(bool value) { exeNameAsIdentifier_ = value; }
    const std::string& Message() const { return message_; }
    void SetMessage(std::string value) { message_ = std::move(value); }
    const std::string& Identifier() const { return identifier_; }
    void SetIdentifier(std::string value) { identifier_ = std::move(value); }
    bool ShowMessage() const { return showMessage_; }
    void SetShowMessage(bool value) { showMessage_ = value; }
    void SetOnShowMessage(TsysOneInstanceShowMessage handler) { onShowMessage_ = std::move(handler); }

    // The check runs once, after the whole description has been read.
    void Loaded() override;
    // Reacts to a running copy (message, activation, terminate request); true when one was found.
    virtual bool CheckInstance();
    // True when another copy owns the instance mutex; otherwise this copy now owns it.
    virtual bool InstanceExists();

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

protected:
    virtual void DoShowMessage();
    virtual void DoActivatePrevInstance();

private:
    bool activatePrevInstance_ = true;
    bool exeNameAsIdentifier_ = false;
    std::string message_;
    std::string identifier_;
    bool showMessage_ = false;
    TsysOneInstanceShowMessage onShowMessage_;
    bool terminate_ = false;
};

// The other copy's application window (class "TApplication", captioned with the application
// title, not our own), or null.
HWND FindPrevInstanceWindow();
// Restores that window if it is minimised, else brings it to the foreground; false when none.
bool BringPrevInstanceToFront();

namespace oneinstance {
// The instance mutex handle this process holds (one per process, shared by every guard), or null.
HANDLE InstanceMutexHandle();
// Releases and closes it; runs by itself when the program ends.
void ReleaseInstanceMutex();
}  // namespace oneinstance
