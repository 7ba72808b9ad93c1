// The standard message boxes, operated from a second thread the way a user would: find the dialog,
// read it, press a key or click a button, and look at the answer.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "DialogOperator.h"
#include "TextMeasure.h"
#include "framework/Application_win.h"
#include "framework/Dialogs_win.h"
#include "framework/MessageDialog_win.h"
#include "framework/Modality_win.h"

namespace {

using wintest::ClassName;
using wintest::WindowText;

const std::string kConfirmation =
    "THIS WILL REPLACE YOUR TILLORA POS INVENTORY FILES ON THIS COMPUTER. ARE YOU SURE YOU WANT TO CONTINUE? ";

struct ButtonSeen {
    std::string text;
    int id = 0;
    RECT rect{};  // in the dialog's client coordinates
    bool isDefault = false;
};

struct DialogSeen {
    std::string className;
    std::string caption;
    std::string text;
    LONG_PTR textStyle = 0;
    RECT window{};
    RECT client{};
    RECT textRect{};  // client coordinates
    int textId = 0;
    int lineHeight = 0;               // of the text's font
    std::optional<HICON> icon;        // set when the dialog has an icon control
    std::vector<ButtonSeen> buttons;  // left to right
    LRESULT defId = 0;
    int focusId = 0;
    HWND owner = nullptr;
    bool ownerEnabled = true;
    bool enabled = false;  // the box itself
};

RECT ClientRectOf(HWND child, HWND dlg) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The line height of a control's font (the system font when it has none).
int LineHeight(HFONT font) {
    return wintest::LineHeight(font ? font : static_cast<HFONT>(::GetStockObject(SYSTEM_FONT)));
}

int CaptionWidth(const std::string& caption) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const fw::UniqueFont font(::CreateFontIndirectA(&metrics.lfCaptionFont));
    return wintest::TextExtent(font.Get(), caption).cx;
}

// The visible dialog of the given thread, if there is one.
HWND FindDialog(DWORD threadId) {
    return wintest::FindThreadWindow(threadId, [](HWND hwnd) { return ClassName(hwnd) == "#32770"; });
}

// The window of the thread that has the keyboard focus, or null.
HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

DialogSeen Read(HWND dlg, DWORD threadId) {
    DialogSeen seen;
    if (HWND focus = FocusOf(threadId)) seen.focusId = ::GetDlgCtrlID(focus);
    seen.className = ClassName(dlg);
    seen.caption = WindowText(dlg);
    ::GetWindowRect(dlg, &seen.window);
    ::GetClientRect(dlg, &seen.client);
    seen.defId = ::SendMessageA(dlg, DM_GETDEFID, 0, 0);
    seen.owner = ::GetWindow(dlg, GW_OWNER);
    seen.ownerEnabled = seen.owner && ::IsWindowEnabled(seen.owner);
    seen.enabled = ::IsWindowEnabled(dlg);
    for (HWND child = ::GetWindow(dlg, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const auto style = ::GetWindowLongPtrA(child, GWL_STYLE);
        const std::string cls = ClassName(child);
        if (cls == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
            seen.icon = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
        } else if (cls == "Static") {
            seen.text = WindowText(child);
            seen.textStyle = style;
            seen.textId = ::GetDlgCtrlID(child);
            seen.textRect = ClientRectOf(child, dlg);
            seen.lineHeight = LineHeight(reinterpret_cast<HFONT>(::SendMessageA(child, WM_GETFONT, 0, 0)));
        } else if (cls == "Button") {
            seen.buttons.push_back({WindowText(child), ::GetDlgCtrlID(child), ClientRectOf(child, dlg),
                                    (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON});
        }
    }
    std::sort(seen.buttons.begin(), seen.buttons.end(),
              [](const ButtonSeen& a, const ButtonSeen& b) { return a.rect.left < b.rect.left; });
    return seen;
}

// What the user does to the dialog.
using Action = std::function<void(HWND dlg, DWORD threadId)>;

// Where typed keys go: the focused control, else the dialog.
HWND KeyTarget(HWND dlg, DWORD threadId) {
    HWND focus = FocusOf(threadId);
    return focus ? focus : dlg;
}

void PressKey(HWND dlg, DWORD threadId, WPARAM key) {
    HWND target = KeyTarget(dlg, threadId);
    ::PostMessageA(target, WM_KEYDOWN, key, 1);
    ::PostMessageA(target, WM_KEYUP, key, 1 | (3u << 30));
}

Action Key(WPARAM key) {
    return [key](HWND dlg, DWORD threadId) { PressKey(dlg, threadId, key); };
}

// A typed letter: the access key of a button whose caption marks it with "&".
Action Letter(char letter) {
    return [letter](HWND dlg, DWORD threadId) {
        ::PostMessageA(KeyTarget(dlg, threadId), WM_CHAR, static_cast<WPARAM>(letter), 1);
    };
}

Action Click(int id) {
    return [id](HWND dlg, DWORD) {
        HWND button = ::GetDlgItem(dlg, id);
        RECT r{};
        ::GetClientRect(button, &r);
        const LPARAM centre = MAKELPARAM(r.right / 2, r.bottom / 2);
        ::PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, centre);
        ::PostMessageA(button, WM_LBUTTONUP, 0, centre);
    };
}

// The close box of the caption bar.
Action CloseBox() {
    return [](HWND dlg, DWORD) { ::PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); };
}

