#include "app/GrabFileSystem_win.h"

#include <windows.h>

#include "framework/Handles_win.h"

namespace {

struct FindTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::FindClose(h); }
};
using UniqueFind = fw::UniqueHandle<HANDLE, FindTraits>;

std::uint64_t Combine(DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; }

}  // namespace

bool SystemGrabFileSystem::FolderExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::vector<GrabFile>> SystemGrabFileSystem::ListFiles(const std::string& folder) {
    WIN32_FIND_DATAA data{};
    UniqueFind find(::FindFirstFileA(JoinPath(folder, "*").c_str(), &data));
    std::vector<GrabFile> files;
    if (!find) {
        // An empty drive root lists nothing at all, not even "." and "..".
        if (::GetLastError() == ERROR_FILE_NOT_FOUND) return files;
        return std::nullopt;
    }
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        files.push_back({data.cFileName, Combine(data.nFileSizeHigh, data.nFileSizeLow),
                         Combine(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)});
    } while (::FindNextFileA(find.Get(), &data));
    if (::GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
    return files;
}

std::optional<GrabFile> SystemGrabFileSystem::FileInfo(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
    const std::size_t slash = path.find_last_of("\\/");
    return GrabFile{path.substr(slash == std::string::npos ? 0 : slash + 1),
                    Combine(data.nFileSizeHigh, data.nFileSizeLow),
                    Combine(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

bool SystemGrabFileSystem::CreateFolder(const std::string& path) {
    // A step that fails (it exists, or access is denied) is judged by the final check alone.
    for (const std::string& folder : FolderAndParents(path)) ::CreateDirectoryA(folder.c_str(), nullptr);
    return FolderExists(path);
}
