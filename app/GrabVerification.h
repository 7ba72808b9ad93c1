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

// How the grabbed files stand in the data folder after the copy, by name in the order of the listing.
struct ArrivalCheck {
    std::vector<std::string> notCopied;  // missing or different, though the source file stayed as it was
    std::vector<std::string> changed;    // changed or gone in the source during the grab; no copy of the newer version
};

// A file arrived when its copy matches it as listed again after the copy (a file written during the grab
// arrives in its newer version) or, when the source folder could not be listed again, as listed before.
ArrivalCheck CheckArrivals(const std::vector<GrabFile>& before, const std::optional<std::vector<GrabFile>>& after,
                           const DestinationLookup& lookup);

struct GrabResult {
    std::size_t expected = 0;            // files the masks matched in the source folder
    std::vector<std::string> notCopied;  // names of those that did not arrive intact
    std::vector<std::string> changed;    // names of those that changed during the grab and did not arrive
    bool cancelled = false;              // the user cancelled the copy
    std::string shellError;              // the text for a failed copy, if there is one
};

// "Grab Complete" when every file arrived and the user did not cancel, whatever the copy returned; otherwise
// says the grab did not complete (or was cancelled) and left the data folder as it was, which files are
// missing or changed with the first few names, and the error text.
std::string GrabResultMessage(const GrabResult& result);

// Appends, after the separator, "N of EXPECTED" and what, then the first few names and how many more.
void AppendNames(std::string& text, const char* separator, const std::vector<std::string>& names, std::size_t expected,
                 const char* what);
// The system's error texts end in a line break, which the messages leave off.
std::string WithoutTrailingLineBreaks(std::string text);

// How many names of a kind the message lists before it says how many more there are.
inline constexpr std::size_t kNamesListed = 5;
