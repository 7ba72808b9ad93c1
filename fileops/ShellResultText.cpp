#include "fileops/ShellResultText.h"

#include <array>
#include <cstdio>

namespace fileops {

namespace {

struct CodeText {
    int code;
    const char* text;
};

constexpr int kFirstOwnCode = 0x71;
constexpr int kLastOwnCode = 0x88;
constexpr int kUnknownError = 0x402;
constexpr int kErrorOnDestination = 0x10000;

constexpr std::array<CodeText, 23> kTexts{{
    {0x71, "The source and the destination are the same file."},
    {0x72, "Several source files were given for one destination file."},
    {0x73, "A rename cannot move a file into another folder."},
    {0x74, "The root folder of a drive cannot be moved or renamed."},
    {0x75, "The operation was cancelled."},
    {0x76, "The destination folder lies inside the source folder."},
    {0x78, "Access to the source was denied."},
    {0x79, "A source or destination path is too long."},
    {0x7A, "The operation named several destination folders."},
    {0x7C, "A source or destination path is not valid."},
    {0x7D, "The source and the destination are in the same folder."},
    {0x7E, "The destination is an existing file, not a folder."},
    {0x80, "The destination is an existing folder, not a file."},
    {0x81, "A file name is too long."},
    {0x82, "The destination is a read-only CD."},
    {0x83, "The destination is a read-only DVD."},
    {0x84, "The destination is a writable CD that is not ready."},
    {0x85, "A file is too large for the destination drive."},
    {0x86, "The source is a CD that cannot be read."},
    {0x87, "The source is a DVD that cannot be read."},
    {0x88, "The source is a writable CD that cannot be read."},
    {kUnknownError, "A source or destination path is not valid."},
    {kErrorOnDestination | 0x74, "The destination is the root folder of a drive and cannot be renamed."},
}};

std::string WithCode(const char* text, int code) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(code));
    return std::string(text) + " (shell code " + hex + ").";
}

}  // namespace

std::optional<std::string> ShellResultText(int code) {
    for (const CodeText& entry : kTexts)
        if (entry.code == code) return entry.text;
    if (code >= kErrorOnDestination) return WithCode("An error occurred at the destination", code);
    if (code >= kFirstOwnCode && code <= kLastOwnCode) return WithCode("The shell could not copy the files", code);
    return std::nullopt;
}

}  // namespace fileops
