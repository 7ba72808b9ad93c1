// The effects controls on a real window under the real message loop: the push button, the speed
// button, the radio group and the effects label react to posted mouse and key input as a user's
// would, and accept every value the main window's stored description gives them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "ControlHost.h"
#include "TextMeasure.h"
#include "controls/Button_win.h"
#include "controls/Label_win.h"
#include "controls/RadioGroup_win.h"
#include "controls/SpeedButton_win.h"
#include "framework/Handles_win.h"

namespace {

using namespace std::chrono_literals;
using wintest::kBanner;
using wintest::Measured;
using wintest::MeasureLines;
using wintest::TextSize;

// The host window: client 400 x 300 at (60, 60).
class EclControls : public wintest::ControlHostTest {
protected:
    EclControls() : ControlHostTest({60, 60, 400, 300}) {}

    // Posts a mouse message at (x, y) of the window, with the pointer really there, so that the
    // window system's own tracking (hovering, leaving) agrees with it.
    static void Post(HWND hwnd, UINT msg, WPARAM wParam, int x, int y) {
        POINT screen{x, y};
        ::ClientToScreen(hwnd, &screen);
        ::SetCursorPos(screen.x, screen.y);
        ::PostMessageA(hwnd, msg, wParam, MAKELPARAM(x, y));
        Pump();
    }
    static void Key(HWND hwnd, UINT msg, WPARAM key) {
        ::PostMessageA(hwnd, msg, key, msg == WM_KEYUP ? 0xC0000001 : 1);
        Pump();
    }
    // A left click at (x, y) of the window: press there, release at (upX, upY).
    static void Click(HWND hwnd, int x, int y, int upX, int upY) {
        Post(hwnd, WM_MOUSEMOVE, 0, x, y);
        Post(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        if (upX != x || upY != y) Post(hwnd, WM_MOUSEMOVE, MK_LBUTTON, upX, upY);
        Post(hwnd, WM_LBUTTONUP, 0, upX, upY);
    }
    static void Click(HWND hwnd, int x, int y) { Click(hwnd, x, y, x, y); }
};

// --- TEclButton ------------------------------------------------------------------------------

constexpr const char* kTwoButtons = R"(
  object Grab: TEclButton
    Left = 20
    Top = 20
    Width = 205
    Height = 45
    Caption = 'GRAB CENTRAL INVENTORY'
    TabOrder = 0
    OnClick = ButtonClick
  end
  object Other: TEclButton
    Left = 20
    Top = 80
    Width = 205
    Height = 45
    Caption = 'OTHER'
    TabOrder = 1
  end
)";

class EclButtonTest : public EclControls {
protected:
    void SetUp() override {
        EclControls::SetUp();
        Load(kTwoButtons);
        Show();
    }
    TEclButton& Grab() { return Get<TEclButton>("Grab"); }
};

TEST_F(EclButtonTest, ClicksOnAReleaseOverItAfterAPressOnIt) {
    auto& b = Grab();
    Click(b.Handle(), 100, 20);
    EXPECT_EQ(form_.clicks, (std::vector<std::string>{"ButtonClick Grab"}));
    EXPECT_EQ(b.State(), ecl::ButtonState::Hot) << "the pointer is still over it";
    EXPECT_TRUE(b.Focused()) << "a push button takes the focus when pressed";
}

TEST_F(EclButtonTest, ThePointerArrivingAndLeavingFiresEnterThenExitOnce) {
    auto& b = Grab();
    std::vector<std::string> events;
    Post(b.Handle(), WM_MOUSELEAVE, 0, 300, 200);  // the pointer starts away from it
    b.SetOnMouseEnter([&](fw::Component&) { events.push_back("enter"); });
    b.SetOnMouseExit([&](fw::Component&) { events.push_back("exit"); });
    Post(b.Handle(), WM_MOUSEMOVE, 0, 100, 20);
    Post(b.Handle(), WM_MOUSEMOVE, 0, 110, 20);
    EXPECT_EQ(events, (std::vector<std::string>{"enter"}));
    Post(b.Handle(), WM_MOUSELEAVE, 0, 300, 200);
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "exit"}));
}

TEST_F(EclButtonTest, ReleaseOutsideDoesNotClickAndLeavesItUp) {
    auto& b = Grab();
    Post(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 100, 20);
    EXPECT_EQ(b.State(), ecl::ButtonState::Pushed);
    Post(b.Handle(), WM_MOUSEMOVE, MK_LBUTTON, 100, 80);
    EXPECT_NE(b.State(), ecl::ButtonState::Pushed) << "dragged off: the face comes up";
    Post(b.Handle(), WM_LBUTTONUP, 0, 100, 80);
    EXPECT_TRUE(form_.clicks.empty());
    EXPECT_NE(b.State(), ecl::ButtonState::Pushed);
    EXPECT_EQ(::GetCapture(), nullptr) << "the mouse is released";
}

TEST_F(EclButtonTest, DraggingBackOntoItBeforeReleasingStillClicks) {
    auto& b = Grab();
    Post(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 100, 20);
    Post(b.Handle(), WM_MOUSEMOVE, MK_LBUTTON, 300, 20);
    Post(b.Handle(), WM_MOUSEMOVE, MK_LBUTTON, 50, 10);
    EXPECT_EQ(b.State(), ecl::ButtonState::Pushed);
    Post(b.Handle(), WM_LBUTTONUP, 0, 50, 10);
    EXPECT_EQ(form_.clicks.size(), 1u);
}

TEST_F(EclButtonTest, SpaceShowsThePushedFaceAndClicksOnRelease) {
    auto& b = Grab();
    b.SetFocus();
    Key(b.Handle(), WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(b.State(), ecl::ButtonState::Pushed);
    EXPECT_TRUE(form_.clicks.empty()) << "nothing before the key comes up";
    Key(b.Handle(), WM_KEYUP, VK_SPACE);
    EXPECT_EQ(form_.clicks, (std::vector<std::string>{"ButtonClick Grab"}));
    EXPECT_NE(b.State(), ecl::ButtonState::Pushed);
}

TEST_F(EclButtonTest, EnterClicksTheFocusedButton) {
    auto& b = Grab();
    b.SetFocus();
    Key(b.Handle(), WM_KEYDOWN, VK_RETURN);
    Key(b.Handle(), WM_KEYUP, VK_RETURN);
    EXPECT_EQ(form_.clicks, (std::vector<std::string>{"ButtonClick Grab"}));
}

TEST_F(EclButtonTest, DisabledButtonClicksOnNothing) {
    auto& b = Grab();
    b.SetFocus();
    b.SetEnabled(false);
    EXPECT_FALSE(::IsWindowEnabled(b.Handle()));
    EXPECT_EQ(b.State(), ecl::ButtonState::Disabled);
    Click(b.Handle(), 100, 20);
    Key(b.Handle(), WM_KEYDOWN, VK_SPACE);
    Key(b.Handle(), WM_KEYUP, VK_SPACE);
    Key(b.Handle(), WM_KEYDOWN, VK_RETURN);
    ::SendMessageA(b.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form_.clicks.empty());
    // Enabled again it works as before.
    b.SetEnabled(true);
    Click(b.Handle(), 100, 20);
    EXPECT_EQ(form_.clicks.size(), 1u);
}

TEST_F(EclButtonTest, DisablingWhileHeldDropsThePress) {
    auto& b = Grab();
    Post(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 100, 20);
    b.SetEnabled(false);
    Post(b.Handle(), WM_LBUTTONUP, 0, 100, 20);
    EXPECT_TRUE(form_.clicks.empty());
    EXPECT_EQ(::GetCapture(), nullptr);
}

// --- TEclSpeedButton -------------------------------------------------------------------------

constexpr const char* kSpeedButtons = R"(
  object Focusable: TEclButton
    Left = 20
    Top = 20
    Width = 205
    Height = 45
    Caption = 'GRAB'
    TabOrder = 0
  end
  object ExitButton: TEclSpeedButton
    Left = 300
    Top = 250
    Width = 70
    Height = 30
    Caption = 'Exit'
    Glyph = EXITGLYPH
    NumGlyphs = 2
    OnClick = SpeedClick
  end
)";

