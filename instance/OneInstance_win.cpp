#include "instance/OneInstance_win.h"

#include <memory>

#include "framework/PartPublisher.h"
#include "instance/InstanceNames.h"
#include "instance/InstancePlatform_win.h"
#include "instance/MutexHandle_win.h"

namespace oneinstance {

namespace {
// Constant-initialised, so it outlives every guard and is released when the program ends.
constinit MutexHandle instanceMutex;
}  // namespace

HANDLE InstanceMutexHandle() { return instanceMutex.Get(); }

void ReleaseInstanceMutex() { instanceMutex.Reset(); }

}  // namespace oneinstance

using oneinstance::ActivePlatform;

TsysOneInstance::TsysOneInstance(fw::Component* owner) : TsysComponent(owner) {}

void TsysOneInstance::Loaded() {
    TsysComponent::Loaded();
    CheckInstance();
}

bool TsysOneInstance::CheckInstance() {
    if (!InstanceExists()) return false;
    terminate_ = true;
    auto& platform = ActivePlatform();
    const bool showMainForm = platform.ShowMainForm();
    platform.SetShowMainForm(false);
    if (showMessage_) DoShowMessage();
    if (activatePrevInstance_) DoActivatePrevInstance();
    if (terminate_)
        platform.Terminate();
    else
        platform.SetShowMainForm(showMainForm);
    return true;
}

bool TsysOneInstance::InstanceExists() {
    auto& platform = ActivePlatform();
    const std::string title = platform.AppTitle();
    const std::string upperExeName = exeNameAsIdentifier_ ? platform.UpperCase(platform.AppExeName()) : std::string();
    const auto names = oneinstance::FormMutexNames({.title = title,
                                                    .upperExeName = upperExeName,
                                                    .exeNameAsIdentifier = exeNameAsIdentifier_,
                                                    .identifier = identifier_});

    // The guard makes "find or create the instance mutex, then try to own it" atomic between copies
    // starting together; meeting it already there means another copy is in this very check.
    const auto guard = platform.CreateMutexA(names.guard.c_str(), true);
    const oneinstance::MutexHandle guardHandle(platform, guard.handle);
    if (!guard.handle || guard.lastError != 0) return true;

    const auto instance = platform.CreateMutexA(names.instance.c_str(), false);
    oneinstance::instanceMutex = oneinstance::MutexHandle(platform, instance.handle);
    // Ownership, not existence, marks a running copy, so an abandoned mutex (its owner died) lets us run.
    return platform.WaitForSingleObject(instance.handle, 0) == WAIT_TIMEOUT;
}

void TsysOneInstance::DoShowMessage() {
    if (onShowMessage_) {
        onShowMessage_(*this, terminate_);
        return;
    }
    auto& platform = ActivePlatform();
    const std::string title = platform.AppTitle();
    const std::string text = message_.empty() ? oneinstance::AlreadyRunningText(title) : message_;
    platform.MessageBoxExA(platform.AppHandle(), text.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION, 0);
}

void TsysOneInstance::DoActivatePrevInstance() { BringPrevInstanceToFront(); }

const fw::ClassInfo& TsysOneInstance::StaticClass() {
    static const fw::ClassInfo info = [] {
        fw::ClassInfo ci("TsysOneInstance", &TsysComponent::StaticClass(),
                         [](fw::Component* owner) { return std::make_unique<TsysOneInstance>(owner); });
        fw::Publish<TsysOneInstance>(ci)
            .Property<bool>("ActivatePrevInstance", &TsysOneInstance::ActivatePrevInstance,
                            &TsysOneInstance::SetActivatePrevInstance)
            .Property<bool>("ExeNameAsIdentifier", &TsysOneInstance::ExeNameAsIdentifier,
                            &TsysOneInstance::SetExeNameAsIdentifier)
            .Property<std::string>("Message", &TsysOneInstance::Message, &TsysOneInstance::SetMessage)
            .Property<std::string>("Identifier", &TsysOneInstance::Identifier, &TsysOneInstance::SetIdentifier)
            .Property<bool>("ShowMessage", &TsysOneInstance::ShowMessage, &TsysOneInstance::SetShowMessage)
            .Event<TsysOneInstanceShowMessage>("OnShowMessage", [](TsysOneInstance& c, TsysOneInstanceShowMessage e) {
                c.SetOnShowMessage(std::move(e));
            });
        return ci;
    }();
    return info;
}

HWND FindPrevInstanceWindow() {
    auto& platform = ActivePlatform();
    const std::string title = platform.AppTitle();
    const HWND own = platform.AppHandle();
    HWND hit = nullptr;
    do {
        hit = platform.FindWindowExA(nullptr, hit, "TApplication", title.c_str());
    } while (hit && hit == own);
    return hit;
}

bool BringPrevInstanceToFront() {
    auto& platform = ActivePlatform();
    const HWND window = FindPrevInstanceWindow();
    if (platform.IsWindow(window)) {
        if (platform.IsIconic(window))
            platform.OpenIcon(window);
        else
            platform.SetForegroundWindow(window);
    }
    return window != nullptr;
}
