#include "browse/Caret.h"

#include <array>

std::span<const std::string_view> EnumNames(TEclCaretStyles) {
    static constexpr std::array<std::string_view, 6> names{"csDefault", "csBlock",  "csUnder",
                                                           "csOver",    "csBitmap", "csUnderBlock"};
    return names;
}
