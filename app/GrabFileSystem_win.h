#pragma once
#include "app/GrabFileSystem.h"

// The file system as the system sees it, network paths included.
class SystemGrabFileSystem final : public GrabFileSystem {
public:
    bool FolderExists(const std::string& path) override;
    std::optional<std::vector<GrabFile>> ListFiles(const std::string& folder) override;
    std::optional<GrabFile> FileInfo(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
};
