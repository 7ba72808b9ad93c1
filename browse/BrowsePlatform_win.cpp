#include "browse/BrowsePlatform_win.h"

#include <objbase.h>

namespace ecl {

namespace {

class SystemBrowsePlatform final : public BrowsePlatform {
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

}  // namespace

BrowsePlatform& BrowsePlatform::System() {
    static SystemBrowsePlatform system;
    return system;
}

}  // namespace ecl
