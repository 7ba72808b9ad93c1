// What the effects controls paint: each control is painted into a 32-bit memory bitmap (and the
// banner once through its window) and the pixels that the drawing rules fix are checked. Text
// sizes come from the fonts as this machine measures them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ControlHost.h"
#include "Pixels.h"
#include "TextMeasure.h"
#include "ThemeSwitch.h"
#include "controls/Button_win.h"
#include "controls/FxText_win.h"
#include "controls/Label_win.h"
#include "controls/RadioGroup_win.h"
#include "controls/SpeedButton_win.h"
#include "controls/Theme_win.h"
#include "framework/Bitmaps_win.h"
#include "framework/HighContrast_win.h"

namespace {

using namespace std::chrono_literals;
using wintest::kBanner;
using wintest::Pixels;
using wintest::TextSize;

const COLORREF kWindowColour = RGB(255, 255, 128);  // the main window's light yellow

COLORREF Sys(int index) { return ::GetSysColor(index); }

// Whether the platform's visual style is in force: the faces and frames are then the theme's, and
// only the classic look fixes their pixels. The test command runs these suites in both looks.
bool Classic() {
    static const bool classic = [] {
        HMODULE uxtheme = ::LoadLibraryA("uxtheme.dll");
        if (!uxtheme) return true;
        using IsThemeActiveFn = BOOL(WINAPI*)();
        auto* isActive =
            reinterpret_cast<IsThemeActiveFn>(reinterpret_cast<void*>(::GetProcAddress(uxtheme, "IsThemeActive")));
        return !(isActive && isActive());
    }();
    return classic;
}
int Luminance(COLORREF c) { return GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11; }

// One cell of a glyph strip resource: its pixels and its transparent colour (lower-left pixel).
struct GlyphCell {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF transparent = 0;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};
GlyphCell LoadCell(const char* resource, int cells, int index) {
    const fw::UniqueBitmap bitmap = fw::LoadBitmapResource(resource);
    const SIZE size = fw::BitmapSize(bitmap.Get());
    const fw::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const fw::SelectScope selected(dc.Get(), bitmap.Get());
    GlyphCell cell;
    cell.width = size.cx / cells;
    cell.height = size.cy;
    cell.transparent = ::GetPixel(dc.Get(), 0, size.cy - 1);
    for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x) cell.pixels.push_back(::GetPixel(dc.Get(), index * cell.width + x, y));
    return cell;
}

// The host window: client 480 x 300 at (40, 40).
class DrawingTest : public wintest::ControlHostTest {
protected:
    DrawingTest() : ControlHostTest({40, 40, 480, 300}) {}

    // Paints the control into a bitmap of its size over the window's colour, as the window does.
    static std::unique_ptr<Pixels> Render(fw::Control& control) {
        auto pixels = std::make_unique<Pixels>(control.Width(), control.Height(), kWindowColour);
        fw::Canvas canvas(pixels->Dc());
        control.Paint(canvas);
        return pixels;
    }
    // The form as it shows on the screen, shown without taking the activation.
    std::unique_ptr<Pixels> Screen() {
        HWND hwnd = form_.Handle();
        ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
        ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT client{};
        ::GetClientRect(hwnd, &client);
        auto pixels = std::make_unique<Pixels>(client.right, client.bottom, RGB(1, 2, 3));
        const fw::WindowDc dc(hwnd);
        ::BitBlt(pixels->Dc(), 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
        return pixels;
    }
    static void Press(HWND hwnd, int x, int y) {
        ::PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        Pump();
    }
    static void Release(HWND hwnd, int x, int y) {
        ::PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        Pump();
    }
};

// --- Push button ------------------------------------------------------------------------------

constexpr const char* kGrabButton = R"(
  object EclButton1: TEclButton
    Left = 20
    Top = 20
    Width = 205
    Height = 45
    Caption = 'GRAB CENTRAL INVENTORY'
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    TabOrder = 0
  end
)";

class ButtonDrawing : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        Load(kGrabButton);
        const SIZE text = TextSize("GRAB CENTRAL INVENTORY", "MS Sans Serif", -11, true);
        // The caption box (2 pixels larger than the text) centred in the content rectangle, 3
        // pixels inside the 205 x 45 face, then one pixel right and down.
        const int left = 3 + (199 - (text.cx + 2)) / 2 + 1;
        const int top = 3 + (39 - (text.cy + 2)) / 2 + 1;
        textArea_ = {left, top, left + text.cx, top + text.cy};
    }
    TEclButton& Button() { return Get<TEclButton>("EclButton1"); }
    // Inside the face, clear of its edges and of the focus rectangle.
    static constexpr RECT kInside{6, 6, 205 - 6, 45 - 6};
    RECT textArea_{};
};

TEST_F(ButtonDrawing, CaptionIsCentredInTheFontColourOnTheWindowColour) {
    const auto px = Render(Button());
    const COLORREF ink = Sys(COLOR_WINDOWTEXT);
    const RECT ink_bounds = px->Bounds(kInside, ink);
    ASSERT_GT(px->Count(kInside, ink), 0) << "the caption is drawn";
    EXPECT_GE(ink_bounds.left, textArea_.left);
    EXPECT_LE(ink_bounds.right, textArea_.right);
    EXPECT_GE(ink_bounds.top, textArea_.top);
    EXPECT_LE(ink_bounds.bottom, textArea_.bottom);
    // Centred: what is left free on either side differs by the glyphs' side bearings only.
    EXPECT_NEAR(ink_bounds.left - 3, 202 - ink_bounds.right, 4);
    if (Classic()) {
        EXPECT_EQ(px->At(100, 8), kWindowColour) << "the face takes the window's colour";
    }
    EXPECT_EQ(px->Count(kInside, Sys(COLOR_GRAYTEXT)), 0);
}

