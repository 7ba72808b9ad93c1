#include "app/GrabVerification.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "app/GrabMask.h"
#include "app/GrabPlan.h"

namespace {

bool MatchesAnyMask(const std::string& name) {
    return std::any_of(kGrabMasks.begin(), kGrabMasks.end(),
                       [&](std::string_view mask) { return MatchesMask(name, mask.substr(1)); });
}

bool NameLess(const GrabFile& a, const GrabFile& b) {
    return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string WithoutTrailingLineBreaks(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
    return text;
}

std::vector<GrabFile> FilesToGrab(const std::vector<GrabFile>& folderFiles) {
    std::vector<GrabFile> files;
    std::copy_if(folderFiles.begin(), folderFiles.end(), std::back_inserter(files),
                 [](const GrabFile& file) { return MatchesAnyMask(file.name); });
    std::stable_sort(files.begin(), files.end(), NameLess);
    return files;
}

ArrivalCheck CheckArrivals(const std::vector<GrabFile>& before, const std::optional<std::vector<GrabFile>>& after,
                           const DestinationLookup& lookup) {
    const auto same = [](const GrabFile& a, const GrabFile& b) {
        return a.size == b.size && a.lastWrite == b.lastWrite;
    };
    const auto listedAfter = [&](const std::string& name) -> const GrabFile* {
        if (!after) return nullptr;
        auto it = std::find_if(after->begin(), after->end(), [&](const GrabFile& f) { return f.name == name; });
        return it == after->end() ? nullptr : &*it;
    };
    ArrivalCheck check;
    for (const GrabFile& file : before) {
        const std::optional<GrabFile> copy = lookup(file.name);
        const GrabFile* now = listedAfter(file.name);
        // The copy takes the source's time as it was when the copy opened it, whatever was written while it
        // read: once the source has changed, only a copy of its newer version can be trusted to be whole.
        const GrabFile* judge = after ? now : &file;
        if (copy && judge && same(*copy, *judge)) continue;
        const bool sourceChanged = after && (!now || !same(*now, file));
        (sourceChanged ? check.changed : check.notCopied).push_back(file.name);
    }
    return check;
}

void AppendNames(std::string& text, const char* separator, const std::vector<std::string>& names, std::size_t expected,
                 const char* what) {
    if (names.empty()) return;
    text.append(separator).append(std::to_string(names.size())).append(" of ");
    text.append(std::to_string(expected)).append(what);
    const std::size_t listed = std::min(names.size(), kNamesListed);
    for (std::size_t i = 0; i < listed; ++i) text.append("\r\n").append(names[i]);
    if (names.size() > listed) text.append("\r\nand ").append(std::to_string(names.size() - listed)).append(" more");
}

std::string GrabResultMessage(const GrabResult& result) {
    if (result.notCopied.empty() && result.changed.empty() && !result.cancelled) return std::string(kGrabComplete);

    // Nothing is put in place unless every file arrived: the data folder is as it was before the grab.
    std::string text = result.cancelled ? "The grab was cancelled" : "The grab did not complete";
    text.append(", so the data folder was left as it was.");
    AppendNames(text, " ", result.notCopied, result.expected, " files were not copied:");
    AppendNames(text, result.notCopied.empty() ? " " : "\r\n", result.changed, result.expected,
                " files changed during the grab:");
    const std::string error = WithoutTrailingLineBreaks(result.shellError);
    if (!error.empty()) text.append("\r\n\r\n").append(error);
    return text;
}
