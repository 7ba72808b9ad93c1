#include "about/AboutTypes.h"

#include <array>

std::span<const std::string_view> EnumNames(TEclAboutStyle) {
    static constexpr std::array<std::string_view, 2> names{"bsStandard", "bsEcl"};
    return names;
}
std::span<const std::string_view> EnumNames(TEclAboutIconStyle) {
    static constexpr std::array<std::string_view, 3> names{"isNone", "isStandard", "isExtended"};
    return names;
}
std::span<const std::string_view> EnumNames(TEclAboutVersionStyle) {
    static constexpr std::array<std::string_view, 4> names{"vsProg", "vsFileShort", "vsFileFull", "vsFileBuild"};
    return names;
}
std::span<const std::string_view> EnumNames(TEclDlgEffect) {
    static constexpr std::array<std::string_view, 3> names{"deNone", "deExplode", "deExplodeExt"};
    return names;
}
