#pragma once
// Texts from a program file's version resource: its string table entries and its file version in
// three formats. The platform calls go through VersionInfoPlatform so that tests can steer them.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "about/AboutTypes.h"
#include "framework/Seam.h"

namespace about {

// The three version-resource calls of the platform, on the file at path.
class VersionInfoPlatform {
public:
    static VersionInfoPlatform& System();

    virtual ~VersionInfoPlatform() = default;
    // Size of the file's version resource in bytes; 0 when it has none.
    virtual std::uint32_t InfoSize(const std::string& path) = 0;
    // Reads the resource into block (already of InfoSize bytes); false on failure.
    virtual bool Read(const std::string& path, std::vector<unsigned char>& block) = 0;
    // The value stored under subBlock ("\\", "\\VarFileInfo\\Translation",
    // "\\StringFileInfo\\040904E4\\FileVersion") of a block Read has filled; nullopt when missing.
    // A string value includes its terminating NUL when the resource stores one.
    virtual std::optional<std::span<const unsigned char>> Query(const std::vector<unsigned char>& block,
                                                                const std::string& subBlock) = 0;
};

// The file version of the fixed part: major.minor.release.build.
struct FileVersion {
    unsigned major = 0, minor = 0, release = 0, build = 0;
};

// What ReadVersionInfo can be asked for.
enum class VersionItem {
    CompanyName,
    ProductName,
    ProductVersion,
    LegalCopyright,
    LegalTradeMarks,
    FileDescription,
    Comments,
    FileShort,  // "1.0"
    FileFull,   // "1.0.3.6"
    FileBuild,  // "1.0 (Build 3.6)"
};

// The item each version style shows: the product version string, or the file version short, full
// or with its build.
VersionItem ItemForStyle(TEclAboutVersionStyle style);

// The file version in the format of FileShort, FileFull or FileBuild; empty for any other item.
std::string FormatFileVersion(const FileVersion& version, VersionItem format);

// The string table a resource's first translation names ("040904E4": language, then code page,
// four upper-case hexadecimal digits each).
std::string TranslationKey(std::uint16_t language, std::uint16_t codePage);

// One text of the version resource of the file at path; empty when the file has no resource, the
// resource cannot be read or the entry is missing.
std::string ReadVersionInfo(VersionItem item, VersionInfoPlatform& platform, const std::string& path);

}  // namespace about
