#include "about/VersionInfo.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace about {

namespace {

// Used when the resource names no translation: US English, Windows Latin-1.
constexpr const char* kDefaultTranslation = "040904E4";

// String table keys of the items before FileShort, in item order.
constexpr std::array<const char*, 7> kStringKeys{
    "CompanyName", "ProductName", "ProductVersion", "LegalCopyright", "LegalTradeMarks", "FileDescription", "Comments"};

// The fixed part: signature, structure version, then the file version as two 32-bit halves.
constexpr std::size_t kFileVersionMsOffset = 8;
constexpr std::size_t kFileVersionLsOffset = 12;
constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;

std::uint32_t ReadUint32(std::span<const unsigned char> bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::uint16_t ReadUint16(std::span<const unsigned char> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::string TableKey(VersionInfoPlatform& platform, const std::vector<unsigned char>& block) {
    const auto translation = platform.Query(block, "\\VarFileInfo\\Translation");
    if (!translation || translation->size() < 4) return kDefaultTranslation;
    return TranslationKey(ReadUint16(*translation, 0), ReadUint16(*translation, 2));
}

std::string StringValue(VersionInfoPlatform& platform, const std::vector<unsigned char>& block, const char* key) {
    const auto value = platform.Query(block, "\\StringFileInfo\\" + TableKey(platform, block) + "\\" + key);
    if (!value) return {};
    const auto* chars = reinterpret_cast<const char*>(value->data());
    return std::string(chars, strnlen(chars, value->size()));
}

std::optional<FileVersion> FixedFileVersion(VersionInfoPlatform& platform, const std::vector<unsigned char>& block) {
    const auto fixed = platform.Query(block, "\\");
    if (!fixed || fixed->size() < kFileVersionLsOffset + 4 || ReadUint32(*fixed, 0) != kFixedSignature)
        return std::nullopt;
    const std::uint32_t ms = ReadUint32(*fixed, kFileVersionMsOffset);
    const std::uint32_t ls = ReadUint32(*fixed, kFileVersionLsOffset);
    return FileVersion{ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF};
}

}  // namespace

VersionItem ItemForStyle(TEclAboutVersionStyle style) {
    switch (style) {
        case TEclAboutVersionStyle::vsFileShort: return VersionItem::FileShort;
        case TEclAboutVersionStyle::vsFileFull: return VersionItem::FileFull;
        case TEclAboutVersionStyle::vsFileBuild: return VersionItem::FileBuild;
        case TEclAboutVersionStyle::vsProg: break;
    }
    return VersionItem::ProductVersion;
}

std::string FormatFileVersion(const FileVersion& v, VersionItem format) {
    std::string majorMinor = std::to_string(v.major) + "." + std::to_string(v.minor);
    const std::string releaseBuild = std::to_string(v.release) + "." + std::to_string(v.build);
    switch (format) {
        case VersionItem::FileShort: return majorMinor;
        case VersionItem::FileFull: return majorMinor + "." + releaseBuild;
        case VersionItem::FileBuild: return majorMinor + " (Build " + releaseBuild + ")";
        default: return {};
    }
}

std::string TranslationKey(std::uint16_t language, std::uint16_t codePage) {
    std::array<char, 9> key{};
    std::snprintf(key.data(), key.size(), "%04X%04X", static_cast<unsigned>(language), static_cast<unsigned>(codePage));
    return key.data();
}

std::string ReadVersionInfo(VersionItem item, VersionInfoPlatform& platform, const std::string& path) {
    const std::uint32_t size = platform.InfoSize(path);
    if (size == 0) return {};
    std::vector<unsigned char> block(size);
    if (!platform.Read(path, block)) return {};
    const auto index = static_cast<std::size_t>(item);
    if (index < kStringKeys.size()) return StringValue(platform, block, kStringKeys[index]);
    const auto version = FixedFileVersion(platform, block);
    return version ? FormatFileVersion(*version, item) : std::string();
}

}  // namespace about
