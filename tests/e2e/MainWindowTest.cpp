#include "Deployment.h"
#include "Dialog.h"
#include "Input.h"
#include "Stockdraw.h"

#include "AccessibleReading.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using namespace e2e;

namespace {

// The command buttons are windowless: the main window paints them and takes their clicks.
constexpr RECT kHelpButton{499, 453, 569, 483};
constexpr RECT kAboutButton{575, 453, 645, 483};
constexpr RECT kExitButton{651, 453, 721, 483};

POINT CenterOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

// The pixels of a rectangle of the window's client area as the screen shows them.
std::vector<DWORD> ScreenPixels(HWND window, const RECT& client) {
    const int w = client.right - client.left, h = client.bottom - client.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<DWORD> pixels;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, w, h, screen, client.left, client.top, SRCCOPY);
        GdiFlush();
        const DWORD* p = static_cast<const DWORD*>(bits);
        for (int i = 0; i < w * h; ++i) pixels.push_back(p[i] & 0xFFFFFF);
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return pixels;
}

bool VisualStyleActive() {
    HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
    if (!uxtheme) return false;
    using IsThemeActiveFn = BOOL(WINAPI*)();
    auto* active = reinterpret_cast<IsThemeActiveFn>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsThemeActive")));
    return active && active();
}

bool HasFocusWithin(HWND control, HWND focus) { return focus && (focus == control || IsChild(control, focus)); }

// Waits until the program has ended or shows a dialog; the exit code when it ended without one.
std::optional<DWORD> ExitCodeWithoutQuestion(StockdrawSession& app) {
    HWND question = nullptr;
    WaitUntil([&] {
        question = FindDialog(app.Pid());
        return question || !app.Process().IsRunning();
    });
    EXPECT_EQ(question, nullptr) << "asked: " << Describe(question);
    return question ? std::nullopt : app.Process().WaitForExit(0ms);
}

}  // namespace

TEST(MainWindow, OpensAtItsStoredPlaceWithAFixedDialogFrame) {
    StockdrawSession app;
    HWND form = app.MainForm();

    EXPECT_EQ(Text(form), kTitle);
    const RECT rect = WindowRect(form);
    EXPECT_EQ(rect.left, 122);
    EXPECT_EQ(rect.top, 29);
    const SIZE client = ClientSize(form);
    EXPECT_EQ(client.cx, 754);
    EXPECT_EQ(client.cy, 518);

    const LONG_PTR style = Style(form);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME) << "resizable";
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(ExStyle(form) & WS_EX_DLGMODALFRAME);
}

TEST(MainWindow, HasAnUnseenApplicationWindowCaptionedWithTheTitle) {
    StockdrawSession app;

    HWND appWindow = FindApplicationWindow(app.Pid());
    ASSERT_NE(appWindow, nullptr);
    // It owns the taskbar button but nothing of it shows on the screen.
    const RECT rect = WindowRect(appWindow);
    EXPECT_EQ(rect.right - rect.left, 0);
    EXPECT_EQ(rect.bottom - rect.top, 0);
    EXPECT_NE(appWindow, app.MainForm());
}

