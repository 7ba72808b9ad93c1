#pragma once
// Shortening of a path for display: leading folders give way to "...\" until the path fits, while
// the drive and the last name stay.
#include <functional>
#include <string>
#include <string_view>

namespace ecl {

// How long a text is: its characters for the browser's status line, its pixels in a font for an edit box.
using TextMeasure = std::function<int(std::string_view)>;

// Removes the first folder of a folder part ("\a\b\" gives "\...\b\"); a "...\" left by an
// earlier cut goes with it; a single backslash, or a part without one, becomes empty.
std::string CutFirstDirectory(std::string dir);
// The path with leading folders cut until measure(path) is at most max; it may stay longer when
// the name alone is. Without a measure, characters are counted.
std::string ShortenPath(std::string_view path, int max, const TextMeasure& measure = {});

}  // namespace ecl
