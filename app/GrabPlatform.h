#pragma once
// What a grab asks of the file system around the copy. One implementation calls the system; tests
// put their own in its place.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/GrabVerification.h"
#include "framework/Seam.h"

// Folder paths are texts in the system code page, as the user types them. File names are UTF-8, as the
// system stores them in full, so that a name outside the code page is still found.
class GrabPlatform {
public:
    static GrabPlatform& System();

    virtual ~GrabPlatform() = default;
    virtual bool FolderExists(const std::string& path) = 0;
    // The files (not folders) directly inside the folder, with sizes and times but never their contents;
    // nothing when the folder cannot be read.
    virtual std::optional<std::vector<GrabFile>> ListFiles(const std::string& folder) = 0;
    // The size and time of the file of that name in the folder, or nothing when there is no such file.
    virtual std::optional<GrabFile> FileInfo(const std::string& folder, const std::string& name) = 0;
    // Creates the folder and whatever parents it lacks; true when the folder exists afterwards.
    virtual bool CreateFolder(const std::string& path) = 0;
    // Removes the folder with everything in it; true when there is no such folder afterwards.
    virtual bool RemoveFolder(const std::string& path) = 0;
    // The bytes the user may still write on the folder's disk, or nothing when the system cannot say.
    virtual std::optional<std::uint64_t> FreeSpace(const std::string& folder) = 0;
    // True when another program holds the file open in a way that keeps it from being replaced.
    virtual bool InUse(const std::string& folder, const std::string& name) = 0;
    // Writes the file's data through to the disk, as far as the system lets it, so that a power cut after a
    // move cannot leave a file whose data never reached the disk.
    virtual void WriteThrough(const std::string& folder, const std::string& name) = 0;
    // Moves the file of that name from one folder over the file of the same name in the other, with one
    // rename that replaces it (a read-only one too) and is written through to the disk. Empty when it was
    // moved, else the system's text for the failure.
    virtual std::string MoveOver(const std::string& from, const std::string& to, const std::string& name) = 0;
    // A listed file name as the program's messages show it.
    virtual std::string ShownName(const std::string& name) = 0;
};

// folder\name, with one backslash between them also when the folder already ends in one.
std::string JoinPath(std::string_view folder, std::string_view name);

// The folders to create, outermost first, so that path exists: every ancestor below the drive or the
// network share, then the path itself ("C:\a\b" gives "C:\a", "C:\a\b").
std::vector<std::string> FolderAndParents(std::string_view path);
