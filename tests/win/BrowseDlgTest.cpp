// The folder browse dialog against a fake shell: the request, the set-up of the browser in order,
// placement, the status line following the selection, validation, and the item lists all freed,
// also when a handler throws; and one run of Wine's real browser.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "FakeBrowsePlatform.h"
#include "browse/BrowseDlg_win.h"
#include "framework/Application_win.h"
#include "framework/Form_win.h"

namespace {

using Sent = wintest::FakeBrowsePlatform::Sent;
using TEclBrowseDlgOption::doAllowEdit;
using TEclBrowseDlgOption::doEnableOK;
using TEclBrowseDlgOption::doReturnFileSysDirs;
using TEclBrowseDlgOption::doShowPath;
using TEclBrowseDlgOption::doStatusText;

class BrowseDlgTest : public testing::Test {
protected:
    void SetUp() override {
        main_.SetBounds(200, 150, 400, 300);
        app_.SetMainForm(main_);
        main_.Show();
    }

    fw::Application app_;
    fw::Form main_{nullptr};
    wintest::FakeBrowsePlatform shell_;
    fw::ScopedSeam<ecl::BrowsePlatform> scope_{shell_};
    TEclBrowseDlg dialog_{&main_};
};

TEST_F(BrowseDlgTest, TheBrowserIsSetUpInOrderAndTheChoiceComesBack) {
    dialog_.SetOptions({doReturnFileSysDirs, doStatusText, doAllowEdit, doShowPath, doEnableOK});
    dialog_.SetCaption("Choose the site folder");
    dialog_.SetCaptionTitle("Site");
    dialog_.SetStatusText("ready");
    dialog_.SetSelectedFolder("\\\\BWCENTRAL\\TILLORA");
    dialog_.SetStartFolder(TEclSystemFolders::bfoMyComputer);
    shell_.rootFolder = 0x11;
    std::vector<Sent> atInit;
    dialog_.SetOnInit([&](fw::Component& sender) {
        EXPECT_EQ(&sender, &dialog_);
        EXPECT_EQ(dialog_.DialogHandle(), shell_.window);
        atInit = shell_.sent;
    });
    shell_.user = [](wintest::FakeBrowsePlatform& browser) { browser.confirm = browser.NewItem("C:\\Data\\Site"); };

    ASSERT_TRUE(dialog_.Execute());
    EXPECT_EQ(atInit, (std::vector<Sent>{{WM_SETTEXT, 0, "Site"},
                                         {BFFM_SETSTATUSTEXTA, 0, "ready"},
                                         {BFFM_SETSELECTIONA, 1, "\\\\BWCENTRAL\\TILLORA"},
                                         {BFFM_ENABLEOK, 0, "1"}}));
    EXPECT_EQ(shell_.request.ulFlags, 0x35u);
    EXPECT_EQ(shell_.title, "Choose the site folder");
    EXPECT_EQ(shell_.lookups, (std::vector<int>{0x11}));
    EXPECT_NE(shell_.request.pidlRoot, nullptr);
    EXPECT_EQ(shell_.request.hwndOwner, main_.Handle());
    EXPECT_FALSE(shell_.ownerEnabledDuringRun);
    EXPECT_EQ(dialog_.SelectedFolder(), "C:\\Data\\Site");
    EXPECT_EQ(dialog_.DisplayName(), "Site");
    EXPECT_EQ(dialog_.DialogHandle(), nullptr);
    EXPECT_EQ(shell_.liveItems, 0);  // the root and the chosen item

    // Defaults: nothing but the OK button's state is sent, here disabled; a cancel changes nothing.
    TEclBrowseDlg plain(&main_);
    shell_.user = nullptr;
    EXPECT_FALSE(plain.Execute());
    EXPECT_EQ(shell_.sent, (std::vector<Sent>{{BFFM_ENABLEOK, 0, "0"}}));
    EXPECT_EQ(shell_.request.ulFlags, 0x01u);
    EXPECT_EQ(plain.SelectedFolder(), "");
}

TEST_F(BrowseDlgTest, TheBrowserIsPlacedInTheReferenceAndKeptOnTheDesktop) {
    const int screenW = ::GetSystemMetrics(SM_CXVIRTUALSCREEN), screenH = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    RECT mainRect{};
    ::GetWindowRect(main_.Handle(), &mainRect);
    struct Case {
        TEclDlgPosition position;
        TEclDlgPosRel relatePos;
        int x, y;
    };
    const Case cases[] = {
        {TEclDlgPosition::bpCenter, TEclDlgPosRel::brScreen, (::GetSystemMetrics(SM_CXSCREEN) - 300) / 2,
         (::GetSystemMetrics(SM_CYSCREEN) - 200) / 2},
        {TEclDlgPosition::bpTopLeft, TEclDlgPosRel::brMainForm, mainRect.left, mainRect.top},
        {TEclDlgPosition::bpBottomRight, TEclDlgPosRel::brMainForm, mainRect.right - 300, mainRect.bottom - 200},
        {TEclDlgPosition::bpCustom, TEclDlgPosRel::brScreen, 0, 0},
        {TEclDlgPosition::bpBottomRight, TEclDlgPosRel::brScreen, screenW - 300, screenH - 200},
    };
    for (const Case& c : cases) {
        dialog_.SetPosition(c.position);
        dialog_.SetRelatePos(c.relatePos);
        dialog_.Execute();
        EXPECT_EQ(shell_.placed.left, c.x) << static_cast<int>(c.position);
        EXPECT_EQ(shell_.placed.top, c.y) << static_cast<int>(c.position);
    }
    // A main window hanging off the bottom right: the browser is pulled back onto the desktop.
    main_.SetBounds(screenW - 100, screenH - 50, 400, 300);
    dialog_.SetPosition(TEclDlgPosition::bpCenter);
    dialog_.SetRelatePos(TEclDlgPosRel::brMainForm);
    dialog_.Execute();
    EXPECT_EQ(shell_.placed.left, screenW - 300);
    EXPECT_EQ(shell_.placed.top, screenH - 200);
}

TEST_F(BrowseDlgTest, TheStatusLineFollowsTheSelectionShortened) {
    dialog_.SetOptions({doReturnFileSysDirs, doStatusText, doShowPath});
    std::vector<std::string> seen;
    dialog_.SetOnSelectionChanged([&](fw::Component&, HWND window, const std::string& path, LPCITEMIDLIST item) {
        EXPECT_EQ(window, shell_.window);
        EXPECT_NE(item, nullptr);
        seen.push_back(path);
    });
    shell_.user = [](wintest::FakeBrowsePlatform& browser) {
        browser.Select(browser.NewItem("C:\\alpha\\bravo\\charlie\\delta\\echo\\foxtrot\\golf.dat"));
        browser.Select(browser.NewItem(""));  // a printer: no path, an empty status line
        browser.Select(browser.NewItem("C:\\Data"));
    };
    dialog_.Execute();
    EXPECT_EQ(shell_.sent, (std::vector<Sent>{{BFFM_ENABLEOK, 0, "0"},
                                              {BFFM_SETSTATUSTEXTA, 0, "C:\\...\\delta\\echo\\foxtrot\\golf.dat"},
                                              {BFFM_SETSTATUSTEXTA, 0, ""},
                                              {BFFM_SETSTATUSTEXTA, 0, "C:\\Data"}}));
    EXPECT_EQ(seen,
              (std::vector<std::string>{"C:\\alpha\\bravo\\charlie\\delta\\echo\\foxtrot\\golf.dat", "", "C:\\Data"}));
    EXPECT_EQ(dialog_.StatusText(), "C:\\Data");
    // Live setters reach the open browser; unchanged values send nothing.
    shell_.user = [&](wintest::FakeBrowsePlatform& browser) {
        browser.sent.clear();
        dialog_.SetStatusText("C:\\Data");
        dialog_.SetStatusText("counting");
        dialog_.SetSelectedFolder("D:\\");
        dialog_.SetCaptionTitle("Pick");
    };
    dialog_.Execute();
    EXPECT_EQ(shell_.sent,
              (std::vector<Sent>{
                  {BFFM_SETSTATUSTEXTA, 0, "counting"}, {BFFM_SETSELECTIONA, 1, "D:\\"}, {WM_SETTEXT, 0, "Pick"}}));
}

TEST_F(BrowseDlgTest, AMistypedNameKeepsTheBrowserOpenUnlessAHandlerSaysOtherwise) {
    bool stays = false;
    shell_.user = [&](wintest::FakeBrowsePlatform& browser) { stays = browser.TypeUnknownName("C:\\Nowhere"); };
    dialog_.Execute();
    EXPECT_TRUE(stays);
    EXPECT_EQ(dialog_.StatusText(), "Folder not found: C:\\Nowhere");

    for (const bool cancel : {true, false}) {
        dialog_.SetOnValidate([&](fw::Component& sender, const std::string& text, bool& c) {
            EXPECT_EQ(&sender, &dialog_);
            EXPECT_EQ(text, "C:\\Nowhere");
            EXPECT_FALSE(c);
            c = cancel;
        });
        dialog_.Execute();
        EXPECT_EQ(stays, cancel);
    }
}

TEST_F(BrowseDlgTest, TheOwnerIsTheParentElseTheOwnersWindowElseTheMainWindow) {
    fw::Form other(nullptr);
    other.SetBounds(10, 10, 200, 100);
    other.Show();
    dialog_.Execute(&other);
    EXPECT_EQ(shell_.request.hwndOwner, other.Handle());
    TEclBrowseDlg ownedByOther(&other);
    ownedByOther.Execute();
    EXPECT_EQ(shell_.request.hwndOwner, other.Handle());
    TEclBrowseDlg unowned(nullptr);
    unowned.Execute();
    EXPECT_EQ(shell_.request.hwndOwner, main_.Handle());
}

TEST_F(BrowseDlgTest, AnExceptionFromAHandlerClosesTheBrowserAndReachesTheCaller) {
    dialog_.SetOptions({doShowPath});
    shell_.rootFolder = 0xFEFE;
    dialog_.SetOnSelectionChanged(
        [](fw::Component&, HWND, const std::string&, LPCITEMIDLIST) { throw std::runtime_error("handler failed"); });
    int selectionsAfter = -1;
    shell_.user = [&](wintest::FakeBrowsePlatform& browser) {
        browser.Select(browser.NewItem("C:\\Data"));
        selectionsAfter = static_cast<int>(browser.sent.size());
        browser.Select(browser.NewItem("C:\\Other"));  // the browser is closing: no handler runs
        browser.confirm = browser.NewItem("C:\\Data");
    };
    EXPECT_THROW(dialog_.Execute(), std::runtime_error);
    EXPECT_TRUE(shell_.closedByProgram);
    EXPECT_EQ(static_cast<int>(shell_.sent.size()), selectionsAfter);
    EXPECT_EQ(shell_.liveItems, 0);
    EXPECT_EQ(dialog_.DialogHandle(), nullptr);
    // The dialog runs again normally afterwards.
    dialog_.SetOnSelectionChanged(nullptr);
    shell_.user = nullptr;
    EXPECT_FALSE(dialog_.Execute());
}

void CALLBACK PressOk(HWND browser, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(browser, timer);
    ::PostMessageA(browser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// Wine's own browser: caption, status line, and OK returning the preselected folder.
TEST_F(BrowseDlgTest, TheRealBrowserShowsCaptionAndStatusAndConfirms) {
    const fw::ScopedSeam<ecl::BrowsePlatform> system(ecl::BrowsePlatform::System());  // keeps the fake out
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    dialog_.SetOptions({doReturnFileSysDirs, doStatusText, doShowPath, doEnableOK});
    dialog_.SetCaptionTitle("Stockdraw folder");
    dialog_.SetSelectedFolder(windows);
    std::string caption, status;
    bool ownerEnabled = true;
    dialog_.SetOnInit([&](fw::Component&) {
        // Read once the browser has settled on the preselection, then press OK.
        ::SetTimer(dialog_.DialogHandle(), 1, 300, &PressOk);
    });
    dialog_.SetOnSelectionChanged([&](fw::Component&, HWND browser, const std::string&, LPCITEMIDLIST) {
        char text[256] = {};
        ::GetWindowTextA(browser, text, sizeof text);
        caption = text;
        status = dialog_.StatusText();
        ownerEnabled = ::IsWindowEnabled(main_.Handle()) != FALSE;
    });
    ASSERT_TRUE(dialog_.Execute());
    EXPECT_EQ(caption, "Stockdraw folder");
    EXPECT_EQ(status, windows);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(dialog_.SelectedFolder(), windows);
}

}  // namespace
