// The folder browse edit on a real form: stored values arrive, the text is edited from the
// keyboard and the mouse exactly as typed, the height follows the font, it takes the focus in tab
// order with its caret, and its button runs the folder chooser and takes the chosen folder. Other
// programs drive it with the edit messages as they drive a standard edit.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "FakeBrowsePlatform.h"
#include "TextMeasure.h"
#include "browse/BrowseDlg_win.h"
#include "browse/BrowseEdit_win.h"
#include "browse/Register_win.h"
#include "framework/Clipboard_win.h"
#include "framework/Handles_win.h"
#include "framework/Application_win.h"
#include "framework/Form_win.h"
#include "framework/PopupMenu_win.h"
#include "framework/StdControls_win.h"

namespace {

class BrowseTestForm : public fw::Form {
public:
    explicit BrowseTestForm(fw::Component* owner) : fw::Form(owner) {}
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo info("TBrowseTestForm", &fw::Form::StaticClass());
        return info;
    }
    const fw::ClassInfo& Class() const override { return StaticClass(); }
    void Load(const char* text) { fw::LoadDescription(*this, fw::ParseDescription(text)); }
};

// One edit as the main window stores it, and one left at its defaults, narrower than its least width.
constexpr const char* kDescription = R"(object BrowseForm: TBrowseTestForm
  Left = 60
  Top = 40
  ClientWidth = 754
  ClientHeight = 160
  BorderStyle = bsDialog
  object EclBrowseEdit1: TEclBrowseEdit
    Left = 236
    Top = 24
    Width = 489
    Height = 30
    Bevel.Mode = bmWindows
    Caret.BlinkRate = 530
    Ctl3D = False
    ParentCtl3D = False
    AutoSize = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
    TabOrder = 4
    CustomButtonWidth = 18
    Options = [doReturnFileSysDirs, doStatusText, doAllowEdit, doShowPath, doEnableOK]
    Path = '\\ledger-01\tillora\BRIGHTWELL''S WHOLESALE'
    StartWithLast = True
  end
  object EclBrowseEdit2: TEclBrowseEdit
    Left = 236
    Top = 80
    Width = 40
    AutoSize = True
    TabOrder = 3
  end
end
)";

constexpr const char* kStoredPath = "\\\\ledger-01\\tillora\\BRIGHTWELL'S WHOLESALE";

class BrowseEditTest : public testing::Test {
protected:
    void SetUp() override {
        fw::ClassRegistry::Register(BrowseTestForm::StaticClass());
        fw::RegisterFrameworkClasses();
        RegisterBrowseClasses();
        systemBlink_ = ::GetCaretBlinkTime();
        form_.Load(kDescription);
        edit_ = &form_.ComponentNamed<TEclBrowseEdit>("EclBrowseEdit1");
        other_ = &form_.ComponentNamed<TEclBrowseEdit>("EclBrowseEdit2");
    }
    void TearDown() override { ::SetCaretBlinkTime(systemBlink_); }

