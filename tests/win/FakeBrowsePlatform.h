#pragma once
// A stand-in for the shell's folder browser: a hidden window that records what the program sends
// it, a script that plays the user (select items, type names, confirm or cancel), and item lists
// that are counted so that a test sees every one freed.
#include <windows.h>
#include <shlobj.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "browse/BrowsePlatform_win.h"

namespace wintest {

class FakeBrowsePlatform final : public ecl::BrowsePlatform {
public:
    struct Sent {
        UINT msg;
        WPARAM wParam;
        std::string text;  // the string lParam of the text messages, else the number
        friend bool operator==(const Sent&, const Sent&) = default;
    };
    // The user: runs once the browser has reported itself initialised; the item it leaves in
    // `confirm` is what the browser returns.
    using User = std::function<void(FakeBrowsePlatform& browser)>;

    FakeBrowsePlatform();
    ~FakeBrowsePlatform() override;

    // An item with a file-system path, or without one (a printer) when path is empty; the shell
    // owns it unless it hands it to the program (a root or the confirmed item).
    LPITEMIDLIST NewItem(const std::string& path);
    // The user moves the selection; the callback's answer.
    int Select(LPITEMIDLIST item);
    // The user types a name the browser cannot find; true when the browser stays open.
    bool TypeUnknownName(const std::string& name);

    LPITEMIDLIST SpecialFolderLocation(HWND owner, int folderId) override;
    LPITEMIDLIST BrowseForFolder(BROWSEINFOA& request) override;
    bool PathFromItemList(LPCITEMIDLIST items, char* buffer) override;
    void FreeItemList(LPITEMIDLIST items) override;

    User user;
    LPITEMIDLIST confirm = nullptr;  // what the user confirms; null for Cancel
    std::optional<int> rootFolder;   // a special folder that the lookup resolves
    std::vector<int> lookups;        // the folder ids looked up
    BROWSEINFOA request{};           // as the last run received it
    std::string title;               // the request's title text
    HWND window = nullptr;           // the browser while it runs
    RECT placed{};                   // its bounds when the user script started
    std::vector<Sent> sent;          // what the program sent the browser
    bool closedByProgram = false;    // the program pressed Cancel for the user
    bool ownerEnabledDuringRun = true;
    int liveItems = 0;  // item lists handed to the program and not yet freed

private:
    LPITEMIDLIST HandOut(LPITEMIDLIST item);
    std::vector<LPITEMIDLIST> items_;
    std::vector<LPITEMIDLIST> handedOut_;
};

}  // namespace wintest
