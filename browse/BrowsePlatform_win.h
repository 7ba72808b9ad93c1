#pragma once
// The four shell calls behind the folder browser, behind one interface so that tests can play the
// shell (including messages Wine's browser never sends). Item lists are freed by ItemList.
#include <windows.h>
#include <shlobj.h>

#include "framework/Seam.h"

namespace ecl {

class BrowsePlatform {
public:
    static BrowsePlatform& System();

    virtual ~BrowsePlatform() = default;
    // The item list of a special folder, or null when the lookup fails.
    virtual LPITEMIDLIST SpecialFolderLocation(HWND owner, int folderId) = 0;
    // Runs the modal browser; the chosen item, or null when it was cancelled.
    virtual LPITEMIDLIST BrowseForFolder(BROWSEINFOA& request) = 0;
    // The item's file-system path into a buffer of MAX_PATH + 1 bytes; false when it has none.
    virtual bool PathFromItemList(LPCITEMIDLIST items, char* buffer) = 0;
    virtual void FreeItemList(LPITEMIDLIST items) = 0;
};

// An item list the shell allocated, freed by the same shell.
class ItemList {
public:
    ItemList(BrowsePlatform& shell, LPITEMIDLIST items) : shell_(shell), items_(items) {}
    ~ItemList() {
        if (items_) shell_.FreeItemList(items_);
    }
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    LPITEMIDLIST Get() const { return items_; }

private:
    BrowsePlatform& shell_;
    LPITEMIDLIST items_;
};

}  // namespace ecl
