#pragma once
// Everything the single-instance guard reaches outside itself: named mutexes, the window calls
// that find and raise the running copy, and the application object. Tests swap in their own.
#include <windows.h>

#include <string>

namespace oneinstance {

struct MutexCreation {
    HANDLE handle = nullptr;
    DWORD lastError = 0;  // read right after the create call, before anything else can change it
};

class InstancePlatform {
public:
    // Named mutex without security attributes.
    virtual MutexCreation CreateMutexA(const char* name, bool initialOwner) = 0;
    virtual DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) = 0;
    virtual BOOL ReleaseMutex(HANDLE handle) = 0;
    virtual BOOL CloseHandle(HANDLE handle) = 0;
    // The system's locale-aware upper-casing.
    virtual std::string UpperCase(const std::string& text) = 0;

    virtual int MessageBoxExA(HWND owner, const char* text, const char* caption, UINT type, WORD language) = 0;
    virtual HWND FindWindowExA(HWND parent, HWND after, const char* className, const char* caption) = 0;
    virtual BOOL IsWindow(HWND window) = 0;
    virtual BOOL IsIconic(HWND window) = 0;
    virtual BOOL OpenIcon(HWND window) = 0;
    virtual BOOL SetForegroundWindow(HWND window) = 0;

    // The application object.
    virtual std::string AppTitle() = 0;
    virtual std::string AppExeName() = 0;
    virtual HWND AppHandle() = 0;
    virtual bool ShowMainForm() = 0;
    virtual void SetShowMainForm(bool show) = 0;
    virtual void Terminate() = 0;

protected:
    // Never owned through this interface; the production object lives for the whole process.
    ~InstancePlatform() = default;
};

// The production implementation: plain Win32 calls and fw::Application.
class Win32InstancePlatform : public InstancePlatform {
public:
    MutexCreation CreateMutexA(const char* name, bool initialOwner) override;
    DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) override;
    BOOL ReleaseMutex(HANDLE handle) override;
    BOOL CloseHandle(HANDLE handle) override;
    std::string UpperCase(const std::string& text) override;

    int MessageBoxExA(HWND owner, const char* text, const char* caption, UINT type, WORD language) override;
    HWND FindWindowExA(HWND parent, HWND after, const char* className, const char* caption) override;
    BOOL IsWindow(HWND window) override;
    BOOL IsIconic(HWND window) override;
    BOOL OpenIcon(HWND window) override;
    BOOL SetForegroundWindow(HWND window) override;

    std::string AppTitle() override;
    std::string AppExeName() override;
    HWND AppHandle() override;
    bool ShowMainForm() override;
    void SetShowMainForm(bool show) override;
    void Terminate() override;
};

// The platform the guard uses: the production one unless a test has put its own in place.
InstancePlatform& ActivePlatform();

class ScopedInstancePlatform {
public:
    explicit ScopedInstancePlatform(InstancePlatform& platform);
    ~ScopedInstancePlatform();
    ScopedInstancePlatform(const ScopedInstancePlatform&) = delete;
    ScopedInstancePlatform& operator=(const ScopedInstancePlatform&) = delete;

private:
    InstancePlatform* previous_;
};

}  // namespace oneinstance
