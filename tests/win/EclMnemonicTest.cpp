// Keyboard mnemonics through the real message loop: Alt+letter, and a letter alone where the
// focused window takes no characters, reach the control whose caption marks the letter.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ControlHost.h"
#include "controls/Button_win.h"
#include "controls/Label_win.h"
#include "controls/SpeedButton_win.h"

namespace {

// The host window: client 300 x 200 at (80, 80).
class EclMnemonic : public wintest::ControlHostTest {
protected:
    EclMnemonic() : ControlHostTest({80, 80, 300, 200}) {}

    void SetUp() override {
        ControlHostTest::SetUp();
        Load(R"(
  object Name: TEclLabel
    Left = 10
    Top = 10
    Caption = '&Name'
  end
  object First: TEclButton
    Left = 10
    Top = 40
    Caption = 'First'
    TabOrder = 0
  end
  object Target: TEclButton
    Left = 10
    Top = 80
    Caption = 'Target'
    TabOrder = 1
  end
  object Grab: TEclButton
    Left = 100
    Top = 40
    Caption = '&Grab && go'
    TabOrder = 2
    OnClick = ButtonClick
  end
  object Quit: TEclSpeedButton
    Left = 100
    Top = 80
    Caption = 'E&xit'
    OnClick = SpeedClick
  end
)");
        Show();
        Label().SetFocusControl(&Get<TEclButton>("Target"));
        Get<TEclButton>("First").SetFocus();
    }
    TEclLabel& Label() { return Get<TEclLabel>("Name"); }
    bool TargetFocused() { return Get<TEclButton>("Target").Focused(); }
    // Posts the character to the focused window and lets the message loop handle it.
    static void Type(UINT msg, char ch) {
        ::PostMessageA(::GetFocus(), msg, static_cast<unsigned char>(ch), msg == WM_SYSCHAR ? 0x20000001 : 1);
        Pump();
    }
};

TEST_F(EclMnemonic, LabelAcceleratorFocusesItsFocusControl) {
    struct Case {
        const char* what;
        UINT msg;
        char ch;
        const char* caption;
        bool showAccelChar;
        bool enabled;
        bool focused;  // the focus control has the focus afterwards
    };
    const Case cases[] = {
        {"Alt+N", WM_SYSCHAR, 'n', "&Name", true, true, true},
        {"Alt+Shift+N", WM_SYSCHAR, 'N', "&Name", true, true, true},
        {"N alone on a button, which takes no characters", WM_CHAR, 'n', "&Name", true, true, true},
        {"another letter", WM_SYSCHAR, 'm', "&Name", true, true, false},
        {"a caption without a mark", WM_SYSCHAR, 'n', "Name", true, true, false},
        {"a doubled ampersand", WM_SYSCHAR, 'n', "&&Name", true, true, false},
        {"ShowAccelChar off", WM_SYSCHAR, 'n', "&Name", false, true, false},
        {"a disabled label", WM_SYSCHAR, 'n', "&Name", true, false, false},
        {"a blank", WM_SYSCHAR, ' ', "& Name", true, true, false},
    };
    for (const Case& c : cases) {
        Label().SetCaption(c.caption);
        Label().SetShowAccelChar(c.showAccelChar);
        Label().SetEnabled(c.enabled);
        Get<TEclButton>("First").SetFocus();
        ASSERT_FALSE(TargetFocused());
        Type(c.msg, c.ch);
        EXPECT_EQ(TargetFocused(), c.focused) << c.what;
    }
}

TEST_F(EclMnemonic, FocusControlThatCannotTakeTheFocusKeepsItWhereItWas) {
    Get<TEclButton>("Target").SetEnabled(false);
    Type(WM_SYSCHAR, 'n');
    EXPECT_TRUE(Get<TEclButton>("First").Focused());
    EXPECT_TRUE(form_.clicks.empty()) << "taken by the label: nothing else reacts";
}

// A window that takes characters, as an edit does.
class CharTaker : public fw::WinControl {
public:
    using WinControl::WinControl;
    std::string typed;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_GETDLGCODE) return DLGC_WANTCHARS;
        if (msg == WM_CHAR) typed += static_cast<char>(wParam);
        return WinControl::WndProc(msg, wParam, lParam);
    }
};

TEST_F(EclMnemonic, LetterTypedIntoAWindowThatTakesCharactersStaysThere) {
    auto& edit = form_.Create<CharTaker>();
    edit.SetParent(&form_);
    edit.SetBounds(200, 150, 60, 20);
    edit.SetFocus();
    Type(WM_CHAR, 'n');
    EXPECT_EQ(edit.typed, "n");
    EXPECT_TRUE(edit.Focused());
    Type(WM_SYSCHAR, 'n');
    EXPECT_TRUE(TargetFocused()) << "Alt+letter reaches the label all the same";
}

TEST_F(EclMnemonic, DestroyedFocusControlIsForgotten) {
    auto other = std::make_unique<TEclButton>(nullptr);
    other->SetParent(&form_);
    other->SetBounds(200, 10, 60, 20);
    Label().SetFocusControl(other.get());
    other.reset();
    EXPECT_EQ(Label().FocusControl(), nullptr);
    Type(WM_SYSCHAR, 'n');  // nothing to focus: the key is not the label's
    EXPECT_TRUE(Get<TEclButton>("First").Focused());
}

TEST_F(EclMnemonic, ButtonAcceleratorsClick) {
    struct Case {
        const char* what;
        char ch;
        bool grabEnabled;
        std::vector<std::string> clicks;
        std::string_view hidden = {};  // the control hidden for the case
    };
    const Case cases[] = {
        {"Alt+G clicks the push button", 'g', true, {"ButtonClick Grab"}},
        {"Alt+X clicks the speed button", 'x', true, {"SpeedClick Quit"}},
        {"a disabled push button does not click", 'g', false, {}},
        {"a hidden push button does not click", 'g', true, {}, "Grab"},
        {"a hidden speed button does not click", 'x', true, {}, "Quit"},
        {"the literal ampersand's neighbour is no accelerator", 'o', true, {}},
    };
    for (const Case& c : cases) {
        form_.clicks.clear();
        Get<TEclButton>("Grab").SetEnabled(c.grabEnabled);
        for (const char* name : {"Grab", "Quit"}) Get<fw::Control>(name).SetVisible(c.hidden != name);
        Type(WM_SYSCHAR, c.ch);
        EXPECT_EQ(form_.clicks, c.clicks) << c.what;
        EXPECT_TRUE(Get<TEclButton>("First").Focused()) << c.what << ": a button's accelerator leaves the focus";
    }
}

TEST_F(EclMnemonic, AltShowsTheAcceleratorUnderlinesThatTheCuesHid) {
    HWND form = form_.Handle();
    ::SendMessageA(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEACCEL), 0);
    ASSERT_TRUE(Label().AcceleratorsHidden());
    EXPECT_TRUE(Get<TEclButton>("Grab").AcceleratorsHidden()) << "the form's state reaches its windows";
    ::PostMessageA(::GetFocus(), WM_SYSKEYDOWN, VK_MENU, 0x20000001);
    Pump();
    EXPECT_FALSE(Label().AcceleratorsHidden());
    EXPECT_FALSE(Get<TEclButton>("Grab").AcceleratorsHidden());
}

}  // namespace
