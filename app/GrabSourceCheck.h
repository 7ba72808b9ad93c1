#pragma once
// The checks a grab makes before it copies, and the messages that say why it did not start.
#include <optional>
#include <string>
#include <string_view>

// Why the folder path cannot be grabbed, judged from its text alone, or nothing when it can: an empty or
// blank path, or one holding "=", which the copy would take for a source=destination pair.
std::optional<std::string> SourcePathRefusal(std::string_view path);

// The source folder is missing, its server is down, or the path names something else than a folder.
std::string UnreachableSourceMessage(std::string_view path);
// None of the masks matches a file in the source folder.
std::string NoFilesToGrabMessage(std::string_view path);
// The local data folder was missing and could not be made.
std::string DestinationNotCreatedMessage(std::string_view folder);
