#include "instance/InstancePlatform_win.h"

#include "framework/Application_win.h"
#include "framework/Modality_win.h"

namespace oneinstance {

namespace {
// Stateless and trivially destructible, so it is usable until the very end of the process.
constinit Win32InstancePlatform production;
constinit InstancePlatform* active = &production;
}  // namespace

MutexCreation Win32InstancePlatform::CreateMutexA(const char* name, bool initialOwner) {
    MutexCreation result;
    result.handle = ::CreateMutexA(nullptr, initialOwner ? TRUE : FALSE, name);
    result.lastError = ::GetLastError();
    return result;
}

DWORD Win32InstancePlatform::WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
    return ::WaitForSingleObject(handle, milliseconds);
}

BOOL Win32InstancePlatform::ReleaseMutex(HANDLE handle) { return ::ReleaseMutex(handle); }

BOOL Win32InstancePlatform::CloseHandle(HANDLE handle) { return ::CloseHandle(handle); }

std::string Win32InstancePlatform::UpperCase(const std::string& text) {
    std::string upper = text;
    if (!upper.empty()) ::CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

int Win32InstancePlatform::MessageBoxExA(HWND owner, const char* text, const char* caption, UINT type, WORD language) {
    // Modal for the whole thread, like every other box of the program; the owner itself is the box's to disable.
    const fw::DisabledWindows disabled(owner);
    return ::MessageBoxExA(owner, text, caption, type, language);
}

HWND Win32InstancePlatform::FindWindowExA(HWND parent, HWND after, const char* className, const char* caption) {
    return ::FindWindowExA(parent, after, className, caption);
}

BOOL Win32InstancePlatform::IsWindow(HWND window) { return ::IsWindow(window); }
BOOL Win32InstancePlatform::IsIconic(HWND window) { return ::IsIconic(window); }
BOOL Win32InstancePlatform::OpenIcon(HWND window) { return ::OpenIcon(window); }
BOOL Win32InstancePlatform::SetForegroundWindow(HWND window) { return ::SetForegroundWindow(window); }

std::string Win32InstancePlatform::AppTitle() { return fw::Application::Instance().Title(); }
std::string Win32InstancePlatform::AppExeName() { return fw::Application::ExeName(); }
HWND Win32InstancePlatform::AppHandle() { return fw::Application::Instance().Handle(); }
bool Win32InstancePlatform::ShowMainForm() { return fw::Application::Instance().ShowMainForm(); }
void Win32InstancePlatform::SetShowMainForm(bool show) { fw::Application::Instance().SetShowMainForm(show); }
void Win32InstancePlatform::Terminate() { fw::Application::Instance().Terminate(); }

InstancePlatform& ActivePlatform() { return *active; }

ScopedInstancePlatform::ScopedInstancePlatform(InstancePlatform& platform) : previous_(active) { active = &platform; }

ScopedInstancePlatform::~ScopedInstancePlatform() { active = previous_; }

}  // namespace oneinstance
