#include "about/AboutPlatform_win.h"

#include <windows.h>
#include <shellapi.h>

#include "framework/Application_win.h"

namespace about {

namespace {

class SystemVersionInfoPlatform final : public VersionInfoPlatform {
public:
    std::uint32_t InfoSize(const std::string& path) override {
        DWORD ignored = 0;
        return ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
    }
    bool Read(const std::string& path, std::vector<unsigned char>& block) override {
        return ::GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) != FALSE;
    }
    std::optional<std::span<const unsigned char>> Query(const std::vector<unsigned char>& block,
                                                        const std::string& subBlock) override {
        void* value = nullptr;
        UINT length = 0;
        if (!::VerQueryValueA(block.data(), subBlock.c_str(), &value, &length) || !value) return std::nullopt;
        return std::span<const unsigned char>(static_cast<const unsigned char*>(value), length);
    }
};

class SystemMachineInfoPlatform final : public MachineInfoPlatform {
public:
    MachineFacts Query() override {
        MachineFacts facts;
        MEMORYSTATUSEX memory{};
        memory.dwLength = sizeof memory;
        if (::GlobalMemoryStatusEx(&memory)) facts.totalPhysical = memory.ullTotalPhys;
        SYSTEM_INFO system{};
        ::GetSystemInfo(&system);
        facts.processorCount = system.dwNumberOfProcessors;
        facts.processorType = system.dwProcessorType;
        facts.ntPlatform = true;
        return facts;
    }
};

class SystemLinkPlatform final : public LinkPlatform {
public:
    bool Open(const std::string& target) override {
        const HWND owner = fw::Application::Exists() ? fw::Application::Instance().Handle() : nullptr;
        const HINSTANCE result = ::ShellExecuteA(owner, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return reinterpret_cast<INT_PTR>(result) > 32;
    }
};

}  // namespace

VersionInfoPlatform& VersionInfoPlatform::System() {
    static SystemVersionInfoPlatform system;
    return system;
}

MachineInfoPlatform& MachineInfoPlatform::System() {
    static SystemMachineInfoPlatform system;
    return system;
}

LinkPlatform& LinkPlatform::System() {
    static SystemLinkPlatform system;
    return system;
}

}  // namespace about
