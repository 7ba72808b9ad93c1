// Builds file operation requests from arbitrary entries and destination folders. Input: one byte of
// options, one byte of operation kind, then entries separated by 0x1E; the last piece is the
// destination folder. Every request must be a well-formed pair of name blocks, or be refused.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fileops/FileOperationRequest.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// The names of a block; requires the list to be closed by an empty name before the block ends.
std::vector<std::string> Names(const std::vector<char>& block) {
    std::vector<std::string> names;
    std::size_t pos = 0;
    while (true) {
        Require(pos < block.size());
        std::size_t end = pos;
        while (end < block.size() && block[end] != '\0') ++end;
        Require(end < block.size());
        if (end == pos) return names;
        names.emplace_back(block.data() + pos, end - pos);
        pos = end + 1;
    }
}

bool IsSeparator(char c) { return c == '\r' || c == '\n' || c == '\a' || c == '\0'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    auto options = TsysFileOperationFlags::FromBits(data[0]);
    auto operation = static_cast<TsysFileOperationType>(data[1] % 4);
    std::vector<std::string> pieces(1);
    for (std::size_t i = 2; i < size; ++i) {
        if (data[i] == 0x1E)
            pieces.emplace_back();
        else
            pieces.back() += static_cast<char>(data[i]);
    }
    std::string destFolder = pieces.back();
    pieces.pop_back();

    auto request = fileops::BuildFileOperationRequest(pieces, destFolder, options, operation);
    Require(((request.flags & fileops::kFofMultiDestFiles) != 0) == request.pairMode);
    if (!request.error.empty()) {
        Require(request.pairMode && request.from.empty() && request.to.empty());
        return 0;
    }
    Require(request.from.size() == fileops::ListTextLength(pieces) + pieces.size() + 1);
    std::vector<std::string> sources = Names(request.from);
    for (const auto& name : sources)
        for (char c : name) Require(!IsSeparator(c));

    if (!request.pairMode) {
        // Every character but the separators arrives, in order.
        std::string expected;
        for (const auto& entry : pieces)
            for (char c : entry)
                if (!IsSeparator(c)) expected += c;
        std::string written;
        for (const auto& name : sources) written += name;
        Require(written == expected);
        Require(request.to.size() == destFolder.size() + 2);
        Require(std::string(request.to.data(), destFolder.size()) == destFolder);
        Require(request.to[destFolder.size()] == '\0' && request.to[destFolder.size() + 1] == '\0');
        return 0;
    }

    std::vector<std::string> destinations = Names(request.to);
    Require(sources.size() == destinations.size());
    std::size_t nonEmpty = 0;
    std::size_t toSize = pieces.size() + 1;
    for (const auto& entry : pieces) nonEmpty += entry.empty() ? 0 : 1;
    for (const auto& name : destinations) toSize += name.size() + 1;
    Require(sources.size() == nonEmpty);
    Require(request.to.size() == toSize);
    return 0;
}
