// The library's visual-style support: when a style is in force, and theme data that follows the
// platform's theme changes, for windowed and windowless controls alike.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "ThemeSwitch.h"
#include "controls/Theme_win.h"
#include "framework/Application_win.h"
#include "framework/Bitmaps_win.h"
#include "framework/Form_win.h"
#include "framework/Handles_win.h"

namespace {

using wintest::ThemeSwitch;

TEST(VisualStyle, InForceOnlyWithThePlatformsStyleTheSwitchAndCtlXP) {
    EXPECT_TRUE(ecl::VisualStylesEnabled()) << "the switch is on by default";
    const bool platform = ecl::ThemeActive();
    struct Case {
        bool switchOn, ctlXP, expected;
    } cases[] = {{true, true, platform}, {true, false, false}, {false, true, false}, {false, false, false}};
    for (const Case& c : cases) {
        ThemeSwitch scope(c.switchOn);
        EXPECT_EQ(ecl::VisualStyleInForce(c.ctlXP), c.expected) << "switch " << c.switchOn << " CtlXP " << c.ctlXP;
    }
}

// Counts the theme changes that reach it.
class Probe : public fw::Control {
public:
    using fw::Control::Control;
    void ThemeChanged() override { ++changes; }
    int changes = 0;
};
class WindowedProbe : public fw::WinControl {
public:
    using fw::WinControl::WinControl;
    void ThemeChanged() override {
        ++changes;
        fw::WinControl::ThemeChanged();
    }
    int changes = 0;
};

TEST(VisualStyle, ThemeChangeReachesWindowlessControlsThroughTheirParent) {
    std::optional<fw::Application> app;
    if (!fw::Application::Exists()) app.emplace();
    fw::Form form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    WindowedProbe panel(&form);
    panel.SetParent(&form);
    Probe inPanel(&form);
    inPanel.SetParent(&panel);
    Probe onForm(&form);
    onForm.SetParent(&form);
    ::SendMessageA(form.Handle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(onForm.changes, 1);
    EXPECT_GE(panel.changes, 1);
    EXPECT_EQ(inPanel.changes, panel.changes) << "each change the panel hears reaches its windowless child";
}

TEST(VisualStyle, ThemeDataDrawsAndOpensAgainAfterAReset) {
    if (!ecl::ThemeActive()) GTEST_SKIP() << "no visual style active";
    fw::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    DWORD* bits = nullptr;
    fw::UniqueBitmap bitmap = fw::CreatePixelBitmap(dc.Get(), 40, 20, &bits);
    fw::SelectScope select(dc.Get(), bitmap.Get());
    const RECT r{0, 0, 40, 20};
    ecl::ThemeData theme(L"BUTTON");
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 40 * 20; ++i) bits[i] = 0x123456;
        ASSERT_TRUE(theme.DrawBackground(nullptr, dc.Get(), BP_PUSHBUTTON, PBS_NORMAL, r, nullptr)) << round;
        ::GdiFlush();
        EXPECT_NE(bits[10 * 40 + 20] & 0xFFFFFF, 0x123456u) << "the face covers the middle, round " << round;
        theme.Reset();
    }
    ecl::ThemeData none(L"NO SUCH CLASS");
    EXPECT_FALSE(none.DrawBackground(nullptr, dc.Get(), BP_PUSHBUTTON, PBS_NORMAL, r, nullptr));
}

}  // namespace
