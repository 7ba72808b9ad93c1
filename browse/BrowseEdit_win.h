#pragma once
// The folder browse edit: a single-line edit box drawn by itself, with a flat Windows border and a
// browse button at its right that picks a folder into the text. Path is the text, exactly as
// typed or chosen. Other programs read and edit it with the standard single-line edit messages,
// which take the same paths as the keyboard and the mouse; F4 and Alt+Down press the button.
#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "browse/BrowseTypes.h"
#include "browse/Caret.h"
#include "browse/EditLine.h"
#include "browse/EditMenu.h"
#include "controls/Bevel.h"
#include "controls/ButtonState.h"
#include "framework/Change.h"
#include "framework/Control_win.h"

namespace ecl {
class BrowseButton;
}

class TEclBrowseDlg;

class TEclBrowseEdit : public fw::WinControl {
public:
    // Fired before each browse with the dialog about to run, so that a handler can set it up.
    using ExecuteEvent = std::function<void(fw::Component& sender, TEclBrowseDlg& dialog)>;

    explicit TEclBrowseEdit(fw::Component* owner);
    ~TEclBrowseEdit() override;
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    // The edit's text, exactly as shown and typed: nothing added, removed or trimmed.
    std::string Path() const;
    // Sets the text: the caret goes to its start; OnChange fires when the text changed.
    void SetPath(std::string path);

    TEclBevel& Bevel() { return bevel_; }
    const TEclBevel& Bevel() const { return bevel_; }
    TEclCaret& Caret() { return caret_; }
    const TEclCaret& Caret() const { return caret_; }

    // With AutoSize the height follows the font ("Qp" height x 5 / 4, plus the frame).
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on) { fw::Change(autoSize_, on, this, &TEclBrowseEdit::AdjustSize); }
    int CustomButtonWidth() const { return buttonWidth_; }
    void SetCustomButtonWidth(int width);
    TEclUserButtonStyle CustomButtonsStyle() const { return buttonsStyle_; }
    void SetCustomButtonsStyle(TEclUserButtonStyle style) {
        fw::Change(buttonsStyle_, style, this, &TEclBrowseEdit::Invalidate);
    }
    bool CustomButtonParentCtlXP() const { return buttonParentCtlXP_; }
    void SetCustomButtonParentCtlXP(bool on) { buttonParentCtlXP_ = on; }
    // Typing, pasting and setting the text stop at MaxLength characters when it is positive, at the
    // standard edit box's default limit (ecl::kDefaultTextLimit) when it is 0. EM_GETLIMITTEXT
    // reports 0 as a standard edit box without a limit answers.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    // Read-only refuses the user's changes, not the program's; the window carries ES_READONLY.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { fw::Change(readOnly_, on, this, &TEclBrowseEdit::ReadOnlyChanged); }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool on) {
        hideSelection_ = on;
        Invalidate();
    }
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    // The editing model, for reading the selection.
    const ecl::EditLine& Line() const { return line_; }

    TEclBrowseDlgOptions Options() const { return options_; }
    void SetOptions(TEclBrowseDlgOptions options) { options_ = options; }
    TEclSystemFolders StartFolder() const { return startFolder_; }
    void SetStartFolder(TEclSystemFolders folder) { startFolder_ = folder; }
    // With StartWithLast the chooser opens on the folder in the box.
    bool StartWithLast() const { return startWithLast_; }
    void SetStartWithLast(bool on) { startWithLast_ = on; }
    // With MinimizeName the box shows, while it is not focused, the path shortened with "...\" to
    // fit its width; Path stays the full path.
    bool MinimizeName() const { return minimizeName_; }
    void SetMinimizeName(bool on) {
        minimizeName_ = on;
        Invalidate();
    }
    // The text as the box shows it now.
    std::string DisplayedText() const;

    void SetOnChange(fw::NotifyEvent handler) { onChange_ = std::move(handler); }
    void SetOnDlgChange(fw::NotifyEvent handler) { onDlgChange_ = std::move(handler); }
    void SetOnBrowse(fw::NotifyEvent handler) { onBrowse_ = std::move(handler); }
    void SetOnBeforeBrowse(fw::NotifyEvent handler) { onBeforeBrowse_ = std::move(handler); }
    void SetOnExecute(ExecuteEvent handler) { onExecute_ = std::move(handler); }

    // Runs a folder browse dialog of its own and takes a confirmed folder into the text (the
    // browse button's click).
    virtual void Browse();

    // Geometry in client coordinates: the text area and the browse button.
    fw::Rect TextArea() const;
    fw::Rect ButtonRect() const;
    // The insertion point (a character index) and the horizontal scroll of the text in pixels.
    std::size_t CaretPosition() const { return line_.Caret(); }
    int ScrollOffset() const { return scroll_; }
    ecl::ButtonState ButtonState() const;

    void Paint(fw::Canvas& canvas) override;
    void Loaded() override;
    // A text field whose value is the path; a screen reader sets it as typing would, unless read-only.
    bool Describe(fw::AccessibleInfo& info) const override;
    bool SetAccessibleValue(const std::string& value) override;

