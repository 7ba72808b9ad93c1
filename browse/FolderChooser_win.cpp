#include "browse/FolderChooser_win.h"

#include <objbase.h>
#include <shlobj.h>

#include <memory>

namespace {

struct ItemListDeleter {
    void operator()(ITEMIDLIST* items) const { ::CoTaskMemFree(items); }
};
using UniqueItemList = std::unique_ptr<ITEMIDLIST, ItemListDeleter>;

// Preselects the requested folder and sets the OK button as the options say, once the browser is up.
int CALLBACK BrowseCallback(HWND dialog, UINT msg, LPARAM, LPARAM data) {
    if (msg != BFFM_INITIALIZED) return 0;
    const auto* request = reinterpret_cast<const FolderRequest*>(data);
    if (!request->selected.empty())
        ::SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(request->selected.c_str()));
    ::SendMessageA(dialog, BFFM_ENABLEOK, 0, request->options.Has(TEclBrowseDlgOption::doEnableOK) ? 1 : 0);
    return 0;
}

}  // namespace

namespace ecl {

std::optional<std::string> ShellChooseFolder(const FolderRequest& request) {
    UniqueItemList root;
    {
        ITEMIDLIST* items = nullptr;
        if (SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, SpecialFolderId(request.startFolder), &items)))
            root.reset(items);
    }
    char displayName[MAX_PATH + 1] = {};
    BROWSEINFOA info{};
    info.hwndOwner = request.owner;
    info.pidlRoot = root.get();
    info.pszDisplayName = displayName;
    info.lpszTitle = "";
    info.ulFlags = BrowseFlagWord(request.options);
    info.lpfn = &BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&request);
    const UniqueItemList chosen(::SHBrowseForFolderA(&info));
    if (!chosen) return std::nullopt;
    char path[MAX_PATH + 1] = {};
    ::SHGetPathFromIDListA(chosen.get(), path);
    return TrimShellPath(std::string_view(path, sizeof path));
}

}  // namespace ecl
