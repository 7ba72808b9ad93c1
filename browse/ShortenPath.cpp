#include "browse/ShortenPath.h"

namespace ecl {

std::string CutFirstDirectory(std::string dir) {
    if (dir == "\\") return {};
    const bool rooted = !dir.empty() && dir.front() == '\\';
    if (rooted) dir.erase(0, 1);
    if (!dir.empty() && dir.front() == '.') dir.erase(0, 4);
    const std::size_t slash = dir.find('\\');
    dir = slash == std::string::npos ? std::string() : "...\\" + dir.substr(slash + 1);
    return rooted ? "\\" + dir : dir;
}

std::string ShortenPath(std::string_view path, int max, const TextMeasure& measure) {
    const auto length = [&](const std::string& text) {
        return measure ? measure(text) : static_cast<int>(text.size());
    };
    const std::size_t split = path.find_last_of("\\:");
    std::string dir(split == std::string_view::npos ? std::string_view() : path.substr(0, split + 1));
    const std::string name(split == std::string_view::npos ? path : path.substr(split + 1));
    std::string drive;
    if (dir.size() >= 2 && dir[1] == ':') {
        drive = dir.substr(0, 2);
        dir.erase(0, 2);
    }
    std::string result(path);
    while ((!dir.empty() || !drive.empty()) && length(result) > max) {
        if (dir == "\\...\\") {
            drive.clear();
            dir = "...\\";
        } else if (dir.empty()) {
            drive.clear();
        } else {
            dir = CutFirstDirectory(dir);
        }
        result = drive;
        result += dir;
        result += name;
    }
    return result;
}

}  // namespace ecl
