#pragma once
// The program's one window: its controls and components come from the stored description
// "TMAINFORM"; the handlers below are bound to their events by name.
#include <memory>

#include "framework/Dialogs_win.h"
#include "framework/Form_win.h"

class TEclButton;
class TEclSpeedButton;
class TEclLabel;
class TEclBrowseEdit;
class TEclRadioGroup;
class TEclAboutDlg;
class TEclIniCtrl;
class TsysFileOperation;
class TsysOneInstance;
class GrabWorkflow;
namespace fw {
class Image;
class Label;
}  // namespace fw

class TMainForm : public fw::Form {
public:
    // Reads the stored description; the message boxes come through fw::Dialogs().
    explicit TMainForm(fw::Component* owner);
    ~TMainForm() override;
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    void ExitButtonClick(fw::Component& sender);
    void AboutButtonClick(fw::Component& sender);
    void HelpButtonClick(fw::Component& sender);
    void EclButton1Click(fw::Component& sender);
    void EclButton2Click(fw::Component& sender);
    void EclButton3Click(fw::Component& sender);
    void EclButton4Click(fw::Component& sender);
    void EclRadioGroup1Click(fw::Component& sender);

    // The About command the window's system menu gains (a WM_SYSCOMMAND id of ours).
    static constexpr UINT kAboutCommand = 0x0010;

    // The published members, in declaration order.
    TEclButton* EclButton1 = nullptr;
    TEclButton* EclButton2 = nullptr;
    TEclButton* EclButton3 = nullptr;
    TsysFileOperation* sysFileOperation1 = nullptr;
    TEclLabel* OfflineLabel = nullptr;
    TEclBrowseEdit* EclBrowseEdit3 = nullptr;
    TEclBrowseEdit* EclBrowseEdit1 = nullptr;
    TEclBrowseEdit* EclBrowseEdit2 = nullptr;
    TEclSpeedButton* ExitButton = nullptr;
    TEclSpeedButton* AboutButton = nullptr;
    TEclSpeedButton* HelpButton = nullptr;
    TsysOneInstance* sysOneInstance1 = nullptr;
    TEclAboutDlg* EclAboutDlg1 = nullptr;
    TEclIniCtrl* EclIniCtrl1 = nullptr;
    TEclRadioGroup* EclRadioGroup1 = nullptr;
    fw::Image* Image1 = nullptr;
    fw::Label* Label1 = nullptr;
    fw::Label* Label2 = nullptr;
    fw::Label* Label3 = nullptr;
    fw::Label* Label4 = nullptr;
    TEclButton* EclButton4 = nullptr;
    TEclBrowseEdit* EclBrowseEdit4 = nullptr;

protected:
    void HandleCreated() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Grab(TEclButton& button, TEclBrowseEdit& source);
    void BindMembers();

    std::unique_ptr<GrabWorkflow> grab_;
};

// Registers every class that the main window's description names.
void RegisterProgramClasses();
