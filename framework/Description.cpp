#include "framework/Description.h"

namespace fw {
DescriptionError::DescriptionError(int line, const std::string& what)
    : std::runtime_error(line > 0 ? "Line " + std::to_string(line) + ": " + what : what), line_(line) {}
ObjectNode ParseDescription(std::string_view) { throw DescriptionError(1, "not yet"); }
}  // namespace fw