    void Type(TEclBrowseEdit& edit, const std::string& text) {
        for (char c : text) ::SendMessageA(edit.Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    void Key(TEclBrowseEdit& edit, WPARAM key, int times = 1) {
        for (int i = 0; i < times; ++i) ::SendMessageA(edit.Handle(), WM_KEYDOWN, key, 1);
    }
    void Click(TEclBrowseEdit& edit, int x, int y) {
        ::SendMessageA(edit.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageA(edit.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    void ClickButton(TEclBrowseEdit& edit) {
        const fw::Rect b = edit.ButtonRect();
        Click(edit, (b.left + b.right) / 2, (b.top + b.bottom) / 2);
    }
    // The width of a text in the edit's font, as the platform measures it.
    static int TextWidth(TEclBrowseEdit& edit, const std::string& text) {
        return wintest::TextExtent(fw::FontHandle(edit.Font()), text, edit.Handle()).cx;
    }
    static int FontHeight(const fw::FontSpec& font) { return wintest::LineHeight(fw::FontHandle(font)); }

    fw::Application app_;
    BrowseTestForm form_{nullptr};
    TEclBrowseEdit* edit_ = nullptr;
    TEclBrowseEdit* other_ = nullptr;
    UINT systemBlink_ = 0;
};

// --- Stored values -------------------------------------------------------------------------------

TEST_F(BrowseEditTest, EveryStoredValueArrives) {
    EXPECT_EQ(edit_->Path(), kStoredPath);
    EXPECT_EQ(edit_->Bevel().Mode(), TEclBevelMode::bmWindows);
    EXPECT_EQ(edit_->Caret().BlinkRate(), 530);
    EXPECT_FALSE(edit_->Ctl3D());
    EXPECT_FALSE(edit_->ParentCtl3D());
    EXPECT_TRUE(edit_->AutoSize());
    EXPECT_FALSE(edit_->ParentFont());
    EXPECT_EQ(edit_->Font().name, "MS Sans Serif");
    EXPECT_EQ(edit_->Font().height, -13);
    EXPECT_EQ(edit_->Font().charset, DEFAULT_CHARSET);
    EXPECT_EQ(edit_->Font().color, fw::clWindowText);
    EXPECT_TRUE(edit_->Font().style.Empty());
    EXPECT_EQ(edit_->TabOrder(), 4);
    EXPECT_EQ(edit_->CustomButtonWidth(), 18);
    EXPECT_EQ(edit_->Options(),
              (TEclBrowseDlgOptions{TEclBrowseDlgOption::doReturnFileSysDirs, TEclBrowseDlgOption::doStatusText,
                                    TEclBrowseDlgOption::doAllowEdit, TEclBrowseDlgOption::doShowPath,
                                    TEclBrowseDlgOption::doEnableOK}));
    EXPECT_TRUE(edit_->StartWithLast());
    EXPECT_EQ(edit_->Left(), 236);
    EXPECT_EQ(edit_->Top(), 24);
    EXPECT_EQ(edit_->Width(), 489);
    EXPECT_EQ(edit_->Parent(), &form_);
    // The caret waits at the start of the stored path.
    EXPECT_EQ(edit_->CaretPosition(), 0u);
}

TEST_F(BrowseEditTest, WhatIsNotStoredKeepsItsDefault) {
    EXPECT_EQ(other_->Path(), "");
    EXPECT_EQ(other_->Bevel().Mode(), TEclBevelMode::bmWindows);
    EXPECT_EQ(other_->Caret().BlinkRate(), static_cast<int>(systemBlink_));
    EXPECT_EQ(other_->Options(),
              (TEclBrowseDlgOptions{TEclBrowseDlgOption::doReturnFileSysDirs, TEclBrowseDlgOption::doShowPath}));
    EXPECT_EQ(other_->StartFolder(), TEclSystemFolders::bfoDesktopExpanded);
    EXPECT_FALSE(other_->StartWithLast());
    EXPECT_FALSE(other_->MinimizeName());
    EXPECT_FALSE(other_->ReadOnly());
    EXPECT_EQ(other_->MaxLength(), 0);
    EXPECT_EQ(other_->CustomButtonWidth(), 18);
    EXPECT_EQ(other_->CustomButtonsStyle(), TEclUserButtonStyle::ubsIntegrated);
    EXPECT_FALSE(other_->CustomButtonParentCtlXP());
    EXPECT_TRUE(other_->TabStop());
    EXPECT_EQ(other_->GetColor(), fw::clWindow);
    EXPECT_TRUE(other_->ParentFont());
}

TEST_F(BrowseEditTest, EveryPublishedPropertyIsReachableByName) {
    TEclBrowseEdit& e = *other_;
    e.SetProperty("Path", fw::ValueTraits<std::string>::To("D:\\Counts\\ "));
    e.SetProperty("StartFolder", fw::EnumValue(EnumNames(TEclSystemFolders{}), 13));
    e.SetProperty("MinimizeName", fw::ValueTraits<bool>::To(true));
    e.SetProperty("ReadOnly", fw::ValueTraits<bool>::To(true));
    e.SetProperty("MaxLength", fw::ValueTraits<int>::To(64));
    e.SetProperty("CustomButtonsStyle", fw::EnumValue(EnumNames(TEclUserButtonStyle{}), 2));
    e.SetProperty("CustomButtonParentCtlXP", fw::ValueTraits<bool>::To(true));
    e.SetProperty("Caret.Style", fw::EnumValue(EnumNames(TEclCaretStyles{}), 1));
    e.SetProperty("Bevel.Mode", fw::EnumValue(EnumNames(TEclBevelMode{}), 0));
    EXPECT_EQ(e.Path(), "D:\\Counts\\ ");
    EXPECT_EQ(e.StartFolder(), TEclSystemFolders::bfoMyComputer);
    EXPECT_TRUE(e.MinimizeName());
    EXPECT_TRUE(e.ReadOnly());
    EXPECT_EQ(e.MaxLength(), 64);
    EXPECT_EQ(e.CustomButtonsStyle(), TEclUserButtonStyle::ubsClassic);
    EXPECT_TRUE(e.CustomButtonParentCtlXP());
    EXPECT_EQ(e.Caret().Style(), TEclCaretStyles::csBlock);
    EXPECT_EQ(e.Bevel().Mode(), TEclBevelMode::bmCustom);
    // Reading back by name gives the stored forms.
    EXPECT_EQ(edit_->GetProperty("Path").text, kStoredPath);
    EXPECT_EQ(edit_->GetProperty("Caret.BlinkRate").integer, 530);
    EXPECT_EQ(edit_->GetProperty("StartWithLast").text, "True");
    EXPECT_EQ(
        edit_->GetProperty("Options").items,
        (std::vector<std::string>{"doReturnFileSysDirs", "doStatusText", "doAllowEdit", "doShowPath", "doEnableOK"}));
}

TEST_F(BrowseEditTest, AnUnknownValueIsRejectedNamingTheLine) {
    BrowseTestForm form(nullptr);
    try {
        form.Load(
            "object F: TBrowseTestForm\n"
            "  object E: TEclBrowseEdit\n"
            "    Options = [doReturnFileSysDirs, doEverything]\n"
            "  end\n"
            "end\n");
        FAIL() << "an unknown option was accepted";
    } catch (const fw::DescriptionError& e) {
        EXPECT_EQ(e.Line(), 3);
    }
}

// --- Size and layout -----------------------------------------------------------------------------

TEST_F(BrowseEditTest, AutoSizeTakesTheHeightFromTheFontAndKeepsTheLeastWidth) {
    // "MS Sans Serif" with 13-pixel characters: "Qp" is 16 high, 16 x 5 / 4 + 5 = 25.
    ASSERT_EQ(FontHeight(edit_->Font()), 16) << "this platform lacks the 13-pixel MS Sans Serif";
    EXPECT_EQ(edit_->Height(), 25);
    EXPECT_EQ(edit_->Width(), 489);
    // Too narrow for the button and some text: widened to 18 + 30.
    EXPECT_EQ(other_->Width(), 48);
    EXPECT_EQ(other_->Left(), 236);
    EXPECT_EQ(other_->Top(), 80);

    // A new font sets a new height; so does switching AutoSize back on after a manual size.
    fw::FontSpec big = edit_->Font();
    big.name = "Arial";
    big.height = -24;
    edit_->SetFont(big);
    const int expected = FontHeight(big) * 5 / 4 + 5;
    EXPECT_EQ(edit_->Height(), expected);
    edit_->SetAutoSize(false);
    edit_->SetBounds(edit_->Left(), edit_->Top(), edit_->Width(), 60);
    EXPECT_EQ(edit_->Height(), 60);
    edit_->SetAutoSize(true);
    EXPECT_EQ(edit_->Height(), expected);
}

TEST_F(BrowseEditTest, FlatBorderTextAreaAndButtonShareTheClientArea) {
    HWND h = edit_->Handle();
    EXPECT_TRUE(::GetWindowLongPtrA(h, GWL_STYLE) & WS_BORDER);
    EXPECT_FALSE(::GetWindowLongPtrA(h, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT client{};
    ::GetClientRect(h, &client);
    EXPECT_EQ(client.right, edit_->Width() - 2);
    EXPECT_EQ(client.bottom, edit_->Height() - 2);
    // 487 wide: text 0 to 468, one background column, the button 469 to 487, flush right.
    EXPECT_EQ(edit_->TextArea(), (fw::Rect{0, 0, 468, client.bottom}));
    EXPECT_EQ(edit_->ButtonRect(), (fw::Rect{469, 0, 487, client.bottom}));
    // The pointer: an I-beam up to the text area's last column, the arrow from the button's first.
    EXPECT_EQ(edit_->CursorAt(467, 5), fw::MouseCursor::crIBeam);
    EXPECT_EQ(edit_->CursorAt(469, 5), fw::MouseCursor::crArrow);
}

// --- Editing -------------------------------------------------------------------------------------

TEST_F(BrowseEditTest, PathIsExactlyWhatWasTyped) {
    int changes = 0;
    other_->SetOnChange([&](fw::Component& sender) {
        EXPECT_EQ(&sender, other_);
        ++changes;
    });
    Type(*other_, "\\\\srv\\Stock Data\\ ");
    EXPECT_EQ(other_->Path(), "\\\\srv\\Stock Data\\ ");          // trailing backslash and space kept
    EXPECT_EQ(changes, static_cast<int>(other_->Path().size()));  // one for each character

    Type(*other_, "\b\b");
    EXPECT_EQ(other_->Path(), "\\\\srv\\Stock Data");
    Key(*other_, VK_LEFT, 4);
    Type(*other_, "Old ");
    EXPECT_EQ(other_->Path(), "\\\\srv\\Stock Old Data");
    Key(*other_, VK_HOME);
    Key(*other_, VK_DELETE, 2);
    EXPECT_EQ(other_->Path(), "srv\\Stock Old Data");
    Key(*other_, VK_END);
    Type(*other_, "2");
    Key(*other_, VK_UP);  // Up and Down move as Left and Right
    Type(*other_, "_");
    Key(*other_, VK_DOWN);
    Key(*other_, VK_DELETE);  // at the end: nothing to delete
    EXPECT_EQ(other_->Path(), "srv\\Stock Old Data_2");
    EXPECT_EQ(other_->CaretPosition(), other_->Path().size());

    // Keys that change nothing fire nothing; Enter and Escape are not typed in.
    const int before = changes;
    Key(*other_, VK_LEFT);
    Type(*other_, "\r\x1b\t");
    Key(*other_, VK_HOME);
    Type(*other_, "\b");
    EXPECT_EQ(changes, before);
    EXPECT_EQ(other_->Path(), "srv\\Stock Old Data_2");

    // The window's text reads as the path, for anyone who asks the window.
    char text[64] = {};
    ::GetWindowTextA(other_->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "srv\\Stock Old Data_2");
    // A short buffer takes what fits before the terminator.
    for (const auto& [size, expected] : {std::pair<WPARAM, std::string_view>{4, "srv"}, {1, ""}}) {
        char buffer[8] = "xxxxxxx";
        EXPECT_EQ(::SendMessageA(other_->Handle(), WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer)),
                  static_cast<LRESULT>(expected.size()));
        EXPECT_EQ(buffer, expected);
    }
}

TEST_F(BrowseEditTest, ReadOnlyAndMaxLengthLimitTyping) {
    other_->SetMaxLength(5);
    Type(*other_, "C:\\Data");
    EXPECT_EQ(other_->Path(), "C:\\Da");
    other_->SetReadOnly(true);
    Type(*other_, "\bX");
    Key(*other_, VK_HOME);
    Key(*other_, VK_DELETE);
    EXPECT_EQ(other_->Path(), "C:\\Da");
    // Setting the path cuts it to MaxLength too, and puts the caret at the start.
    other_->SetPath("E:\\Counts");
    EXPECT_EQ(other_->Path(), "E:\\Co");
    EXPECT_EQ(other_->CaretPosition(), 0u);

    // Without MaxLength the standard edit box's default limit holds, for a text set by another program too.
    const std::string huge(1'000'000, 'x');
    other_->SetReadOnly(false);
    other_->SetMaxLength(0);
    ::SendMessageA(other_->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(huge.c_str()));
    EXPECT_EQ(other_->Path().size(), 32767u);
    Type(*other_, "y");
    EXPECT_EQ(other_->Path().size(), 32767u);
    other_->SetMaxLength(40000);
    other_->SetPath(huge);
    EXPECT_EQ(other_->Path().size(), 40000u);
}

// Keys pressed with Shift or Ctrl held, as the edit reads them from the keyboard state.
void HoldKeys(std::initializer_list<int> keys) {
    BYTE state[256]{};
    for (int k : keys) state[k] = 0x80;
    ::SetKeyboardState(state);
}

TEST_F(BrowseEditTest, SelectionIsReplacedByTypingAndClipboardTextMovesBetweenEdits) {
    form_.Show();
    edit_->SetPath("C:\\Old\\Path");
    edit_->SetFocus();
    Key(*edit_, VK_END);
    HoldKeys({VK_SHIFT});
    Key(*edit_, VK_HOME);  // Shift+Home
    HoldKeys({});
    EXPECT_EQ(edit_->Line().SelectedText(), "C:\\Old\\Path");
    // Other programs read and set the selection as an edit's.
    EXPECT_EQ(::SendMessageA(edit_->Handle(), EM_GETSEL, 0, 0), MAKELONG(0, 11));
    ::SendMessageA(edit_->Handle(), EM_SETSEL, 3, -1);
    EXPECT_EQ(edit_->Line().SelectedText(), "Old\\Path");
    ::SendMessageA(edit_->Handle(), EM_SETSEL, 0, -1);
    Type(*edit_, "\x03");  // Ctrl+C
    Type(*edit_, "D:\\New");
    EXPECT_EQ(edit_->Path(), "D:\\New");
    Type(*edit_, "\x1A");  // Ctrl+Z undoes the whole run of typing
    EXPECT_EQ(edit_->Path(), "C:\\Old\\Path");

    // Pasted over a selection in the other edit, with Shift+Insert.
    other_->SetPath("E:\\Counts");
    other_->SetFocus();
    Type(*other_, "\x01");  // Ctrl+A
    HoldKeys({VK_SHIFT});
    Key(*other_, VK_INSERT);
    HoldKeys({});
    EXPECT_EQ(other_->Path(), "C:\\Old\\Path");
    // Shift+Delete cuts; read-only refuses cut and paste.
    HoldKeys({VK_SHIFT});
    Key(*other_, VK_LEFT, 4);
    Key(*other_, VK_DELETE);
    HoldKeys({});
    EXPECT_EQ(other_->Path(), "C:\\Old\\");
    other_->SetReadOnly(true);
    Type(*other_, "\x01\x18\x16");  // Ctrl+A, Ctrl+X, Ctrl+V
    EXPECT_EQ(other_->Path(), "C:\\Old\\");
    other_->SetReadOnly(false);
    Type(*other_, "\x1B");  // Escape clears the selection, the caret stays at its end
    EXPECT_FALSE(other_->Line().HasSelection());
    Type(*other_, "\x16");
    EXPECT_EQ(other_->Path(), "C:\\Old\\Path");
    // A paste keeps within MaxLength; a new path leaves no step to undo.
    other_->SetMaxLength(12);
    Type(*other_, "\x16");
    EXPECT_EQ(other_->Path(), "C:\\Old\\PathP");
    other_->SetMaxLength(0);
    other_->SetPath("F:\\Browsed");
    Type(*other_, "\x1A");
    EXPECT_EQ(other_->Path(), "F:\\Browsed");
}

TEST_F(BrowseEditTest, AutoSelectSelectsAllOnTabButNotOnAClick) {
    edit_->SetAutoSelect(true);
    edit_->SetPath("C:\\Stock");
    form_.Show();
    ASSERT_TRUE(form_.SelectNext(false));
    ASSERT_EQ(::GetFocus(), edit_->Handle());
    EXPECT_EQ(edit_->Line().SelectedText(), "C:\\Stock");
    ::SetFocus(other_->Handle());
    Click(*edit_, edit_->TextArea().left + 1 + TextWidth(*edit_, "C:"), 5);
    EXPECT_FALSE(edit_->Line().HasSelection());
    EXPECT_EQ(edit_->CaretPosition(), 2u);
    // Without AutoSelect a Tab arrival only places the caret.
    other_->SetPath("D:\\Counts");
    ASSERT_TRUE(form_.SelectNext(true));
    EXPECT_FALSE(other_->Line().HasSelection());
}

TEST_F(BrowseEditTest, TheRightClickMenuRunsTheChosenCommandOnTheText) {
    form_.Show();
    edit_->SetPath("C:\\Old\\Path");
    class PlayedMenu final : public fw::PopupMenuPlatform {
    public:
        int Track(const std::vector<fw::MenuItem>& items, HWND window, POINT screen) override {
            owner = window;
            shown = items;
            shownAt = screen;
            return choose;
        }
        HWND owner = nullptr;
        std::vector<fw::MenuItem> shown;
        POINT shownAt{};
        int choose = 0;
    } menu;
    const fw::ScopedSeam<fw::PopupMenuPlatform> scope(menu);
    const std::vector<fw::MenuItem>& shown = menu.shown;
    const POINT& shownAt = menu.shownAt;
    int& choose = menu.choose;
    const auto rightClick = [&](int x, int y) {
        POINT screen{x, y};
        ::ClientToScreen(edit_->Handle(), &screen);
        ::SendMessageA(edit_->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit_->Handle()),
                       MAKELPARAM(screen.x, screen.y));
        return screen;
    };
    const auto idOf = [&](const char* caption) {
        for (const fw::MenuItem& item : shown)
            if (item.caption == caption) return item.enabled ? item.id : -1;
        return -2;
    };

    // A right click focuses the edit; with the caret only, Select all applies and Cut does not.
    const POINT at = rightClick(10, 5);
    EXPECT_EQ(::GetFocus(), edit_->Handle());
    EXPECT_EQ(menu.owner, edit_->Handle());
    EXPECT_EQ(shownAt.x, at.x);
    ASSERT_EQ(shown.size(), 8u);
    EXPECT_EQ(idOf("&Cut"), -1);
    choose = idOf("Select all");
    ASSERT_GT(choose, 0);
    rightClick(10, 5);
    EXPECT_EQ(edit_->Line().SelectedText(), "C:\\Old\\Path");
    // Cut through the menu reaches the clipboard, and Undo through the menu brings the text back.
    choose = 0;
    rightClick(10, 5);
    choose = idOf("&Cut");
    rightClick(10, 5);
    EXPECT_EQ(edit_->Path(), "");
    choose = 0;
    rightClick(10, 5);
    EXPECT_GT(idOf("&Paste"), 0);
    choose = idOf("&Undo");
    rightClick(10, 5);
    EXPECT_EQ(edit_->Path(), "C:\\Old\\Path");
    // From the keyboard the menu opens below the caret; over the button it does not open at all.
    menu.shown.clear();
    ::SendMessageA(edit_->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit_->Handle()), -1);
    EXPECT_EQ(shown.size(), 8u);
    POINT caret{edit_->TextArea().left, edit_->TextArea().bottom};
    ::ClientToScreen(edit_->Handle(), &caret);
    EXPECT_EQ(shownAt.y, caret.y);
    menu.shown.clear();
    const fw::Rect button = edit_->ButtonRect();
    rightClick((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    EXPECT_TRUE(shown.empty());
}

TEST_F(BrowseEditTest, SettingThePathFiresOnChangeOnlyForANewText) {
    int changes = 0;
    edit_->SetOnChange([&](fw::Component&) { ++changes; });
    edit_->SetPath(kStoredPath);
    EXPECT_EQ(changes, 0);
    edit_->SetPath("C:\\");
    EXPECT_EQ(changes, 1);
    ::SetWindowTextA(edit_->Handle(), "D:\\Site");
    EXPECT_EQ(edit_->Path(), "D:\\Site");
    EXPECT_EQ(changes, 2);
}

TEST_F(BrowseEditTest, AClickPlacesTheCaretAtTheNearestCharacter) {
    form_.Show();
    edit_->SetPath("C:\\Stock");
    const int left = edit_->TextArea().left + 1;  // the text starts one pixel in
    Click(*edit_, left + TextWidth(*edit_, "C:\\St") + 1, 5);
    EXPECT_EQ(edit_->CaretPosition(), 5u);
    EXPECT_TRUE(edit_->Focused());
    Type(*edit_, "_");
    EXPECT_EQ(edit_->Path(), "C:\\St_ock");
    Click(*edit_, left + 400, 5);  // past the end of the text
    EXPECT_EQ(edit_->CaretPosition(), edit_->Path().size());
    Click(*edit_, 0, 5);
    EXPECT_EQ(edit_->CaretPosition(), 0u);
}

// --- Focus ---------------------------------------------------------------------------------------

TEST_F(BrowseEditTest, TakesTheFocusInTabOrderWithItsCaretBlinkRate) {
    form_.Show();
    // EclBrowseEdit2 comes first: tab order 3 before 4.
    EXPECT_EQ(::GetFocus(), other_->Handle());
    EXPECT_EQ(::GetCaretBlinkTime(), systemBlink_);  // its caret keeps the system's rate
    ASSERT_TRUE(form_.SelectNext(false));
    EXPECT_EQ(::GetFocus(), edit_->Handle());
    EXPECT_TRUE(edit_->Focused());
    EXPECT_EQ(::GetCaretBlinkTime(), 530u);
    POINT caret{};
    ::GetCaretPos(&caret);
    EXPECT_EQ(caret.x, 1);
    EXPECT_EQ(caret.y, 1);

    // The focus leaves for the form itself: the system's blink time is back.
    ::SetFocus(form_.Handle());
    EXPECT_FALSE(edit_->Focused());
    EXPECT_EQ(::GetCaretBlinkTime(), systemBlink_);
}

TEST_F(BrowseEditTest, ALongPathScrollsAndShowsItsBeginningAgainWhenTheFocusMovesOn) {
    form_.Show();
    edit_->SetFocus();
    Key(*edit_, VK_END);
    const std::string tail = "\\2024\\November\\Stock counts before the audit\\Backups of the tills";
    Type(*edit_, tail);
    const int textWidth = TextWidth(*edit_, edit_->Path());
    ASSERT_GT(textWidth, edit_->TextArea().Width()) << "the path must not fit";
    EXPECT_GT(edit_->ScrollOffset(), 0);
    // The caret stays in view, at the right end of the text area.
    POINT caret{};
    ::GetCaretPos(&caret);
    EXPECT_GT(caret.x, 0);
    EXPECT_LT(caret.x, edit_->TextArea().right);
    EXPECT_EQ(caret.x, 1 + textWidth - edit_->ScrollOffset());

    // A click on the scrolled text finds the character under the pointer.
    const std::string head = edit_->Path().substr(0, edit_->Path().size() - 5);
    const int x = edit_->TextArea().left + 1 + TextWidth(*edit_, head) - edit_->ScrollOffset();
    ASSERT_GT(x, 0);
    Click(*edit_, x, 5);
    EXPECT_EQ(edit_->CaretPosition(), head.size());

    other_->SetFocus();
    EXPECT_EQ(edit_->ScrollOffset(), 0);
    EXPECT_EQ(edit_->CaretPosition(), 0u);
    EXPECT_EQ(edit_->Path(), kStoredPath + tail);
}

// --- The browse button ---------------------------------------------------------------------------

TEST_F(BrowseEditTest, TheButtonRunsTheDialogAndTakesTheChosenFolder) {
    wintest::FakeBrowsePlatform shell;
    const fw::ScopedSeam<ecl::BrowsePlatform> scope(shell);
    const std::string chosen = "\\\\ledger-02\\tillora\\BRIGHTWELL'S WAREHOUSE";
    bool editHadFocus = false;
    shell.user = [&](wintest::FakeBrowsePlatform& browser) {
        editHadFocus = edit_->Focused();
        browser.confirm = browser.NewItem(chosen);
    };
    std::vector<std::string> events;
    const auto sender = [&](fw::Component& s) {
        return &s == edit_ ? "edit" : dynamic_cast<TEclBrowseDlg*>(&s) ? "dialog" : "?";
    };
    edit_->SetOnChange([&](fw::Component&) { events.push_back("change"); });
    edit_->SetOnDlgChange([&](fw::Component& s) { events.push_back(std::string("dlgchange ") + sender(s)); });
    edit_->SetOnBrowse([&](fw::Component& s) { events.push_back(std::string("browse ") + sender(s)); });
    edit_->SetOnBeforeBrowse([&](fw::Component& s) { events.push_back(std::string("before ") + sender(s)); });
    edit_->SetOnExecute([&](fw::Component& s, TEclBrowseDlg& dialog) {
        events.push_back(std::string("execute ") + sender(s));
        EXPECT_EQ(dialog.SelectedFolder(), edit_->Path());  // StartWithLast
        EXPECT_EQ(dialog.Options(), edit_->Options());
        EXPECT_EQ(dialog.Owner(), edit_->Owner());
    });
    form_.Show();

    ClickButton(*edit_);
    EXPECT_TRUE(editHadFocus);
    EXPECT_EQ(shell.request.hwndOwner, form_.Handle());
    EXPECT_EQ(shell.request.ulFlags, 0x35u);
    EXPECT_EQ(shell.lookups, (std::vector<int>{0xFEFE}));
    EXPECT_EQ(edit_->Path(), chosen);
    EXPECT_EQ(events, (std::vector<std::string>{"execute edit", "before dialog", "change", "dlgchange edit",
                                                "browse dialog", "browse edit"}));

    // The same folder again: no change, but the dialog's result is still reported.
    events.clear();
    ClickButton(*edit_);
    EXPECT_EQ(events, (std::vector<std::string>{"execute edit", "before dialog", "dlgchange edit", "browse dialog",
                                                "browse edit"}));

    // Cancelled, or an item without a file-system path confirmed: the text stays, nothing changes.
    for (const bool printer : {false, true}) {
        events.clear();
        shell.user = [&](wintest::FakeBrowsePlatform& browser) {
            if (printer) browser.confirm = browser.NewItem("");
        };
        ClickButton(*edit_);
        EXPECT_EQ(edit_->Path(), chosen);
        EXPECT_EQ(events, (std::vector<std::string>{"execute edit", "before dialog", "browse dialog", "browse edit"}));
    }
    EXPECT_EQ(shell.liveItems, 0);

    // An edit inside a panel: the browser still belongs to the top-level window.
    auto& panel = static_cast<fw::WinControl&>(form_.Adopt(std::make_unique<fw::WinControl>(&form_)));
    panel.SetBounds(0, 0, 300, 100);
    panel.SetParent(&form_);
    other_->SetParent(&panel);
    ClickButton(*other_);
    EXPECT_EQ(shell.request.hwndOwner, form_.Handle());
}

TEST_F(BrowseEditTest, BrowsingTwentyTimesLeavesNoHandleOrItemListBehind) {
    wintest::FakeBrowsePlatform shell;
    const fw::ScopedSeam<ecl::BrowsePlatform> scope(shell);
    shell.rootFolder = 0x11;
    edit_->SetStartFolder(TEclSystemFolders::bfoMyComputer);
    form_.Show();
    ClickButton(*edit_);  // the first run makes what is kept for the life of the program
    const long gdi = fw::LiveHandles(fw::HandleKind::Gdi);
    const long user = fw::LiveHandles(fw::HandleKind::User);
    for (int i = 0; i < 20; ++i) {
        shell.user = [i](wintest::FakeBrowsePlatform& browser) {
            browser.Select(browser.NewItem("C:\\Counts\\" + std::to_string(i)));
            if (i % 2 == 0) browser.confirm = browser.NewItem("C:\\Counts\\" + std::to_string(i));
        };
        ClickButton(*edit_);
        ASSERT_EQ(fw::LiveHandles(fw::HandleKind::Gdi), gdi) << "browse " << i;
        ASSERT_EQ(fw::LiveHandles(fw::HandleKind::User), user) << "browse " << i;
        ASSERT_EQ(shell.liveItems, 0) << "browse " << i;
    }
    EXPECT_EQ(edit_->Path(), "C:\\Counts\\18");
}

TEST_F(BrowseEditTest, AFailingHandlerReachesTheCallerOfBrowseWithTheDialogGone) {
    wintest::FakeBrowsePlatform shell;
    const fw::ScopedSeam<ecl::BrowsePlatform> scope(shell);
    shell.rootFolder = 0x11;
    edit_->SetStartFolder(TEclSystemFolders::bfoMyComputer);
    const auto fail = [](fw::Component&) { throw std::runtime_error("handler failed"); };
    struct Failure {
        const char* where;
        std::function<void()> arm;
        bool browserRan;   // the shell was asked to run the browser
        bool textChanged;  // the chosen folder reached the text before the failure
    };
    const std::vector<Failure> failures = {
        {"OnExecute", [&] { edit_->SetOnExecute([&](fw::Component& s, TEclBrowseDlg&) { fail(s); }); }, false, false},
        {"OnBeforeBrowse", [&] { edit_->SetOnBeforeBrowse(fail); }, false, false},
        {"the dialog's OnInit",
         [&] { edit_->SetOnExecute([&](fw::Component&, TEclBrowseDlg& dialog) { dialog.SetOnInit(fail); }); }, true,
         false},
        {"OnDlgChange", [&] { edit_->SetOnDlgChange(fail); }, true, true},
    };
    for (const Failure& f : failures) {
        edit_->SetPath(kStoredPath);
        edit_->SetOnExecute({});
        edit_->SetOnBeforeBrowse({});
        edit_->SetOnDlgChange({});
        std::vector<std::string> browsed;
        edit_->SetOnBrowse([&](fw::Component&) { browsed.push_back("browse"); });
        f.arm();
        bool ran = false;
        shell.user = [&](wintest::FakeBrowsePlatform& browser) {
            ran = true;
            browser.confirm = browser.NewItem("C:\\Counts");
        };
        const std::size_t runsBefore = shell.lookups.size();
        try {
            edit_->Browse();
            ADD_FAILURE() << f.where << ": nothing was thrown";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "handler failed") << f.where;
        }
        EXPECT_EQ(shell.lookups.size() > runsBefore, f.browserRan) << f.where;
        // A failure inside the open browser closes it before the user acts.
        const bool insideBrowser = std::string(f.where) == "the dialog's OnInit";
        EXPECT_EQ(ran, f.browserRan && !insideBrowser) << f.where;
        if (f.browserRan) {
            EXPECT_EQ(shell.closedByProgram, insideBrowser) << f.where;
        }
        EXPECT_EQ(edit_->Path(), f.textChanged ? "C:\\Counts" : kStoredPath) << f.where;
        EXPECT_TRUE(browsed.empty()) << f.where;
        EXPECT_EQ(shell.liveItems, 0) << f.where;
    }
}

TEST_F(BrowseEditTest, WithoutStartWithLastOrOnAnEmptyBoxNothingIsPreselected) {
    wintest::FakeBrowsePlatform shell;
    const fw::ScopedSeam<ecl::BrowsePlatform> scope(shell);
    std::vector<std::string> selected;
    shell.user = [&](wintest::FakeBrowsePlatform& browser) {
        for (const auto& m : browser.sent)
            if (m.msg == BFFM_SETSELECTIONA) selected.push_back(m.text);
    };
    edit_->SetStartWithLast(false);
    ClickButton(*edit_);
    other_->SetStartWithLast(true);  // but empty
    ClickButton(*other_);
    edit_->SetStartWithLast(true);
    ClickButton(*edit_);
    EXPECT_EQ(selected, (std::vector<std::string>{kStoredPath}));
}

TEST_F(BrowseEditTest, MinimizeNameShortensTheShownPathWhileTheFullPathStays) {
    const std::string path = "C:\\Program Files\\Tillora\\Data\\Brightwell Wholesale\\Counts\\Stock";
    other_->SetBounds(236, 80, 200, 25);
    other_->SetPath(path);
    form_.Show();
    edit_->SetFocus();
    EXPECT_EQ(other_->DisplayedText(), path);  // off
    other_->SetMinimizeName(true);
    const std::string shown = other_->DisplayedText();
    EXPECT_TRUE(shown.starts_with("C:\\...\\")) << shown;
    EXPECT_TRUE(shown.ends_with("\\Stock")) << shown;
    EXPECT_LE(TextWidth(*other_, shown), other_->TextArea().Width() - 2);
    EXPECT_EQ(other_->Path(), path);
    other_->SetFocus();
    EXPECT_EQ(other_->DisplayedText(), path);  // entering shows it whole
}

TEST_F(BrowseEditTest, APressReleasedOutsideTheButtonDoesNotBrowse) {
    int runs = 0;
    wintest::FakeBrowsePlatform shell;
    const fw::ScopedSeam<ecl::BrowsePlatform> scope(shell);
    shell.user = [&](wintest::FakeBrowsePlatform&) { ++runs; };
    const fw::Rect b = edit_->ButtonRect();
    HWND h = edit_->Handle();
    ::SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(b.left + 3, b.top + 3));
    EXPECT_EQ(edit_->ButtonState(), ecl::ButtonState::Pushed);
    ::SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 5));
    EXPECT_EQ(edit_->ButtonState(), ecl::ButtonState::Up);
    ::SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(20, 5));
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(edit_->Path(), kStoredPath);
    // A click into the text does not press the button either.
    Click(*edit_, 20, 5);
    EXPECT_EQ(runs, 0);
    edit_->SetEnabled(false);
    EXPECT_EQ(edit_->ButtonState(), ecl::ButtonState::Disabled);
}

// --- Automation --------------------------------------------------------------------------------

// What a tool reads back from an edit after a message. Answers that the documentation leaves open
// (Wine's edit gives 1 for some) are not compared.
std::string EditState(HWND h, UINT msg, LRESULT result) {
    constexpr UINT kOpen[] = {EM_SETSEL,    EM_REPLACESEL, EM_SETLIMITTEXT, EM_EMPTYUNDOBUFFER,
                              EM_SETMODIFY, WM_CUT,        WM_PASTE,        WM_CLEAR};
    char text[64] = {};
    ::GetWindowTextA(h, text, sizeof text);
    const auto ask = [h](UINT m) { return " " + std::to_string(::SendMessageA(h, m, 0, 0)); };
    return (std::ranges::find(kOpen, msg) == std::end(kOpen) ? std::to_string(result) : "-") + " '" + text +
           "' selection/can undo/modified/limit" + ask(EM_GETSEL) + ask(EM_CANUNDO) + ask(EM_GETMODIFY) +
           ask(EM_GETLIMITTEXT) + " read-only " + std::to_string(::GetWindowLongA(h, GWL_STYLE) & ES_READONLY);
}

TEST_F(BrowseEditTest, AnswersEveryEditMessageAsAStandardEditDoes) {
    const fw::UniqueWindow standard = fw::NewWindow(0, "EDIT", "", WS_CHILD, 0, 130, 200, 21, form_.Handle());
    ::SendMessageA(standard.Get(), EM_SETLIMITTEXT, 0, 0);  // ours has no MaxLength
    int changes = 0;
    edit_->SetOnChange([&](fw::Component&) { ++changes; });
    struct Message {
        UINT msg;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        const char* text = nullptr;  // a string for lParam
        int changes = 0;             // how often ours fires OnChange
    };
    // Undo, limit, clipboard and read-only at work, then the questions a tool asks.
    // clang-format off
    const Message messages[] = {
        {WM_SETTEXT, 0, 0, "C:\\Data", 1}, {EM_SETSEL, 2, 2}, {EM_REPLACESEL, TRUE, 0, "\\Old", 1},
        {EM_UNDO, 0, 0, nullptr, 1}, {WM_UNDO, 0, 0, nullptr, 1}, {EM_SETMODIFY, FALSE}, {EM_SETSEL, 0, 2},
        {EM_REPLACESEL, FALSE, 0, "D:", 1}, {EM_SETLIMITTEXT, 12}, {EM_SETSEL, 99, 99},
        {EM_REPLACESEL, TRUE, 0, "\\Counts", 1}, {WM_CHAR, 'X'}, {EM_EMPTYUNDOBUFFER}, {EM_SETSEL, 0, 3},
        {WM_CUT, 0, 0, nullptr, 1}, {WM_PASTE, 0, 0, nullptr, 1}, {WM_CLEAR}, {EM_SETREADONLY, TRUE},
        {EM_SETSEL, 0, -1}, {WM_CHAR, 'z'}, {WM_CUT}, {WM_PASTE}, {EM_SETREADONLY, FALSE},
        {WM_CLEAR, 0, 0, nullptr, 1}, {WM_CHAR, 'z', 0, nullptr, 1}, {EM_SETLIMITTEXT, 0}, {EM_LINELENGTH, 99},
        {EM_POSFROMCHAR, 1}, {EM_CHARFROMPOS, 0, MAKELPARAM(190, 5)}, {WM_GETDLGCODE}};
    // clang-format on
    HWND h = edit_->Handle();
    for (const Message& m : messages) {
        const LPARAM lParam = m.text ? reinterpret_cast<LPARAM>(m.text) : m.lParam;
        const int before = changes;
        const std::string expected =
            EditState(standard.Get(), m.msg, ::SendMessageA(standard.Get(), m.msg, m.wParam, lParam));
        EXPECT_EQ(EditState(h, m.msg, ::SendMessageA(h, m.msg, m.wParam, lParam)), expected) << "row " << &m - messages;
        EXPECT_EQ(changes - before, m.changes) << "row " << &m - messages;
    }
    // Where the shown characters are: their top left corners, and the nearest one to a point.
    edit_->SetPath("C:\\Stock");
    for (std::size_t i = 0; i < 8; ++i) {
        const LRESULT at = ::SendMessageA(h, EM_POSFROMCHAR, i, 0);
        EXPECT_EQ(at, MAKELONG(edit_->TextArea().left + 1 + TextWidth(*edit_, edit_->Path().substr(0, i)), 1)) << i;
        EXPECT_EQ(::SendMessageA(h, EM_CHARFROMPOS, 0, at), static_cast<LRESULT>(i)) << i;
    }
}

TEST_F(BrowseEditTest, F4AndAltDownPressTheBrowseButtonWheneverAClickWould) {
    wintest::FakeBrowsePlatform shell;
    const fw::ScopedSeam<ecl::BrowsePlatform> scope(shell);
    int browsed = 0;
    edit_->SetOnBrowse([&](fw::Component& sender) { browsed += &sender == edit_ ? 1 : 0; });
    form_.Show();
    HWND h = edit_->Handle();
    const std::function<void()> presses[] = {[&] { ClickButton(*edit_); },
                                             [&] { ::SendMessageA(h, WM_KEYDOWN, VK_F4, 1); },
                                             [&] { ::SendMessageA(h, WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29)); },
                                             [&] { ::SendMessageA(h, WM_KEYDOWN, VK_DOWN, 1); }};  // no press
    // Writable, read-only, disabled.
    for (int state = 0; state < 3; ++state) {
        edit_->SetReadOnly(state == 1);
        edit_->SetEnabled(state != 2);
        for (int p = 0; p < 4; ++p) {
            const int before = browsed;
            presses[p]();
            EXPECT_EQ(browsed - before, state < 2 && p < 3 ? 1 : 0) << "state " << state << ", press " << p;
        }
    }
}

