#pragma once
// The modal folder chooser behind the browse edit's button, as a replaceable function so that
// tests can stand in for the shell.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "browse/BrowseTypes.h"

struct FolderRequest {
    HWND owner = nullptr;  // the window that owns the chooser
    TEclBrowseDlgOptions options;
    TEclSystemFolders startFolder = TEclSystemFolders::bfoDesktopExpanded;
    std::string selected;  // the folder to preselect; empty for none
};
// Runs a modal folder chooser; the chosen folder, or nothing when the user cancelled.
using FolderChooser = std::function<std::optional<std::string>(const FolderRequest&)>;

namespace ecl {

// The shell's folder browser (SHBrowseForFolderA).
std::optional<std::string> ShellChooseFolder(const FolderRequest& request);

}  // namespace ecl
