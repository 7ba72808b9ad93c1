#pragma once
// The checks a grab makes before it copies, and the messages that say why it did not start.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/GrabPlan.h"

// The longest source folder the copy can reach: the shell's copy takes paths of at most 259 characters
// (MAX_PATH less its closing zero), and the folder must leave room for the longest mask.
inline constexpr std::size_t kLongestSourceFolder = 259 - std::string_view("\\InventoryB*.*").size();

// Why the folder path cannot be grabbed, judged from its text alone, or nothing when it can: longer than
// the copy can reach, empty or blank, holding a control character, which the copy would take for the end
// of a name, or holding "=", which the copy would take for a source=destination pair.
std::optional<std::string> SourcePathRefusal(std::string_view path);
// As SourcePathRefusal for the folder, and refused too when an entry is not the folder and its mask, so
// that the list shown, the check and the copy all work on one path.
std::optional<std::string> GrabSourceRefusal(const GrabSource& source);

// The source folder is missing, its server is down, or the path names something else than a folder.
std::string UnreachableSourceMessage(std::string_view path);
// None of the masks matches a file in the source folder.
std::string NoFilesToGrabMessage(std::string_view path);
// The local data folder was missing and could not be made.
std::string DestinationNotCreatedMessage(std::string_view folder);
// The files to grab take more room than the data folder's disk has free.
std::string NotEnoughSpaceMessage(std::string_view folder, std::uint64_t needed, std::uint64_t free);
// The staging folder could not be emptied of an earlier grab's files or could not be made.
std::string StagingNotReadyMessage(std::string_view folder);