TEST_F(ButtonDrawing, DisabledCaptionIsGreyAndSunken) {
    Button().SetEnabled(false);
    const auto px = Render(Button());
    const RECT sunken{textArea_.left, textArea_.top, textArea_.right + 1, textArea_.bottom + 1};
    EXPECT_EQ(px->Count(kInside, Sys(COLOR_WINDOWTEXT)), 0) << "no caption in the font colour";
    EXPECT_GT(px->Count(textArea_, Sys(COLOR_GRAYTEXT)), 0);
    EXPECT_GT(px->Count(sunken, Sys(COLOR_BTNHIGHLIGHT)), 0) << "the light copy below and right of the grey";
    // Nothing of the caption strays outside its box.
    const RECT grey = px->Bounds(kInside, Sys(COLOR_GRAYTEXT));
    EXPECT_GE(grey.left, textArea_.left);
    EXPECT_LE(grey.bottom, textArea_.bottom);
}

TEST_F(ButtonDrawing, RaisedWhenUpPushedWithBlackAndGreyOutlinesWhenHeld) {
    const wintest::ThemeSwitch classic(false);  // the library draws the classic face whatever the platform has
    const auto up = Render(Button());
    EXPECT_EQ(up->At(204, 44), Sys(COLOR_3DDKSHADOW)) << "the raised edge's dark corner";
    EXPECT_NE(up->At(0, 0), RGB(0, 0, 0));

    Show();
    Press(Button().Handle(), 100, 20);
    ASSERT_EQ(Button().State(), ecl::ButtonState::Pushed);
    const auto pushed = Render(Button());
    EXPECT_EQ(pushed->At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(pushed->At(204, 44), RGB(0, 0, 0));
    EXPECT_EQ(pushed->At(1, 1), RGB(128, 128, 128));
    EXPECT_EQ(pushed->At(203, 43), RGB(128, 128, 128));
    // The caption moves one pixel right and down.
    const RECT a = up->Bounds(kInside, Sys(COLOR_WINDOWTEXT));
    const RECT b = pushed->Bounds(kInside, Sys(COLOR_WINDOWTEXT));
    EXPECT_EQ(b.left, a.left + 1);
    EXPECT_EQ(b.top, a.top + 1);
    Release(Button().Handle(), 100, 20);
}

TEST_F(ButtonDrawing, FocusedButtonHasTheDarkOutlineAndTheFocusRectangle) {
    const wintest::ThemeSwitch classic(false);  // the library draws the classic face whatever the platform has
    const auto before = Render(Button());
    form_.Show();
    Button().SetFocus();
    Pump();
    ASSERT_TRUE(Button().Focused());
    const auto focused = Render(Button());
    EXPECT_EQ(focused->At(0, 0), Sys(COLOR_WINDOWFRAME));
    EXPECT_EQ(focused->At(204, 44), Sys(COLOR_WINDOWFRAME));
    // The dotted rectangle runs 3 pixels inside the face, which starts inside the outline.
    const RECT focusRow{10, 4, 195, 5};
    EXPECT_EQ(before->Count(focusRow, kWindowColour), 185) << "nothing there without the focus";
    EXPECT_GT(focused->Count(focusRow, [](COLORREF c) { return c != kWindowColour; }), 50);
}

TEST_F(ButtonDrawing, HighContrastDrawsInTheSystemColoursAndFollowsTheSetting) {
    const wintest::ThemeSwitch classic(false);  // the face is then the button's own fill
    struct FakeContrast final : fw::HighContrastPlatform {
        bool on = false;
        bool On() override { return on; }
    } contrast;
    struct Forget {
        ~Forget() { fw::RefreshHighContrast(); }  // after the seam's scope, so the system's is read again
    } forget;
    const fw::ScopedSeam<fw::HighContrastPlatform> seam(contrast);
    fw::RefreshHighContrast();
    const POINT window{300, 150}, face{20 + 100, 20 + 8};
    const auto seen = [&](COLORREF windowColour, COLORREF faceColour, const char* when) {
        const auto px = Screen();
        EXPECT_EQ(px->At(window.x, window.y), windowColour) << when;
        EXPECT_EQ(px->At(face.x, face.y), faceColour) << when;
    };
    seen(kWindowColour, kWindowColour, "off: the stored colours");

    // The setting is read again only when the system says that something changed.
    contrast.on = true;
    ::SendMessageA(form_.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    EXPECT_TRUE(::GetUpdateRect(form_.Handle(), nullptr, FALSE)) << "the change repaints";
    seen(Sys(COLOR_WINDOW), Sys(COLOR_BTNFACE), "on");
    ASSERT_NE(Sys(COLOR_WINDOW), kWindowColour);
    ASSERT_NE(Sys(COLOR_BTNFACE), kWindowColour);

    contrast.on = false;
    ::SendMessageA(form_.Handle(), WM_SYSCOLORCHANGE, 0, 0);
    seen(kWindowColour, kWindowColour, "off again");
}

// --- Speed button -----------------------------------------------------------------------------

constexpr const char* kCommandButtons = R"(
  object ExitButton: TEclSpeedButton
    Left = 300
    Top = 200
    Width = 70
    Height = 30
    Caption = 'Exit'
    Glyph = EXITGLYPH
    NumGlyphs = 2
  end
  object AboutButton: TEclSpeedButton
    Left = 380
    Top = 200
    Width = 70
    Height = 30
    Caption = 'About'
    Glyph = ABOUTGLYPH
  end
)";

class SpeedButtonDrawing : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        Load(kCommandButtons);
    }
    // Top-left of an 18 x 18 glyph beside the caption, centred as a block in the content
    // rectangle 2 pixels inside the 70 x 30 face.
    static POINT GlyphAt(const std::string& caption) {
        const SIZE text = TextSize(caption, "MS Sans Serif", -11, false);
        const int blockW = 18 + 2 + text.cx + 2, blockH = std::max(18, int(text.cy) + 2);
        return {2 + (66 - blockW) / 2, 2 + (26 - blockH) / 2 + (blockH - 18) / 2};
    }
    // Pixels of the cell that differ from the drawn ones. The cell's transparent pixels show the
    // face, which in the classic look is the window's colour.
    static int Mismatches(const Pixels& px, POINT at, const GlyphCell& cell) {
        int wrong = 0;
        for (int y = 0; y < cell.height; ++y)
            for (int x = 0; x < cell.width; ++x) {
                const bool transparent = cell.At(x, y) == cell.transparent;
                if (transparent && !Classic()) continue;
                const COLORREF want = transparent ? kWindowColour : cell.At(x, y);
                if (px.At(at.x + x, at.y + y) != want) ++wrong;
            }
        return wrong;
    }
};

