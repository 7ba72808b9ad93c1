#include "instance/InstancePlatform_win.h"

#include "framework/Application_win.h"
#include "framework/Modality_win.h"

namespace oneinstance {

namespace {
// Stateless and trivially destructible, so it is usable until the very end of the process, when
// the instance mutex is let go.
constinit SystemInstancePlatform systemPlatform;
}  // namespace

void MutexTraits::Close(HANDLE mutex) { fw::Seam<InstancePlatform>::Current().Release(mutex); }

InstancePlatform& InstancePlatform::System() { return systemPlatform; }

NamedMutex SystemInstancePlatform::CreateNamedMutex(const std::string& name, bool own) {
    const HANDLE handle = ::CreateMutexA(nullptr, own ? TRUE : FALSE, name.c_str());
    // Read before anything else can change it.
    const bool existed = ::GetLastError() == ERROR_ALREADY_EXISTS;
    return {MutexHandle(handle), existed};
}

DWORD SystemInstancePlatform::WaitToOwn(HANDLE mutex, DWORD timeoutMs) {
    return ::WaitForSingleObject(mutex, timeoutMs);
}

void SystemInstancePlatform::Release(HANDLE mutex) {
    // Releasing a mutex this thread does not own fails harmlessly.
    ::ReleaseMutex(mutex);
    ::CloseHandle(mutex);
}

std::string SystemInstancePlatform::UpperCase(const std::string& text) {
    std::string upper = text;
    if (!upper.empty()) ::CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

void SystemInstancePlatform::ShowRefusal(const std::string& text, const std::string& caption) {
    const HWND owner = fw::Application::Instance().Handle();
    // Modal for the whole thread, like every other box of the program; the owner itself is the box's to disable.
    const fw::DisabledWindows disabled(owner);
    ::MessageBoxExA(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION, 0);
}

HWND SystemInstancePlatform::NextApplicationWindow(HWND after, const std::string& title) {
    return ::FindWindowExA(nullptr, after, "TApplication", title.c_str());
}

void SystemInstancePlatform::Raise(HWND window) {
    if (!::IsWindow(window)) return;
    if (::IsIconic(window))
        ::OpenIcon(window);
    else
        ::SetForegroundWindow(window);
}

InstancePlatform::Application SystemInstancePlatform::App() {
    const auto& app = fw::Application::Instance();
    return {app.Title(), fw::Application::ExeName(), app.Handle()};
}

bool SystemInstancePlatform::ShowMainForm() { return fw::Application::Instance().ShowMainForm(); }
void SystemInstancePlatform::SetShowMainForm(bool show) { fw::Application::Instance().SetShowMainForm(show); }
void SystemInstancePlatform::Terminate() { fw::Application::Instance().Terminate(); }

}  // namespace oneinstance
