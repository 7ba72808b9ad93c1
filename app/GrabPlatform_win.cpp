#include "app/GrabPlatform_win.h"

#include <windows.h>

#include "fileops/FileOperationPlatform_win.h"
#include "framework/Handles_win.h"

namespace {

struct FindTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::FindClose(h); }
};
using UniqueFind = fw::UniqueHandle<HANDLE, FindTraits>;

struct FileTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
using UniqueFile = fw::UniqueHandle<HANDLE, FileTraits>;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::uint64_t Combine(DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; }

std::wstring ToWide(const std::string& text, UINT codePage) {
    if (text.empty()) return {};
    const int length = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string FromWide(const std::wstring& wide, UINT codePage) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = ::WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

// A folder path as typed, in the system code page.
std::wstring WidePath(const std::string& path) { return ToWide(path, CP_ACP); }

// folder\name, the name in UTF-8 as listed.
std::wstring WideFilePath(const std::string& folder, const std::string& name) {
    std::wstring path = WidePath(folder);
    if (!path.empty() && path.back() != L'\\') path += L'\\';
    return path + ToWide(name, CP_UTF8);
}

bool ExistsAtAll(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Removes the folder's contents and the folder; whether it is gone is judged afterwards by the caller. A link
// to another folder is removed as a link: what it points to is never touched.
void RemoveTree(const std::wstring& folder, DWORD attributes) {
    WIN32_FIND_DATAW data{};
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        UniqueFind find(::FindFirstFileW((folder + L"\\*").c_str(), &data));
        if (find) {
            do {
                const std::wstring name = data.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring path = folder + L"\\" + name;
                if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                    RemoveTree(path, data.dwFileAttributes);
                } else {
                    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                    ::DeleteFileW(path.c_str());
                }
            } while (::FindNextFileW(find.Get(), &data));
        }
    }
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

bool SystemGrabPlatform::FolderExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::vector<GrabFile>> SystemGrabPlatform::ListFiles(const std::string& folder) {
    WIN32_FIND_DATAW data{};
    UniqueFind find(::FindFirstFileW(WidePath(JoinPath(folder, "*")).c_str(), &data));
    std::vector<GrabFile> files;
    if (!find) {
        // An empty drive root lists nothing at all, not even "." and "..".
        if (::GetLastError() == ERROR_FILE_NOT_FOUND) return files;
        return std::nullopt;
    }
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        files.push_back({FromWide(data.cFileName, CP_UTF8), Combine(data.nFileSizeHigh, data.nFileSizeLow),
                         Combine(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)});
    } while (::FindNextFileW(find.Get(), &data));
    if (::GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
    return files;
}

std::optional<GrabFile> SystemGrabPlatform::FileInfo(const std::string& folder, const std::string& name) {
    const std::wstring path = WideFilePath(folder, name);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
    return GrabFile{name, Combine(data.nFileSizeHigh, data.nFileSizeLow),
                    Combine(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

bool SystemGrabPlatform::CreateFolder(const std::string& path) {
    // A step that fails (it exists, or access is denied) is judged by the final check alone.
    for (const std::string& folder : FolderAndParents(path)) ::CreateDirectoryW(WidePath(folder).c_str(), nullptr);
    return FolderExists(path);
}

bool SystemGrabPlatform::RemoveFolder(const std::string& path) {
    const std::wstring folder = WidePath(path);
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) RemoveTree(folder, attributes);
    return !ExistsAtAll(folder);
}

std::optional<std::uint64_t> SystemGrabPlatform::FreeSpace(const std::string& folder) {
    ULARGE_INTEGER available{};
    if (!::GetDiskFreeSpaceExW(WidePath(folder).c_str(), &available, nullptr, nullptr)) return std::nullopt;
    return available.QuadPart;
}

bool SystemGrabPlatform::InUse(const std::string& folder, const std::string& name) {
    // Replacing a file needs the right to delete it, which a program holding it without sharing that denies.
    const UniqueFile file(::CreateFileW(WideFilePath(folder, name).c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    return !file && ::GetLastError() == ERROR_SHARING_VIOLATION;
}

void SystemGrabPlatform::WriteThrough(const std::string& folder, const std::string& name) {
    const UniqueFile file(::CreateFileW(WideFilePath(folder, name).c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) ::FlushFileBuffers(file.Get());
}

std::string SystemGrabPlatform::MoveOver(const std::string& from, const std::string& to, const std::string& name) {
    const std::wstring source = WideFilePath(from, name);
    const std::wstring target = WideFilePath(to, name);
    constexpr DWORD kFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (::MoveFileExW(source.c_str(), target.c_str(), kFlags)) return {};
    DWORD error = ::GetLastError();
    // The shell's copy overwrote a read-only file, and so does the grab; the attribute is put back when the
    // file cannot be replaced after all.
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    const DWORD writable = attributes & ~DWORD{FILE_ATTRIBUTE_READONLY};
    if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES && writable != attributes &&
        ::SetFileAttributesW(target.c_str(), writable != 0 ? writable : FILE_ATTRIBUTE_NORMAL)) {
        if (::MoveFileExW(source.c_str(), target.c_str(), kFlags)) return {};
        error = ::GetLastError();
        ::SetFileAttributesW(target.c_str(), attributes);
    }
    std::string text = fileops::FileOperationPlatform::System().SystemMessage(error);
    return text.empty() ? "System error " + std::to_string(error) + "." : text;
}

GrabPlatform& GrabPlatform::System() {
    static SystemGrabPlatform system;
    return system;
}

std::string SystemGrabPlatform::ShownName(const std::string& name) { return FromWide(ToWide(name, CP_UTF8), CP_ACP); }