TEST_F(SpeedButtonDrawing, EnabledShowsTheFirstCellAndDisabledTheSecond) {
    auto& exit = Get<TEclSpeedButton>("ExitButton");
    const POINT at = GlyphAt("Exit");
    const GlyphCell first = LoadCell("EXITGLYPH", 2, 0), second = LoadCell("EXITGLYPH", 2, 1);
    ASSERT_NE(first.pixels, second.pixels);

    const auto enabled = Render(exit);
    EXPECT_EQ(Mismatches(*enabled, at, first), 0);
    exit.SetEnabled(false);
    const auto disabled = Render(exit);
    EXPECT_EQ(Mismatches(*disabled, at, second), 0);

    // The caption follows the glyph: in the font colour, or grey when disabled.
    const RECT caption{at.x + 18, 4, 66, 26};
    EXPECT_GT(enabled->Count(caption, Sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_EQ(disabled->Count(caption, Sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(disabled->Count(caption, Sys(COLOR_GRAYTEXT)), 0);
}

TEST_F(SpeedButtonDrawing, OneCellGlyphIsGreyedWhenDisabled) {
    auto& about = Get<TEclSpeedButton>("AboutButton");
    const POINT at = GlyphAt("About");
    const GlyphCell cell = LoadCell("ABOUTGLYPH", 1, 0);
    EXPECT_EQ(Mismatches(*Render(about), at, cell), 0);

    about.SetEnabled(false);
    const auto px = Render(about);
    const RECT glyph{at.x, at.y, at.x + 18, at.y + 18};
    EXPECT_GT(Mismatches(*px, at, cell), 0);
    // Only greys (and the face showing through) are left of the dark-blue picture.
    if (Classic()) {
        EXPECT_EQ(px->Count(glyph,
                            [](COLORREF c) {
                                return c != kWindowColour &&
                                       !(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c));
                            }),
                  0);
    }
    EXPECT_GT(px->Count(glyph, [](COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); }),
              0)
        << "the shape still shows, in greys";
}

TEST_F(SpeedButtonDrawing, PushedIsSunkenAndMovesTheContent) {
    const wintest::ThemeSwitch classic(false);  // the library draws the classic face whatever the platform has
    auto& exit = Get<TEclSpeedButton>("ExitButton");
    const auto up = Render(exit);
    EXPECT_EQ(up->At(69, 29), Sys(COLOR_3DDKSHADOW)) << "raised: the dark corner at the bottom right";

    Show();
    Press(form_.Handle(), 330, 210);
    ASSERT_EQ(exit.State(), ecl::ButtonState::Pushed);
    const auto pushed = Render(exit);
    EXPECT_EQ(pushed->At(0, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(pushed->At(69, 29), Sys(COLOR_BTNHIGHLIGHT));
    const POINT at = GlyphAt("Exit");
    EXPECT_EQ(Mismatches(*pushed, {at.x + 1, at.y + 1}, LoadCell("EXITGLYPH", 2, 0)), 0);
    Release(form_.Handle(), 330, 210);
}

// --- Faces with the visual style -------------------------------------------------------------

constexpr const char* kBareButtons = R"(
  object Push: TEclButton
    Left = 20
    Top = 20
    Width = 205
    Height = 45
    UseCaption = False
  end
  object Speed: TEclSpeedButton
    Left = 300
    Top = 200
    Width = 70
    Height = 30
    UseCaption = False
  end
)";

class StyledFaceDrawing : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        Load(kBareButtons);
    }
    // The theme's own push button part over the rectangle grown by one pixel and clipped to it.
    static std::unique_ptr<Pixels> Reference(int width, int height, int state) {
        auto pixels = std::make_unique<Pixels>(width, height, kWindowColour);
        ecl::ThemeData theme(L"BUTTON");
        const RECT grown{-1, -1, width + 1, height + 1}, clip{0, 0, width, height};
        EXPECT_TRUE(theme.DrawBackground(nullptr, pixels->Dc(), BP_PUSHBUTTON, state, grown, &clip));
        return pixels;
    }
    // Pixels that differ, leaving out the outline of `skip` (a focus rectangle) when given.
    static int Differences(const Pixels& a, const Pixels& b, int width, int height, const RECT* skip = nullptr) {
        int n = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const bool inSkip = skip && x >= skip->left && x < skip->right && y >= skip->top && y < skip->bottom;
                const bool onSkip =
                    inSkip && (x == skip->left || x == skip->right - 1 || y == skip->top || y == skip->bottom - 1);
                if (!onSkip && a.At(x, y) != b.At(x, y)) ++n;
            }
        return n;
    }
    TEclButton& Push() { return Get<TEclButton>("Push"); }
    TEclSpeedButton& Speed() { return Get<TEclSpeedButton>("Speed"); }
};

