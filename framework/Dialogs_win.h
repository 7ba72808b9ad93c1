#pragma once
// The two standard message boxes, modal and centred on the screen:
// - the warning dialog: caption "Warning", exclamation icon, "&Yes" (default) and "&No" (cancel);
// - the plain message box: caption = the application title, no icon, one "OK" button.
// Handlers reach them through the seam so that tests can answer them.
#include <string>

#include "framework/Seam.h"

namespace fw {

class DialogsPlatform {
public:
    // The real dialogs, owned and modal as fw::ModalOwner and fw::DisabledWindows say.
    static DialogsPlatform& System();

    virtual ~DialogsPlatform() = default;
    // True only when the user answered Yes; No, Esc and closing the dialog give false.
    virtual bool ConfirmWarning(const std::string& text) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
};

// The dialogs through the platform in place.
inline DialogsPlatform& Dialogs() { return Seam<DialogsPlatform>::Current(); }

}  // namespace fw