class EclSpeedButtonTest : public EclControls {
protected:
    void SetUp() override {
        EclControls::SetUp();
        Load(kSpeedButtons);
    }
};

TEST_F(EclSpeedButtonTest, ClicksOnReleaseOverItAndShowsHotAfterwards) {
    Show();
    auto& s = Get<TEclSpeedButton>("ExitButton");
    const HWND parent = form_.Handle();
    Post(parent, WM_MOUSEMOVE, 0, 330, 260);
    EXPECT_EQ(s.State(), ecl::ButtonState::Hot);
    Post(parent, WM_LBUTTONDOWN, MK_LBUTTON, 330, 260);
    EXPECT_EQ(s.State(), ecl::ButtonState::Pushed);
    EXPECT_TRUE(form_.clicks.empty()) << "nothing on the press";
    Post(parent, WM_LBUTTONUP, 0, 330, 260);
    EXPECT_EQ(form_.clicks, (std::vector<std::string>{"SpeedClick ExitButton"}));
    EXPECT_EQ(s.State(), ecl::ButtonState::Hot);
}

TEST_F(EclSpeedButtonTest, DraggingOffAndReleasingDoesNotClick) {
    Show();
    auto& s = Get<TEclSpeedButton>("ExitButton");
    Click(form_.Handle(), 330, 260, 200, 200);
    EXPECT_TRUE(form_.clicks.empty());
    EXPECT_EQ(s.State(), ecl::ButtonState::Up);
}

TEST_F(EclSpeedButtonTest, NeverTakesTheFocus) {
    Show();
    auto& focusable = Get<TEclButton>("Focusable");
    focusable.SetFocus();
    ASSERT_TRUE(focusable.Focused());
    Click(form_.Handle(), 330, 260);
    EXPECT_EQ(form_.clicks.size(), 1u);
    EXPECT_EQ(::GetFocus(), focusable.Handle());
    // Tab from the push button finds no other stop: the speed button is none.
    EXPECT_FALSE(Get<TEclSpeedButton>("ExitButton").IsWindowed());
}

TEST_F(EclSpeedButtonTest, DisabledSpeedButtonDoesNotClick) {
    Show();
    auto& s = Get<TEclSpeedButton>("ExitButton");
    s.SetEnabled(false);
    EXPECT_EQ(s.State(), ecl::ButtonState::Disabled);
    Click(form_.Handle(), 330, 260);
    EXPECT_TRUE(form_.clicks.empty());
    EXPECT_EQ(s.State(), ecl::ButtonState::Disabled);
    s.SetEnabled(true);
    EXPECT_EQ(s.State(), ecl::ButtonState::Up);
    Click(form_.Handle(), 330, 260);
    EXPECT_EQ(form_.clicks.size(), 1u);
}

TEST_F(EclSpeedButtonTest, GlyphSetsItsNumberOfCellsAndZeroCellsIsIgnored) {
    auto& s = Get<TEclSpeedButton>("ExitButton");
    EXPECT_EQ(s.Face().NumGlyphs(), 2);
    EXPECT_EQ(s.Face().Glyph().CellWidth(), 18);
    s.Face().SetNumGlyphs(0);
    EXPECT_EQ(s.Face().NumGlyphs(), 2);
    s.Face().SetGlyphName("ABOUTGLYPH");  // 18 x 18: one cell
    EXPECT_EQ(s.Face().NumGlyphs(), 1);
    s.Face().SetGlyphName("HELPGLYPH");  // 32 x 16: two cells
    EXPECT_EQ(s.Face().NumGlyphs(), 2);
    EXPECT_EQ(s.Face().Glyph().CellWidth(), 16);
}

// A glyph changed again and again holds exactly the objects of the one it shows: each time it is
// back to the first, every count is where it started.
TEST_F(EclSpeedButtonTest, FiftyGlyphChangesLeaveEveryHandleCountWhereItWas) {
    Show();
    auto& s = Get<TEclSpeedButton>("ExitButton");
    const long gdi = fw::LiveHandles(fw::HandleKind::Gdi);
    const long user = fw::LiveHandles(fw::HandleKind::User);
    const char* const names[] = {"ABOUTGLYPH", "HELPGLYPH", "EXITGLYPH"};
    for (int i = 0; i < 50; ++i) {
        s.Face().SetGlyphName(names[i % 3]);
        if (i % 3 != 2) continue;
        ASSERT_EQ(fw::LiveHandles(fw::HandleKind::Gdi), gdi) << "change " << i;
        ASSERT_EQ(fw::LiveHandles(fw::HandleKind::User), user) << "change " << i;
    }
}

// Moving an owner, by construction or by assignment over an empty or a full one, hands the handle
// over: only making and closing change a count.
TEST(HandleCount, AMoveLeavesTheCountAsItWas) {
    const long before = fw::LiveHandles(fw::HandleKind::Gdi);
    fw::UniqueBrush first = fw::NewSolidBrush(RGB(1, 2, 3));
    ASSERT_EQ(fw::LiveHandles(fw::HandleKind::Gdi), before + 1);
    fw::UniqueBrush moved(std::move(first));
    EXPECT_EQ(fw::LiveHandles(fw::HandleKind::Gdi), before + 1) << "move construction";
    fw::UniqueBrush empty;
    empty = std::move(moved);
    EXPECT_EQ(fw::LiveHandles(fw::HandleKind::Gdi), before + 1) << "move assignment into an empty owner";
    fw::UniqueBrush full = fw::NewSolidBrush(RGB(4, 5, 6));
    full = std::move(empty);
    EXPECT_EQ(fw::LiveHandles(fw::HandleKind::Gdi), before + 1) << "move assignment closes what it held";
    full = fw::NewSolidBrush(RGB(7, 8, 9));
    EXPECT_EQ(fw::LiveHandles(fw::HandleKind::Gdi), before + 1) << "assignment of a new one";
    fw::UniqueBrush spare = fw::NewSolidBrush(RGB(10, 11, 12));
    full.Reset(spare.Release());
    EXPECT_EQ(fw::LiveHandles(fw::HandleKind::Gdi), before + 1) << "reset to another handle";
    const HBRUSH released = full.Release();
    EXPECT_EQ(fw::LiveHandles(fw::HandleKind::Gdi), before) << "released: no longer owned";
    ::DeleteObject(released);
}

