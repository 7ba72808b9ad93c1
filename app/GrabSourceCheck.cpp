#include "app/GrabSourceCheck.h"

#include <algorithm>

namespace {

const std::string kNotStarted = "The grab did not start: ";

std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    return quoted.append(text).append(1, '"');
}

bool IsControl(char c) { return static_cast<unsigned char>(c) < ' '; }

bool IsBlank(std::string_view path) {
    return std::all_of(path.begin(), path.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// 1234567 as "1,234,567".
std::string Grouped(std::uint64_t number) {
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, 1, ',');
    return digits;
}

}  // namespace

std::optional<std::string> SourcePathRefusal(std::string_view path) {
    // First, so that no message ever quotes a path of absurd length.
    if (path.size() > kLongestSourceFolder)
        return kNotStarted + "the source folder is " + Grouped(path.size()) +
               " characters long; the copy reaches folders of at most " + std::to_string(kLongestSourceFolder) +
               " characters.";
    if (IsBlank(path)) return kNotStarted + "no source folder is given. Type the site's folder or browse for it.";
    if (std::any_of(path.begin(), path.end(), IsControl))
        return kNotStarted + "the source folder contains a line break, a tab or another control character, " +
               "which cannot be grabbed.";
    if (path.find('=') != std::string_view::npos)
        return kNotStarted + "the source folder " + Quoted(path) + " contains \"=\", which cannot be grabbed.";
    return std::nullopt;
}

std::optional<std::string> GrabSourceRefusal(const GrabSource& source) {
    if (std::optional<std::string> refusal = SourcePathRefusal(source.folder)) return refusal;
    for (std::size_t i = 0; i < source.entries.size() && i < kGrabMasks.size(); ++i) {
        if (source.entries[i] != source.folder + std::string(kGrabMasks[i]))
            return kNotStarted + "the source folder changed while the grab read it. Try the grab again.";
    }
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

std::string NotEnoughSpaceMessage(std::string_view folder, std::uint64_t needed, std::uint64_t free) {
    return kNotStarted + "the files to grab take " + Grouped(needed) + " bytes, but the disk of the data folder " +
           Quoted(folder) + " has only " + Grouped(free) + " bytes free.";
}

std::string StagingNotReadyMessage(std::string_view folder) {
    return kNotStarted + "the folder " + Quoted(folder) +
           " that takes the copy could not be emptied or created. The data folder was left as it was.";
}