protected:
    void GetCreateParams(CreateParams& params) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void FontChanged() override;
    void BoundsChanged() override;
    void EnabledChanged() override;

private:
    void SetText(std::string text);
    void Edited(bool changed);
    void Changed();
    void AdjustSize();
    void LayoutButton();
    void UpdateFrame();
    void ReadOnlyChanged();
    fw::Rect Client() const;
    std::vector<int> Edges() const;
    int TextHeight() const;
    int CaretX() const;
    void ScrollToCaret();
    void PlaceCaretAt(int x, bool extend = false);
    // The window procedure's handlers, one per group of messages.
    LRESULT PaintUnderHiddenCaret(UINT msg, WPARAM wParam, LPARAM lParam);
    bool OnLeftButtonDown(int x, int y, bool shift);
    void OnMouseMove(int x, bool leftHeld);
    void OnLeftButtonUp();
    std::size_t CopyTextTo(char* out, std::size_t capacity) const;
    LRESULT ReportSelection(DWORD* start, DWORD* end) const;
    void SelectRange(int start, int end);
    void ReplaceSelection(const char* text, bool undoable);
    void SetLimitText(WPARAM limit);
    LRESULT LimitText() const;
    LRESULT LineLength() const;
    LRESULT PositionOfChar(WPARAM index) const;
    LRESULT CharAtPoint(LPARAM point) const;
    void OnSysKeyDown(WPARAM key, LPARAM flags);
    void OnKeyDown(WPARAM key);
    void OnChar(char c);
    void Paste();
    void CopyToClipboard();
    void CutToClipboard();
    void Undo();
    void SelectAll();
    void ShowContextMenu(LPARAM where);
    void RunCommand(ecl::EditCommand command);
    void OnSetFocus();
    void OnKillFocus(HWND next);
    void ShowSystemCaret();
    void HideSystemCaret();
    void DestroySystemCaret();
    void MoveSystemCaret();
    void ButtonClicked();

    ecl::EditLine line_;
    TEclBevel bevel_;
    TEclCaret caret_;
    std::unique_ptr<ecl::BrowseButton> button_;
    bool autoSize_ = false;
    int buttonWidth_ = 18;
    TEclUserButtonStyle buttonsStyle_ = TEclUserButtonStyle::ubsIntegrated;
    bool buttonParentCtlXP_ = false;
    int maxLength_ = 0;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    bool autoSelect_ = false;
    TEclBrowseDlgOptions options_ = kDefaultBrowseDlgOptions;
    TEclSystemFolders startFolder_ = TEclSystemFolders::bfoDesktopExpanded;
    bool startWithLast_ = false;
    bool minimizeName_ = false;
    int scroll_ = 0;
    bool clicked_ = false;
    bool dragging_ = false;
    LONG lastClickTime_ = 0;
    int lastClickX_ = 0;
    int lastClickY_ = 0;
    bool caretCreated_ = false;
    bool caretVisible_ = false;
    fw::NotifyEvent onChange_;
    fw::NotifyEvent onDlgChange_;
    fw::NotifyEvent onBrowse_;
    fw::NotifyEvent onBeforeBrowse_;
    ExecuteEvent onExecute_;
};