TEST_F(StyledFaceDrawing, EveryStateIsTheThemesOwnPushButton) {
    if (!ecl::ThemeActive()) GTEST_SKIP() << "no visual style active";
    const wintest::PointerAway away;  // nothing is hot before the test makes it so
    Show();
    ::SetFocus(nullptr);
    Pump();
    TEclSpeedButton& speed = Speed();
    TEclButton& push = Push();
    const HWND pushWindow = push.Handle();
    const RECT pushFocus{2, 2, 205 - 2, 45 - 2};
    struct Step {
        const char* name;
        std::function<void()> enter;
        int state;
    } steps[] = {
        {"up", [] {}, PBS_NORMAL},
        {"hot",
         [&] {
             speed.MouseEnter();
             ::SendMessageA(pushWindow, WM_MOUSEMOVE, 0, MAKELPARAM(100, 20));
         },
         PBS_HOT},
        {"pushed",
         [&] {
             speed.MouseDown(5, 5);
             ::SendMessageA(pushWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 20));
         },
         PBS_PRESSED},
        {"disabled",
         [&] {
             speed.MouseUp(-1, -1);
             ::SendMessageA(pushWindow, WM_LBUTTONUP, 0, MAKELPARAM(-5, -5));
             speed.SetEnabled(false);
             push.SetEnabled(false);
         },
         PBS_DISABLED},
    };
    for (const Step& step : steps) {
        step.enter();
        const auto speedFace = Render(speed);
        EXPECT_EQ(Differences(*speedFace, *Reference(70, 30, step.state), 70, 30), 0) << "speed button " << step.name;
        // The focused push button adds its dotted rectangle 2 pixels inside.
        const auto pushFace = Render(push);
        const auto pushReference = Reference(205, 45, step.state);
        const RECT* focus = push.Focused() ? &pushFocus : nullptr;
        EXPECT_EQ(Differences(*pushFace, *pushReference, 205, 45, focus), 0) << "push button " << step.name;
        if (focus) {
            EXPECT_GT(Differences(*pushFace, *pushReference, 205, 45), 0) << "the focus rectangle shows";
        }
    }
    // Hot and pressed look different from up, so a face stuck in one state is caught (Wine's
    // light theme draws the disabled face as the normal one).
    for (int state : {PBS_HOT, PBS_PRESSED})
        EXPECT_GT(Differences(*Reference(70, 30, PBS_NORMAL), *Reference(70, 30, state), 70, 30), 0) << state;
}

TEST_F(StyledFaceDrawing, SwitchOffOrCtlXPFalseGiveTheClassicFace) {
    const COLORREF dark = Sys(COLOR_3DDKSHADOW);
    struct Case {
        bool switchOn, ctlXP;
    } cases[] = {{true, true}, {false, true}, {true, false}};
    for (const Case& c : cases) {
        wintest::ThemeSwitch scope(c.switchOn);
        Speed().Face().SetCtlXP(c.ctlXP);
        Push().Face().SetCtlXP(c.ctlXP);
        const bool styled = c.switchOn && c.ctlXP && ecl::ThemeActive();
        const auto speed = Render(Speed());
        const auto push = Render(Push());
        const std::string which =
            std::string("switch ") + (c.switchOn ? "on" : "off") + ", CtlXP " + (c.ctlXP ? "True" : "False");
        if (styled) {
            EXPECT_EQ(Differences(*speed, *Reference(70, 30, PBS_NORMAL), 70, 30), 0) << which;
            EXPECT_EQ(Differences(*push, *Reference(205, 45, PBS_NORMAL), 205, 45), 0) << which;
            continue;
        }
        // The raised classic edges: the dark corner at the bottom right, the window's colour inside.
        EXPECT_EQ(speed->At(69, 29), dark) << which;
        EXPECT_EQ(push->At(204, 44), dark) << which;
        EXPECT_EQ(speed->At(35, 15), kWindowColour) << which;
        EXPECT_EQ(push->At(100, 22), kWindowColour) << which;
        if (ecl::ThemeActive()) {
            EXPECT_GT(Differences(*speed, *Reference(70, 30, PBS_NORMAL), 70, 30), 0) << which;
        }
    }
}

// --- Effects label ----------------------------------------------------------------------------

using LabelDrawing = DrawingTest;

TEST_F(LabelDrawing, TransparentLabelLeavesItsColourUnpainted) {
    Load(R"(
  object L: TEclLabel
    Caption = 'Grab Data'
    Color = clRed
  end
)");
    auto& label = Get<TEclLabel>("L");
    const SIZE text = TextSize("Grab Data", "MS Sans Serif", -11, false);
    ASSERT_EQ(label.Width(), text.cx + 2);
    auto px = Render(label);
    EXPECT_EQ(px->At(label.Width() - 1, label.Height() - 1), kWindowColour);
    EXPECT_EQ(px->Count({0, 0, label.Width(), label.Height()}, RGB(255, 0, 0)), 0);
    EXPECT_GT(px->Count({0, 0, text.cx, text.cy}, Sys(COLOR_WINDOWTEXT)), 0) << "text from the top-left corner";

    label.SetTransparent(false);
    px = Render(label);
    EXPECT_EQ(px->At(label.Width() - 1, label.Height() - 1), RGB(255, 0, 0)) << "opaque: filled with Color";
    EXPECT_EQ(px->At(0, label.Height() - 1), RGB(255, 0, 0));
    EXPECT_GT(px->Count({0, 0, text.cx, text.cy}, Sys(COLOR_WINDOWTEXT)), 0);
}

