#pragma once
// The settings store carried by the main window. It holds where settings would live (a registry key
// or an INI file) and nothing more: the program keeps no settings between runs, so nothing reads or
// writes through it.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "framework/ClassInfo.h"

enum class TEclIniTarget { itIniFile, itRegistry };
inline std::span<const std::string_view> EnumNames(TEclIniTarget) {
    static constexpr std::array<std::string_view, 2> names{"itIniFile", "itRegistry"};
    return names;
}

enum class TEclRegRoot { rpClassesRoot, rpCurrentUser, rpLocalMachine, rpUsers, rpCurrentConfig };
inline std::span<const std::string_view> EnumNames(TEclRegRoot) {
    static constexpr std::array<std::string_view, 5> names{"rpClassesRoot", "rpCurrentUser", "rpLocalMachine",
                                                           "rpUsers", "rpCurrentConfig"};
    return names;
}

// What goes before the section names: nothing, the program's name, or a prefix of one's own.
enum class TEclIniPrefix { ppNone, ppProgram, ppCustom };
inline std::span<const std::string_view> EnumNames(TEclIniPrefix) {
    static constexpr std::array<std::string_view, 3> names{"ppNone", "ppProgram", "ppCustom"};
    return names;
}

class TEclIniCtrl : public fw::Component {
public:
    using fw::Component::Component;
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    TEclIniTarget Target() const { return target_; }
    void SetTarget(TEclIniTarget target) { target_ = target; }
    TEclRegRoot RegRoot() const { return regRoot_; }
    void SetRegRoot(TEclRegRoot root) { regRoot_ = root; }
    const std::string& RegPath() const { return regPath_; }
    void SetRegPath(std::string path) { regPath_ = std::move(path); }
    const std::string& IniFile() const { return iniFile_; }
    void SetIniFile(std::string file) { iniFile_ = std::move(file); }
    TEclIniPrefix IniPrefix() const { return iniPrefix_; }
    void SetIniPrefix(TEclIniPrefix prefix) { iniPrefix_ = prefix; }
    const std::string& CustomPrefix() const { return customPrefix_; }
    void SetCustomPrefix(std::string prefix) { customPrefix_ = std::move(prefix); }

private:
    TEclIniTarget target_ = TEclIniTarget::itIniFile;
    TEclRegRoot regRoot_ = TEclRegRoot::rpCurrentUser;
    std::string regPath_;
    std::string iniFile_;
    TEclIniPrefix iniPrefix_ = TEclIniPrefix::ppNone;
    std::string customPrefix_;
};

// Makes the settings store known to stored descriptions.
void RegisterSettingsClasses();
