#include "framework/Mnemonic.h"

namespace fw {

char UpperLetter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

char AccelChar(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return UpperLetter(caption[i + 1]);
        ++i;  // "&&": a literal ampersand
    }
    return 0;
}

std::string StripAccelMarks(std::string_view caption) {
    std::string shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 == caption.size()) break;
            ++i;
        }
        shown += caption[i];
    }
    return shown;
}

bool IsAccel(char letter, std::string_view caption) {
    const char accel = AccelChar(caption);
    return accel != 0 && accel == UpperLetter(letter);
}

}  // namespace fw
