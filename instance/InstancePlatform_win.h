#pragma once
// What the single-instance guard needs outside itself: its named mutexes, the system's
// upper-casing, the refusal box, the running copy's window and the application object.
#include <windows.h>

#include <string>

#include "framework/Handles_win.h"
#include "framework/Seam.h"

namespace oneinstance {

// Releases the mutex (when this thread owns it) and closes the handle, through the platform in place.
struct MutexTraits {
    static constexpr fw::HandleKind kKind = fw::HandleKind::Kernel;
    static constexpr HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE mutex);
};
using MutexHandle = fw::UniqueHandle<HANDLE, MutexTraits>;

struct NamedMutex {
    MutexHandle handle;    // empty when the mutex could be neither created nor opened
    bool existed = false;  // another process had made it already
};

class InstancePlatform {
public:
    static InstancePlatform& System();

    // Creates the named mutex, owning it at once when own is set, or opens it when it exists.
    virtual NamedMutex CreateNamedMutex(const std::string& name, bool own) = 0;
    // Waits at most timeoutMs to own the mutex: WAIT_OBJECT_0, WAIT_ABANDONED, WAIT_TIMEOUT or WAIT_FAILED.
    virtual DWORD WaitToOwn(HANDLE mutex, DWORD timeoutMs) = 0;
    // Lets a mutex go for good: released if this thread owns it, then closed.
    virtual void Release(HANDLE mutex) = 0;
    // The system's locale-aware upper-casing.
    virtual std::string UpperCase(const std::string& text) = 0;
    // The refusal box, owned by the application window and modal for the whole thread.
    virtual void ShowRefusal(const std::string& text, const std::string& caption) = 0;
    // The next top-level window after `after` (null: the first) of the class the application window
    // has, captioned with title; null when there is none.
    virtual HWND NextApplicationWindow(HWND after, const std::string& title) = 0;
    // Restores the window when it is minimised, else brings it to the front; nothing when it is gone.
    virtual void Raise(HWND window) = 0;

    // The application object.
    struct Application {
        std::string title;
        std::string exeName;
        HWND window = nullptr;
    };
    virtual Application App() = 0;
    virtual bool ShowMainForm() = 0;
    virtual void SetShowMainForm(bool show) = 0;
    virtual void Terminate() = 0;

protected:
    // Never owned through this interface; the system's lives for the whole process.
    ~InstancePlatform() = default;
};

// The system's: plain Win32 calls and fw::Application.
class SystemInstancePlatform : public InstancePlatform {
public:
    NamedMutex CreateNamedMutex(const std::string& name, bool own) override;
    DWORD WaitToOwn(HANDLE mutex, DWORD timeoutMs) override;
    void Release(HANDLE mutex) override;
    std::string UpperCase(const std::string& text) override;
    void ShowRefusal(const std::string& text, const std::string& caption) override;
    HWND NextApplicationWindow(HWND after, const std::string& title) override;
    void Raise(HWND window) override;
    Application App() override;
    bool ShowMainForm() override;
    void SetShowMainForm(bool show) override;
    void Terminate() override;
};

}  // namespace oneinstance
