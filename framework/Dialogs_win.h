#pragma once
// The two standard message boxes, modal and centred on the screen:
// - the warning dialog: caption "Warning", exclamation icon, "&Yes" (default) and "&No" (cancel);
// - the plain message box: caption = the application title, no icon, one "OK" button.
// Handlers reach them through Dialogs so that tests can answer them.
#include <string>

namespace fw {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // True only when the user answered Yes; No, Esc and closing the dialog give false.
    virtual bool ConfirmWarning(const std::string& text) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
};

// The real dialogs, owned and modal as fw::ModalOwner and fw::DisabledWindows say.
Dialogs& StandardDialogs();

}  // namespace fw
