#pragma once
// A fresh folder under the user's temporary folder, removed with everything in it (read-only
// files included) when the test is done.
#include <filesystem>

namespace wintest {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace wintest
