#pragma once
// The seam between the file operation component and the platform: the shell's file operation and
// the system's message texts. Tests put a fake in its place.
#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <string>

#include "framework/Seam.h"

// The shell request record is byte-packed in 32-bit builds; the flag word and the aborted flag sit
// side by side there.
#ifdef _WIN64
static_assert(sizeof(SHFILEOPSTRUCTA) == 56);
static_assert(offsetof(SHFILEOPSTRUCTA, fFlags) == 32);
static_assert(offsetof(SHFILEOPSTRUCTA, fAnyOperationsAborted) == 36);
#else
static_assert(sizeof(SHFILEOPSTRUCTA) == 30);
static_assert(offsetof(SHFILEOPSTRUCTA, fFlags) == 16);
static_assert(offsetof(SHFILEOPSTRUCTA, fAnyOperationsAborted) == 18);
#endif

namespace fileops {

class FileOperationPlatform {
public:
    static FileOperationPlatform& System();

    virtual ~FileOperationPlatform() = default;
    // SHFileOperationA: performs the whole operation, returns 0 on success.
    virtual int FileOperation(SHFILEOPSTRUCTA& op) = 0;
    // The system's message text for an error code; empty when the system has none.
    virtual std::string SystemMessage(DWORD code) = 0;
};

}  // namespace fileops
