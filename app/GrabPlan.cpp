#include "app/GrabPlan.h"

GrabSource ReadGrabSource(const std::function<std::string()>& readPath) {
    GrabSource source;
    source.entries.reserve(kGrabMasks.size());
    for (std::string_view mask : kGrabMasks) {
        std::string path = readPath();
        if (source.entries.empty()) source.folder = path;
        source.entries.push_back(path.append(mask));
    }
    return source;
}

std::string GrabListMessage(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries) text.append(entry).append("\r\n");
    return text;
}
