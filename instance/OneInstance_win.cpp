#include "instance/OneInstance_win.h"

#include <memory>
#include <utility>

#include "framework/PartPublisher.h"
#include "instance/InstanceNames.h"
#include "instance/InstancePlatform_win.h"

namespace oneinstance {

namespace {
// Constant-initialised, so it outlives every guard and is released when the program ends.
constinit MutexHandle instanceMutex;
}  // namespace

HANDLE InstanceMutexHandle() { return instanceMutex.Get(); }

void ReleaseInstanceMutex() { instanceMutex.Reset(); }

}  // namespace oneinstance

namespace {
oneinstance::InstancePlatform& Platform() { return fw::Seam<oneinstance::InstancePlatform>::Current(); }
}  // namespace

TsysOneInstance::TsysOneInstance(fw::Component* owner) : TsysComponent(owner) {}

void TsysOneInstance::Loaded() {
    TsysComponent::Loaded();
    CheckInstance();
}

bool TsysOneInstance::CheckInstance() {
    if (!InstanceExists()) return false;
    terminate_ = true;
    auto& platform = Platform();
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
    auto& platform = Platform();
    const auto app = platform.App();
    const std::string upperExeName = exeNameAsIdentifier_ ? platform.UpperCase(app.exeName) : std::string();
    const auto names = oneinstance::FormMutexNames({.title = app.title,
                                                    .upperExeName = upperExeName,
                                                    .exeNameAsIdentifier = exeNameAsIdentifier_,
                                                    .identifier = identifier_});

    // The guard makes "find or create the instance mutex, then try to own it" atomic between copies
    // starting together; meeting it already there means another copy is in this very check.
    const auto guard = platform.CreateNamedMutex(names.guard, true);
    if (!guard.handle || guard.existed) return true;

    auto instance = platform.CreateNamedMutex(names.instance, false);
    oneinstance::instanceMutex = std::move(instance.handle);
    // Ownership, not existence, marks a running copy, so an abandoned mutex (its owner died) lets us run.
    return platform.WaitToOwn(oneinstance::instanceMutex.Get(), 0) == WAIT_TIMEOUT;
}

void TsysOneInstance::DoShowMessage() {
    if (onShowMessage_) {
        onShowMessage_(*this, terminate_);
        return;
    }
    auto& platform = Platform();
    const std::string title = platform.App().title;
    platform.ShowRefusal(message_.empty() ? oneinstance::AlreadyRunningText(title) : message_, title);
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
    auto& platform = Platform();
    const auto app = platform.App();
    HWND hit = nullptr;
    do {
        hit = platform.NextApplicationWindow(hit, app.title);
    } while (hit && hit == app.window);
    return hit;
}

bool BringPrevInstanceToFront() {
    const HWND window = FindPrevInstanceWindow();
    if (window) Platform().Raise(window);
    return window != nullptr;
}
