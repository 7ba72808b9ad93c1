#pragma once
// The About dialog's window and its two plain parts: the icon and the etched separator line.
#include <windows.h>

#include <vector>

#include "framework/Change.h"
#include "framework/Form_win.h"
#include "framework/Handles_win.h"

class TEclButton;
class TEclSimpleLabel;

namespace about {

// A dialog window built in code and shown modally. It is owned by the window that is active when
// its window is made (else the application's main form, else the application window); while it
// is shown every other window of the thread is disabled. Enter clicks the default button, Esc the
// cancel button, and the title bar's close box ends it with the cancel result. Tab moves through
// the buttons and then the links; Enter or Space opens the link the keyboard is on.
class AboutForm : public fw::Form {
public:
    explicit AboutForm(fw::Component* owner);

    void SetDefaultButton(TEclButton* button) { defaultButton_ = button; }
    void SetCancelButton(TEclButton* button) { cancelButton_ = button; }
    void SetLinks(std::vector<TEclSimpleLabel*> links) { links_ = std::move(links); }
    // The link the keyboard is on, if any.
    TEclSimpleLabel* FocusedLink() const { return focusedLink_; }

    // Setting a result other than 0 ends ShowModal.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // Shows the window and runs its message loop until it has a modal result, which it returns.
    // A quit request ends it too (with IDCANCEL) and is passed on to the outer loop.
    int ShowModal();

protected:
    void GetCreateParams(CreateParams& params) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // True when the message was a dialog key and has been handled.
    bool DialogKey(const MSG& msg);
    // Moves the keyboard on through the buttons and the links, in a ring.
    void TabToNext(bool backwards);
    void FocusLink(TEclSimpleLabel* link);

    TEclButton* defaultButton_ = nullptr;
    TEclButton* cancelButton_ = nullptr;
    std::vector<TEclSimpleLabel*> links_;
    TEclSimpleLabel* focusedLink_ = nullptr;
    int modalResult_ = 0;
};

// The dialog's image: an icon drawn at its natural size at the control's top-left corner (the
// icon is not owned), or an owned picture stretched over the control, transparent where it has
// the colour of its bottom-left pixel.
class AboutIcon : public fw::Control {
public:
    explicit AboutIcon(fw::Component* owner) : fw::Control(owner) {}
    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon) { fw::Change(icon_, icon, this, &AboutIcon::Invalidate); }
    HBITMAP Picture() const { return picture_.Get(); }
    void SetPicture(fw::UniqueBitmap picture);
    void Paint(fw::Canvas& canvas) override;

private:
    HICON icon_ = nullptr;
    fw::UniqueBitmap picture_;
};

// An etched horizontal line along the control's top edge.
class AboutSeparator : public fw::Control {
public:
    explicit AboutSeparator(fw::Component* owner) : fw::Control(owner) {}
    void Paint(fw::Canvas& canvas) override;
};

}  // namespace about
