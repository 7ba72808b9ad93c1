#include "fileops/FileOperationPlatform_win.h"

#include <algorithm>
#include <array>

namespace fileops {
namespace {

class SystemFileOperationPlatform final : public FileOperationPlatform {
public:
    int FileOperation(SHFILEOPSTRUCTA& op) override { return SHFileOperationA(&op); }

    std::string SystemMessage(DWORD code) override {
        std::array<char, 1024> buffer{};
        DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                      buffer.data(), static_cast<DWORD>(buffer.size()), nullptr);
        if (length == 0) return {};
        return std::string(buffer.begin(), std::find(buffer.begin(), buffer.end(), '\0'));
    }
};

}  // namespace

FileOperationPlatform& FileOperationPlatform::System() {
    static SystemFileOperationPlatform system;
    return system;
}

}  // namespace fileops
