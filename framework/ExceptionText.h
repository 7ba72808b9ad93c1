#pragma once
#include <string>

namespace fw {

// The text the default exception handler shows for an exception's message: a full stop is added
// when the last character sorts after "." (a letter or a digit does; ")" or "!" do not).
std::string ExceptionMessageText(std::string message);

}  // namespace fw
