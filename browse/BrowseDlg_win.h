#pragma once
// TEclBrowseDlg: a non-visual component that runs the shell's modal folder browser and hands back
// the chosen folder's path, with a status line that follows the selection, placement relative to
// another window, and events around the run.
#include <windows.h>
#include <shlobj.h>

#include <exception>
#include <functional>
#include <string>

#include "browse/BrowseTypes.h"
#include "framework/DialogPosition.h"
#include "framework/ClassInfo.h"
#include "framework/Component.h"

namespace fw {
class WinControl;
}

class TEclBrowseDlg : public fw::Component {
public:
    using SelectionChangeEvent =
        std::function<void(fw::Component& sender, HWND dialog, const std::string& path, LPCITEMIDLIST item)>;
    using ValidateEvent = std::function<void(fw::Component& sender, const std::string& text, bool& cancel)>;

    explicit TEclBrowseDlg(fw::Component* owner) : fw::Component(owner) {}
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    // The browser window's caption; empty keeps the shell's own.
    const std::string& CaptionTitle() const { return captionTitle_; }
    void SetCaptionTitle(std::string value);
    // The title text above the folder tree.
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string value) { caption_ = std::move(value); }
    TEclSystemFolders StartFolder() const { return startFolder_; }
    void SetStartFolder(TEclSystemFolders value) { startFolder_ = value; }
    TEclBrowseDlgOptions Options() const { return options_; }
    void SetOptions(TEclBrowseDlgOptions value) { options_ = value; }
    // In: the folder selected when the browser opens. Out: the folder chosen. Moves the open
    // browser's selection.
    const std::string& SelectedFolder() const { return selectedFolder_; }
    void SetSelectedFolder(std::string value);
    TEclDlgPosition Position() const { return position_; }
    void SetPosition(TEclDlgPosition value) { position_ = value; }
    TEclDlgPosRel RelatePos() const { return relatePos_; }
    void SetRelatePos(TEclDlgPosRel value) { relatePos_ = value; }
    // The status line's text; updates the open browser's.
    const std::string& StatusText() const { return statusText_; }
    void SetStatusText(std::string value);
    // The shell's display name of the item chosen on the last confirmed run.
    const std::string& DisplayName() const { return displayName_; }
    // The browser's window while it is open, else null.
    HWND DialogHandle() const { return dialog_; }

    void SetOnInit(fw::NotifyEvent handler) { onInit_ = std::move(handler); }
    void SetOnSelectionChanged(SelectionChangeEvent handler) { onSelectionChanged_ = std::move(handler); }
    void SetOnValidate(ValidateEvent handler) { onValidate_ = std::move(handler); }

    // Runs the browser, owned by parent's window (else the owner component's window, else the main
    // window), which stays disabled meanwhile. True when the user confirmed an item. An exception
    // from an event handler closes the browser and comes out of here.
    bool Execute(fw::WinControl* parent = nullptr);

private:
    static int CALLBACK Callback(HWND dialog, UINT msg, LPARAM param, LPARAM self);
    int Initialized(HWND dialog);
    int SelectionChanged(LPCITEMIDLIST item);
    int ValidateFailed(const char* typed);
    HWND OwnerWindow(fw::WinControl* parent) const;
    std::string PathFromItemList(LPCITEMIDLIST items) const;

    std::string captionTitle_;
    std::string caption_;
    TEclSystemFolders startFolder_ = TEclSystemFolders::bfoDesktopExpanded;
    TEclBrowseDlgOptions options_ = kDefaultBrowseDlgOptions;
    std::string selectedFolder_;
    TEclDlgPosition position_ = TEclDlgPosition::bpCenter;
    TEclDlgPosRel relatePos_ = TEclDlgPosRel::brActiveWindow;
    std::string statusText_;
    std::string displayName_;
    HWND dialog_ = nullptr;
    std::exception_ptr error_;
    fw::NotifyEvent onInit_;
    SelectionChangeEvent onSelectionChanged_;
    ValidateEvent onValidate_;
};
