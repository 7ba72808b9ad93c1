#include "TempFolder.h"

#include <windows.h>

#include <string>

namespace fs = std::filesystem;

namespace wintest {

TempFolder::TempFolder() {
    char base[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    path_ = fs::path(base) /
            ("stockdraw-test-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++counter));
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    // Read-only files would stop the removal.
    std::error_code ignored;
    for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored))
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

}  // namespace wintest
