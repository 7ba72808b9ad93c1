#pragma once
// The About dialog's enumerations: what it looks like, how it opens and which version text it
// takes from the program file.
#include <array>
#include <span>
#include <string_view>

enum class TEclAboutStyle { bsStandard, bsEcl };
enum class TEclAboutIconStyle { isNone, isStandard, isExtended };
enum class TEclAboutVersionStyle { vsProg, vsFileShort, vsFileFull, vsFileBuild };
enum class TEclDlgEffect { deNone, deExplode, deExplodeExt };

inline std::span<const std::string_view> EnumNames(TEclAboutStyle) {
    static constexpr std::array<std::string_view, 2> names{"bsStandard", "bsEcl"};
    return names;
}
inline std::span<const std::string_view> EnumNames(TEclAboutIconStyle) {
    static constexpr std::array<std::string_view, 3> names{"isNone", "isStandard", "isExtended"};
    return names;
}
inline std::span<const std::string_view> EnumNames(TEclAboutVersionStyle) {
    static constexpr std::array<std::string_view, 4> names{"vsProg", "vsFileShort", "vsFileFull", "vsFileBuild"};
    return names;
}
inline std::span<const std::string_view> EnumNames(TEclDlgEffect) {
    static constexpr std::array<std::string_view, 3> names{"deNone", "deExplode", "deExplodeExt"};
    return names;
}
