#pragma once
// What one grab copies: the nine file masks appended to the site's folder, and the texts the grab shows.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Each mask begins with a backslash and is appended to the folder path exactly as the path stands.
// "\Inventory.*" has no "*" before the dot: it takes only files named Inventory, whatever their extension.
inline constexpr std::array<std::string_view, 9> kGrabMasks{
    "\\Inventory.*", "\\InventoryB*.*", "\\InventoryC*.*", "\\InventoryD*.*", "\\InventoryK*.*",
    "\\Program*.*",  "\\Register*.*",   "\\Tax*.*",        "\\User*.*",
};

inline constexpr std::string_view kGrabConfirmation =
    "THIS WILL REPLACE YOUR TILLORA POS INVENTORY FILES ON THIS COMPUTER. ARE YOU SURE YOU WANT TO CONTINUE? ";
inline constexpr std::string_view kGrabComplete = "Grab Complete";

struct GrabSource {
    std::string folder;                // the path as first read
    std::vector<std::string> entries;  // path + mask, one per mask, in mask order
};

// Reads the site's path once per mask, at the moment its entry is built (the path is taken as typed).
GrabSource ReadGrabSource(const std::function<std::string()>& readPath);

// The entries as the list message shows them: each followed by CR LF.
std::string GrabListMessage(const std::vector<std::string>& entries);
