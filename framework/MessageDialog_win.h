#pragma once
// Small modal message dialogs built in memory: an optional system icon, the message text and a
// row of buttons, centred on the screen.
#include <windows.h>

#include <string>
#include <vector>

namespace fw {

enum class MessageIcon { None, Warning, Error };

struct MessageButton {
    int id;               // the dialog's result when this button is pressed
    std::string caption;  // "&" marks the access key
};

struct MessageDialogOptions {
    std::string caption;
    std::string text;  // shown as is: "&" is no access key here
    MessageIcon icon = MessageIcon::None;
    std::vector<MessageButton> buttons;  // left to right
    int defaultId = 0;                   // pressed by Enter
    int cancelId = 0;                    // the result of Esc and of the close box
};

// The same control ids as the system's own message boxes, so tools that read those read these.
constexpr int kMessageTextId = 0xFFFF;
constexpr int kMessageIconId = 0x14;

// Shows the dialog modally and returns the id of the button that ended it. Its owner is
// ModalOwner(); every other window of the thread is disabled while it is up. Throws std::runtime_error when the
// dialog cannot be shown, std::invalid_argument when it has no buttons.
int RunMessageDialog(const MessageDialogOptions& options);

// The default exception handler's box: error icon and one "OK" button.
void ShowErrorBox(const std::string& caption, const std::string& text);

}  // namespace fw
