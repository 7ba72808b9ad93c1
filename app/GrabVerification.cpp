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

std::string WithoutTrailingLineBreaks(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
    return text;
}

}  // namespace

std::vector<GrabFile> FilesToGrab(const std::vector<GrabFile>& folderFiles) {
    std::vector<GrabFile> files;
    std::copy_if(folderFiles.begin(), folderFiles.end(), std::back_inserter(files),
                 [](const GrabFile& file) { return MatchesAnyMask(file.name); });
    std::stable_sort(files.begin(), files.end(), NameLess);
    return files;
}

std::vector<std::string> FilesNotCopied(const std::vector<GrabFile>& expected, const DestinationLookup& lookup) {
    std::vector<std::string> missing;
    for (const GrabFile& file : expected) {
        std::optional<GrabFile> copy = lookup(file.name);
        if (!copy || copy->size != file.size || copy->lastWrite != file.lastWrite) missing.push_back(file.name);
    }
    return missing;
}

bool Cancelled(const GrabResult& result) {
    return !result.copySucceeded && WithoutTrailingLineBreaks(result.shellError).empty();
}

std::string GrabResultMessage(const GrabResult& result) {
    if (result.copySucceeded && result.notCopied.empty()) return std::string(kGrabComplete);

    std::string text = Cancelled(result) ? "The grab was cancelled." : "The grab did not complete.";
    if (!result.notCopied.empty()) {
        text.append(" ").append(std::to_string(result.notCopied.size())).append(" of ");
        text.append(std::to_string(result.expected)).append(" files were not copied:");
        const std::size_t listed = std::min(result.notCopied.size(), kNamesListed);
        for (std::size_t i = 0; i < listed; ++i) text.append("\r\n").append(result.notCopied[i]);
        if (result.notCopied.size() > listed)
            text.append("\r\nand ").append(std::to_string(result.notCopied.size() - listed)).append(" more");
    }
    const std::string error = WithoutTrailingLineBreaks(result.shellError);
    if (!error.empty()) text.append("\r\n\r\n").append(error);
    return text;
}
