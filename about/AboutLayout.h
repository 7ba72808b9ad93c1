#pragma once
// The About dialog's texts and the arithmetic that stacks its labels in a column beside the icon.
#include <optional>
#include <string>

#include "about/AboutTypes.h"

namespace about {

// True when the text is empty or consists of spaces only.
bool IsBlank(const std::string& text);

// Where the texts come from when the component's own properties leave them open.
struct TextSources {
    bool useResInfo = false;
    bool useDefault = false;
    // Read only when needed: the version resource's entries, the application's title.
    std::string resProductName;
    std::string resLegalCopyright;
    std::string resFileDescription;
    std::string resVersion;  // the version text of the chosen style
    std::string applicationTitle;
    std::string defaultCompany;  // the application object's company and version texts
    std::string defaultVersion;
};

std::string NameText(const std::string& appname, const TextSources& sources);
// The own copyright, else (from the second line) the resource's, else a copyright of the
// application's company; a source that has nothing gives way to the next, so no bare line shows.
std::string CopyrightText(const std::string& copyright, const TextSources& sources);
// The version line, or nullopt when there is none (no space is kept for it). The resource's
// version line is kept even when the resource has none ("Version " alone); the application's is
// left out when the application has no version.
std::optional<std::string> VersionLine(const std::string& version, const TextSources& sources);

// The default caption when the component has none: "Info <title>...".
std::string DefaultCaption(const std::string& infoText, const std::string& applicationTitle);

// A length in pixels designed at 96 pixels per inch, at another density (rounded).
int ScaleToPpi(int pixels, int pixelsPerInch);

// A label the column places: it measures itself when its text is set, at its width of that moment.
class PlacedLabel {
public:
    virtual ~PlacedLabel() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual int MeasuredHeight() const = 0;
    virtual void SetBounds(int left, int top, int width, int height) = 0;
};

// The layout cursor: x is the text column's left edge, y the top of the next label, w its width.
struct LayoutCursor {
    int x = 0;
    int y = 0;
    int w = 0;
};

// Puts a text in the column at the cursor. An empty text leaves the label and the cursor alone.
// Otherwise the label gets the text, the column's width (narrower when the client area would cut
// it off) and its measured height; y moves past it by the spacing unless the spacing is 0.
void PlaceLabel(LayoutCursor& cursor, int clientWidth, PlacedLabel& label, const std::string& text, int spacing);

// The column's starting point for an icon style, given the client width after the window has
// taken its width for that style.
struct IconArea {
    int outerWidth = 0;  // the window's outer width for the style
    LayoutCursor cursor;
    int nameTop = 0;
    int minYAfterName = 0;  // y after the name is at least this
};
// imageRight, imageBottom: the extended icon's right and bottom edges (only used by isExtended).
IconArea IconAreaFor(TEclAboutIconStyle style, int clientWidth, int imageRight, int imageBottom);
// The outer width the window takes for an icon style, before the column is laid out.
int OuterWidthFor(TEclAboutIconStyle style);

}  // namespace about

namespace about {

// A rectangle by its left, top, width and height.
struct Box {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Box&, const Box&) = default;
};

// The labels of the text column below the name, in their order.
struct ColumnLabels {
    PlacedLabel& version;
    PlacedLabel& description;
    PlacedLabel& copyright;
    PlacedLabel& web;
    PlacedLabel& email;
};

struct ColumnTexts {
    std::optional<std::string> version;  // the version line, if any
    std::string description;
    bool useResInfo = false;
    std::string resDescription;  // the resource's description, for a blank description
    std::string copyright;
    std::string jump;
    std::string email;
};

struct ColumnResult {
    bool webVisible = false;
    bool emailVisible = false;
    Box separator;
};

// Places version, description, copyright, web and e-mail lines from the cursor down, then the
// separator line; the cursor ends 9 pixels below the separator's top edge.
ColumnResult LayOutTextColumn(LayoutCursor& cursor, int clientWidth, const ColumnLabels& labels,
                              const ColumnTexts& texts);

}  // namespace about