TEST_F(EclSpeedButtonTest, HotEndsAtTheNextCheckOnceThePointerIsAwayAndTheCheckStops) {
    const wintest::PointerAway away;
    Show();
    auto& s = Get<TEclSpeedButton>("ExitButton");
    ASSERT_TRUE(PumpUntil([&] { return s.State() == ecl::ButtonState::Up; }, 2s));
    EXPECT_FALSE(s.HotTimerRunning()) << "no check while up";
    // Entered without the window system knowing: only the button's own check can end it.
    s.MouseEnter();
    ASSERT_EQ(s.State(), ecl::ButtonState::Hot);
    EXPECT_TRUE(s.HotTimerRunning());
    EXPECT_TRUE(PumpUntil([&] { return s.State() == ecl::ButtonState::Up; }, 2s));
    EXPECT_FALSE(s.HotTimerRunning());
}

TEST_F(EclSpeedButtonTest, HeldRepeatingButtonsClickAgainAndAgainUntilReleased) {
    Show();
    auto& speed = Get<TEclSpeedButton>("ExitButton");
    auto& push = Get<TEclButton>("Focusable");
    push.SetOnClick([this](fw::Component& sender) { form_.clicks.push_back("push " + sender.Name()); });
    struct Case {
        ecl::ButtonFace& face;
        HWND window;
        int x, y;
    } cases[] = {{speed.Face(), form_.Handle(), 330, 260}, {push.Face(), push.Handle(), 100, 20}};
    for (const Case& c : cases) {
        form_.clicks.clear();
        c.face.SetRepeatedClick(true);
        c.face.SetRepeatingDelay(40);
        c.face.SetRepeatingInterval(20);
        Post(c.window, WM_MOUSEMOVE, 0, c.x, c.y);
        Post(c.window, WM_LBUTTONDOWN, MK_LBUTTON, c.x, c.y);
        EXPECT_TRUE(PumpUntil([&] { return form_.clicks.size() >= 2; }, 3s)) << "clicks while held";
        Post(c.window, WM_LBUTTONUP, 0, c.x, c.y);
        const size_t released = form_.clicks.size();
        PumpUntil([] { return false; }, 200ms);
        EXPECT_EQ(form_.clicks.size(), released) << "no click after the release";
    }
}

TEST_F(EclControls, SpeedButtonsOfOneGroupLatchDownInTurn) {
    Load(R"(
  object First: TEclSpeedButton
    Left = 20
    Top = 100
    GroupIndex = 1
    OnClick = SpeedClick
  end
  object Second: TEclSpeedButton
    Left = 60
    Top = 100
    GroupIndex = 1
    Pressed = True
  end
  object OtherGroup: TEclSpeedButton
    Left = 100
    Top = 100
    GroupIndex = 2
    Pressed = True
  end
)");
    Show();
    auto& first = Get<TEclSpeedButton>("First");
    auto& second = Get<TEclSpeedButton>("Second");
    EXPECT_EQ(second.State(), ecl::ButtonState::Down);
    Click(form_.Handle(), 30, 110);
    EXPECT_TRUE(first.Pressed());
    EXPECT_FALSE(second.Pressed());
    EXPECT_TRUE(Get<TEclSpeedButton>("OtherGroup").Pressed()) << "another group on the same parent";
    EXPECT_EQ(first.State(), ecl::ButtonState::Down);
    EXPECT_EQ(second.State(), ecl::ButtonState::Up);
    EXPECT_EQ(form_.clicks, (std::vector<std::string>{"SpeedClick First"}));
    Click(form_.Handle(), 30, 110);
    EXPECT_TRUE(first.Pressed()) << "without AllowAllUp one stays down";
    first.SetAllowAllUp(true);
    Click(form_.Handle(), 30, 110);
    EXPECT_FALSE(first.Pressed());
    second.SetPressed(true);
    first.SetEnabled(false);
    EXPECT_EQ(second.State(), ecl::ButtonState::Down);
    EXPECT_EQ(first.State(), ecl::ButtonState::Disabled);
}

TEST(EclGlyphCache, GlyphsOfOneCellSizeShareOneListFreedWithTheLast) {
    const int before = ecl::TEclGlyphCache::ListCount();
    auto exit = std::make_unique<TEclGlyph>();
    exit->Load("EXITGLYPH");  // two 18 x 18 cells
    auto about = std::make_unique<TEclGlyph>();
    about->Load("ABOUTGLYPH");  // one 18 x 18 cell
    TEclGlyph help;
    help.Load("HELPGLYPH");  // 16 x 16 cells
    ASSERT_NE(exit->CacheList(), nullptr);
    EXPECT_EQ(exit->CacheList(), about->CacheList());
    EXPECT_NE(help.CacheList(), exit->CacheList());
    EXPECT_EQ(ecl::TEclGlyphCache::ListCount(), before + 2);
    EXPECT_EQ(exit->CacheList()->Count(), 2 + 2) << "Exit's two cells, About's cell and its greyed copy";
    exit.reset();
    EXPECT_EQ(about->CacheList()->Count(), 2);
    EXPECT_EQ(ecl::TEclGlyphCache::ListCount(), before + 2);
    about.reset();
    EXPECT_EQ(ecl::TEclGlyphCache::ListCount(), before + 1) << "released with its last glyph";
    help.SetNumGlyphs(1);
    EXPECT_EQ(help.CacheList()->Count(), 2) << "the cells are cut again: 32 x 16 with its greyed copy";
    EXPECT_EQ(help.CacheList()->Width(), 32);
}

// --- TEclRadioGroup --------------------------------------------------------------------------

class EclRadioGroupTest : public EclControls {
protected:
    void SetUp() override {
        EclControls::SetUp();
        // The main window's group, as stored, with its handler renamed.
        Load(wintest::StoredRadioGroup("GroupClick"));
        Show();
    }
    TEclRadioGroup& Group() { return Get<TEclRadioGroup>("EclRadioGroup1"); }
    HWND ItemWindow(int i) { return Group().Item(i).Handle(); }
    // The middle of item i, in the item window's coordinates.
    POINT ItemCentre(int i) {
        const fw::Rect r = Group().ItemRects().at(static_cast<size_t>(i));
        return {r.Width() / 2, r.Height() / 2};
    }
    void ClickItem(int i) {
        const POINT p = ItemCentre(i);
        Click(ItemWindow(i), p.x, p.y);
    }
    // A key pressed on whatever has the focus.
    static void KeyOnFocus(WPARAM key) { Key(::GetFocus(), WM_KEYDOWN, key); }
    // The index of the item window holding the focus, -1 for none.
    int FocusedItem() {
        for (int i = 0; i < Group().ItemCount(); ++i)
            if (Group().Item(i).Focused()) return i;
        return -1;
    }
};

TEST_F(EclRadioGroupTest, StoredSelectionIsMadeSilently) {
    EXPECT_EQ(Group().ItemIndex(), 0);
    EXPECT_TRUE(form_.clicks.empty());
}