TEST(MainWindow, FocusStartsOnTheFirstGrabButtonAndTabFollowsTheStoredOrder) {
    StockdrawSession app;
    struct Stop {
        const char* name;
        WindowFilter filter;
    };
    const std::vector<Stop> order = {
        {"EclButton1", {.className = "TEclButton", .text = "GRAB CENTRAL INVENTORY"}},
        {"EclButton2", {.className = "TEclButton", .text = "GRAB VELDA INVENTORY"}},
        {"EclButton3", {.className = "TEclButton", .text = "GRAB HARROWAY INVENTORY"}},
        {"EclBrowseEdit3", {.className = "TEclBrowseEdit", .text = deployment::kHarrowayPath}},
        {"EclBrowseEdit1", {.className = "TEclBrowseEdit", .text = deployment::kCentralPath}},
        {"EclBrowseEdit2", {.className = "TEclBrowseEdit", .text = deployment::kVeldaPath}},
        // The group hands the focus on to its selected item, a child window of the group.
        {"EclRadioGroup1", {.className = "TEclRadioGroup", .text = "SELECT OS TYPE"}},
        {"EclButton4", {.className = "TEclButton", .text = "GRAB WAREHOUSE INVENTORY"}},
        {"EclBrowseEdit4", {.className = "TEclBrowseEdit", .text = deployment::kWarehousePath}},
    };
    std::vector<HWND> controls;
    for (const Stop& stop : order) {
        controls.push_back(app.Control(stop.filter));
        ASSERT_NE(controls.back(), nullptr) << stop.name << " not found";
    }

    const DWORD thread = app.GuiThread();
    HWND focus = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return HasFocusWithin(controls[0], focus = FocusedWindow(thread)); }))
        << "focus at start: " << Describe(focus);

    // One full round, back to the first control.
    for (size_t step = 1; step <= order.size(); ++step) {
        const size_t next = step % order.size();
        ASSERT_TRUE(PressKeyOnFocus(thread, VK_TAB)) << "no focused window before Tab " << step;
        ASSERT_TRUE(WaitUntil([&] { return HasFocusWithin(controls[next], focus = FocusedWindow(thread)); }))
            << "Tab " << step << " should reach " << order[next].name << ", focus is on " << Describe(focus);
        if (std::string_view(order[next].name) == "EclRadioGroup1") {
            // The group passes the focus on while it handles its own arrival: wait for the hand-over.
            EXPECT_TRUE(WaitUntil([&] {
                return Matches(focus = FocusedWindow(thread),
                               {.className = "TEclRadioGroupButton", .text = "32 Bit Operating System"});
            })) << "the selected item holds the focus, not "
                << Describe(focus);
        }
    }
}

TEST(MainWindow, HelpShowsTheContactDetailsInAPlainModalBox) {
    StockdrawSession app;
    ASSERT_TRUE(ClickAt(app.MainForm(), CenterOf(kHelpButton)));

    HWND box = WaitForDialog(app.Pid());
    ASSERT_NE(box, nullptr) << "no message box after Help";
    const DialogContents contents = ReadDialog(box);
    const std::string phone = deployment::kTelephone;
    const std::string expected = "Support: " + phone + "\r\nSales: " + phone + "\r\nEmail: " + deployment::kEmail +
                                 "\r\nWebsite: " + deployment::kWebsite;
    EXPECT_EQ(contents.caption, kTitle);
    EXPECT_EQ(contents.texts, std::vector<std::string>{expected});
    EXPECT_FALSE(contents.hasIcon);
    EXPECT_EQ(contents.buttons, std::vector<std::string>{"OK"});
    EXPECT_FALSE(IsWindowEnabled(app.MainForm())) << "the box is not modal";

    // Centred on the screen's work area.
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const POINT boxCenter = CenterOf(WindowRect(box));
    const POINT workCenter = CenterOf(work);
    EXPECT_LE(std::abs(boxCenter.x - workCenter.x), 2);
    EXPECT_LE(std::abs(boxCenter.y - workCenter.y), 2);

    ASSERT_TRUE(PressDialogButton(box, "OK"));
    EXPECT_TRUE(WaitForGone(box));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app.MainForm()) != FALSE; }));
    EXPECT_TRUE(app.Process().IsRunning());
}

namespace {

// One element as a reader reads it: "role|name|value|checked|unavailable", indented by depth.
std::string ReadElement(IAccessible& object, long id, int depth) {
    const accread::Read r = accread::ReadOf(object, id);
    // Named here rather than by GetRoleText, whose words differ between systems.
    const std::map<long, std::string> roles{
        {ROLE_SYSTEM_STATICTEXT, "static text"}, {ROLE_SYSTEM_TEXT, "editable text"},
        {ROLE_SYSTEM_PUSHBUTTON, "push button"}, {ROLE_SYSTEM_RADIOBUTTON, "radio button"},
        {ROLE_SYSTEM_GROUPING, "grouping"},      {ROLE_SYSTEM_LINK, "link"}};
    const auto known = roles.find(r.role);
    return std::string(static_cast<size_t>(depth) * 2, ' ') +
           (known != roles.end() ? known->second : "role " + std::to_string(r.role)) + "|" + r.name + "|" + r.value +
           (r.state & STATE_SYSTEM_CHECKED ? "|checked" : "") +
           (r.state & STATE_SYSTEM_UNAVAILABLE ? "|unavailable" : "");
}

// The client object's children in order, child windows followed down to their own client objects.
void ReadTree(IAccessible& object, int depth, std::vector<std::string>& lines) {
    long count = 0;
    object.get_accChildCount(&count);
    for (long id = 1; id <= count; ++id) {
        IDispatch* child = nullptr;
        HWND window = nullptr;
        if (object.get_accChild(accread::Child(id), &child) == S_OK && child) {
            WindowFromAccessibleObject(reinterpret_cast<IAccessible*>(child), &window);
            child->Release();
        }
        if (!window) {
            lines.push_back(ReadElement(object, id, depth));
            continue;
        }
        const accread::Accessible client = accread::ObjectOf(window);
        if (!client) {
            lines.push_back("no object for " + Describe(window));
            continue;
        }
        lines.push_back(ReadElement(*client, CHILDID_SELF, depth));
        ReadTree(*client, depth + 1, lines);
    }
}

}  // namespace

