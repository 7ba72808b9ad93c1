#pragma once
#include "app/GrabPlatform.h"

// The file system as the system sees it, network paths included, through the wide-character calls.
class SystemGrabPlatform : public GrabPlatform {
public:
    bool FolderExists(const std::string& path) override;
    std::optional<std::vector<GrabFile>> ListFiles(const std::string& folder) override;
    std::optional<GrabFile> FileInfo(const std::string& folder, const std::string& name) override;
    bool CreateFolder(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
    std::optional<std::uint64_t> FreeSpace(const std::string& folder) override;
    bool InUse(const std::string& folder, const std::string& name) override;
    void WriteThrough(const std::string& folder, const std::string& name) override;
    std::string MoveOver(const std::string& from, const std::string& to, const std::string& name) override;
    // In the system code page; characters it lacks show as "?".
    std::string ShownName(const std::string& name) override;
};
