#pragma once
// The effects label's rules for text-drawing formats and for sizing itself to its text.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "controls/Alignment.h"
#include "framework/Set.h"

enum class TEclLabelOption { loPathEllipsis, loEndEllipsis, loEditControl };
using TEclLabelOptions = fw::Set<TEclLabelOption>;
inline std::span<const std::string_view> EnumNames(TEclLabelOption) {
    static constexpr std::array<std::string_view, 3> names{"loPathEllipsis", "loEndEllipsis", "loEditControl"};
    return names;
}

namespace ecl {

// The text-drawing flags the options add (path ellipsis, end ellipsis, edit-control layout).
unsigned LabelOptionFlags(TEclLabelOptions options);

// The format for measuring the text (without the calculate-rectangle flag).
unsigned LabelMeasureFormat(TEclLabelOptions options, bool multiLine, bool showAccelChar);

struct LabelPaintSettings {
    TEclAlignment alignment = TEclAlignment::agTopLeft;
    TEclLabelOptions options;
    bool multiLine = false;
    bool showAccelChar = true;
    bool autoSize = true;
    int angle = 0;
    bool accelHidden = false;  // the keyboard cues are off: accelerators not underlined
};
unsigned LabelPaintFormat(const LabelPaintSettings& settings);

// What is measured: a blank stands in for an empty caption and for a lone accelerator mark.
std::string LabelMeasuredText(const std::string& caption, bool showAccelChar);

// The size of a label whose text measured textWidth x textHeight: the effect's room and the bevel
// (plus one pixel each side) are added.
struct LabelSize {
    int width = 0;
    int height = 0;
};
LabelSize LabelAutoSize(int textWidth, int textHeight, int effectRoom, int bevelExtent);

}  // namespace ecl
