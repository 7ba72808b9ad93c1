#pragma once
// Layout of a message dialog in pixels: an optional icon with the wrapped message text beside it,
// and a row of equally wide buttons centred below them.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Geometry.h"

namespace fw {

// The dialog font's average character width and height, the unit of all spacing.
struct BaseUnits {
    int x = 0;
    int y = 0;
};

struct MessageSpacing {
    int margin = 0;         // between the client edge and the content
    int iconGap = 0;        // between the icon and the text
    int buttonGap = 0;      // between two buttons
    int rowGap = 0;         // between the text row and the buttons
    Size button;            // the smallest button
    int buttonPadding = 0;  // each side of a button's caption
};

// The usual message-box spacing for a font.
MessageSpacing StandardSpacing(BaseUnits units);

// The most of a message's text a box shows. No screen holds more, and the time the system takes to lay out
// text grows with its length: an unbreakable path of a million characters took over a minute.
inline constexpr std::size_t kLongestMessageText = 8192;

// The text as a box shows it: cut to kLongestMessageText characters, ending in "..." where it was cut.
std::string ShownMessageText(std::string_view text);

// The message text wraps at half the screen's width.
int MaxTextWidth(int screenWidth);

struct MessageParts {
    Size text;                       // the message's extent, measured wrapped at MaxTextWidth
    Size icon;                       // empty when there is no icon
    std::vector<int> captionWidths;  // each button caption's width, in button order
    int minClientWidth = 0;          // what the caption bar needs
};

struct MessageLayout {
    Size client;
    Rect icon;  // empty when there is no icon
    Rect text;
    std::vector<Rect> buttons;  // in the given order, left to right
};

MessageLayout LayOutMessage(const MessageParts& parts, const MessageSpacing& spacing, int maxTextWidth);

// A window of this size centred in the area. A window larger than the area keeps its top-left
// corner inside it, so that its caption stays within reach.
Rect CentreIn(const Rect& area, Size window);

}  // namespace fw
