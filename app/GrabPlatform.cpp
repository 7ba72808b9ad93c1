#include "app/GrabPlatform.h"

namespace {

// Length of the part that cannot be created: "C:\", "\\server\share\", a leading "\" or nothing.
std::size_t RootLength(std::string_view path) {
    if (path.starts_with("\\\\")) {
        const std::size_t server = path.find('\\', 2);
        if (server == std::string_view::npos) return path.size();
        const std::size_t share = path.find('\\', server + 1);
        return share == std::string_view::npos ? path.size() : share + 1;
    }
    if (path.size() >= 2 && path[1] == ':') return path.size() >= 3 && path[2] == '\\' ? 3 : 2;
    return path.starts_with('\\') ? 1 : 0;
}

}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path.append(name);
}

std::vector<std::string> FolderAndParents(std::string_view path) {
    while (path.size() > RootLength(path) && path.back() == '\\') path.remove_suffix(1);
    const std::size_t root = RootLength(path);
    std::vector<std::string> folders;
    for (std::size_t i = root; i <= path.size(); ++i) {
        const bool endOfPart = i == path.size() || path[i] == '\\';
        if (endOfPart && i > root && path[i - 1] != '\\') folders.emplace_back(path.substr(0, i));
    }
    return folders;
}
