#include "framework/MessageLayout.h"

#include <algorithm>

namespace fw {

namespace {

// Dialog units: a quarter of the average character width, an eighth of the character height.
int HorizontalUnits(int units, BaseUnits base) { return units * base.x / 4; }
int VerticalUnits(int units, BaseUnits base) { return units * base.y / 8; }

Rect Place(int left, int top, Size size) { return {left, top, left + size.width, top + size.height}; }

}  // namespace

MessageSpacing StandardSpacing(BaseUnits units) {
    MessageSpacing spacing;
    spacing.margin = HorizontalUnits(7, units);
    spacing.iconGap = HorizontalUnits(7, units);
    spacing.buttonGap = HorizontalUnits(4, units);
    spacing.rowGap = VerticalUnits(7, units);
    spacing.button = {HorizontalUnits(50, units), VerticalUnits(14, units)};
    spacing.buttonPadding = HorizontalUnits(4, units);
    return spacing;
}

std::string ShownMessageText(std::string_view text) {
    if (text.size() <= kLongestMessageText) return std::string(text);
    return std::string(text.substr(0, kLongestMessageText - 3)) + "...";
}

int MaxTextWidth(int screenWidth) { return screenWidth / 2; }

MessageLayout LayOutMessage(const MessageParts& parts, const MessageSpacing& spacing, int maxTextWidth) {
    const bool hasIcon = parts.icon.width > 0 && parts.icon.height > 0;
    const Size icon = hasIcon ? parts.icon : Size{};
    const Size text{std::clamp(parts.text.width, 0, std::max(maxTextWidth, 0)), std::max(parts.text.height, 0)};
    const int textLeft = spacing.margin + (hasIcon ? icon.width + spacing.iconGap : 0);
    const int rowHeight = std::max(icon.height, text.height);

    const int count = static_cast<int>(parts.captionWidths.size());
    int widestCaption = 0;
    for (int width : parts.captionWidths) widestCaption = std::max(widestCaption, width);
    const Size button{std::max(spacing.button.width, widestCaption + 2 * spacing.buttonPadding), spacing.button.height};
    const int buttonsWidth = count > 0 ? count * button.width + (count - 1) * spacing.buttonGap : 0;

    MessageLayout layout;
    const int contentWidth = std::max(textLeft - spacing.margin + text.width, buttonsWidth);
    layout.client.width = std::max(contentWidth + 2 * spacing.margin, parts.minClientWidth);

    // Icon and text are centred on each other vertically, so a one-line message sits level with
    // the middle of the icon.
    if (hasIcon) layout.icon = Place(spacing.margin, spacing.margin + (rowHeight - icon.height) / 2, icon);
    layout.text = Place(textLeft, spacing.margin + (rowHeight - text.height) / 2, text);

    const int buttonsTop = spacing.margin + rowHeight + (count > 0 ? spacing.rowGap : 0);
    int left = (layout.client.width - buttonsWidth) / 2;
    for (int i = 0; i < count; ++i) {
        layout.buttons.push_back(Place(left, buttonsTop, button));
        left += button.width + spacing.buttonGap;
    }
    layout.client.height = buttonsTop + (count > 0 ? button.height : 0) + spacing.margin;
    return layout;
}

Rect CentreIn(const Rect& area, Size window) {
    const int left = std::max(area.left, area.left + (area.Width() - window.width) / 2);
    const int top = std::max(area.top, area.top + (area.Height() - window.height) / 2);
    return Place(left, top, window);
}

}  // namespace fw