TEST_F(LabelDrawing, DisabledLabelIsGreyWithoutTheSunkenCopy) {
    Load(R"(
  object L: TEclLabel
    Caption = 'Grab Data'
    Enabled = False
  end
)");
    auto& label = Get<TEclLabel>("L");
    const auto px = Render(label);
    const RECT all{0, 0, label.Width(), label.Height()};
    EXPECT_GT(px->Count(all, Sys(COLOR_GRAYTEXT)), 0);
    EXPECT_EQ(px->Count(all, Sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_EQ(px->Count(all, Sys(COLOR_BTNHIGHLIGHT)), 0);
}

TEST_F(LabelDrawing, BannerShowsBlackTextOnTheWindowAndHidesItWhileTwinkling) {
    Load(kBanner);
    auto& banner = Get<TEclLabel>("OfflineLabel");
    const RECT area{banner.Left(), banner.Top(), banner.Left() + banner.Width(), banner.Top() + banner.Height()};
    const int lineHeight = (banner.Height() - 2) / 2;
    const RECT firstLine{area.left, area.top, area.right, area.top + lineHeight};
    const RECT secondLine{area.left, area.top + lineHeight, area.right, area.bottom};

    auto screen = Screen();
    ASSERT_TRUE(banner.TextShown());
    EXPECT_GT(screen->Count(firstLine, RGB(0, 0, 0)), 0);
    EXPECT_GT(screen->Count(secondLine, RGB(0, 0, 0)), 0);
    // Left-aligned from the label's left edge; the label's black Color never shows.
    EXPECT_LE(screen->Bounds(area, RGB(0, 0, 0)).left, area.left + 3);
    EXPECT_EQ(screen->At(area.right - 1, area.bottom - 1), kWindowColour);
    EXPECT_EQ(screen->At(area.left, area.bottom - 1), kWindowColour);

    banner.SetTwinkleInVisible(5000);
    ASSERT_TRUE(PumpUntil([&] { return !banner.TextShown(); }, 5s));
    screen = Screen();
    EXPECT_EQ(screen->Count(area, RGB(0, 0, 0)), 0) << "hidden phase: only the window beneath";
    EXPECT_EQ(screen->Count(area, kWindowColour), (area.right - area.left) * (area.bottom - area.top));
}

// --- Radio group ------------------------------------------------------------------------------

class RadioGroupDrawing : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        Load(wintest::StoredRadioGroup(nullptr));
    }
    TEclRadioGroup& Group() { return Get<TEclRadioGroup>("EclRadioGroup1"); }
    // The group with its item windows painted over it where they stand, as the screen shows them.
    std::unique_ptr<Pixels> RenderGroup() {
        auto px = Render(Group());
        for (int i = 0; i < Group().ItemCount(); ++i) {
            TEclRadioGroupButton& item = Group().Item(i);
            const fw::SaveDcScope save(px->Dc());
            ::SetViewportOrgEx(px->Dc(), item.Left(), item.Top(), nullptr);
            ::IntersectClipRect(px->Dc(), 0, 0, item.Width(), item.Height());
            fw::Canvas canvas(px->Dc());
            item.Paint(canvas);
        }
        return px;
    }
    // The 13 x 13 mark of item i: at the item's left (narrowed by one pixel), centred with the
    // text in the row.
    RECT Mark(int i) {
        const fw::Rect item = Group().ItemRects().at(static_cast<size_t>(i));
        const SIZE text = TextSize("32 Bit Operating System", "MS Sans Serif", -11, false);
        const int blockH = std::max(13, int(text.cy) + 2);
        const int top = item.top + (item.Height() - blockH) / 2 + (blockH - 13) / 2;
        return {item.left + 1, top, item.left + 14, top + 13};
    }
    RECT Text(int i) {
        const fw::Rect item = Group().ItemRects().at(static_cast<size_t>(i));
        return {item.left + 1 + 13 + 5, item.top, item.right, item.bottom};
    }
    static COLORREF Centre(const Pixels& px, const RECT& r) { return px.At(r.left + 6, r.top + 6); }
};

