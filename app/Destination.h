#pragma once
// The local data folder chosen by the operating-system type. Both are fixed texts: the drive and the
// program-files folder names are not looked up from the system.
#include <string>
#include <string_view>

inline constexpr std::string_view kDataFolder32Bit = "C:\\Program Files\\Tillora\\Data\\Brightwell Wholesale";
inline constexpr std::string_view kDataFolder64Bit = "C:\\Program Files (x86)\\Tillora\\Data\\Brightwell Wholesale";

// Item 0 is the 32-bit system; every other index, none selected (-1) included, the 64-bit one.
std::string DestinationFor(int itemIndex);
