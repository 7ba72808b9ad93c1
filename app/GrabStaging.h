#pragma once
// A grab copies into a staging folder first and puts the files in place only when every one of them
// arrived whole, so that the data folder always holds one whole data set, the old or the new.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/GrabVerification.h"

// A folder inside the data folder, on the same disk, so that putting a file in place is one rename. No
// grab mask matches its name, and the grab lists and copies files only, so no data file can take its place.
inline constexpr std::string_view kStagingFolderName = "Stockdraw grab in progress";

struct StagingPlan {
    std::string folder;              // where the copy goes
    std::vector<std::string> moves;  // the names to move from there over the data folder's files, in order
    std::uint64_t bytes = 0;         // what the copy needs free on the data folder's disk
};

// The plan for the files listed in the source folder, moved in the order they were listed.
StagingPlan PlanStaging(std::string_view dataFolder, const std::vector<GrabFile>& files);

// Whether the staged files may replace the data folder's: every file arrived whole and the user did not
// cancel.
bool MayPutInPlace(const GrabResult& result);

// Files of the data folder that another program holds open, so that nothing was put in place.
std::string InUseMessage(const std::vector<std::string>& names, std::size_t expected);

// A move failed after `moved` of the planned moves were done: which files the data folder now holds in their
// new versions and which as they were before the grab, with the system's text for the failure.
std::string PartlyInPlaceMessage(const std::vector<std::string>& names, std::size_t moved, const std::string& error);
