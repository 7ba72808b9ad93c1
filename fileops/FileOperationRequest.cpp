#include "fileops/FileOperationRequest.h"

#include <algorithm>
#include <array>
#include <utility>

namespace fileops {
namespace {

using enum TsysFileOperationFlag;

constexpr std::array<std::pair<TsysFileOperationFlag, std::uint16_t>, 8> kShellFlags{{
    {fofAllowUndo, 0x0040},
    {fofFilesOnly, 0x0080},
    {fofNoConfirmation, 0x0010},
    {fofNoConfirmMkDir, 0x0200},
    {fofNoErrorUI, 0x0400},
    {fofRenameCollision, 0x0008},
    {fofSilent, 0x0004},
    {fofSimpleProgress, 0x0100},
}};

// Characters at which a name is split in two. A zero byte ends a name in the shell's block anyway;
// splitting there keeps an inner zero from closing the whole list early.
bool IsSeparator(char c) { return c == '\r' || c == '\n' || c == '\a' || c == '\0'; }

bool HasSeparator(std::string_view s) { return std::any_of(s.begin(), s.end(), IsSeparator); }

bool IsBlank(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

bool HasWildcard(std::string_view s) { return s.find_first_of("*?") != std::string_view::npos; }

// Up to and including the last backslash, colon or forward slash; empty when there is none.
std::string_view PathOf(std::string_view s) {
    std::size_t pos = s.find_last_of("\\:/");
    return pos == std::string_view::npos ? std::string_view{} : s.substr(0, pos + 1);
}

// The file name after the path, cut at its last dot.
std::string_view BaseNameOf(std::string_view s) {
    std::string_view fileName = s.substr(PathOf(s).size());
    return fileName.substr(0, std::min(fileName.find_last_of('.'), fileName.size()));
}

// From the last dot after the last backslash or colon, the dot included.
std::string_view ExtensionOf(std::string_view s) {
    std::size_t pos = s.find_last_of(".\\:");
    return pos != std::string_view::npos && s[pos] == '.' ? s.substr(pos) : std::string_view{};
}

std::string CollapseBackslashes(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        out += s[i];
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == '\\') ++i;
    }
    return out;
}

std::string EntryError(std::size_t index, const std::string& problem) {
    return "File list entry " + std::to_string(index + 1) + problem + "; the file operation was not started.";
}

}  // namespace

unsigned OperationCode(TsysFileOperationType operation) {
    switch (operation) {
        case TsysFileOperationType::fotCopy: return kFoCopy;
        case TsysFileOperationType::fotDelete: return kFoDelete;
        case TsysFileOperationType::fotMove: return kFoMove;
        case TsysFileOperationType::fotRename: return kFoRename;
    }
    return 0;  // not a valid operation: the shell refuses it
}

std::uint16_t ShellFlags(TsysFileOperationFlags options, bool pairMode) {
    std::uint16_t flags = pairMode ? kFofMultiDestFiles : 0;
    for (auto [option, value] : kShellFlags)
        if (options.Has(option)) flags |= value;
    return flags;
}

bool IsPairMode(const std::vector<std::string>& entries) {
    return std::any_of(entries.begin(), entries.end(),
                       [](const std::string& e) { return e.find('=') != std::string::npos; });
}

std::size_t ListTextLength(const std::vector<std::string>& entries) {
    std::size_t length = 0;
    for (const auto& e : entries) length += e.size() + 2;
    return length;
}

std::vector<char> NameBlock(const std::vector<std::string>& names, std::size_t size) {
    std::vector<char> block(size, '\0');
    std::size_t pos = 0;
    for (const auto& name : names) {
        std::size_t start = 0;
        while (start <= name.size()) {
            std::size_t end = start;
            while (end < name.size() && !IsSeparator(name[end])) ++end;
            if (end > start) {
                // Never needed with the sizes the request uses; keeps a short size from overrunning.
                if (pos + (end - start) + 2 > block.size()) block.resize(pos + (end - start) + 2, '\0');
                std::copy(name.data() + start, name.data() + end, block.data() + pos);
                pos += end - start + 1;
            }
            start = end + 1;
        }
    }
    return block;
}

std::string JoinDestination(std::string_view destPart, std::string_view destFolder) {
    bool namesDrive = (destPart.size() >= 2 && destPart[1] == ':') || destPart.starts_with("\\\\");
    if (namesDrive) return std::string(destPart);
    std::string joined(destFolder);
    if (joined.empty() || joined.back() != '\\') joined += '\\';
    joined += destPart;
    // A network folder keeps the two backslashes that start it.
    std::size_t keep = destFolder.starts_with("\\\\") ? 2 : 0;
    return joined.substr(0, keep) + CollapseBackslashes(std::string_view(joined).substr(keep));
}

std::string CompleteDestination(std::string_view joined, std::string_view source) {
    if (IsBlank(joined)) return std::string(source);
    std::string_view path = PathOf(joined);
    if (path.empty()) path = PathOf(source);
    std::string_view name = BaseNameOf(joined);
    if (name.empty() || HasWildcard(name)) name = BaseNameOf(source);
    std::string_view extension = ExtensionOf(joined);
    if (extension.empty() || HasWildcard(extension)) extension = ExtensionOf(source);
    return std::string(path) + std::string(name) + std::string(extension);
}

FileOperationRequest BuildFileOperationRequest(const std::vector<std::string>& entries, const std::string& destFolder,
                                               TsysFileOperationFlags options, TsysFileOperationType operation) {
    FileOperationRequest request;
    request.function = OperationCode(operation);
    request.pairMode = IsPairMode(entries);
    request.flags = ShellFlags(options, request.pairMode);
    std::size_t fromSize = ListTextLength(entries) + entries.size() + 1;

    if (!request.pairMode) {
        request.from = NameBlock(entries, fromSize);
        request.to.assign(destFolder.size() + 2, '\0');
        std::copy(destFolder.begin(), destFolder.end(), request.to.begin());
        return request;
    }

    // Every name written must have exactly one partner, or files would land under wrong names.
    std::vector<std::string> sources;
    std::vector<std::string> destinations;
    std::size_t toSize = entries.size() + 1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& entry = entries[i];
        if (entry.empty()) continue;
        std::size_t eq = entry.find('=');
        std::string source = entry.substr(0, eq);
        std::string_view destPart = eq == std::string::npos ? "" : std::string_view(entry).substr(eq + 1);
        if (source.empty()) {
            request.error = EntryError(i, " names no source file before its \"=\"");
            return request;
        }
        std::string destination = CompleteDestination(JoinDestination(destPart, destFolder), source);
        if (HasSeparator(source) || HasSeparator(destination)) {
            request.error = EntryError(i,
                                       " gives a source or destination name that a line break or control "
                                       "character would split in two");
            return request;
        }
        toSize += destination.size() + 1;
        sources.push_back(std::move(source));
        destinations.push_back(std::move(destination));
    }
    request.from = NameBlock(sources, fromSize);
    request.to = NameBlock(destinations, toSize);
    return request;
}

}  // namespace fileops