// Watches, from a second thread, for the standard dialog that the current thread is about to show;
// reads all of it, then acts on it.
class Operator : public wintest::DialogOperator<DialogSeen> {
public:
    explicit Operator(const Action& action)
        : DialogOperator(FindDialog, Read,
                         [action](HWND dlg, DWORD threadId, const DialogSeen&) { action(dlg, threadId); }) {}
};

std::vector<std::string> Texts(const std::vector<ButtonSeen>& buttons) {
    std::vector<std::string> texts;
    for (const auto& b : buttons) texts.push_back(b.text);
    return texts;
}

RECT WorkArea() {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Runs the warning dialog with the given action and returns the answer and what was seen.
std::pair<bool, Operator::Outcome> Warn(const std::string& text, const Action& action) {
    Operator user(action);
    const bool yes = fw::DialogsPlatform::System().ConfirmWarning(text);
    return {yes, user.Finish()};
}

TEST(DialogsWarning, ShowsCaptionIconTextAndYesNoWithYesAsDefault) {
    const auto [yes, outcome] = Warn(kConfirmation, Key(VK_RETURN));
    ASSERT_TRUE(outcome.seen) << "no dialog appeared";
    const DialogSeen& seen = *outcome.seen;
    EXPECT_TRUE(outcome.closedInTime);
    EXPECT_TRUE(yes) << "Enter presses the default button";

    EXPECT_EQ(seen.className, "#32770");
    EXPECT_EQ(seen.caption, "Warning");
    EXPECT_EQ(seen.text, kConfirmation);
    EXPECT_EQ(seen.textId, fw::kMessageTextId);
    ASSERT_TRUE(seen.icon);
    EXPECT_EQ(*seen.icon, ::LoadIconA(nullptr, IDI_EXCLAMATION));
    EXPECT_EQ(Texts(seen.buttons), (std::vector<std::string>{"&Yes", "&No"}));
    ASSERT_EQ(seen.buttons.size(), 2u);
    EXPECT_EQ(seen.buttons[0].id, IDYES);
    EXPECT_EQ(seen.buttons[1].id, IDNO);
    EXPECT_TRUE(seen.buttons[0].isDefault);
    EXPECT_FALSE(seen.buttons[1].isDefault);
    EXPECT_EQ(seen.defId, MAKELRESULT(IDYES, DC_HASDEFID));
    EXPECT_EQ(seen.focusId, IDYES);
}

TEST(DialogsWarning, OnlyYesAnswersYes) {
    struct Case {
        const char* name;
        Action action;
        bool answer;
    };
    const Case cases[] = {
        {"click Yes", Click(IDYES), true}, {"Y key", Letter('y'), true},   {"click No", Click(IDNO), false},
        {"N key", Letter('n'), false},     {"Esc", Key(VK_ESCAPE), false}, {"close box", CloseBox(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [yes, outcome] = Warn("Continue?", c.action);
        ASSERT_TRUE(outcome.seen) << "no dialog appeared";
        EXPECT_TRUE(outcome.closedInTime);
        EXPECT_EQ(yes, c.answer);
    }
}

TEST(DialogsWarning, CentredOnTheWorkAreaWithTheLayoutInside) {
    const auto [yes, outcome] = Warn("Continue?", Key(VK_ESCAPE));
    ASSERT_TRUE(outcome.seen);
    EXPECT_FALSE(yes);
    const DialogSeen& seen = *outcome.seen;
    const RECT work = WorkArea();
    EXPECT_LE(std::abs((seen.window.left + seen.window.right) - (work.left + work.right)), 2);
    EXPECT_LE(std::abs((seen.window.top + seen.window.bottom) - (work.top + work.bottom)), 2);

    ASSERT_EQ(seen.buttons.size(), 2u);
    const RECT& yesRect = seen.buttons[0].rect;
    const RECT& noRect = seen.buttons[1].rect;
    EXPECT_TRUE(Contains(seen.client, yesRect));
    EXPECT_TRUE(Contains(seen.client, noRect));
    EXPECT_TRUE(Contains(seen.client, seen.textRect));
    EXPECT_LT(yesRect.right, noRect.left);
    EXPECT_EQ(yesRect.top, noRect.top);
    EXPECT_GT(yesRect.top, seen.textRect.bottom) << "buttons below the text";
    EXPECT_LE(std::abs(yesRect.left - (seen.client.right - noRect.right)), 1) << "buttons centred";
}

TEST(DialogsWarning, LongTextWrapsAtHalfTheScreenAndAmpersandStays) {
    const auto [unused, oneLine] = Warn("Fish & Chips", Key(VK_ESCAPE));
    ASSERT_TRUE(oneLine.seen);
    EXPECT_EQ(oneLine.seen->text, "Fish & Chips");
    EXPECT_TRUE(oneLine.seen->textStyle & SS_NOPREFIX) << "\"&\" shows as is";
    const int lineHeight = oneLine.seen->lineHeight;
    ASSERT_GT(lineHeight, 0);
    EXPECT_EQ(oneLine.seen->textRect.bottom - oneLine.seen->textRect.top, lineHeight);

    const std::string longText = kConfirmation + kConfirmation + kConfirmation + kConfirmation;
    const auto [unused2, wrapped] = Warn(longText, Key(VK_ESCAPE));
    ASSERT_TRUE(wrapped.seen);
    const RECT& text = wrapped.seen->textRect;
    const int halfScreen = ::GetSystemMetrics(SM_CXSCREEN) / 2;
    EXPECT_LE(text.right - text.left, halfScreen);
    EXPECT_GT(text.right - text.left, halfScreen * 3 / 4) << "lines use the room they have";
    EXPECT_GE(text.bottom - text.top, 2 * lineHeight);
    EXPECT_TRUE(Contains(wrapped.seen->client, text));

    // A word longer than the line is broken rather than cut off.
    const std::string longWord = "\\\\" + std::string(300, 'W');
    const auto [unused3, broken] = Warn(longWord, Key(VK_ESCAPE));
    ASSERT_TRUE(broken.seen);
    const RECT& wordRect = broken.seen->textRect;
    EXPECT_LE(wordRect.right - wordRect.left, halfScreen);
    EXPECT_GE(wordRect.bottom - wordRect.top, 2 * lineHeight);

    // A path of a million characters shows only as much as a screen could hold, so the box comes up at once.
    const std::string hugeWord = "\\\\" + std::string(1'000'000, 'W');
    const auto [unused4, cut] = Warn(hugeWord, Key(VK_ESCAPE));
    ASSERT_TRUE(cut.seen);
    EXPECT_EQ(cut.seen->text, hugeWord.substr(0, 8189) + "...");
    EXPECT_LE(cut.seen->textRect.right - cut.seen->textRect.left, halfScreen);
}

TEST(DialogsWarning, OwnedByTheActiveWindowWhichIsDisabledMeanwhile) {
    const auto popup = [](const char* caption) {
        return ::CreateWindowExA(0, "Static", caption, WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                 nullptr, ::GetModuleHandleA(nullptr), nullptr);
    };
    HWND owner = popup("owner");
    HWND disabledBefore = popup("disabled before");  // stays disabled: the box did not disable it
    ASSERT_TRUE(owner && disabledBefore);
    ::EnableWindow(disabledBefore, FALSE);
    ::SetActiveWindow(owner);
    ASSERT_EQ(::GetActiveWindow(), owner);

    const auto [yes, outcome] = Warn("Continue?", Click(IDNO));
    ASSERT_TRUE(outcome.seen);
    EXPECT_FALSE(yes);
    EXPECT_EQ(outcome.seen->owner, owner);
    EXPECT_FALSE(outcome.seen->ownerEnabled);
    EXPECT_TRUE(outcome.seen->enabled) << "the box disabled itself";
    EXPECT_TRUE(::IsWindowEnabled(owner));
    EXPECT_FALSE(::IsWindowEnabled(disabledBefore));
    {
        HWND dialog = popup("a dialog already on screen");
        const fw::DisabledWindows others(dialog);
        EXPECT_TRUE(::IsWindowEnabled(dialog));
        EXPECT_FALSE(::IsWindowEnabled(owner));
        ::DestroyWindow(dialog);
    }
    EXPECT_TRUE(::IsWindowEnabled(owner));
    ::DestroyWindow(disabledBefore);
    ::DestroyWindow(owner);
}

// A box without a button of the system's IDCANCEL: Esc and the close box give its own cancel id.
TEST(DialogsMessage, EnterGivesTheDefaultIdEscAndTheCloseBoxTheCancelId) {
    const fw::MessageDialogOptions options{.caption = "Keep?",
                                           .text = "Keep the old files?",
                                           .buttons = {{7, "&Retry"}, {9, "&Keep"}},
                                           .defaultId = 7,
                                           .cancelId = 9};
    const std::pair<Action, int> cases[] = {{Key(VK_RETURN), 7}, {Key(VK_ESCAPE), 9}, {CloseBox(), 9}};
    for (const auto& [action, expected] : cases) {
        Operator user(action);
        EXPECT_EQ(fw::RunMessageDialog(options), expected);
        EXPECT_TRUE(user.Finish().closedInTime);
    }
}

class DialogsPlain : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fw::Application::Exists()) ownApp_.emplace();
        oldTitle_ = fw::Application::Instance().Title();
        fw::Application::Instance().SetTitle("Tillora POS Stockdraw");
    }
    void TearDown() override { fw::Application::Instance().SetTitle(oldTitle_); }

private:
    std::optional<fw::Application> ownApp_;
    std::string oldTitle_;
};

