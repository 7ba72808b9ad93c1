#include "app/GrabStaging.h"

#include "app/GrabPlatform.h"

StagingPlan PlanStaging(std::string_view dataFolder, const std::vector<GrabFile>& files) {
    StagingPlan plan;
    plan.folder = JoinPath(dataFolder, kStagingFolderName);
    for (const GrabFile& file : files) {
        plan.moves.push_back(file.name);
        plan.bytes += file.size;
    }
    return plan;
}

bool MayPutInPlace(const GrabResult& result) {
    return result.notCopied.empty() && result.changed.empty() && !result.cancelled;
}

std::string InUseMessage(const std::vector<std::string>& names, std::size_t expected) {
    std::string text = "The grab did not complete, so the data folder was left as it was.";
    AppendNames(text, " ", names, expected, " files are in use by another program:");
    return text.append("\r\n\r\nClose the program that uses them and grab again.");
}

std::string PartlyInPlaceMessage(const std::vector<std::string>& names, std::size_t moved, const std::string& error) {
    const auto split = names.begin() + static_cast<std::ptrdiff_t>(moved);
    std::string text = "The grab did not complete: " + *split +
                       " could not be put into the data folder. The files before it in name order are new, it and "
                       "the files after it are as they were before the grab.";
    AppendNames(text, "\r\n", {names.begin(), split}, names.size(), " files are new:");
    AppendNames(text, "\r\n", {split, names.end()}, names.size(), " files are as they were:");
    const std::string shown = WithoutTrailingLineBreaks(error);
    if (!shown.empty()) text.append("\r\n\r\n").append(shown);
    return text;
}
