#include "browse/BrowseTypes.h"

#include <array>

unsigned BrowseFlagWord(TEclBrowseDlgOptions options) {
    // By option ordinal; doShowPath and doEnableOK steer the browser at run time and add no flag.
    static constexpr std::array<unsigned, 10> flags{0x1000, 0x2000, 0x0002, 0x0008, 0x0001,
                                                    0x0004, 0x4000, 0x0010, 0x0000, 0x0000};
    unsigned word = 0;
    for (std::size_t i = 0; i < flags.size(); ++i)
        if (options.Has(static_cast<TEclBrowseDlgOption>(i))) word |= flags[i];
    if (options.Has(TEclBrowseDlgOption::doAllowEdit)) word |= 0x0020;  // typed names are validated
    return word;
}

int SpecialFolderId(TEclSystemFolders folder) {
    static constexpr std::array<int, 31> ids{0x00, 0xFEFE, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A,
                                             0x0B, 0x10,   0x11, 0x12, 0x13, 0x01, 0x14, 0x15, 0x16, 0x17, 0x18,
                                             0x19, 0x1A,   0x1B, 0x1D, 0x1E, 0x1F, 0x20, 0x21, 0x22};
    return ids.at(static_cast<std::size_t>(folder));
}

std::string TrimShellPath(std::string_view buffer) {
    buffer = buffer.substr(0, buffer.find('\0'));
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!buffer.empty() && blank(buffer.front())) buffer.remove_prefix(1);
    while (!buffer.empty() && blank(buffer.back())) buffer.remove_suffix(1);
    return std::string(buffer);
}

std::string FolderToSelect(std::string_view path) {
    const bool root = path == "\\" || (path.size() == 3 && path[1] == ':');
    if (!root && path.ends_with('\\')) path.remove_suffix(1);
    return std::string(path);
}
