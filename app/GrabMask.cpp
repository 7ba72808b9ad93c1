#include "app/GrabMask.h"

#include <cctype>

namespace {

bool SameLetter(char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}

// What is left of the mask when the name is used up: only wild cards and at most one dot.
bool MatchesEmpty(std::string_view rest) {
    bool dotSeen = false;
    for (char c : rest) {
        if (c == '.' && !dotSeen) {
            dotSeen = true;
        } else if (c != '*' && c != '?') {
            return false;
        }
    }
    return true;
}

}  // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
    constexpr auto kNone = std::string_view::npos;
    std::size_t n = 0;
    std::size_t m = 0;
    std::size_t starMask = kNone;  // the last "*" seen, to widen when a later part fails
    std::size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == '?' || SameLetter(mask[m], name[n]))) {
            ++n;
            ++m;
        } else if (starMask != kNone) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    return MatchesEmpty(mask.substr(m));
}
