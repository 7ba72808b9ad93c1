#include "controls/LabelFormat.h"

#include "controls/TextFormat.h"

namespace ecl {

unsigned LabelOptionFlags(TEclLabelOptions options) {
    unsigned flags = 0;
    if (options.Has(TEclLabelOption::loPathEllipsis)) flags |= kDtPathEllipsis;
    if (options.Has(TEclLabelOption::loEndEllipsis)) flags |= kDtEndEllipsis;
    if (options.Has(TEclLabelOption::loEditControl)) flags |= kDtEditControl;
    return flags;
}

unsigned LabelMeasureFormat(TEclLabelOptions options, bool multiLine, bool showAccelChar) {
    unsigned format = LabelOptionFlags(options) | kDtExpandTabs;
    if (multiLine) format |= kDtWordBreak;
    if (!showAccelChar) format |= kDtNoPrefix;
    return format;
}

unsigned LabelPaintFormat(const LabelPaintSettings& s) {
    unsigned format = kDtWordBreak | kDtExpandTabs | AlignmentFlags(s.alignment) | LabelOptionFlags(s.options);
    if (!s.showAccelChar) format |= kDtNoPrefix;
    if (s.showAccelChar && s.accelHidden) format |= kDtHidePrefix;
    if (!s.autoSize && (s.angle != 0 || !s.multiLine)) format |= kDtSingleLine;
    return format;
}

std::string LabelMeasuredText(const std::string& caption, bool showAccelChar) {
    if (caption.empty() || (showAccelChar && caption == "&")) return " ";
    return caption;
}

LabelSize LabelAutoSize(int textWidth, int textHeight, int effectRoom, int bevelExtent) {
    const int frame = 2 * (bevelExtent + 1);
    return {textWidth + effectRoom + frame, textHeight + effectRoom + frame};
}

}  // namespace ecl
