#pragma once
// The folder browser's option set and start folders, as the browse edit publishes them.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "framework/Set.h"

enum class TEclBrowseDlgOption {
    doBrowseForComputer,
    doBrowseForPrinter,
    doDontGoBelowDomain,
    doReturnFileSysAncestors,
    doReturnFileSysDirs,
    doStatusText,
    doShowFiles,
    doAllowEdit,
    doShowPath,
    doEnableOK,
};
using TEclBrowseDlgOptions = fw::Set<TEclBrowseDlgOption>;
inline std::span<const std::string_view> EnumNames(TEclBrowseDlgOption) {
    static constexpr std::array<std::string_view, 10> names{
        "doBrowseForComputer", "doBrowseForPrinter", "doDontGoBelowDomain", "doReturnFileSysAncestors",
        "doReturnFileSysDirs", "doStatusText",       "doShowFiles",         "doAllowEdit",
        "doShowPath",          "doEnableOK"};
    return names;
}

inline constexpr TEclBrowseDlgOptions kDefaultBrowseDlgOptions{TEclBrowseDlgOption::doReturnFileSysDirs,
                                                               TEclBrowseDlgOption::doShowPath};

// Roots of the folder tree, each naming a shell special folder.
enum class TEclSystemFolders {
    bfoDesktop,
    bfoDesktopExpanded,
    bfoPrograms,
    bfoControlPanel,
    bfoPrinters,
    bfoPersonal,
    bfoFavorites,
    bfoStartup,
    bfoRecent,
    bfoSendto,
    bfoRecycleBin,
    bfoStartMenu,
    bfoDesktopDirectory,
    bfoMyComputer,
    bfoNetwork,
    bfoNetworkNeighborhood,
    bfoInternet,
    bfoFonts,
    bfoTemplates,
    bfoCommonStartMenu,
    bfoCommonPrograms,
    bfoCommonStartup,
    bfoCommonDesktopDirectory,
    bfoAppData,
    bfoPrintHood,
    bfoAltStartup,
    bfoCommonAltstartup,
    bfoCommonFavorites,
    bfoInternetChache,
    bfoCookies,
    bfoHistory,
};
inline std::span<const std::string_view> EnumNames(TEclSystemFolders) {
    static constexpr std::array<std::string_view, 31> names{"bfoDesktop",
                                                            "bfoDesktopExpanded",
                                                            "bfoPrograms",
                                                            "bfoControlPanel",
                                                            "bfoPrinters",
                                                            "bfoPersonal",
                                                            "bfoFavorites",
                                                            "bfoStartup",
                                                            "bfoRecent",
                                                            "bfoSendto",
                                                            "bfoRecycleBin",
                                                            "bfoStartMenu",
                                                            "bfoDesktopDirectory",
                                                            "bfoMyComputer",
                                                            "bfoNetwork",
                                                            "bfoNetworkNeighborhood",
                                                            "bfoInternet",
                                                            "bfoFonts",
                                                            "bfoTemplates",
                                                            "bfoCommonStartMenu",
                                                            "bfoCommonPrograms",
                                                            "bfoCommonStartup",
                                                            "bfoCommonDesktopDirectory",
                                                            "bfoAppData",
                                                            "bfoPrintHood",
                                                            "bfoAltStartup",
                                                            "bfoCommonAltstartup",
                                                            "bfoCommonFavorites",
                                                            "bfoInternetChache",
                                                            "bfoCookies",
                                                            "bfoHistory"};
    return names;
}

// The shell's BIF_* flag word for an option set.
unsigned BrowseFlagWord(TEclBrowseDlgOptions options);
// The shell special-folder identifier (CSIDL) a start folder names; bfoDesktopExpanded names none
// and yields 0xFEFE, which no lookup resolves.
int SpecialFolderId(TEclSystemFolders folder);
// The text the shell reports for a path: up to its first zero byte, without leading or trailing
// characters of code 32 or less.
std::string TrimShellPath(std::string_view buffer);
// The folder a path names, as the browser can select it: without a trailing backslash, except for
// a drive's root ("C:\\") or the root of the current drive ("\\").
std::string FolderToSelect(std::string_view path);
