#pragma once
// The About dialog's enumerations: what it looks like, how it opens and which version text it
// takes from the program file.
#include <span>
#include <string_view>

enum class TEclAboutStyle { bsStandard, bsEcl };
enum class TEclAboutIconStyle { isNone, isStandard, isExtended };
enum class TEclAboutVersionStyle { vsProg, vsFileShort, vsFileFull, vsFileBuild };
enum class TEclDlgEffect { deNone, deExplode, deExplodeExt };

std::span<const std::string_view> EnumNames(TEclAboutStyle);
std::span<const std::string_view> EnumNames(TEclAboutIconStyle);
std::span<const std::string_view> EnumNames(TEclAboutVersionStyle);
std::span<const std::string_view> EnumNames(TEclDlgEffect);
