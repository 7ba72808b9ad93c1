#include "settings/IniCtrl.h"

#include <array>
#include <memory>

std::span<const std::string_view> EnumNames(TEclIniTarget) {
    static constexpr std::array<std::string_view, 2> names{"itIniFile", "itRegistry"};
    return names;
}

std::span<const std::string_view> EnumNames(TEclRegRoot) {
    static constexpr std::array<std::string_view, 5> names{"rpClassesRoot", "rpCurrentUser", "rpLocalMachine",
                                                           "rpUsers", "rpCurrentConfig"};
    return names;
}

std::span<const std::string_view> EnumNames(TEclIniPrefix) {
    static constexpr std::array<std::string_view, 3> names{"ppNone", "ppProgram", "ppCustom"};
    return names;
}

const fw::ClassInfo& TEclIniCtrl::StaticClass() {
    static const fw::ClassInfo info = [] {
        fw::ClassInfo ci("TEclIniCtrl", nullptr,
                         [](fw::Component* owner) { return std::make_unique<TEclIniCtrl>(owner); });
        using C = TEclIniCtrl;
        fw::ClassBuilder<C>(ci)
            .Property<TEclIniTarget>(
                "Target", [](const C& c) { return c.Target(); }, [](C& c, TEclIniTarget v) { c.SetTarget(v); })
            .Property<TEclRegRoot>(
                "RegRoot", [](const C& c) { return c.RegRoot(); }, [](C& c, TEclRegRoot v) { c.SetRegRoot(v); })
            .Property<std::string>(
                "RegPath", [](const C& c) { return c.RegPath(); },
                [](C& c, std::string v) { c.SetRegPath(std::move(v)); })
            .Property<std::string>(
                "IniFile", [](const C& c) { return c.IniFile(); },
                [](C& c, std::string v) { c.SetIniFile(std::move(v)); })
            .Property<TEclIniPrefix>(
                "IniPrefix", [](const C& c) { return c.IniPrefix(); }, [](C& c, TEclIniPrefix v) { c.SetIniPrefix(v); })
            .Property<std::string>(
                "CustomPrefix", [](const C& c) { return c.CustomPrefix(); },
                [](C& c, std::string v) { c.SetCustomPrefix(std::move(v)); });
        return ci;
    }();
    return info;
}

void RegisterSettingsClasses() { fw::ClassRegistry::Register(TEclIniCtrl::StaticClass()); }