TEST_F(DialogsPlain, ShowsTheApplicationTitleNoIconAndOneOk) {
    for (const Action& action : {Key(VK_RETURN), Key(VK_ESCAPE), CloseBox(), Click(IDOK)}) {
        Operator user(action);
        fw::DialogsPlatform::System().ShowMessage("Grab Complete");
        const auto outcome = user.Finish();
        ASSERT_TRUE(outcome.seen) << "no dialog appeared";
        EXPECT_TRUE(outcome.closedInTime);
        const DialogSeen& seen = *outcome.seen;
        EXPECT_EQ(seen.className, "#32770");
        EXPECT_EQ(seen.caption, "Tillora POS Stockdraw");
        EXPECT_EQ(seen.text, "Grab Complete");
        EXPECT_FALSE(seen.icon);
        EXPECT_EQ(Texts(seen.buttons), std::vector<std::string>{"OK"});
        EXPECT_EQ(seen.defId, MAKELRESULT(IDOK, DC_HASDEFID));
        EXPECT_EQ(seen.focusId, IDOK);
        // The whole caption fits beside the close box.
        EXPECT_GT(seen.client.right, CaptionWidth(seen.caption) + ::GetSystemMetrics(SM_CXSIZE));
    }
}

TEST_F(DialogsPlain, ShowsEveryLineOfAMultiLineText) {
    std::string text;
    for (int i = 1; i <= 9; ++i)
        text += "\\\\BWCENTRAL\\TILLORA\\BRIGHTWELL'S WHOLESALE\\Mask" + std::to_string(i) + "\r\n";
    Operator user(Key(VK_RETURN));
    fw::DialogsPlatform::System().ShowMessage(text);
    const auto outcome = user.Finish();
    ASSERT_TRUE(outcome.seen);
    EXPECT_EQ(outcome.seen->text, text);
    const RECT& r = outcome.seen->textRect;
    ASSERT_GT(outcome.seen->lineHeight, 0);
    EXPECT_GE(r.bottom - r.top, 9 * outcome.seen->lineHeight) << "nine lines";
    EXPECT_TRUE(Contains(outcome.seen->client, r));
}

TEST(DialogsError, ShowsErrorIconCaptionAndOk) {
    Operator user(Key(VK_RETURN));
    fw::ShowErrorBox("Tillora POS Stockdraw", "Out of memory.");
    const auto outcome = user.Finish();
    ASSERT_TRUE(outcome.seen);
    EXPECT_TRUE(outcome.closedInTime);
    const DialogSeen& seen = *outcome.seen;
    EXPECT_EQ(seen.caption, "Tillora POS Stockdraw");
    EXPECT_EQ(seen.text, "Out of memory.");
    ASSERT_TRUE(seen.icon);
    EXPECT_EQ(*seen.icon, ::LoadIconA(nullptr, IDI_HAND));
    EXPECT_EQ(Texts(seen.buttons), std::vector<std::string>{"OK"});
}

}  // namespace
