// Grabs from the demo sites (tools/make-demo-sites), which the Wine prefix serves under the
// program's own default network paths, into the real local data folders.
#include "Deployment.h"
#include "Dialog.h"
#include "Input.h"
#include "Stockdraw.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace e2e;

namespace {

const std::string kDataFolder32 = R"(C:\Program Files\Tillora\Data\Brightwell Wholesale)";
const std::string kDataFolder64 = R"(C:\Program Files (x86)\Tillora\Data\Brightwell Wholesale)";
constexpr const char* k32Bit = "32 Bit Operating System";
constexpr const char* k64Bit = "64 Bit Operating System";
const std::string kConfirmation =
    "THIS WILL REPLACE YOUR TILLORA POS INVENTORY FILES ON THIS COMPUTER. ARE YOU SURE YOU WANT TO CONTINUE? ";

// What the demo-site generator says a grab of the central site must and must not copy.
struct SiteManifest {
    std::map<std::string, unsigned long long> grabbed;  // name -> size
    std::set<std::string> notGrabbed;                   // files and folders
};

std::string ExeFolder() {
    char path[MAX_PATH]{};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

SiteManifest ReadManifest(const std::string& site) {
    // The test program runs from build/win64/bin; the generator writes build/demo-sites.
    std::ifstream in(ExeFolder() + R"(\..\..\demo-sites\manifest.txt)");
    SiteManifest manifest;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream fields(line);
        std::string key, kind, name, size;
        if (!std::getline(fields, key, '\t') || key != site) continue;
        std::getline(fields, kind, '\t');
        std::getline(fields, name, '\t');
        std::getline(fields, size, '\t');
        if (kind == "grabbed") manifest.grabbed[name] = std::stoull(size);
        if (kind == "not_grabbed" || kind == "folder_only") manifest.notGrabbed.insert(name);
    }
    return manifest;
}

struct Entry {
    unsigned long long size = 0;
    bool folder = false;
};

// Everything directly inside a folder; empty when there is no such folder.
std::map<std::string, Entry> FolderEntries(const std::string& folder) {
    std::map<std::string, Entry> entries;
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return entries;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        entries[name] = {(static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                         (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return entries;
}

void RemoveFolder(const std::string& folder) {
    for (const auto& [name, entry] : FolderEntries(folder)) {
        const std::string path = folder + "\\" + name;
        if (entry.folder) {
            RemoveFolder(path);
        } else {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    }
    RemoveDirectoryA(folder.c_str());
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// What the user saw of one grab.
struct GrabSeen {
    bool warned = false;
    std::string list;     // the list message, empty when none came
    std::string closing;  // the message that ended the grab, empty when none came
};

class Grab : public testing::Test {
protected:
    void SetUp() override {
        RemoveFolder(kDataFolder32);
        RemoveFolder(kDataFolder64);
        central_ = ReadManifest("central");
        ASSERT_FALSE(central_.grabbed.empty()) << "no demo sites: run tools/make-demo-sites";
        button1_ = app_.Control({.className = "TEclButton", .text = "GRAB CENTRAL INVENTORY"});
        edit1_ = app_.Control({.className = "TEclBrowseEdit", .text = deployment::kCentralPath});
        ASSERT_NE(button1_, nullptr);
        ASSERT_NE(edit1_, nullptr);
    }
    void TearDown() override {
        RemoveFolder(kDataFolder32);
        RemoveFolder(kDataFolder64);
    }

    enum class Press { Mouse, Message };
    // Presses the button (with the mouse, or as automation tools do, with BM_CLICK), answers the
    // warning, and acknowledges every message that follows.
    GrabSeen RunGrab(HWND button, const std::string& answer = "&Yes", Press press = Press::Mouse) {
        GrabSeen seen;
        // Posted: the click runs the grab and its boxes before it returns.
        EXPECT_TRUE(press == Press::Mouse ? ClickCenter(button) : PostMessageA(button, BM_CLICK, 0, 0) != FALSE);
        HWND warning = WaitForDialog(app_.Pid());
        if (!warning) return seen;
        const DialogContents question = ReadDialog(warning);
        seen.warned = question.caption == "Warning" && question.texts == std::vector<std::string>{kConfirmation};
        EXPECT_TRUE(PressDialogButton(warning, answer));
        EXPECT_TRUE(WaitForGone(warning));
        if (answer != "&Yes") return seen;

        HWND list = WaitForDialog(app_.Pid());
        if (!list) return seen;
        seen.list = TextOf(list);
        EXPECT_FALSE(IsWindowEnabled(button)) << "the button is enabled while the list shows";
        EXPECT_TRUE(PressDialogButton(list, "OK"));
        EXPECT_TRUE(WaitForGone(list));

        // The copy of large demo files takes a moment: wait longer than for a window.
        HWND closing = WaitForDialog(app_.Pid(), 60s);
        if (!closing) return seen;
        seen.closing = TextOf(closing);
        EXPECT_TRUE(IsWindowEnabled(button)) << "the button is still disabled at the closing message";
        EXPECT_TRUE(PressDialogButton(closing, "OK"));
        EXPECT_TRUE(WaitForGone(closing));
        return seen;
    }

    static std::string TextOf(HWND box) {
        const DialogContents contents = ReadDialog(box);
        EXPECT_EQ(contents.caption, kTitle);
        EXPECT_FALSE(contents.hasIcon);
        EXPECT_EQ(contents.buttons, std::vector<std::string>{"OK"});
        return contents.texts.empty() ? std::string() : contents.texts.front();
    }

    // Replaces the text of a browse edit as a user would: click, End, Backspace, type.
    void TypePath(HWND edit, const std::string& path) {
        ASSERT_TRUE(ClickCenter(edit));
        ASSERT_TRUE(PressKey(edit, VK_END));
        for (size_t i = Text(edit).size(); i > 0; --i) ASSERT_TRUE(PressKey(edit, VK_BACK));
        // Each Backspace reaches the edit as a character made from its key: wait for all of them
        // before typing, or they would land after the typed text.
        ASSERT_TRUE(WaitUntil([&] { return Text(edit).empty(); })) << "the edit still holds " << Text(edit);
        ASSERT_TRUE(TypeText(edit, path));
        ASSERT_TRUE(WaitUntil([&] { return Text(edit) == path; })) << "the edit holds " << Text(edit);
    }

    // The item window of the OS type group that shows that text.
    HWND OsTypeItem(const char* text) {
        return app_.Control({.className = "TEclRadioGroupButton", .text = std::string(text)});
    }

    // Selects an item of the OS type group with an arrow key on the item selected now.
    void ChooseOsType(int index) {
        HWND selected = OsTypeItem(index == 0 ? k64Bit : k32Bit);
        ASSERT_NE(selected, nullptr);
        ASSERT_TRUE(PressKey(selected, index == 0 ? VK_UP : VK_DOWN));
    }

    // Selects an item of the OS type group by clicking its window.
    void ClickOsType(const char* text) {
        HWND item = OsTypeItem(text);
        ASSERT_NE(item, nullptr) << "no item window shows " << text;
        ASSERT_TRUE(ClickCenter(item));
    }

    void ExpectExactlyTheGrabbedFiles(const std::string& folder) {
        const std::map<std::string, Entry> arrived = FolderEntries(folder);
        std::map<std::string, unsigned long long> files;
        for (const auto& [name, entry] : arrived) {
            EXPECT_FALSE(entry.folder) << "folder copied: " << name;
            EXPECT_EQ(central_.notGrabbed.count(name), 0u) << "copied but matches no mask: " << name;
            if (!entry.folder) files[name] = entry.size;
        }
        EXPECT_EQ(files, central_.grabbed);
    }

    StockdrawSession app_;
    SiteManifest central_;
    HWND button1_ = nullptr;
    HWND edit1_ = nullptr;
};

TEST_F(Grab, CopiesEveryMatchingFileAndNothingElseIntoThe32BitDataFolder) {
    const GrabSeen seen = RunGrab(button1_);
    EXPECT_TRUE(seen.warned);

    std::string expectedList;
    for (const char* mask : {"\\Inventory.*", "\\InventoryB*.*", "\\InventoryC*.*", "\\InventoryD*.*",
                             "\\InventoryK*.*", "\\Program*.*", "\\Register*.*", "\\Tax*.*", "\\User*.*"})
        expectedList += std::string(deployment::kCentralPath) + mask + "\r\n";
    EXPECT_EQ(seen.list, expectedList);
    EXPECT_EQ(seen.closing, "Grab Complete");
    ExpectExactlyTheGrabbedFiles(kDataFolder32);
    EXPECT_EQ(FolderEntries(kDataFolder32).count("Stockdraw grab in progress"), 0u) << "the staging folder is left";
    EXPECT_TRUE(FolderEntries(kDataFolder64).empty());
}

TEST_F(Grab, OverwritesExistingFilesWithoutAsking) {
    ASSERT_TRUE(CreateDirectoryA(R"(C:\Program Files\Tillora)", nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(CreateDirectoryA(R"(C:\Program Files\Tillora\Data)", nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(CreateDirectoryA(kDataFolder32.c_str(), nullptr));
    const std::string stale = central_.grabbed.begin()->first;
    WriteFile(kDataFolder32 + "\\" + stale, "stale local copy");
    SetFileAttributesA((kDataFolder32 + "\\" + stale).c_str(), FILE_ATTRIBUTE_READONLY);

    const GrabSeen seen = RunGrab(button1_);
    EXPECT_EQ(seen.closing, "Grab Complete");
    ExpectExactlyTheGrabbedFiles(kDataFolder32);
}

TEST_F(Grab, TheOsTypeChoiceSwitchesTheDataFolderBothWays) {
    ChooseOsType(1);
    GrabSeen seen = RunGrab(button1_);
    EXPECT_EQ(seen.closing, "Grab Complete");
    ExpectExactlyTheGrabbedFiles(kDataFolder64);
    EXPECT_TRUE(FolderEntries(kDataFolder32).empty());

    RemoveFolder(kDataFolder64);
    ChooseOsType(0);
    seen = RunGrab(button1_);
    EXPECT_EQ(seen.closing, "Grab Complete");
    ExpectExactlyTheGrabbedFiles(kDataFolder32);
    EXPECT_TRUE(FolderEntries(kDataFolder64).empty());
}

TEST_F(Grab, ClickingAnOsTypeItemWindowSwitchesTheDataFolderBothWays) {
    ClickOsType(k64Bit);
    GrabSeen seen = RunGrab(button1_);
    EXPECT_EQ(seen.closing, "Grab Complete");
    ExpectExactlyTheGrabbedFiles(kDataFolder64);
    EXPECT_TRUE(FolderEntries(kDataFolder32).empty());

    RemoveFolder(kDataFolder64);
    ClickOsType(k32Bit);
    seen = RunGrab(button1_);
    EXPECT_EQ(seen.closing, "Grab Complete");
    ExpectExactlyTheGrabbedFiles(kDataFolder32);
    EXPECT_TRUE(FolderEntries(kDataFolder64).empty());
}

TEST_F(Grab, AutomationAloneSetsThePathChooses64BitsAndGrabs) {
    const auto send = [](HWND to, UINT msg, WPARAM wParam, LPARAM lParam) {
        DWORD_PTR result = 0;
        EXPECT_NE(SendMessageTimeoutA(to, msg, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result), 0);
        return result;
    };
    TypePath(edit1_, "somewhere else");
    EXPECT_EQ(send(edit1_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(deployment::kCentralPath)), DWORD_PTR{TRUE});
    HWND item64 = OsTypeItem(k64Bit);
    HWND item32 = OsTypeItem(k32Bit);
    ASSERT_NE(item64, nullptr);
    ASSERT_NE(item32, nullptr);
    send(item64, BM_CLICK, 0, 0);
    EXPECT_EQ(send(item64, BM_GETCHECK, 0, 0), DWORD_PTR{BST_CHECKED});
    EXPECT_EQ(send(item32, BM_GETCHECK, 0, 0), DWORD_PTR{BST_UNCHECKED});

    const GrabSeen seen = RunGrab(button1_, "&Yes", Press::Message);
    EXPECT_TRUE(seen.warned);
    EXPECT_NE(seen.list.find(std::string(deployment::kCentralPath) + "\\Inventory.*\r\n"), std::string::npos)
        << seen.list;
    EXPECT_EQ(seen.closing, "Grab Complete");
    ExpectExactlyTheGrabbedFiles(kDataFolder64);
    EXPECT_TRUE(FolderEntries(kDataFolder32).empty());
}

TEST_F(Grab, AnsweringNoLeavesTheDataFolderUntouched) {
    const GrabSeen seen = RunGrab(button1_, "&No");
    EXPECT_TRUE(seen.warned);
    // Nothing follows the answer: no list, no copy, no closing message.
    EXPECT_EQ(WaitForDialog(app_.Pid(), 1s), nullptr);
    EXPECT_TRUE(IsWindowEnabled(button1_));
    EXPECT_TRUE(FolderEntries(kDataFolder32).empty());
}

TEST_F(Grab, SelectAllAndTypeReplacesThePathAndUndoBringsItBack) {
    const std::string old = Text(edit1_);
    const std::string missing = old + " ELSEWHERE";
    ASSERT_TRUE(ClickCenter(edit1_));
    ASSERT_TRUE(TypeText(edit1_, "\x01"));  // Ctrl+A, as the keyboard makes it
    ASSERT_TRUE(TypeText(edit1_, missing));
    ASSERT_TRUE(WaitUntil([&] { return Text(edit1_) == missing; })) << "the edit holds " << Text(edit1_);
    const GrabSeen seen = RunGrab(button1_);
    EXPECT_NE(seen.list.find(missing + "\\Inventory.*\r\n"), std::string::npos) << seen.list;

    ASSERT_TRUE(ClickCenter(edit1_));
    ASSERT_TRUE(TypeText(edit1_, "\x1A"));  // Ctrl+Z
    EXPECT_TRUE(WaitUntil([&] { return Text(edit1_) == old; })) << "the edit holds " << Text(edit1_);
}

TEST_F(Grab, EndShiftHomeAndTypeReplacesThePath) {
    const std::string missing = Text(edit1_) + " OTHER";
    ASSERT_TRUE(ClickCenter(edit1_, ClickMethod::SendInput));  // the program comes to the foreground
    // The keys go through the system's queue behind the click; the typed text waits for them.
    ASSERT_TRUE(PressInputKey(VK_END));
    ASSERT_TRUE(PressInputKey(VK_HOME, true));
    const LRESULT whole = MAKELONG(0, missing.size() - 6);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(edit1_, EM_GETSEL, 0, 0) == whole; }))
        << "Shift+Home did not select the whole text";
    ASSERT_TRUE(TypeText(edit1_, missing));
    ASSERT_TRUE(WaitUntil([&] { return Text(edit1_) == missing; })) << "the edit holds " << Text(edit1_);
    const GrabSeen seen = RunGrab(button1_);
    EXPECT_NE(seen.list.find(missing + "\\Inventory.*\r\n"), std::string::npos) << seen.list;
}

TEST_F(Grab, TheBrowseButtonTakesTheChosenFolderWithoutItsBackslash) {
    const std::string folder = R"(C:\users\Public\Stockdraw browse\first long folder\second long folder\Counts)";
    for (size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1))
        CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    RECT client{};
    GetClientRect(edit1_, &client);
    const POINT button{client.right - 9, client.bottom / 2};
    // Runs the browser from the edit's button and ends it with one of its buttons.
    const auto browse = [&](const std::string& press, bool checkStatus) {
        ASSERT_TRUE(ClickAt(edit1_, button));
        HWND browser = WaitForDialog(app_.Pid());
        ASSERT_NE(browser, nullptr) << "no folder browser";
        EXPECT_EQ(GetWindow(browser, GW_OWNER), app_.MainForm());
        EXPECT_FALSE(IsWindowEnabled(app_.MainForm())) << "the browser is not modal";
        if (checkStatus) {
            const auto statusShown = [&] {
                const DialogContents contents = ReadDialog(browser);
                for (const std::string& text : contents.texts)
                    if (text == R"(C:\...\second long folder\Counts)") return true;
                return false;
            };
            EXPECT_TRUE(WaitUntil(statusShown)) << "the status line does not show the shortened folder";
        }
        ASSERT_TRUE(PressDialogButton(browser, press));
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(app_.MainForm()) != FALSE; }));
    };

    // Cancel first: the first time Wine's browser runs in a new prefix it opens on the desktop
    // instead of the preselected folder.
    TypePath(edit1_, folder + "\\");
    browse("Cancel", false);
    EXPECT_EQ(Text(edit1_), folder + "\\");
    browse("OK", true);
    EXPECT_TRUE(WaitUntil([&] { return Text(edit1_) == folder; })) << "the edit holds " << Text(edit1_);
    TypePath(edit1_, "C:\\");
    browse("OK", false);
    EXPECT_TRUE(WaitUntil([&] { return Text(edit1_) == "C:\\"; })) << "the edit holds " << Text(edit1_);
}

TEST_F(Grab, AMissingSourceFolderIsReportedAndNothingIsCopied) {
    const std::string missing = std::string(deployment::kCentralPath) + " NOT HERE";
    TypePath(edit1_, missing);

    const GrabSeen seen = RunGrab(button1_);
    EXPECT_NE(seen.list.find(missing + "\\Inventory.*\r\n"), std::string::npos) << seen.list;
    EXPECT_NE(seen.closing, "Grab Complete");
    EXPECT_NE(seen.closing.find(missing), std::string::npos)
        << "the message does not name the folder: " << seen.closing;
    EXPECT_TRUE(FolderEntries(kDataFolder32).empty());
}

TEST_F(Grab, AMegabyteOfTextFromAnotherProgramLeavesTheProgramRunning) {
    const std::string old = Text(edit1_);
    const std::string huge(std::size_t{1} << 20, 'x');
    DWORD_PTR result = 0;
    SendMessageTimeoutA(edit1_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(huge.c_str()), SMTO_ABORTIFHUNG, 2000, &result);
    // Whether the system could deliver the text or not, the program goes on and answers.
    const auto answers = [&] {
        return SendMessageTimeoutA(app_.MainForm(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
    };
    EXPECT_TRUE(WaitUntil(answers));
    EXPECT_FALSE(WaitUntil([&] { return !app_.Process().IsRunning(); }, 1s)) << "the program ended";
    const std::string now = Text(edit1_);
    EXPECT_TRUE(now == old || now == huge.substr(0, 32767)) << now.size() << " characters";
}

TEST_F(Grab, ALockedSourceFileMakesTheGrabReadAsIncomplete) {
    const std::string locked = central_.grabbed.begin()->first;
    HANDLE lock = CreateFileA((std::string(deployment::kCentralPath) + "\\" + locked).c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE) << "cannot lock " << locked;

    const GrabSeen seen = RunGrab(button1_);
    CloseHandle(lock);
    EXPECT_NE(seen.closing, "Grab Complete");
    EXPECT_NE(seen.closing.find(locked), std::string::npos) << "the message does not name the file: " << seen.closing;
}

}  // namespace