TEST_F(EclRadioGroupTest, ClickingTheOtherItemSelectsItAndClicksOnceWithTheNewIndex) {
    ClickItem(1);
    EXPECT_EQ(Group().ItemIndex(), 1);
    EXPECT_EQ(form_.clicks, (std::vector<std::string>{"GroupClick EclRadioGroup1"}));
    EXPECT_EQ(form_.indexSeen, (std::vector<int>{1})) << "OnClick sees the new ItemIndex";
    ClickItem(0);
    EXPECT_EQ(Group().ItemIndex(), 0);
    EXPECT_EQ(form_.indexSeen, (std::vector<int>{1, 0}));
}

TEST_F(EclRadioGroupTest, ClickingTheSelectedItemAgainChangesNothing) {
    ClickItem(0);
    EXPECT_EQ(Group().ItemIndex(), 0);
    EXPECT_TRUE(form_.clicks.empty());
    ClickItem(1);
    ClickItem(1);
    EXPECT_EQ(form_.clicks.size(), 1u);
}

TEST_F(EclRadioGroupTest, PressingAnItemAndDraggingOffStillSelectsIt) {
    const POINT p = ItemCentre(1);
    Click(ItemWindow(1), p.x, p.y, p.x + 300, p.y + 200);
    EXPECT_EQ(Group().ItemIndex(), 1);
    EXPECT_EQ(form_.indexSeen, (std::vector<int>{1}));
}

TEST_F(EclRadioGroupTest, ClickOnTheCaptionOrFrameSelectsNothing) {
    Click(Group().Handle(), 60, 5);
    Click(Group().Handle(), 2, 60);
    EXPECT_EQ(Group().ItemIndex(), 0);
    EXPECT_TRUE(form_.clicks.empty());
}

TEST_F(EclRadioGroupTest, ArrowKeysMoveTheSelectionAndClickOncePerMove) {
    Group().SetFocus();
    KeyOnFocus(VK_DOWN);
    EXPECT_EQ(Group().ItemIndex(), 1);
    KeyOnFocus(VK_DOWN);
    EXPECT_EQ(Group().ItemIndex(), 0) << "wraps around at the end";
    KeyOnFocus(VK_UP);
    EXPECT_EQ(Group().ItemIndex(), 1);
    KeyOnFocus(VK_LEFT);
    EXPECT_EQ(Group().ItemIndex(), 0);
    KeyOnFocus(VK_RIGHT);
    EXPECT_EQ(Group().ItemIndex(), 1);
    EXPECT_EQ(FocusedItem(), 1) << "the focus went with the selection";
    EXPECT_EQ(form_.indexSeen, (std::vector<int>{1, 0, 1, 0, 1}));
}

TEST_F(EclRadioGroupTest, SelectionFromCodeRaisesNoClick) {
    Group().SetItemIndex(1);
    EXPECT_EQ(Group().ItemIndex(), 1);
    Group().SetItemIndex(0);
    Pump();
    EXPECT_EQ(Group().ItemIndex(), 0);
    EXPECT_TRUE(form_.clicks.empty());
}

TEST_F(EclRadioGroupTest, OnChangeFollowsOnClickWithTheIndex) {
    std::vector<std::string> order;
    Group().SetOnClick([&](fw::Component&) { order.push_back("click"); });
    Group().SetOnChange([&](fw::Component&, int index) { order.push_back("change " + std::to_string(index)); });
    ClickItem(1);
    EXPECT_EQ(order, (std::vector<std::string>{"click", "change 1"}));
}

TEST_F(EclRadioGroupTest, IndexAndColumnsAreClamped) {
    Group().SetItemIndex(5);
    EXPECT_EQ(Group().ItemIndex(), 1);
    Group().SetItemIndex(-7);
    EXPECT_EQ(Group().ItemIndex(), -1);
    Group().SetColumns(0);
    EXPECT_EQ(Group().Columns(), 1);
    Group().SetColumns(13);
    EXPECT_EQ(Group().Columns(), 12);
    EXPECT_TRUE(form_.clicks.empty());
}

TEST_F(EclRadioGroupTest, ShorterItemListPullsTheIndexDown) {
    Group().SetItemIndex(1);
    Group().SetItems({"only"});
    EXPECT_EQ(Group().ItemIndex(), 0);
    EXPECT_EQ(Group().ItemRects().size(), 1u);
}

TEST_F(EclRadioGroupTest, DisabledGroupIgnoresClicksAndKeys) {
    Group().SetEnabled(false);
    ClickItem(1);
    ::SendMessageA(ItemWindow(1), BM_CLICK, 0, 0);
    Key(ItemWindow(0), WM_KEYDOWN, VK_DOWN);
    EXPECT_FALSE(::IsWindowEnabled(ItemWindow(0)));
    EXPECT_FALSE(::IsWindowEnabled(ItemWindow(1)));
    EXPECT_EQ(Group().ItemIndex(), 0);
    EXPECT_TRUE(form_.clicks.empty());
}

TEST_F(EclRadioGroupTest, ReadOnlyGroupCannotBeChangedByTheUser) {
    Group().SetReadOnly(true);
    ClickItem(1);
    EXPECT_EQ(FocusedItem(), 1) << "the press gives the focus all the same";
    Group().SetFocus();
    EXPECT_EQ(FocusedItem(), 0) << "the group hands the focus to its selected item";
    KeyOnFocus(VK_DOWN);
    EXPECT_EQ(FocusedItem(), 1) << "arrows move the focus";
    KeyOnFocus(VK_DOWN);
    EXPECT_EQ(FocusedItem(), 0) << "and wrap";
    KeyOnFocus(VK_UP);
    EXPECT_EQ(FocusedItem(), 1);
    for (WPARAM typed : {WPARAM(' '), WPARAM('\b')}) Key(ItemWindow(1), WM_CHAR, typed);
    EXPECT_EQ(Group().ItemIndex(), 0);
    EXPECT_TRUE(Group().Item(0).Checked());
    EXPECT_FALSE(Group().Item(1).Checked());
    EXPECT_TRUE(form_.clicks.empty());
}

TEST_F(EclRadioGroupTest, ItemsSitInTheFrameBelowTheCaption) {
    // Each item 194 wide, 7 from the group's left edge, the two rows sharing the height below the
    // caption (the height of a "W" in the caption font).
    const SIZE w = TextSize("W", "MS Sans Serif", -16, true);
    const std::vector<fw::Rect> items = Group().ItemRects();
    ASSERT_EQ(items.size(), 2u);
    const int innerTop = std::max(2, static_cast<int>(w.cy)) + 1;
    const int rowHeight = (78 - innerTop - 2) / 2;
    EXPECT_EQ(items[0], fw::Rect::FromBounds(7, innerTop + 1 + (rowHeight % 2) / 2, 194, rowHeight));
    EXPECT_EQ(items[1].top, items[0].bottom);
}

