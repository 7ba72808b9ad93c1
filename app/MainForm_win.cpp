#include "app/MainForm_win.h"

#include "about/AboutDlg_win.h"
#include "app/Deployment.h"
#include "app/Destination.h"
#include "app/GrabWorkflow_win.h"
#include "app/HelpText.h"
#include "app/ProductTitle.h"
#include "browse/BrowseEdit_win.h"
#include "browse/Register_win.h"
#include "controls/Button_win.h"
#include "controls/Label_win.h"
#include "controls/RadioGroup_win.h"
#include "controls/Register_win.h"
#include "controls/SpeedButton_win.h"
#include "fileops/FileOperation_win.h"
#include "framework/StdControls_win.h"
#include "instance/OneInstance_win.h"
#include "about/Register_win.h"
#include "settings/IniCtrl.h"

TMainForm::TMainForm(fw::Component* owner) : fw::Form(owner) {
    auto publish = [this](const char* name, void (TMainForm::*handler)(fw::Component&)) {
        PublishMethod(name, [this, handler](fw::Component& sender) { (this->*handler)(sender); });
    };
    publish("ExitButtonClick", &TMainForm::ExitButtonClick);
    publish("AboutButtonClick", &TMainForm::AboutButtonClick);
    publish("HelpButtonClick", &TMainForm::HelpButtonClick);
    publish("EclButton1Click", &TMainForm::EclButton1Click);
    publish("EclButton2Click", &TMainForm::EclButton2Click);
    publish("EclButton3Click", &TMainForm::EclButton3Click);
    publish("EclButton4Click", &TMainForm::EclButton4Click);
    publish("EclRadioGroup1Click", &TMainForm::EclRadioGroup1Click);
    LoadFromResource("TMAINFORM");
    BindMembers();
    grab_ = std::make_unique<GrabWorkflow>(*sysFileOperation1, [this] { Repaint(); });
}

TMainForm::~TMainForm() = default;

const fw::ClassInfo& TMainForm::StaticClass() {
    static const fw::ClassInfo info("TMainForm", &fw::Form::StaticClass());
    return info;
}

void TMainForm::BindMembers() {
    EclButton1 = &ComponentNamed<TEclButton>("EclButton1");
    EclButton2 = &ComponentNamed<TEclButton>("EclButton2");
    EclButton3 = &ComponentNamed<TEclButton>("EclButton3");
    sysFileOperation1 = &ComponentNamed<TsysFileOperation>("sysFileOperation1");
    OfflineLabel = &ComponentNamed<TEclLabel>("OfflineLabel");
    EclBrowseEdit3 = &ComponentNamed<TEclBrowseEdit>("EclBrowseEdit3");
    EclBrowseEdit1 = &ComponentNamed<TEclBrowseEdit>("EclBrowseEdit1");
    EclBrowseEdit2 = &ComponentNamed<TEclBrowseEdit>("EclBrowseEdit2");
    ExitButton = &ComponentNamed<TEclSpeedButton>("ExitButton");
    AboutButton = &ComponentNamed<TEclSpeedButton>("AboutButton");
    HelpButton = &ComponentNamed<TEclSpeedButton>("HelpButton");
    sysOneInstance1 = &ComponentNamed<TsysOneInstance>("sysOneInstance1");
    EclAboutDlg1 = &ComponentNamed<TEclAboutDlg>("EclAboutDlg1");
    EclIniCtrl1 = &ComponentNamed<TEclIniCtrl>("EclIniCtrl1");
    EclRadioGroup1 = &ComponentNamed<TEclRadioGroup>("EclRadioGroup1");
    Image1 = &ComponentNamed<fw::Image>("Image1");
    Label1 = &ComponentNamed<fw::Label>("Label1");
    Label2 = &ComponentNamed<fw::Label>("Label2");
    Label3 = &ComponentNamed<fw::Label>("Label3");
    Label4 = &ComponentNamed<fw::Label>("Label4");
    EclButton4 = &ComponentNamed<TEclButton>("EclButton4");
    EclBrowseEdit4 = &ComponentNamed<TEclBrowseEdit>("EclBrowseEdit4");
}

void TMainForm::ExitButtonClick(fw::Component&) { Close(); }

void TMainForm::AboutButtonClick(fw::Component&) { EclAboutDlg1->Execute(); }

void TMainForm::HelpButtonClick(fw::Component&) {
    fw::Dialogs().ShowMessage(HelpText(deployment::kTelephone, deployment::kEmail, deployment::kWebsite));
}

void TMainForm::HandleCreated() {
    fw::Form::HandleCreated();
    HMENU menu = ::GetSystemMenu(ExistingHandle(), FALSE);
    const std::string about = std::string("About ") + product::kTitle + "...";
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, kAboutCommand, about.c_str());
}

LRESULT TMainForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // F1 and the system menu's About reach the handlers of the Help and About buttons; a window
    // disabled under a modal box hears of neither.
    if (msg == WM_HELP) {
        if (::IsWindowEnabled(ExistingHandle())) HelpButtonClick(*HelpButton);
        return TRUE;
    }
    if (msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == kAboutCommand) {
        if (::IsWindowEnabled(ExistingHandle())) AboutButtonClick(*AboutButton);
        return 0;
    }
    return fw::Form::WndProc(msg, wParam, lParam);
}

void TMainForm::Grab(TEclButton& button, TEclBrowseEdit& source) {
    grab_->Run(button, [&source] { return source.Path(); });
}

void TMainForm::EclButton1Click(fw::Component&) { Grab(*EclButton1, *EclBrowseEdit1); }
void TMainForm::EclButton2Click(fw::Component&) { Grab(*EclButton2, *EclBrowseEdit2); }
void TMainForm::EclButton3Click(fw::Component&) { Grab(*EclButton3, *EclBrowseEdit3); }
void TMainForm::EclButton4Click(fw::Component&) { Grab(*EclButton4, *EclBrowseEdit4); }

void TMainForm::EclRadioGroup1Click(fw::Component&) {
    sysFileOperation1->SetDestFolder(DestinationFor(EclRadioGroup1->ItemIndex()));
}

void RegisterProgramClasses() {
    fw::RegisterFrameworkClasses();
    RegisterControlClasses();
    RegisterBrowseClasses();
    RegisterAboutClasses();
    RegisterSettingsClasses();
    fw::ClassRegistry::Register(TsysFileOperation::StaticClass());
    fw::ClassRegistry::Register(TsysOneInstance::StaticClass());
}
