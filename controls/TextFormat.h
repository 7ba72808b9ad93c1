#pragma once
// Text-drawing flags with the values of the platform's DrawText format word, for code that
// composes formats without the platform headers.
namespace ecl {

inline constexpr unsigned kDtLeft = 0x0;
inline constexpr unsigned kDtCenter = 0x1;
inline constexpr unsigned kDtRight = 0x2;
inline constexpr unsigned kDtVCenter = 0x4;
inline constexpr unsigned kDtBottom = 0x8;
inline constexpr unsigned kDtWordBreak = 0x10;
inline constexpr unsigned kDtSingleLine = 0x20;
inline constexpr unsigned kDtExpandTabs = 0x40;
inline constexpr unsigned kDtCalcRect = 0x400;
inline constexpr unsigned kDtNoPrefix = 0x800;
inline constexpr unsigned kDtEditControl = 0x2000;
inline constexpr unsigned kDtPathEllipsis = 0x4000;
inline constexpr unsigned kDtEndEllipsis = 0x8000;
inline constexpr unsigned kDtRtlReading = 0x20000;
inline constexpr unsigned kDtHidePrefix = 0x100000;

}  // namespace ecl
