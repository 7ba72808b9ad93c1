#include "framework/PartPublisher.h"
#include "settings/IniCtrl.h"

#include <memory>

const fw::ClassInfo& TEclIniCtrl::StaticClass() {
    static const fw::ClassInfo info = [] {
        fw::ClassInfo ci("TEclIniCtrl", nullptr,
                         [](fw::Component* owner) { return std::make_unique<TEclIniCtrl>(owner); });
        using C = TEclIniCtrl;
        fw::Publish<C>(ci)
            .Property<TEclIniTarget>("Target", &C::Target, &C::SetTarget)
            .Property<TEclRegRoot>("RegRoot", &C::RegRoot, &C::SetRegRoot)
            .Property<std::string>("RegPath", &C::RegPath, &C::SetRegPath)
            .Property<std::string>("IniFile", &C::IniFile, &C::SetIniFile)
            .Property<TEclIniPrefix>("IniPrefix", &C::IniPrefix, &C::SetIniPrefix)
            .Property<std::string>("CustomPrefix", &C::CustomPrefix, &C::SetCustomPrefix);
        return ci;
    }();
    return info;
}

void RegisterSettingsClasses() { fw::ClassRegistry::Register(TEclIniCtrl::StaticClass()); }
