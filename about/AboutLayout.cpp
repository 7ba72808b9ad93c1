#include "about/AboutLayout.h"

#include <algorithm>

namespace about {

bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

std::string NameText(const std::string& appname, const TextSources& sources) {
    if (!IsBlank(appname)) return appname;
    return sources.useResInfo ? sources.resProductName : sources.applicationTitle;
}

std::string CopyrightText(const std::string& copyright, const TextSources& sources) {
    if (!copyright.empty()) return copyright;
    // The CR starts the text on the label's second line.
    if (sources.useResInfo && !sources.resLegalCopyright.empty()) return "\r" + sources.resLegalCopyright;
    if (sources.useDefault && !IsBlank(sources.defaultCompany)) return "\rCopyright (C) " + sources.defaultCompany;
    return {};
}

std::optional<std::string> VersionLine(const std::string& version, const TextSources& sources) {
    if (!version.empty()) return version;
    if (sources.useResInfo) return "Version " + sources.resVersion;
    if (sources.useDefault && !IsBlank(sources.defaultVersion)) return "Version " + sources.defaultVersion;
    return std::nullopt;
}

std::string DefaultCaption(const std::string& infoText, const std::string& applicationTitle) {
    return infoText + applicationTitle + "...";
}

int ScaleToPpi(int pixels, int pixelsPerInch) {
    const long long scaled = static_cast<long long>(pixels) * pixelsPerInch;
    // Rounded half away from zero.
    return static_cast<int>(scaled >= 0 ? (scaled + 48) / 96 : (scaled - 48) / 96);
}

void PlaceLabel(LayoutCursor& cursor, int clientWidth, PlacedLabel& label, const std::string& text, int spacing) {
    if (text.empty()) return;
    label.SetText(text);
    const int width = clientWidth < cursor.x + cursor.w ? clientWidth - 6 : cursor.w;
    const int height = label.MeasuredHeight();
    label.SetBounds(cursor.x, cursor.y, width, height);
    if (spacing != 0) cursor.y += height + spacing;
}

int OuterWidthFor(TEclAboutIconStyle style) {
    switch (style) {
        case TEclAboutIconStyle::isNone: return 340;
        case TEclAboutIconStyle::isStandard: return 410;
        case TEclAboutIconStyle::isExtended: break;
    }
    return 440;
}

IconArea IconAreaFor(TEclAboutIconStyle style, int clientWidth, int imageRight, int imageBottom) {
    IconArea area;
    area.outerWidth = OuterWidthFor(style);
    switch (style) {
        case TEclAboutIconStyle::isStandard:
            area.cursor = {60, 12, clientWidth - 70};
            area.nameTop = 12;
            area.minYAfterName = 66;
            break;
        case TEclAboutIconStyle::isNone:
            area.cursor = {10, 10, clientWidth - 20};
            area.nameTop = 12;
            area.minYAfterName = 60;
            break;
        case TEclAboutIconStyle::isExtended: {
            const int x = imageRight + 8;
            area.cursor = {x, 24, clientWidth - x - 6};
            area.nameTop = 24;
            area.minYAfterName = imageBottom;
            break;
        }
    }
    return area;
}

}  // namespace about

namespace about {

ColumnResult LayOutTextColumn(LayoutCursor& cursor, int clientWidth, const ColumnLabels& labels,
                              const ColumnTexts& texts) {
    ColumnResult result;
    if (texts.version) PlaceLabel(cursor, clientWidth, labels.version, *texts.version, 4);
    if (!IsBlank(texts.description))
        PlaceLabel(cursor, clientWidth, labels.description, texts.description, 24);
    else if (texts.useResInfo)
        PlaceLabel(cursor, clientWidth, labels.description, texts.resDescription, 24);
    else
        cursor.y += 24;
    PlaceLabel(cursor, clientWidth, labels.copyright, texts.copyright, 1);

    const int linkSpacing = IsBlank(texts.email) ? 6 : 3;
    if (IsBlank(texts.jump)) {
        cursor.y += linkSpacing;
    } else {
        PlaceLabel(cursor, clientWidth, labels.web, texts.jump, linkSpacing);
        result.webVisible = true;
    }
    if (IsBlank(texts.email)) {
        cursor.y += 6;
    } else {
        PlaceLabel(cursor, clientWidth, labels.email, texts.email, 6);
        result.emailVisible = true;
    }
    result.separator = {cursor.x, cursor.y, cursor.w, 2};
    cursor.y += 9;
    return result;
}

}  // namespace about
