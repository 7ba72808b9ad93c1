#pragma once
// The About dialog's links, opened by the shell; its other platform seams, the version resource and
// the computer's facts, are in VersionInfo.h and MachineInfo.h.
#include <string>

#include "about/MachineInfo.h"
#include "about/VersionInfo.h"

namespace about {

// Opens a web address or a "mailto:" target with the shell; false when the shell cannot.
class LinkPlatform {
public:
    static LinkPlatform& System();

    virtual ~LinkPlatform() = default;
    virtual bool Open(const std::string& target) = 0;
};

}  // namespace about
