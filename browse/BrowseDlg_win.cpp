#include "browse/BrowseDlg_win.h"

#include <cstring>
#include <memory>
#include <utility>

#include "browse/BrowsePlatform_win.h"
#include "browse/ShortenPath.h"
#include "framework/Change.h"
#include "framework/DialogPosition_win.h"
#include "framework/PartPublisher.h"
#include "framework/Application_win.h"
#include "framework/Control_win.h"
#include "framework/Form_win.h"

namespace {

// The status line's width in characters.
constexpr int kStatusLength = 40;

}  // namespace

const fw::ClassInfo& TEclBrowseDlg::StaticClass() {
    static const fw::ClassInfo info = [] {
        using C = TEclBrowseDlg;
        fw::ClassInfo ci("TEclBrowseDlg", nullptr, [](fw::Component* owner) { return std::make_unique<C>(owner); });
        fw::Publish<C>(ci)
            .Property<std::string>("CaptionTitle", &C::CaptionTitle, &C::SetCaptionTitle)
            .Property<std::string>("Caption", &C::Caption, &C::SetCaption)
            .Property<TEclSystemFolders>("StartFolder", &C::StartFolder, &C::SetStartFolder)
            .Property<TEclBrowseDlgOptions>("Options", &C::Options, &C::SetOptions)
            .Property<std::string>("SelectedFolder", &C::SelectedFolder, &C::SetSelectedFolder)
            .Property<TEclDlgPosition>("Position", &C::Position, &C::SetPosition)
            .Property<TEclDlgPosRel>("RelatePos", &C::RelatePos, &C::SetRelatePos)
            .Property<std::string>("StatusText", &C::StatusText, &C::SetStatusText)
            .Event("OnInit", [](C& c, fw::NotifyEvent e) { c.SetOnInit(std::move(e)); })
            .template Event<SelectionChangeEvent>(
                "OnSelectionChanged", [](C& c, SelectionChangeEvent e) { c.SetOnSelectionChanged(std::move(e)); })
            .template Event<ValidateEvent>("OnValidate", [](C& c, ValidateEvent e) { c.SetOnValidate(std::move(e)); });
        return ci;
    }();
    return info;
}

void TEclBrowseDlg::SetCaptionTitle(std::string value) {
    if (!fw::Change(captionTitle_, std::move(value))) return;
    if (dialog_) ::SendMessageA(dialog_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(captionTitle_.c_str()));
}

void TEclBrowseDlg::SetSelectedFolder(std::string value) {
    if (!fw::Change(selectedFolder_, std::move(value))) return;
    if (dialog_) ::SendMessageA(dialog_, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(selectedFolder_.c_str()));
}

void TEclBrowseDlg::SetStatusText(std::string value) {
    if (!fw::Change(statusText_, std::move(value))) return;
    if (dialog_) ::SendMessageA(dialog_, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(statusText_.c_str()));
}

// Always an owner, so that the window behind stays disabled while the browser is open: no second
// browse, no grab and no closing of the main window underneath it.
HWND TEclBrowseDlg::OwnerWindow(fw::WinControl* parent) const {
    if (parent && parent->HandleAllocated()) return parent->Handle();
    if (auto* control = dynamic_cast<fw::WinControl*>(Owner()); control && control->HandleAllocated())
        return ::GetAncestor(control->Handle(), GA_ROOT);
    fw::Form* main = fw::Application::Exists() ? fw::Application::Instance().MainForm() : nullptr;
    return main && main->HandleAllocated() ? main->Handle() : nullptr;
}

std::string TEclBrowseDlg::PathFromItemList(LPCITEMIDLIST items) const {
    char path[MAX_PATH + 1] = {};
    if (!items || !fw::Seam<ecl::BrowsePlatform>::Current().PathFromItemList(items, path)) return {};
    return TrimShellPath(std::string_view(path, sizeof path));
}

bool TEclBrowseDlg::Execute(fw::WinControl* parent) {
    ecl::BrowsePlatform& shell = fw::Seam<ecl::BrowsePlatform>::Current();
    const HWND owner = OwnerWindow(parent);
    const ecl::ItemList root(shell, shell.SpecialFolderLocation(dialog_, SpecialFolderId(startFolder_)));
    char displayName[MAX_PATH + 1] = {};
    BROWSEINFOA request{};
    request.hwndOwner = owner;
    request.pidlRoot = root.Get();
    request.pszDisplayName = displayName;
    request.lpszTitle = caption_.c_str();
    request.ulFlags = BrowseFlagWord(options_);
    request.lpfn = &TEclBrowseDlg::Callback;
    request.lParam = reinterpret_cast<LPARAM>(this);
    error_ = nullptr;
    const ecl::ItemList chosen(shell, shell.BrowseForFolder(request));
    dialog_ = nullptr;
    if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
    if (!chosen.Get()) return false;
    selectedFolder_ = PathFromItemList(chosen.Get());
    displayName_.assign(displayName, ::strnlen(displayName, sizeof displayName));
    return true;
}

int CALLBACK TEclBrowseDlg::Callback(HWND dialog, UINT msg, LPARAM param, LPARAM self) {
    auto* browse = reinterpret_cast<TEclBrowseDlg*>(self);
    if (!browse || browse->error_) return 0;
    try {
        switch (msg) {
            case BFFM_INITIALIZED: return browse->Initialized(dialog);
            case BFFM_SELCHANGED: return browse->SelectionChanged(reinterpret_cast<LPCITEMIDLIST>(param));
            case BFFM_VALIDATEFAILEDA: return browse->ValidateFailed(reinterpret_cast<const char*>(param));
            default: return 0;
        }
    } catch (...) {
        // Nothing may unwind through the shell: the browser closes as cancelled and Execute
        // throws once the shell has returned.
        browse->error_ = std::current_exception();
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    }
}

int TEclBrowseDlg::Initialized(HWND dialog) {
    dialog_ = dialog;
    RECT bounds{};
    ::GetWindowRect(dialog, &bounds);
    const ecl::DialogOrigin origin =
        ecl::PlaceDialogWindow(position_, relatePos_, bounds.right - bounds.left, bounds.bottom - bounds.top);
    ::SetWindowPos(dialog, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!captionTitle_.empty()) ::SendMessageA(dialog, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(captionTitle_.c_str()));
    if (!statusText_.empty())
        ::SendMessageA(dialog, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(statusText_.c_str()));
    if (!selectedFolder_.empty())
        ::SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(selectedFolder_.c_str()));
    ::SendMessageA(dialog, BFFM_ENABLEOK, 0, options_.Has(TEclBrowseDlgOption::doEnableOK) ? 1 : 0);
    if (onInit_) onInit_(*this);
    return 0;
}

int TEclBrowseDlg::SelectionChanged(LPCITEMIDLIST item) {
    const bool showPath = options_.Has(TEclBrowseDlgOption::doShowPath);
    if (!showPath && !onSelectionChanged_) return 0;
    const std::string path = PathFromItemList(item);
    if (showPath) SetStatusText(ecl::ShortenPath(path, kStatusLength));
    if (onSelectionChanged_) onSelectionChanged_(*this, dialog_, path, item);
    return 0;
}

// A typed name the shell could not find. Without a handler the browser stays open and says so,
// rather than closing as if the user had cancelled.
int TEclBrowseDlg::ValidateFailed(const char* typed) {
    const std::string text = typed ? typed : "";
    if (!onValidate_) {
        SetStatusText("Folder not found: " + ecl::ShortenPath(text, kStatusLength - 18));
        return 1;
    }
    bool cancel = false;
    onValidate_(*this, text, cancel);
    return cancel ? 1 : 0;
}
