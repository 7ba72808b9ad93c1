#pragma once
// Checking a grab afterwards: which files the masks take from the source folder, which of them did not
// arrive in the data folder, and the message that closes the grab.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A file as a folder listing shows it; lastWrite is the system's raw time stamp.
struct GrabFile {
    std::string name;
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0;
    bool operator==(const GrabFile&) const = default;
};

// The files of a source folder listing that at least one grab mask matches, sorted by name.
std::vector<GrabFile> FilesToGrab(const std::vector<GrabFile>& folderFiles);

// The destination file of that name, or nothing when there is none.
using DestinationLookup = std::function<std::optional<GrabFile>(const std::string& name)>;

// The names of the expected files that are missing from the destination or differ from the source in size
// or last-write time, in the order of expected.
std::vector<std::string> FilesNotCopied(const std::vector<GrabFile>& expected, const DestinationLookup& lookup);

struct GrabResult {
    std::size_t expected = 0;            // files the masks matched in the source folder
    std::vector<std::string> notCopied;  // names of those that did not arrive intact
    bool copySucceeded = true;           // what the copy operation returned
    std::string shellError;              // the system's text for a failed copy, if it gave one
};

// A copy that failed without an error text was cancelled.
bool Cancelled(const GrabResult& result);

// "Grab Complete" when the copy succeeded and every file arrived; otherwise says the grab did not complete
// (or was cancelled), how many files are missing with the first few names, and the system's error text.
std::string GrabResultMessage(const GrabResult& result);

// How many names of missing files the message lists before it says how many more there are.
inline constexpr std::size_t kNamesListed = 5;
