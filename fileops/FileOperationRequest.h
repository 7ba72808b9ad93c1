#pragma once
// Turns the file list, destination folder, options and operation kind into the fields of one shell
// file-operation request: operation code, flag word and the two zero-separated name blocks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fileops/FileOperationTypes.h"

namespace fileops {

// The shell's operation codes (wFunc).
inline constexpr unsigned kFoMove = 1;
inline constexpr unsigned kFoCopy = 2;
inline constexpr unsigned kFoDelete = 3;
inline constexpr unsigned kFoRename = 4;

// The shell flag that says pTo holds one destination name per source name.
inline constexpr std::uint16_t kFofMultiDestFiles = 0x0001;

struct FileOperationRequest {
    unsigned function = kFoCopy;  // wFunc
    std::uint16_t flags = 0;      // fFlags
    bool pairMode = false;
    std::vector<char> from;  // pFrom: names each ending in a zero, closed by a further zero
    std::vector<char> to;    // pTo
    std::string error;       // not empty: the request was refused and must not be run
};

unsigned OperationCode(TsysFileOperationType operation);
std::uint16_t ShellFlags(TsysFileOperationFlags options, bool pairMode);

// Pair mode: some entry holds "=", so every entry is a source=destination pair.
bool IsPairMode(const std::vector<std::string>& entries);

// Length of the list's text, each entry followed by CR LF.
std::size_t ListTextLength(const std::vector<std::string>& entries);

// A zero-filled block of the given size (more only if the names need it) holding the names, each
// followed by one zero byte. A name holding CR, LF, char 7 or a zero byte is written as several
// names, split there; empty names and pieces are skipped.
std::vector<char> NameBlock(const std::vector<std::string>& names, std::size_t size);

// The destination name of one pair: JoinDestination, then CompleteDestination.
std::string JoinDestination(std::string_view destPart, std::string_view destFolder);
std::string CompleteDestination(std::string_view joined, std::string_view source);

FileOperationRequest BuildFileOperationRequest(const std::vector<std::string>& entries, const std::string& destFolder,
                                               TsysFileOperationFlags options, TsysFileOperationType operation);

}  // namespace fileops
