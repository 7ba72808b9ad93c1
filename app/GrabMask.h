#pragma once
#include <string_view>

// True when the file name matches the mask as the Windows file search matches it: letters compare
// without regard to case, "*" stands for any run of characters and "?" for one. Once the name is used
// up, trailing "*" and "?" and one ".", standing for an empty extension, still match, so "Inventory.*"
// takes the file Inventory and "Tax*.*" the file Tax.
bool MatchesMask(std::string_view name, std::string_view mask);
