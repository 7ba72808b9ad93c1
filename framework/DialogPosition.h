#pragma once
// Placement of a dialog window within a reference rectangle (the screen, its work area, the main
// window or the active window), kept on the desktop.
#include <array>
#include <span>
#include <string_view>

#include "framework/Graphics.h"

enum class TEclDlgPosition {
    bpCustom,
    bpTopLeft,
    bpTopCenter,
    bpTopRight,
    bpCenterLeft,
    bpCenter,
    bpCenterRight,
    bpBottomLeft,
    bpBottomCenter,
    bpBottomRight,
};
enum class TEclDlgPosRel { brScreen, brScreenWorkArea, brMainForm, brActiveWindow };

inline std::span<const std::string_view> EnumNames(TEclDlgPosition) {
    static constexpr std::array<std::string_view, 10> names{
        "bpCustom", "bpTopLeft",     "bpTopCenter",  "bpTopRight",     "bpCenterLeft",
        "bpCenter", "bpCenterRight", "bpBottomLeft", "bpBottomCenter", "bpBottomRight"};
    return names;
}
inline std::span<const std::string_view> EnumNames(TEclDlgPosRel) {
    static constexpr std::array<std::string_view, 4> names{"brScreen", "brScreenWorkArea", "brMainForm",
                                                           "brActiveWindow"};
    return names;
}

namespace ecl {

// The window's top-left corner: aligned with the reference rectangle as the position says, then
// pulled back onto a desktop of that size (never to a negative coordinate).
struct DialogOrigin {
    int x = 0;
    int y = 0;
    friend bool operator==(const DialogOrigin&, const DialogOrigin&) = default;
};
DialogOrigin PlaceDialog(const fw::Rect& reference, int windowWidth, int windowHeight, TEclDlgPosition position,
                         int desktopWidth, int desktopHeight);

}  // namespace ecl
