#include "browse/BrowseShell_win.h"

#include <objbase.h>

namespace ecl {

namespace {

class SystemShell final : public BrowseShell {
public:
    LPITEMIDLIST SpecialFolderLocation(HWND owner, int folderId) override {
        LPITEMIDLIST items = nullptr;
        return SUCCEEDED(::SHGetSpecialFolderLocation(owner, folderId, &items)) ? items : nullptr;
    }
    LPITEMIDLIST BrowseForFolder(BROWSEINFOA& request) override { return ::SHBrowseForFolderA(&request); }
    bool PathFromItemList(LPCITEMIDLIST items, char* buffer) override {
        return ::SHGetPathFromIDListA(items, buffer) != FALSE;
    }
    void FreeItemList(LPITEMIDLIST items) override { ::CoTaskMemFree(items); }
};

SystemShell systemShell;
BrowseShell* current = &systemShell;

}  // namespace

BrowseShell& CurrentBrowseShell() { return *current; }

BrowseShell* SetBrowseShell(BrowseShell* shell) {
    BrowseShell* old = current == &systemShell ? nullptr : current;
    current = shell ? shell : &systemShell;
    return old;
}

}  // namespace ecl