TEST_F(BrowseEditTest, ACopyWaitsBrieflyForAClipboardThatSomeoneElseHolds) {
    ASSERT_TRUE(fw::WriteClipboardText(nullptr, "before"));
    // Another thread keeps the clipboard open for a while, as a clipboard manager does.
    const auto copyWhileHeld = [&](const char* path, DWORD holdMs) {
        edit_->SetPath(path);
        ::SendMessageA(edit_->Handle(), EM_SETSEL, 0, -1);
        const fw::UniqueKernelHandle opened(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
        const fw::UniqueKernelHandle closed(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
        std::thread holder([&] {
            ::SetEvent(::OpenClipboard(nullptr) ? opened.Get() : closed.Get());
            ::Sleep(holdMs);
            ::CloseClipboard();
            ::SetEvent(closed.Get());
        });
        EXPECT_EQ(::WaitForSingleObject(opened.Get(), 5000), WAIT_OBJECT_0);
        const DWORD start = ::GetTickCount();
        ::SendMessageA(edit_->Handle(), WM_COPY, 0, 0);
        const DWORD took = ::GetTickCount() - start;
        EXPECT_EQ(::WaitForSingleObject(closed.Get(), 5000), WAIT_OBJECT_0);
        holder.join();
        return took;
    };
    EXPECT_LT(copyWhileHeld("C:\\Counts", 40), 1000u);
    EXPECT_EQ(fw::ReadClipboardText(nullptr), std::optional<std::string>("C:\\Counts"));
    // Held for longer, the copy gives up well within a second and the clipboard keeps its text.
    EXPECT_LT(copyWhileHeld("D:\\Other", 1500), 500u);
    EXPECT_EQ(fw::ReadClipboardText(nullptr), std::optional<std::string>("C:\\Counts"));
}

// --- Drawing -------------------------------------------------------------------------------------

class BrowseEditDrawing : public BrowseEditTest {
protected:
    // The edit's pixels as they are on the screen, in client coordinates.
    COLORREF Pixel(int x, int y) {
        const fw::WindowDc dc(edit_->Handle());
        return ::GetPixel(dc.Get(), x, y);
    }
    void ShowAndPaint() {
        form_.Show();
        ::SetFocus(form_.Handle());  // no caret over the pixels
        form_.Repaint();
    }
};

TEST_F(BrowseEditDrawing, WhiteFieldTextAndARaisedButtonWithTheFolderGlyph) {
    ShowAndPaint();
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const fw::Rect b = edit_->ButtonRect();    // 469 to 487
    EXPECT_EQ(Pixel(b.left - 1, 10), window);  // the column between text and button
    EXPECT_EQ(Pixel(b.left + 3, 0), face);     // outer ring: face colour on top, black at the right
    EXPECT_EQ(Pixel(b.right - 1, 10), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(b.left + 3, 1), RGB(255, 255, 255));  // inner ring: white on top, grey at the right
    EXPECT_EQ(Pixel(b.right - 2, 10), RGB(128, 128, 128));

    // The glyph is drawn in the face; its olive background is left out.
    int glyphPixels = 0, olive = 0;
    for (int y = b.top + 2; y < b.bottom - 2; ++y)
        for (int x = b.left + 2; x < b.right - 2; ++x) {
            const COLORREF c = Pixel(x, y);
            if (c == RGB(128, 128, 0))
                ++olive;
            else if (c != face)
                ++glyphPixels;
        }
    EXPECT_GT(glyphPixels, 20);
    EXPECT_EQ(olive, 0);

    // The path is drawn in the window-text colour inside the field.
    int textPixels = 0;
    for (int y = 1; y < 18; ++y)
        for (int x = 1; x < 120; ++x)
            if (Pixel(x, y) == ::GetSysColor(COLOR_WINDOWTEXT)) ++textPixels;
    EXPECT_GT(textPixels, 20);
}

TEST_F(BrowseEditDrawing, APressedButtonHasAFlatGreyFrame) {
    wintest::FakeBrowsePlatform shell;
    const fw::ScopedSeam<ecl::BrowsePlatform> scope(shell);
    ShowAndPaint();
    const fw::Rect b = edit_->ButtonRect();
    HWND h = edit_->Handle();
    ::SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(b.left + 5, b.top + 5));
    edit_->Repaint();
    EXPECT_EQ(Pixel(b.right - 1, 10), RGB(128, 128, 128));
    EXPECT_EQ(Pixel(b.left + 3, 1), ::GetSysColor(COLOR_BTNFACE));
    ::SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(b.left + 5, b.top + 5));
    edit_->Repaint();
    EXPECT_EQ(Pixel(b.right - 1, 10), RGB(0, 0, 0));
}

}  // namespace