TEST_F(EclRadioGroupTest, EachItemIsAWindowOfTheGroupWithItsTextAndPlace) {
    HWND group = Group().Handle();
    ASSERT_EQ(Group().ItemCount(), 2);
    const char* texts[] = {"32 Bit Operating System", "64 Bit Operating System"};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        HWND item = ItemWindow(i);
        char text[64]{}, className[64]{};
        ::GetWindowTextA(item, text, sizeof text);
        ::GetClassNameA(item, className, sizeof className);
        EXPECT_STREQ(text, texts[i]);
        EXPECT_STREQ(className, "TEclRadioGroupButton");
        EXPECT_EQ(::GetParent(item), group);
        EXPECT_TRUE(::IsWindowVisible(item));
        RECT r{};
        ::GetWindowRect(item, &r);
        ::MapWindowPoints(HWND_DESKTOP, group, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, 7) << "7 pixels from the group's left edge";
        EXPECT_EQ(r.right - r.left, 194);
        EXPECT_EQ(fw::Rect::FromBounds(r.left, r.top, r.right - r.left, r.bottom - r.top),
                  Group().ItemRects()[static_cast<size_t>(i)]);
        EXPECT_EQ(Group().Item(i).Checked(), i == 0);
    }
}

TEST_F(EclRadioGroupTest, EditingTheItemsRecreatesTheWindowsKeepsTheIndexInRangeAndFiresNothing) {
    int changes = 0;
    Group().SetOnChange([&](fw::Component&, int) { ++changes; });
    Group().SetItemIndex(1);
    Group().Item(1).SetFocus();
    struct Case {
        std::vector<std::string> items;
        int index;  // expected after the edit
    } cases[] = {
        {{"a", "b", "c"}, 1}, {{"only"}, 0}, {{}, -1}, {{"x", "y"}, -1}, {{"x", "y", "z"}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.items.size());
        Group().SetItems(c.items);
        Pump();
        EXPECT_EQ(Group().ItemIndex(), c.index);
        ASSERT_EQ(Group().ItemCount(), static_cast<int>(c.items.size()));
        for (int i = 0; i < Group().ItemCount(); ++i) {
            char text[16]{};
            ::GetWindowTextA(ItemWindow(i), text, sizeof text);
            EXPECT_EQ(text, c.items[static_cast<size_t>(i)]);
            EXPECT_EQ(Group().Item(i).Checked(), i == c.index);
        }
    }
    EXPECT_TRUE(Group().Focused()) << "the focused item went: the focus is the group's";
    EXPECT_TRUE(form_.clicks.empty());
    EXPECT_EQ(changes, 0);
    Group().SetItemIndex(2);
    EXPECT_TRUE(Group().Item(2).Checked());
    EXPECT_TRUE(form_.clicks.empty()) << "nor does a change from code";
}

TEST_F(EclRadioGroupTest, AcceleratorsFocusTheSelectedItemOrChooseTheirItem) {
    Group().SetCaption("SELECT &OS TYPE");
    Group().SetItems({"&32 Bit Operating System", "&64 Bit Operating System"});
    EXPECT_TRUE(Group().Accelerate('O'));
    EXPECT_TRUE(Group().Item(0).Focused()) << "the group's letter: the selected item";
    EXPECT_TRUE(form_.clicks.empty());
    EXPECT_TRUE(Group().Accelerate('6'));
    EXPECT_TRUE(Group().Item(1).Focused());
    EXPECT_EQ(form_.indexSeen, (std::vector<int>{1})) << "an item's letter chooses it, once";
    EXPECT_FALSE(Group().Accelerate('X'));
    EXPECT_FALSE(Group().Accelerate(0));

    Group().SetReadOnly(true);
    EXPECT_TRUE(Group().Accelerate('3'));
    EXPECT_TRUE(Group().Item(0).Focused());
    EXPECT_EQ(Group().ItemIndex(), 1) << "read-only: the focus moves, the selection stays";
    Group().SetReadOnly(false);

    Group().SetShowAccelChar(false);
    EXPECT_FALSE(Group().Accelerate('6')) << "without accelerator characters";
    Group().SetShowAccelChar(true);
    Group().SetEnabled(false);
    EXPECT_FALSE(Group().Accelerate('3'));
    EXPECT_EQ(form_.indexSeen, (std::vector<int>{1}));
}

TEST_F(EclRadioGroupTest, DoubleClickFiresTheItemsThenTheGroupsOnDblClick) {
    std::vector<std::string> order;
    Group().Item(1).SetOnDblClick([&](fw::Component&) { order.push_back("item"); });
    Group().SetOnDblClick([&](fw::Component&) { order.push_back("group"); });
    const POINT p = ItemCentre(1);
    Click(ItemWindow(1), p.x, p.y);
    Post(ItemWindow(1), WM_LBUTTONDBLCLK, MK_LBUTTON, p.x, p.y);
    Post(ItemWindow(1), WM_LBUTTONUP, 0, p.x, p.y);
    EXPECT_EQ(order, (std::vector<std::string>{"item", "group"}));
    EXPECT_EQ(form_.indexSeen, (std::vector<int>{1})) << "the second click changes nothing";
}

TEST_F(EclRadioGroupTest, OnChangeIsPublishedWithTheItemIndex) {
    const fw::PropertyInfo* event = Group().Class().FindProperty("OnChange");
    ASSERT_NE(event, nullptr);
    ASSERT_TRUE(event->bind);
    std::vector<int> seen;
    event->bind(Group(), std::any(TEclRadioGroup::ChangeEvent([&](fw::Component&, int i) { seen.push_back(i); })));
    ClickItem(1);
    ClickItem(0);
    EXPECT_EQ(seen, (std::vector<int>{1, 0}));
    EXPECT_THROW(event->bind(Group(), std::any(fw::NotifyEvent{})), std::exception) << "a plain handler does not fit";
}

// The group between two push buttons in tab order.
// --- The standard button's messages, as automation tools send them ----------------------------

class ButtonMessagesTest : public EclControls {
protected:
    void SetUp() override {
        EclControls::SetUp();
        Load(wintest::StoredRadioGroup("GroupClick") + kTwoButtons);
        Show();
    }
    TEclRadioGroup& Group() { return Get<TEclRadioGroup>("EclRadioGroup1"); }
    fw::UniqueWindow Standard(DWORD style) {
        return fw::NewWindow(0, "BUTTON", "standard", WS_CHILD | WS_VISIBLE | style, 250, 20, 100, 20, form_.Handle());
    }
};

