#include "ControlHost.h"

#include "controls/RadioGroup_win.h"
#include "controls/Register_win.h"

namespace wintest {

HostForm::HostForm() : fw::Form(nullptr) {
    for (const char* name : {"ButtonClick", "SpeedClick", "GroupClick", "ExitButtonClick", "AboutButtonClick",
                             "HelpButtonClick", "EclButton1Click", "EclRadioGroup1Click"}) {
        PublishMethod(name, [this, name](fw::Component& sender) {
            clicks.push_back(std::string(name) + " " + sender.Name());
            if (auto* group = dynamic_cast<TEclRadioGroup*>(&sender)) indexSeen.push_back(group->ItemIndex());
        });
    }
}

void ControlHostTest::SetUpTestSuite() { RegisterControlClasses(); }

void ControlHostTest::SetUp() {
    if (!fw::Application::Exists()) app_.emplace();
}

void ControlHostTest::Load(const std::string& objects) {
    const auto line = [](const char* name, int value) {
        return "  " + std::string(name) + " = " + std::to_string(value) + "\n";
    };
    const std::string head = "object Host: TForm\n" + line("Left", place_.left) + line("Top", place_.top) +
                             "  BorderStyle = bsNone\n" + line("ClientWidth", place_.clientWidth) +
                             line("ClientHeight", place_.clientHeight) +
                             "  Color = $0080FFFF\n"
                             "  Font.Name = 'MS Sans Serif'\n"
                             "  Font.Height = -11\n"
                             "  Scaled = False\n";
    fw::LoadDescription(form_, fw::ParseDescription(head + objects + "end\n"));
}

void ControlHostTest::Show() {
    form_.Show();
    Pump();
}

void ControlHostTest::Pump() { fw::Application::Instance().ProcessMessages(); }

bool ControlHostTest::PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        Pump();
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

PointerAway::PointerAway() {
    ::GetCursorPos(&saved_);
    ::SetCursorPos(5, 5);
}

PointerAway::~PointerAway() { ::SetCursorPos(saved_.x, saved_.y); }

const char kBanner[] = R"(
  object OfflineLabel: TEclLabel
    Left = 20
    Top = 20
    Width = 393
    Height = 62
    Bevel.Mode = bmCustom
    Caption = 'BRIGHTWELL STOCKDRAW'#13#10'FOR TALLYBOARD LAPTOP ONLY'
    Color = clBlack
    FontFX.LightColor = clCaptionText
    FontFX.ShadowColor = clGrayText
    Alignment = agCenterLeft
    Font.Charset = ANSI_CHARSET
    Font.Color = clBlack
    Font.Height = -21
    Font.Name = 'Arial Black'
    Font.Style = [fsBold]
    MultiLine = True
    Options = []
    ParentColor = False
    ParentFont = False
    Twinkle = True
  end
)";

std::string StoredRadioGroup(const char* onClick) {
    std::string group = R"(
  object EclRadioGroup1: TEclRadioGroup
    Left = 20
    Top = 128
    Width = 205
    Height = 81
    Bevel.Mode = bmWindows
    BtnAlignment.Alignment = agCenterLeft
    BtnAlignment.Spacing = 5
    Caption = 'SELECT OS TYPE'
    CaptionOffset = 10
    CaptionFont.Charset = DEFAULT_CHARSET
    CaptionFont.Color = clWindowText
    CaptionFont.Height = -16
    CaptionFont.Name = 'MS Sans Serif'
    CaptionFont.Style = [fsBold]
    CaptionParentFont = False
    ItemIndex = 0
    Items = (
      '32 Bit Operating System'
      '64 Bit Operating System')
    TabOrder = 6
)";
    if (onClick) group += std::string("    OnClick = ") + onClick + "\n";
    return group + "  end\n";
}

}  // namespace wintest