TEST_F(RadioGroupDrawing, SelectedItemCarriesTheMark) {
    auto px = RenderGroup();
    const auto notBackground = [](COLORREF c) { return c != kWindowColour; };
    EXPECT_GT(px->Count(Mark(0), notBackground), 20) << "both items show a mark";
    EXPECT_GT(px->Count(Mark(1), notBackground), 20);
    EXPECT_LT(Luminance(Centre(*px, Mark(0))), Luminance(Centre(*px, Mark(1)))) << "the dot of the selected item";
    EXPECT_GT(px->Count(Text(0), Sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(px->Count(Text(1), Sys(COLOR_WINDOWTEXT)), 0);

    Group().SetItemIndex(1);
    px = RenderGroup();
    EXPECT_GT(Luminance(Centre(*px, Mark(0))), Luminance(Centre(*px, Mark(1)))) << "the mark moved";

    Group().SetItemIndex(-1);
    px = RenderGroup();
    EXPECT_EQ(Centre(*px, Mark(0)), Centre(*px, Mark(1))) << "nothing selected: two empty marks";
}

TEST_F(RadioGroupDrawing, DisabledGroupGreysMarksAndTexts) {
    const auto enabled = RenderGroup();
    Group().SetEnabled(false);
    const auto disabled = RenderGroup();
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(disabled->Count(Text(i), Sys(COLOR_WINDOWTEXT)), 0);
        EXPECT_GT(disabled->Count(Text(i), Sys(COLOR_GRAYTEXT)), 0);
    }
    EXPECT_NE(Centre(*disabled, Mark(0)), Centre(*enabled, Mark(0))) << "the selected dot is greyed";
}

TEST_F(RadioGroupDrawing, CaptionIsSetIntoTheFrameLine) {
    if (!Classic()) GTEST_SKIP() << "the theme draws the frame and colours the caption";
    const auto px = Render(Group());
    const int captionHeight = TextSize("W", "MS Sans Serif", -16, true).cy;
    const SIZE caption = TextSize("SELECT OS TYPE", "MS Sans Serif", -16, true);
    const int line = captionHeight / 2 - 1;  // the frame's top edge
    // The etched line: shadow over highlight, as on the left side.
    EXPECT_EQ(px->At(0, 40), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(px->At(1, 40), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(px->At(7, line), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(px->At(7, line + 1), Sys(COLOR_BTNHIGHLIGHT));
    // Cleared from 2 pixels left of the caption (at CaptionOffset 10) to the end of its box.
    EXPECT_EQ(px->At(8, line), kWindowColour);
    EXPECT_EQ(px->At(9, line), kWindowColour);
    const int captionEnd = 10 + caption.cx + 2;
    EXPECT_EQ(px->At(captionEnd - 1, line), kWindowColour);
    EXPECT_EQ(px->At(captionEnd, line), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(px->At(200, line), Sys(COLOR_BTNSHADOW));
    // The caption itself, in the caption font's colour, from x = 10.
    const RECT box{10, 0, captionEnd, captionHeight + 2};
    EXPECT_GT(px->Count(box, Sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_GE(px->Bounds({0, 0, 205, captionHeight + 2}, Sys(COLOR_WINDOWTEXT)).left, 10);
}

// Each item window painted alone, over the group's face beneath it.
std::unique_ptr<Pixels> RenderItem(TEclRadioGroupButton& item) {
    auto px = std::make_unique<Pixels>(item.Width(), item.Height(), RGB(1, 2, 3));
    fw::Canvas canvas(px->Dc());
    item.Paint(canvas);
    return px;
}

// The pixels of r that differ between two pictures of the same size.
int Differences(const Pixels& a, const Pixels& b, const RECT& r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (a.At(x, y) != b.At(x, y)) ++n;
    return n;
}

// The bounds of the pixels of r that differ between two pictures (empty when none).
fw::Rect DifferenceBounds(const Pixels& a, const Pixels& b, const RECT& r) {
    RECT d{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (a.At(x, y) != b.At(x, y)) {
                d = {std::min(d.left, LONG(x)), std::min(d.top, LONG(y)), std::max(d.right, LONG(x + 1)),
                     std::max(d.bottom, LONG(y + 1))};
            }
    if (d.left == LONG_MAX) return {};
    return {int(d.left), int(d.top), int(d.right), int(d.bottom)};
}

TEST_F(RadioGroupDrawing, ItemWindowShowsTheGroupsFaceAndItsMark) {
    const auto group = Render(Group());
    TEclRadioGroupButton& item = Group().Item(1);
    const auto px = RenderItem(item);
    // Left of the mark the item is transparent: the group's background shows through.
    for (int y = 0; y < item.Height(); ++y) EXPECT_EQ(px->At(0, y), group->At(item.Left(), item.Top() + y)) << y;
    const RECT mark = Mark(1);
    const RECT inItem{mark.left - item.Left(), mark.top - item.Top(), mark.right - item.Left(),
                      mark.bottom - item.Top()};
    EXPECT_GT(px->Count(inItem, [](COLORREF c) { return c != kWindowColour; }), 20);
}

TEST_F(RadioGroupDrawing, ClassicMarkShowsNoPressedLook) {
    const wintest::ThemeSwitch classic(false);
    Show();
    TEclRadioGroupButton& item = Group().Item(0);
    const auto before = RenderItem(item);
    Press(item.Handle(), 20, item.Height() / 2);
    ASSERT_TRUE(item.Pressed());
    const auto pressed = RenderItem(item);
    Release(item.Handle(), 20, item.Height() / 2);
    const RECT mark = Mark(0);
    const RECT inItem{mark.left - item.Left(), mark.top - item.Top(), mark.right - item.Left(),
                      mark.bottom - item.Top()};
    EXPECT_GT(before->Count(inItem, [](COLORREF c) { return c != kWindowColour; }), 20) << "a mark is drawn";
    EXPECT_EQ(Differences(*before, *pressed, inItem), 0) << "the held button changes nothing of the mark";
}

TEST_F(RadioGroupDrawing, FocusRectangleFollowsFocusStyleAndIsDottedInFocusColor) {
    const wintest::ThemeSwitch classic(false);
    Show();
    TEclRadioGroupButton& item = Group().Item(0);
    ::SetFocus(nullptr);
    ASSERT_FALSE(item.Focused());
    const auto unfocused = RenderItem(item);
    item.SetFocus();
    ASSERT_TRUE(item.Focused());
    const RECT all{0, 0, item.Width(), item.Height()};
    const RECT mark = Mark(0);
    const RECT glyph{mark.left - item.Left(), mark.top - item.Top(), mark.right - item.Left(),
                     mark.bottom - item.Top()};

    Group().SetFocusStyle(TEclFocusStyle::fcNone);
    EXPECT_EQ(Differences(*unfocused, *RenderItem(item), all), 0) << "fcNone";
    Group().SetFocusStyle(TEclFocusStyle::fcControl);
    EXPECT_EQ(DifferenceBounds(*unfocused, *RenderItem(item), all), (fw::Rect{0, 0, item.Width(), item.Height()}))
        << "fcControl: the whole item";
    Group().SetFocusStyle(TEclFocusStyle::fcGlyph);
    EXPECT_EQ(DifferenceBounds(*unfocused, *RenderItem(item), all),
              (fw::Rect{int(glyph.left), int(glyph.top), int(glyph.right), int(glyph.bottom)}))
        << "fcGlyph";
    Group().SetFocusStyle(TEclFocusStyle::fcText);
    const fw::Rect text = DifferenceBounds(*unfocused, *RenderItem(item), all);
    EXPECT_GE(text.left, glyph.right) << "fcText: right of the mark";
    EXPECT_GT(text.right - text.left, 50) << "around the text";
    Group().SetFocusStyle(TEclFocusStyle::fcGlyphText);
    const fw::Rect both = DifferenceBounds(*unfocused, *RenderItem(item), all);
    EXPECT_EQ(both.left, glyph.left) << "fcGlyphText";
    EXPECT_EQ(both.right, text.right);

    // A dotted frame in FocusColor: every other pixel of the item's edge.
    Group().SetFocusStyle(TEclFocusStyle::fcControl);
    Group().SetFocusColor(fw::clRed);
    Group().SetUseFocusColor(true);
    const auto dotted = RenderItem(item);
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_EQ(dotted->Count({0, 0, item.Width(), 1}, red), (item.Width() + 1) / 2);
    EXPECT_EQ(dotted->Count({0, 0, 1, item.Height()}, red), (item.Height() + 1) / 2);
    EXPECT_EQ(dotted->At(1, 0), unfocused->At(1, 0)) << "the gaps show what lies beneath";
    EXPECT_EQ(Differences(*unfocused, *dotted, {1, 1, item.Width() - 1, item.Height() - 1}), 0)
        << "nothing drawn inside the frame";
}

TEST_F(RadioGroupDrawing, BottomCaptionSitsOnTheBottomLineAndTheItemsMoveUp) {
    if (!Classic()) GTEST_SKIP() << "the theme draws the frame and colours the caption";
    Group().SetAlignment(TEclGroupCaptionAlign::gcaBottomLeft);
    const int h = TextSize("W", "MS Sans Serif", -16, true).cy;
    const auto px = Render(Group());
    const int line = 81 - (h / 2 - 1) - 1;  // the frame's bottom edge: highlight outside, shadow inside
    EXPECT_EQ(px->At(0, 0), Sys(COLOR_BTNSHADOW)) << "the frame's top is the group's";
    EXPECT_EQ(px->At(100, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(px->At(200, line), Sys(COLOR_BTNHIGHLIGHT)) << "right of the caption";
    EXPECT_EQ(px->At(200, line - 1), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(px->At(8, line - 1), kWindowColour) << "cleared from 2 pixels left of the caption";
    EXPECT_EQ(px->Count({0, 0, 205, 81 - h - 2}, Sys(COLOR_WINDOWTEXT)), 0) << "no caption above its strip";
    EXPECT_GT(px->Count({10, 81 - h - 2, 205, 81}, Sys(COLOR_WINDOWTEXT)), 0) << "the caption in the bottom strip";
    EXPECT_EQ(Group().Item(0).Top(), 4) << "below the frame, not below a caption";
    EXPECT_LE(Group().Item(1).Top() + Group().Item(1).Height(), 81 - h);
}

// A caption on the left reads upwards, one on the right downwards, each set into its frame line.
TEST_F(RadioGroupDrawing, SideCaptionsAreTurnedIntoTheirFrameLine) {
    if (!Classic()) GTEST_SKIP() << "the theme draws the frame and colours the caption";
    const COLORREF ink = Sys(COLOR_WINDOWTEXT);
    constexpr int kWidth = 205, kHeight = 180;  // tall enough for the turned caption
    Group().SetBounds(20, 20, kWidth, kHeight);
    for (const bool left : {true, false}) {
        SCOPED_TRACE(left ? "left" : "right");
        Group().SetAlignment(left ? TEclGroupCaptionAlign::gcaLeftTop : TEclGroupCaptionAlign::gcaRightTop);
        const fw::FontSpec font = Group().CaptionDrawFont();
        const bool turnable = ecl::IsTrueTypeFont(Group().CaptionFont());
        EXPECT_EQ(font.name, turnable ? Group().CaptionFont().name : std::string(ecl::kTrueTypeFace));
        EXPECT_TRUE(ecl::IsTrueTypeFont(font));
        const int h = Group().CaptionHeight();
        const auto px = Render(Group());

        const RECT strip = left ? RECT{0, 0, h + 2, kHeight} : RECT{kWidth - h - 2, 0, kWidth, kHeight};
        const RECT text = px->Bounds({0, 0, kWidth, kHeight}, ink);
        EXPECT_GE(text.left, strip.left);
        EXPECT_LE(text.right, strip.right);
        EXPECT_GE(text.top, 10) << "CaptionOffset from the top";
        EXPECT_GT(text.bottom - text.top, 3 * (text.right - text.left)) << "turned, not level";

        // The blank between "SELECT" and "OS" lies a word's length from where the reading starts:
        // the bottom for upward text, the top for downward text.
        const SIZE word = TextSize("SELECT", font.name.c_str(), font.height, true);
        const int blank = left ? text.bottom - word.cx - 2 : text.top + word.cx + 2;
        const auto anyInk = [](COLORREF c) { return c != kWindowColour; };
        EXPECT_EQ(px->Count({strip.left, blank - 1, strip.right, blank + 1}, anyInk), 0) << blank;

        // The frame line runs below the caption and is cleared beside it.
        const int line = h / 2 - 1;
        const int x = left ? line : kWidth - line - 1;
        EXPECT_EQ(px->At(x, kHeight - 3), Sys(left ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
        const RECT beside{x, text.top, x + 1, text.bottom};
        EXPECT_EQ(px->Count(beside, Sys(COLOR_BTNSHADOW)) + px->Count(beside, Sys(COLOR_BTNHIGHLIGHT)), 0);

        // The items keep clear of the caption's side.
        const fw::Rect item = Group().ItemRects().front();
        EXPECT_EQ(left ? item.left : kWidth - item.right, left ? h + 1 + 4 : h + 2);
    }
}

// The group's frame and an item's mark as the platform's visual style draws that part and state.
class RadioGroupThemedDrawing : public RadioGroupDrawing {
protected:
    void SetUp() override {
        RadioGroupDrawing::SetUp();
        if (Classic()) GTEST_SKIP() << "no visual style active";
    }
    // A picture over the window's colour with one part of the "Button" theme class drawn into r.
    static std::unique_ptr<Pixels> Reference(int width, int height, int part, int state, const RECT& r) {
        auto px = std::make_unique<Pixels>(width, height, kWindowColour);
        ecl::ThemeData theme(L"BUTTON");
        EXPECT_TRUE(theme.DrawBackground(nullptr, px->Dc(), part, state, r, nullptr));
        return px;
    }
};

TEST_F(RadioGroupThemedDrawing, FrameIsTheThemesGroupBoxNormalOrDisabled) {
    const int h = TextSize("W", "MS Sans Serif", -16, true).cy;
    const fw::Rect f = ecl::RadioFrameRect(205, 81, h);
    const RECT belowCaption{0, h + 2, 205, 81};
    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        Group().SetEnabled(enabled);
        const auto px = Render(Group());
        const auto ref =
            Reference(205, 81, BP_GROUPBOX, enabled ? GBS_NORMAL : GBS_DISABLED, {f.left, f.top, f.right, f.bottom});
        EXPECT_GT(ref->Count(belowCaption, [](COLORREF c) { return c != kWindowColour; }), 100) << "a frame";
        EXPECT_EQ(Differences(*px, *ref, belowCaption), 0);
    }
}

TEST_F(RadioGroupThemedDrawing, CaptionTakesTheThemesTextColourWhenAllowed) {
    Group().SetCaptionFont([&] {
        fw::FontSpec f = Group().CaptionFont();
        f.color = fw::clRed;
        return f;
    }());
    ecl::ThemeData theme(L"BUTTON");
    COLORREF themed = 0;
    ASSERT_TRUE(theme.Color(nullptr, BP_GROUPBOX, GBS_NORMAL, TMT_TEXTCOLOR, themed));
    ASSERT_NE(themed, RGB(255, 0, 0));
    const int h = TextSize("W", "MS Sans Serif", -16, true).cy;
    const RECT caption{10, 0, 205, h + 2};
    EXPECT_GT(Render(Group())->Count(caption, themed), 0);
    EXPECT_EQ(Render(Group())->Count(caption, RGB(255, 0, 0)), 0);
    Group().SetCtlXPCaptionColor(false);
    EXPECT_GT(Render(Group())->Count(caption, RGB(255, 0, 0)), 0) << "the caption font's own colour";
}

TEST_F(RadioGroupThemedDrawing, MarksAreTheThemesRadioPartInEachState) {
    Show();
    ecl::ThemeData theme(L"BUTTON");
    SIZE glyph{13, 13};
    {
        const fw::WindowDc dc(nullptr);
        ASSERT_TRUE(theme.PartSize(nullptr, dc.Get(), BP_RADIOBUTTON, RBS_UNCHECKEDNORMAL, glyph));
    }
    const int textH = TextSize("32 Bit Operating System", "MS Sans Serif", -11, false).cy + 2;
    struct Case {
        const char* what;
        int item;
        bool enabled, readOnly, press;
        int state;
    } cases[] = {
        {"checked", 0, true, false, false, RBS_CHECKEDNORMAL},
        {"unchecked", 1, true, false, false, RBS_UNCHECKEDNORMAL},
        {"checked, disabled", 0, false, false, false, RBS_CHECKEDDISABLED},
        {"unchecked, disabled", 1, false, false, false, RBS_UNCHECKEDDISABLED},
        {"held down, so checked", 1, true, false, true, RBS_CHECKEDPRESSED},
        {"held down on a read-only group", 1, true, true, true, RBS_UNCHECKEDPRESSED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Group().SetItemIndex(0);
        Group().SetEnabled(c.enabled);
        Group().SetReadOnly(c.readOnly);
        TEclRadioGroupButton& item = Group().Item(c.item);
        if (c.press) Press(item.Handle(), item.Width() - 2, item.Height() / 2);
        const auto px = RenderItem(item);
        if (c.press) Release(item.Handle(), item.Width() - 2, item.Height() / 2);
        const int block = std::max(int(glyph.cy), textH);
        const int top = (item.Height() - block) / 2 + (block - glyph.cy) / 2;
        const RECT r{1, top, 1 + glyph.cx, top + glyph.cy};
        const auto ref = Reference(item.Width(), item.Height(), BP_RADIOBUTTON, c.state, r);
        EXPECT_EQ(Differences(*px, *ref, r), 0);
    }
}

}  // namespace
