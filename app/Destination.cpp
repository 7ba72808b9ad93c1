#include "app/Destination.h"

std::string DestinationFor(int itemIndex) { return std::string(itemIndex == 0 ? kDataFolder32Bit : kDataFolder64Bit); }
