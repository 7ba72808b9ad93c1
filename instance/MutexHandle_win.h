#pragma once
// A mutex handle that is released and closed through the platform that created it.
#include <windows.h>

#include <utility>

#include "instance/InstancePlatform_win.h"

namespace oneinstance {

class MutexHandle {
public:
    constexpr MutexHandle() = default;
    MutexHandle(InstancePlatform& platform, HANDLE handle) : platform_(&platform), handle_(handle) {}
    ~MutexHandle() { Reset(); }
    MutexHandle(MutexHandle&& other) noexcept
        : platform_(other.platform_), handle_(std::exchange(other.handle_, nullptr)) {}
    MutexHandle& operator=(MutexHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            platform_ = other.platform_;
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    MutexHandle(const MutexHandle&) = delete;
    MutexHandle& operator=(const MutexHandle&) = delete;

    HANDLE Get() const { return handle_; }

    // Releasing a mutex this thread does not own fails harmlessly; the handle is closed either way.
    void Reset() noexcept {
        if (!handle_) return;
        platform_->ReleaseMutex(handle_);
        platform_->CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    InstancePlatform* platform_ = nullptr;
    HANDLE handle_ = nullptr;
};

}  // namespace oneinstance