TEST_F(ButtonMessagesTest, RadioItemAndPushButtonAnswerAsTheStandardButton) {
    const fw::UniqueWindow radio = Standard(BS_AUTORADIOBUTTON);
    const fw::UniqueWindow push = Standard(BS_PUSHBUTTON);
    HWND item = Group().Item(1).Handle();  // not selected
    HWND grab = Get<TEclButton>("Grab").Handle();
    // No message: the window takes the focus (from the other one, so last of each pair).
    constexpr UINT kFocus = 0;
    const struct {
        const char* what;
        HWND ours, theirs;
        UINT msg;
        WPARAM wParam;
        LRESULT check, state;  // the documented BM_GETCHECK and BM_GETSTATE after the step
    } steps[] = {
        {"radio unchecked", item, radio.Get(), BM_GETCHECK, 0, BST_UNCHECKED, 0},
        {"radio checked", item, radio.Get(), BM_SETCHECK, BST_CHECKED, BST_CHECKED, BST_CHECKED},
        {"radio indeterminate", item, radio.Get(), BM_SETCHECK, BST_INDETERMINATE, BST_CHECKED, BST_CHECKED},
        {"radio held", item, radio.Get(), BM_SETSTATE, TRUE, BST_CHECKED, BST_CHECKED | BST_PUSHED},
        {"radio let go", item, radio.Get(), BM_SETSTATE, FALSE, BST_CHECKED, BST_CHECKED},
        {"radio unchecked again", item, radio.Get(), BM_SETCHECK, BST_UNCHECKED, BST_UNCHECKED, 0},
        {"radio focused", item, radio.Get(), kFocus, 0, BST_UNCHECKED, BST_FOCUS},
        {"push idle", grab, push.Get(), BM_GETSTATE, 0, BST_UNCHECKED, 0},
        {"push takes no check", grab, push.Get(), BM_SETCHECK, BST_CHECKED, BST_UNCHECKED, 0},
        {"push focused", grab, push.Get(), kFocus, 0, BST_UNCHECKED, BST_FOCUS},
    };
    constexpr LRESULT kDocumented = BST_CHECKED | BST_FOCUS | BST_PUSHED;
    for (const auto& s : steps) {
        LRESULT answer[2]{}, check[2]{}, state[2]{};
        for (int i = 0; i < 2; ++i) {
            HWND w = i == 0 ? s.ours : s.theirs;
            if (s.msg == kFocus)
                ::SetFocus(w);
            else
                answer[i] = ::SendMessageA(w, s.msg, s.wParam, 0);
            check[i] = ::SendMessageA(w, BM_GETCHECK, 0, 0);
            state[i] = ::SendMessageA(w, BM_GETSTATE, 0, 0) & kDocumented;
        }
        EXPECT_EQ(answer[0], answer[1]) << s.what;
        EXPECT_EQ(check[0], s.check) << s.what;
        EXPECT_EQ(state[0], s.state) << s.what;
        EXPECT_EQ(std::tie(check[1], state[1]), std::tie(s.check, s.state)) << s.what << " (standard)";
    }
    EXPECT_EQ(Group().ItemIndex(), -1) << "unchecking the selected item leaves no selection";
    EXPECT_FALSE(Group().Item(0).Checked());
}

