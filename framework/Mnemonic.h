#pragma once
// Keyboard mnemonics: the letter a caption marks with "&" (Alt+letter reaches its control).
#include <string>
#include <string_view>

namespace fw {

// The ASCII letter upper-cased; any other character unchanged.
char UpperLetter(char c);

// The character after the caption's first lone "&", upper-cased; 0 when the caption marks none.
// "&&" stands for a literal ampersand and marks nothing.
char AccelChar(std::string_view caption);

// The caption as it shows without its marks: "&x" shows "x", "&&" shows "&".
std::string StripAccelMarks(std::string_view caption);

// True when the caption marks `letter` (compared without regard to case).
bool IsAccel(char letter, std::string_view caption);

}  // namespace fw
