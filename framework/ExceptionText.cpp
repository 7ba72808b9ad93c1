#include "framework/ExceptionText.h"

namespace fw {

std::string ExceptionMessageText(std::string message) {
    // Compared as unsigned bytes, so characters beyond ASCII sort after the full stop as well.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.')) {
        message += '.';
    }
    return message;
}

}  // namespace fw