TEST(MainWindow, ScreenReadersReadEveryControlAndPressHelp) {
    const accread::ComScope com;
    StockdrawSession app;
    const accread::Accessible main = accread::ObjectOf(app.MainForm());
    ASSERT_TRUE(main);
    std::vector<std::string> tree;
    ReadTree(*main, 0, tree);
    const std::string central = deployment::kCentralPath, velda = deployment::kVeldaPath;
    const std::string harroway = deployment::kHarrowayPath, warehouse = deployment::kWarehousePath;
    const std::vector<std::string> expected{
        "static text|BRIGHTWELL STOCKDRAW\r\nFOR TALLYBOARD LAPTOP ONLY|",
        "grouping|SELECT OS TYPE|",
        "  radio button|32 Bit Operating System||checked",
        "  radio button|64 Bit Operating System|",
        "push button|GRAB CENTRAL INVENTORY|",
        "static text|Grab Data From:|",
        "editable text|Grab Data From:|" + central,
        "  push button|Browse|",
        "push button|GRAB VELDA INVENTORY|",
        "static text|Grab Data From:|",
        "editable text|Grab Data From:|" + velda,
        "  push button|Browse|",
        "push button|GRAB HARROWAY INVENTORY|",
        "static text|Grab Data From:|",
        "editable text|Grab Data From:|" + harroway,
        "  push button|Browse|",
        "push button|GRAB WAREHOUSE INVENTORY|",
        "static text|Grab Data From:|",
        "editable text|Grab Data From:|" + warehouse,
        "  push button|Browse|",
        "push button|Help|",
        "push button|About|",
        "push button|Exit|",
    };
    EXPECT_EQ(tree, expected);

    const long help = accread::ChildNamed(*main, "Help");
    ASSERT_GT(help, 0);
    EXPECT_EQ(main->accDoDefaultAction(accread::Child(help)), S_OK);
    HWND box = WaitForDialog(app.Pid());
    ASSERT_NE(box, nullptr) << "no Help box after the default action";
    EXPECT_NE(ReadDialog(box).texts.at(0).find(deployment::kTelephone), std::string::npos);
    ASSERT_TRUE(PressDialogButton(box, "OK"));
    EXPECT_TRUE(WaitForGone(box));
}

TEST(MainWindow, AboutShowsAModalAboutWindowThatOkCloses) {
    StockdrawSession app;
    ASSERT_TRUE(ClickAt(app.MainForm(), CenterOf(kAboutButton)));

    HWND about = WaitForTopLevel(app.Pid(), {.text = "About Tillora POS Stockdraw", .visibleOnly = true});
    ASSERT_NE(about, nullptr) << "no About window";
    EXPECT_FALSE(IsWindowEnabled(app.MainForm())) << "the About window is not modal";
    HWND ok = FindChild(about, {.className = "TEclButton", .text = "OK", .visibleOnly = true});
    ASSERT_NE(ok, nullptr) << "no OK button";

    ASSERT_TRUE(ClickCenter(ok));
    EXPECT_TRUE(WaitForGone(about));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app.MainForm()) != FALSE; }));
    EXPECT_TRUE(app.Process().IsRunning());
}

