#include "FakeBrowsePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace wintest {

namespace {

struct FakeItem {
    std::string path;
};

constexpr char kClass[] = "FakeFolderBrowser";

LRESULT CALLBACK BrowserProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* shell = reinterpret_cast<FakeBrowsePlatform*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (shell) {
        switch (msg) {
            case WM_SETTEXT:
            case BFFM_SETSTATUSTEXTA:
            case BFFM_SETSELECTIONA:
                shell->sent.push_back({msg, wParam, lParam ? reinterpret_cast<const char*>(lParam) : ""});
                break;
            case BFFM_ENABLEOK: shell->sent.push_back({msg, wParam, std::to_string(lParam)}); return 0;
            case WM_COMMAND:
                if (LOWORD(wParam) == IDCANCEL) shell->closedByProgram = true;
                return 0;
            default: break;
        }
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

FakeBrowsePlatform::FakeBrowsePlatform() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = BrowserProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    ::RegisterClassA(&wc);
}

FakeBrowsePlatform::~FakeBrowsePlatform() {
    for (LPITEMIDLIST item : items_) delete reinterpret_cast<FakeItem*>(item);
}

LPITEMIDLIST FakeBrowsePlatform::NewItem(const std::string& path) {
    items_.push_back(reinterpret_cast<LPITEMIDLIST>(new FakeItem{path}));
    return items_.back();
}

LPITEMIDLIST FakeBrowsePlatform::HandOut(LPITEMIDLIST item) {
    if (item) {
        handedOut_.push_back(item);
        ++liveItems;
    }
    return item;
}

int FakeBrowsePlatform::Select(LPITEMIDLIST item) {
    return request.lpfn ? request.lpfn(window, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(item), request.lParam) : 0;
}

bool FakeBrowsePlatform::TypeUnknownName(const std::string& name) {
    return request.lpfn &&
           request.lpfn(window, BFFM_VALIDATEFAILEDA, reinterpret_cast<LPARAM>(name.c_str()), request.lParam) != 0;
}

LPITEMIDLIST FakeBrowsePlatform::SpecialFolderLocation(HWND, int folderId) {
    lookups.push_back(folderId);
    return rootFolder == folderId ? HandOut(NewItem("C:\\root")) : nullptr;
}

LPITEMIDLIST FakeBrowsePlatform::BrowseForFolder(BROWSEINFOA& info) {
    request = info;
    title = info.lpszTitle ? info.lpszTitle : "";
    sent.clear();
    closedByProgram = false;
    confirm = nullptr;
    // Small and far from anywhere, so that placement shows.
    window = ::CreateWindowExA(WS_EX_TOOLWINDOW, kClass, "Browse for Folder", WS_POPUP, 3, 5, 300, 200, info.hwndOwner,
                               nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (info.hwndOwner) ::EnableWindow(info.hwndOwner, FALSE);
    if (info.lpfn) info.lpfn(window, BFFM_INITIALIZED, 0, info.lParam);
    ::GetWindowRect(window, &placed);
    ownerEnabledDuringRun = info.hwndOwner && ::IsWindowEnabled(info.hwndOwner);
    if (user && !closedByProgram) user(*this);
    if (info.hwndOwner) ::EnableWindow(info.hwndOwner, TRUE);
    ::DestroyWindow(window);
    window = nullptr;
    if (confirm && info.pszDisplayName) {
        const std::string name = reinterpret_cast<FakeItem*>(confirm)->path.empty()
                                     ? "Printers"
                                     : reinterpret_cast<FakeItem*>(confirm)->path.substr(
                                           reinterpret_cast<FakeItem*>(confirm)->path.find_last_of('\\') + 1);
        std::strncpy(info.pszDisplayName, name.c_str(), MAX_PATH);
    }
    return closedByProgram ? nullptr : HandOut(std::exchange(confirm, nullptr));
}

bool FakeBrowsePlatform::PathFromItemList(LPCITEMIDLIST items, char* buffer) {
    const std::string& path = reinterpret_cast<const FakeItem*>(items)->path;
    if (path.empty()) return false;
    std::strncpy(buffer, path.c_str(), MAX_PATH);
    return true;
}

void FakeBrowsePlatform::FreeItemList(LPITEMIDLIST items) {
    const auto found = std::find(handedOut_.begin(), handedOut_.end(), items);
    if (found == handedOut_.end()) {
        ADD_FAILURE() << "an item list freed that the program does not own";
        return;
    }
    handedOut_.erase(found);
    --liveItems;
}

}  // namespace wintest