TEST_F(ButtonMessagesTest, ClickIsTheUsersClickOnce) {
    std::vector<int> changes;
    Group().SetOnChange([&](fw::Component&, int index) { changes.push_back(index); });
    HWND item1 = Group().Item(1).Handle();
    for (int twice = 0; twice < 2; ++twice) ::SendMessageA(item1, BM_CLICK, 0, 0);
    EXPECT_EQ(form_.clicks, (std::vector<std::string>{"GroupClick EclRadioGroup1"})) << "the second changes nothing";
    EXPECT_EQ(form_.indexSeen, (std::vector<int>{1}));
    EXPECT_EQ(changes, (std::vector<int>{1}));
    EXPECT_EQ(::SendMessageA(Group().Item(0).Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(::GetFocus(), item1) << "as the mouse, the click focuses the item";

    HWND grab = Get<TEclButton>("Grab").Handle();
    ::SendMessageA(grab, BM_CLICK, 0, 0);
    EXPECT_EQ(form_.clicks, (std::vector<std::string>{"GroupClick EclRadioGroup1", "ButtonClick Grab"}));
    EXPECT_EQ(::GetCapture(), nullptr) << "the press ends with the click";
    EXPECT_EQ(::SendMessageA(grab, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
}

class EclRadioGroupTabTest : public EclControls {
protected:
    void SetUp() override {
        EclControls::SetUp();
        Load(Button("Before", 0, 20) + wintest::StoredRadioGroup(nullptr) + Button("After", 7, 220));
        Show();
    }
    static std::string Button(const char* name, int tabOrder, int top) {
        return std::string("  object ") + name + ": TEclButton\n    Left = 240\n    Top = " + std::to_string(top) +
               "\n    Width = 100\n    Height = 30\n    Caption = '" + name +
               "'\n    TabOrder = " + std::to_string(tabOrder) + "\n  end\n";
    }
    TEclRadioGroup& Group() { return Get<TEclRadioGroup>("EclRadioGroup1"); }
    // Tab (Shift+Tab when backwards) on whatever has the focus, through the message loop.
    static void Tab(bool backwards) {
        BYTE keys[256]{};
        ::GetKeyboardState(keys);
        const BYTE saved = keys[VK_SHIFT];
        keys[VK_SHIFT] = backwards ? 0x80 : 0;
        ::SetKeyboardState(keys);
        Key(::GetFocus(), WM_KEYDOWN, VK_TAB);
        keys[VK_SHIFT] = saved;
        ::SetKeyboardState(keys);
    }
    HWND Focus(const char* name) { return Get<fw::WinControl>(name).Handle(); }
};

TEST_F(EclRadioGroupTabTest, TabEntersAtTheSelectedItemAndTheNextTabLeavesTheGroup) {
    struct Case {
        int selected;
        bool backwards;
        const char* from;
        const char* to;  // after leaving the group
    } cases[] = {{0, false, "Before", "After"}, {1, false, "Before", "After"}, {1, true, "After", "Before"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + (c.backwards ? " backwards" : " forwards"));
        Group().SetItemIndex(c.selected);
        Get<fw::WinControl>(c.from).SetFocus();
        Tab(c.backwards);
        EXPECT_EQ(::GetFocus(), Group().Item(c.selected).Handle()) << "the selected item takes the focus";
        Tab(c.backwards);
        EXPECT_EQ(::GetFocus(), Focus(c.to)) << "one Tab leaves the group";
    }
}

TEST_F(EclRadioGroupTabTest, WithoutASelectedItemTabPassesTheGroupBy) {
    Group().SetItemIndex(-1);
    Get<fw::WinControl>("Before").SetFocus();
    Tab(false);
    EXPECT_EQ(::GetFocus(), Focus("After"));
    Tab(true);
    EXPECT_EQ(::GetFocus(), Focus("Before"));
}

// --- TEclLabel -------------------------------------------------------------------------------

using EclLabelTest = EclControls;

// A label "L" that twinkles from the start: shown for `visible` ms, hidden for `inVisible` ms. The
// `more` stored lines come before the twinkle's.
std::string TwinklingLabel(int visible, int inVisible, const char* more = "") {
    return std::string("\n  object L: TEclLabel\n    Caption = 'Twinkling'\n") + more +
           "    TwinkleVisible = " + std::to_string(visible) + "\n    TwinkleInVisible = " + std::to_string(inVisible) +
           "\n    Twinkle = True\n  end\n";
}

TEST_F(EclLabelTest, BannerFitsItsTwoLinesPlusTwoPixels) {
    Load(kBanner);
    const auto& label = Get<TEclLabel>("OfflineLabel");
    const Measured m =
        MeasureLines("Arial Black", -21, FW_BOLD, ANSI_CHARSET, {"BRIGHTWELL STOCKDRAW", "FOR TALLYBOARD LAPTOP ONLY"});
    EXPECT_EQ(label.Left(), 20);
    EXPECT_EQ(label.Top(), 20);
    EXPECT_EQ(label.Width(), std::max(m.widths[0], m.widths[1]) + 2);
    EXPECT_EQ(label.Height(), 2 * m.lineHeight + 2);
}

TEST_F(EclLabelTest, EmptyCaptionIsTheSizeOfABlankPlusTwo) {
    Load(R"(
  object L: TEclLabel
    Left = 5
    Top = 6
  end
)");
    const auto& label = Get<TEclLabel>("L");
    const Measured m = MeasureLines("MS Sans Serif", -11, FW_NORMAL, DEFAULT_CHARSET, {" "});
    EXPECT_EQ(label.Width(), m.widths[0] + 2);
    EXPECT_EQ(label.Height(), m.lineHeight + 2);
}

TEST_F(EclLabelTest, CaptionChangeResizesTheLabel) {
    Load(R"(
  object L: TEclLabel
    Caption = 'Short'
  end
)");
    auto& label = Get<TEclLabel>("L");
    label.SetCaption("Somewhat longer caption");
    const Measured m = MeasureLines("MS Sans Serif", -11, FW_NORMAL, DEFAULT_CHARSET, {"Somewhat longer caption"});
    EXPECT_EQ(label.Caption(), "Somewhat longer caption");
    EXPECT_EQ(label.Width(), m.widths[0] + 2);
    // A bevel's extent is added on both sides.
    label.Bevel().SetMode(TEclBevelMode::bmWindows);
    EXPECT_EQ(label.Width(), m.widths[0] + 2 + 4);
    EXPECT_EQ(label.Height(), m.lineHeight + 2 + 4);
}

TEST_F(EclLabelTest, BannerTwinklesShownThenHidden) {
    Load(kBanner);
    auto& label = Get<TEclLabel>("OfflineLabel");
    ASSERT_TRUE(label.Twinkle());
    EXPECT_TRUE(label.TextShown()) << "the first phase shows the text";
    label.SetTwinkleVisible(30);
    label.SetTwinkleInVisible(30);
    // The first phase still runs its stored 700 ms; then the phases alternate.
    EXPECT_TRUE(PumpUntil([&] { return !label.TextShown(); }, 5s));
    EXPECT_TRUE(PumpUntil([&] { return label.TextShown(); }, 5s));
    EXPECT_TRUE(PumpUntil([&] { return !label.TextShown(); }, 5s));
}

TEST_F(EclLabelTest, TurningTwinkleOffShowsTheTextAtOnceAndStopsIt) {
    Load(TwinklingLabel(20, 5000));
    auto& label = Get<TEclLabel>("L");
    ASSERT_TRUE(PumpUntil([&] { return !label.TextShown(); }, 5s));
    label.SetTwinkle(false);
    EXPECT_TRUE(label.TextShown());
    EXPECT_FALSE(PumpUntil([&] { return !label.TextShown(); }, 300ms)) << "no timer runs any more";
}

TEST_F(EclLabelTest, ZeroLengthPhaseFreezesTheTwinkleInIt) {
    Load(TwinklingLabel(20, 0));
    auto& label = Get<TEclLabel>("L");
    ASSERT_TRUE(PumpUntil([&] { return !label.TextShown(); }, 5s));
    EXPECT_FALSE(PumpUntil([&] { return label.TextShown(); }, 300ms)) << "the hidden phase has no end";
    // Off and on again with a length for it: the twinkle runs through both phases.
    label.SetTwinkleInVisible(20);
    label.SetTwinkle(false);
    EXPECT_TRUE(label.TextShown());
    label.SetTwinkle(true);
    EXPECT_TRUE(PumpUntil([&] { return !label.TextShown(); }, 5s));
    EXPECT_TRUE(PumpUntil([&] { return label.TextShown(); }, 5s));
}

TEST_F(EclLabelTest, LabelDisabledWhenTwinkleStartsNeverTwinkles) {
    Load(TwinklingLabel(20, 20, "    Enabled = False\n"));
    auto& label = Get<TEclLabel>("L");
    label.SetEnabled(true);
    EXPECT_FALSE(PumpUntil([&] { return !label.TextShown(); }, 300ms));
    // Off and on again while enabled: now it twinkles.
    label.SetTwinkle(false);
    label.SetTwinkle(true);
    EXPECT_TRUE(PumpUntil([&] { return !label.TextShown(); }, 5s));
}

// --- Stored values of the main window ----------------------------------------------------------

// One of the main window's command buttons, as stored: 70 x 30 on the bottom row, in its own copy
// of the window's font, calling the handler named after it. A NumGlyphs of 0 is left unstored.
std::string StoredCommandButton(const char* name, int left, const char* caption, const char* glyph, int numGlyphs) {
    std::string button = std::string("  object ") + name + ": TEclSpeedButton\n    Left = " + std::to_string(left) +
                         "\n"
                         "    Top = 453\n"
                         "    Width = 70\n"
                         "    Height = 30\n"
                         "    Anchors = [akTop, akRight]\n"
                         "    Caption = '" +
                         caption +
                         "'\n"
                         "    Font.Charset = DEFAULT_CHARSET\n"
                         "    Font.Color = clWindowText\n"
                         "    Font.Height = -11\n"
                         "    Font.Name = 'MS Sans Serif'\n"
                         "    Font.Style = []\n"
                         "    Glyph = " +
                         glyph + "\n";
    if (numGlyphs != 0) button += "    NumGlyphs = " + std::to_string(numGlyphs) + "\n";
    return button + "    ParentFont = False\n    OnClick = " + name + "Click\n  end\n";
}

// The main window's command buttons, grab button and radio group, as stored.
std::string MainWindowControls() {
    return "\n" + StoredCommandButton("ExitButton", 651, "Exit", "EXITGLYPH", 2) +
           StoredCommandButton("AboutButton", 575, "About", "ABOUTGLYPH", 0) +
           StoredCommandButton("HelpButton", 499, "Help", "HELPGLYPH", 2) + R"(  object EclButton1: TEclButton
    Left = 20
    Top = 224
    Width = 205
    Height = 45
    Caption = 'GRAB CENTRAL INVENTORY'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    TabOrder = 0
    OnClick = EclButton1Click
  end
)" + wintest::StoredRadioGroup("EclRadioGroup1Click");
}

using MainWindowValues = EclControls;

fw::FontSpec Font(const char* name, int height, int charset, fw::Set<fw::FontStyle> style) {
    fw::FontSpec f;
    f.name = name;
    f.height = height;
    f.charset = charset;
    f.color = fw::clWindowText;
    f.style = style;
    return f;
}

TEST_F(MainWindowValues, BannerReceivesEveryStoredValue) {
    Load(kBanner);
    const auto& l = Get<TEclLabel>("OfflineLabel");
    EXPECT_EQ(l.Caption(), "BRIGHTWELL STOCKDRAW\r\nFOR TALLYBOARD LAPTOP ONLY");
    EXPECT_EQ(l.Bevel().Mode(), TEclBevelMode::bmCustom);
    EXPECT_EQ(l.Bevel().Extent(), 0);
    EXPECT_EQ(l.FontFX().LightColor(), fw::clCaptionText);
    EXPECT_EQ(l.FontFX().ShadowColor(), fw::clGrayText);
    EXPECT_EQ(l.FontFX().Style(), TEclThreeDStyle::tdNone);
    EXPECT_EQ(l.Alignment(), TEclAlignment::agCenterLeft);
    EXPECT_EQ(l.GetColor(), fw::clBlack);
    EXPECT_FALSE(l.ParentColor());
    EXPECT_FALSE(l.ParentFont());
    fw::FontSpec banner = Font("Arial Black", -21, ANSI_CHARSET, {fw::FontStyle::fsBold});
    banner.color = fw::clBlack;
    EXPECT_EQ(l.Font(), banner);
    EXPECT_TRUE(l.MultiLine());
    EXPECT_TRUE(l.Options().Empty());
    EXPECT_TRUE(l.Twinkle());
    // Left at their defaults.
    EXPECT_TRUE(l.Transparent());
    EXPECT_TRUE(l.AutoSize());
    EXPECT_TRUE(l.ShowAccelChar());
    EXPECT_EQ(l.TwinkleVisible(), 700);
    EXPECT_EQ(l.TwinkleInVisible(), 700);
    EXPECT_EQ(l.TwinkleColor(), fw::clNone);
}

TEST_F(MainWindowValues, CommandButtonsReceiveEveryStoredValue) {
    Load(MainWindowControls());
    struct Expected {
        const char* name;
        int left;
        const char* caption;
        const char* glyph;
        int cells;
        int cellWidth;
    };
    for (const Expected& e : {Expected{"ExitButton", 651, "Exit", "EXITGLYPH", 2, 18},
                              Expected{"AboutButton", 575, "About", "ABOUTGLYPH", 1, 18},
                              Expected{"HelpButton", 499, "Help", "HELPGLYPH", 2, 16}}) {
        SCOPED_TRACE(e.name);
        const auto& s = Get<TEclSpeedButton>(e.name);
        EXPECT_EQ(s.BoundsRect(), fw::Rect::FromBounds(e.left, 453, 70, 30));
        EXPECT_EQ(s.Anchors(), (fw::Set<fw::Anchor>{fw::Anchor::akTop, fw::Anchor::akRight}));
        EXPECT_EQ(s.Caption(), e.caption);
        EXPECT_FALSE(s.ParentFont());
        EXPECT_EQ(s.Font(), Font("MS Sans Serif", -11, DEFAULT_CHARSET, {}));
        EXPECT_EQ(s.Face().GlyphName(), e.glyph);
        EXPECT_EQ(s.Face().NumGlyphs(), e.cells);
        EXPECT_EQ(s.Face().Glyph().CellWidth(), e.cellWidth);
        EXPECT_EQ(s.Face().Glyph().Height(), e.cellWidth);
        EXPECT_EQ(s.Face().ButtonStyle(), TEclUserButtonStyle::ubsWin40);
        EXPECT_TRUE(s.ParentColor());
    }
    // The handlers arrive: each button calls its own.
    Show();
    Get<TEclSpeedButton>("ExitButton").Click();
    Get<TEclSpeedButton>("AboutButton").Click();
    Get<TEclSpeedButton>("HelpButton").Click();
    EXPECT_EQ(form_.clicks, (std::vector<std::string>{"ExitButtonClick ExitButton", "AboutButtonClick AboutButton",
                                                      "HelpButtonClick HelpButton"}));
}

TEST_F(MainWindowValues, GrabButtonReceivesEveryStoredValue) {
    Load(MainWindowControls());
    auto& b = Get<TEclButton>("EclButton1");
    EXPECT_EQ(b.BoundsRect(), fw::Rect::FromBounds(20, 224, 205, 45));
    EXPECT_EQ(b.Caption(), "GRAB CENTRAL INVENTORY");
    EXPECT_FALSE(b.ParentFont());
    EXPECT_EQ(b.Font(), Font("MS Sans Serif", -11, DEFAULT_CHARSET, {fw::FontStyle::fsBold}));
    EXPECT_EQ(b.TabOrder(), 0);
    EXPECT_TRUE(b.TabStop());
    EXPECT_TRUE(b.ParentColor());
    EXPECT_EQ(b.GetColor(), fw::Color{0x0080FFFF}) << "the face takes the window's colour";
    EXPECT_EQ(b.Face().ButtonLayout().Alignment(), TEclAlignment::agCenter);
    EXPECT_EQ(b.Face().ButtonLayout().Spacing(), 2);
    Show();
    Click(b.Handle(), 10, 10);
    EXPECT_EQ(form_.clicks, (std::vector<std::string>{"EclButton1Click EclButton1"}));
}

TEST_F(MainWindowValues, RadioGroupReceivesEveryStoredValue) {
    Load(MainWindowControls());
    const auto& g = Get<TEclRadioGroup>("EclRadioGroup1");
    EXPECT_EQ(g.BoundsRect(), fw::Rect::FromBounds(20, 128, 205, 81));
    EXPECT_EQ(g.Bevel().Mode(), TEclBevelMode::bmWindows);
    EXPECT_EQ(g.Bevel().Extent(), 2) << "the group draws its own frame";
    EXPECT_EQ(g.BtnAlignment().Alignment(), TEclAlignment::agCenterLeft);
    EXPECT_EQ(g.BtnAlignment().Spacing(), 5);
    EXPECT_EQ(g.Caption(), "SELECT OS TYPE");
    EXPECT_EQ(g.CaptionOffset(), 10);
    EXPECT_FALSE(g.CaptionParentFont());
    EXPECT_EQ(g.CaptionFont(), Font("MS Sans Serif", -16, DEFAULT_CHARSET, {fw::FontStyle::fsBold}));
    EXPECT_EQ(g.Items(), (std::vector<std::string>{"32 Bit Operating System", "64 Bit Operating System"}));
    EXPECT_EQ(g.ItemIndex(), 0);
    EXPECT_EQ(g.TabOrder(), 6);
    // Defaults that the stored values rely on.
    EXPECT_EQ(g.Alignment(), TEclGroupCaptionAlign::gcaTopLeft);
    EXPECT_EQ(g.Columns(), 1);
    EXPECT_EQ(g.ItemOffset(), 4);
    EXPECT_TRUE(g.ParentColor());
    EXPECT_TRUE(g.ParentFont());
    EXPECT_EQ(g.Font(), form_.Font()) << "the items use the window's font";
    EXPECT_TRUE(form_.clicks.empty()) << "reading the stored selection raises no click";
}

TEST_F(MainWindowValues, CaptionFontFollowsTheParentUntilSetDirectly) {
    Load(R"(
  object G: TEclRadioGroup
    Caption = 'Group'
  end
)");
    auto& g = Get<TEclRadioGroup>("G");
    EXPECT_TRUE(g.CaptionParentFont());
    EXPECT_EQ(g.CaptionFont(), form_.Font());
    fw::FontSpec big = g.CaptionFont();
    big.height = -16;
    g.SetCaptionFont(big);
    EXPECT_FALSE(g.CaptionParentFont());
    EXPECT_EQ(g.CaptionFont().height, -16);
}

}  // namespace
