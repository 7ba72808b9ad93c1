#pragma once
// The shell's own result codes. Besides system error codes, the shell's file operation returns
// codes of its own (0x71 to 0x88, 0x402, and 0x10000 and up for errors at the destination) that
// the system's message table does not know or gives unrelated texts for.
#include <optional>
#include <string>

namespace fileops {

// Our text for one of the shell's own codes, or nothing when the code is a system error code.
std::optional<std::string> ShellResultText(int code);

}  // namespace fileops