TEST(MainWindow, F1ShowsHelpAndTheSystemMenusAboutShowsAbout) {
    StockdrawSession app;
    ASSERT_TRUE(PressKeyOnFocus(app.GuiThread(), VK_F1));
    HWND box = WaitForDialog(app.Pid());
    ASSERT_NE(box, nullptr) << "no Help after F1";
    const DialogContents help = ReadDialog(box);
    ASSERT_EQ(help.texts.size(), 1u);
    EXPECT_EQ(help.texts[0].substr(0, 9), "Support: ");
    ASSERT_TRUE(PressDialogButton(box, "OK"));
    EXPECT_TRUE(WaitForGone(box));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(app.MainForm()) != FALSE; }));

    constexpr WPARAM kAboutCommand = 0x0010;  // the About item the program adds to its system menu
    ASSERT_TRUE(PostMessageA(app.MainForm(), WM_SYSCOMMAND, kAboutCommand, 0));
    HWND about = WaitForTopLevel(app.Pid(), {.text = "About Tillora POS Stockdraw", .visibleOnly = true});
    ASSERT_NE(about, nullptr) << "no About window from the system menu";
    HWND ok = FindChild(about, {.className = "TEclButton", .text = "OK", .visibleOnly = true});
    ASSERT_NE(ok, nullptr);
    ASSERT_TRUE(ClickCenter(ok));
    EXPECT_TRUE(WaitForGone(about));
    EXPECT_EQ(FindDialog(app.Pid()), nullptr) << "F1 or About showed a second box";
}

TEST(MainWindow, HoveringOverExitChangesItsFaceAndMovingAwayRestoresIt) {
    if (!VisualStyleActive()) GTEST_SKIP() << "in the classic look hot looks like up";
    StockdrawSession app;
    HWND form = app.MainForm();
    const RECT window = WindowRect(form);
    const POINT away{window.right + 30, window.bottom + 30};
    POINT over = CenterOf(kExitButton);
    ASSERT_TRUE(ClientToScreen(form, &over));
    // The buttons' left margins hold no glyph or caption: Exit's looks like Help's unless it is hot.
    const auto margin = [](const RECT& b) { return RECT{b.left, b.top, b.left + 8, b.bottom}; };
    const auto looksUp = [&] {
        const std::vector<DWORD> exit = ScreenPixels(form, margin(kExitButton));
        return !exit.empty() && exit == ScreenPixels(form, margin(kHelpButton));
    };

    // The pointer goes back where it was, so that the tests after this one find it as before.
    POINT before{};
    GetCursorPos(&before);
    const std::unique_ptr<POINT, void (*)(POINT*)> restore(&before, [](POINT* p) { MovePointer(*p); });

    ASSERT_TRUE(MovePointer(away));
    ASSERT_TRUE(WaitUntil(looksUp)) << "Exit is not up to begin with";
    ASSERT_TRUE(MovePointer(over));
    EXPECT_TRUE(WaitUntil([&] { return !looksUp(); })) << "no hot face under the pointer";
    ASSERT_TRUE(MovePointer(away));
    const auto left = std::chrono::steady_clock::now();
    EXPECT_TRUE(WaitUntil(looksUp)) << "the hot face stays";
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - left);
    RecordProperty("restored_after_ms", static_cast<int>(ms.count()));
}

// Every way of closing the main window ends the program at once with exit code 0.
enum class CloseWay { ExitButton, SystemMenuClose, CloseMessage, AltF4 };

class MainWindowClose : public testing::TestWithParam<CloseWay> {};

TEST_P(MainWindowClose, EndsTheProgramWithCodeZeroWithoutAsking) {
    StockdrawSession app;
    HWND form = app.MainForm();
    switch (GetParam()) {
        case CloseWay::ExitButton: ASSERT_TRUE(ClickAt(form, CenterOf(kExitButton))); break;
        case CloseWay::SystemMenuClose: ASSERT_TRUE(PostMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0)); break;
        case CloseWay::CloseMessage: ASSERT_TRUE(PostMessageA(form, WM_CLOSE, 0, 0)); break;
        case CloseWay::AltF4: ASSERT_TRUE(PressAltKeyOnFocus(app.GuiThread(), VK_F4)); break;
    }
    EXPECT_EQ(ExitCodeWithoutQuestion(app), std::optional<DWORD>(0));
}

std::string CloseWayName(const testing::TestParamInfo<CloseWay>& info) {
    switch (info.param) {
        case CloseWay::ExitButton: return "ExitButton";
        case CloseWay::SystemMenuClose: return "SystemMenuClose";
        case CloseWay::CloseMessage: return "CloseMessage";
        case CloseWay::AltF4: return "AltF4";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(AllWays, MainWindowClose,
                         testing::Values(CloseWay::ExitButton, CloseWay::SystemMenuClose, CloseWay::CloseMessage,
                                         CloseWay::AltF4),
                         CloseWayName);
