#include "app/GrabSourceCheck.h"

#include <algorithm>

namespace {

const std::string kNotStarted = "The grab did not start: ";

std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    return quoted.append(text).append(1, '"');
}

bool IsBlank(std::string_view path) {
    return std::all_of(path.begin(), path.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

}  // namespace

std::optional<std::string> SourcePathRefusal(std::string_view path) {
    if (IsBlank(path)) return kNotStarted + "no source folder is given. Type the site's folder or browse for it.";
    if (path.find('=') != std::string_view::npos)
        return kNotStarted + "the source folder " + Quoted(path) + " contains \"=\", which cannot be grabbed.";
    return std::nullopt;
}

std::string UnreachableSourceMessage(std::string_view path) {
    return kNotStarted + "the source folder " + Quoted(path) +
           " cannot be reached. Check that the site's computer is on and that the folder exists.";
}

std::string NoFilesToGrabMessage(std::string_view path) {
    return kNotStarted + "there are no files to grab in " + Quoted(path) + ".";
}

std::string DestinationNotCreatedMessage(std::string_view folder) {
    return kNotStarted + "the data folder " + Quoted(folder) + " could not be created.";
}
