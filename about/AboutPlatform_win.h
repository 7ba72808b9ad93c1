#pragma once
// The system's side of the About dialog's platform seam: the version-resource calls, the memory
// and processor queries and the shell's opening of links.
#include <string>

#include "about/MachineInfo.h"
#include "about/VersionInfo.h"

namespace about {

// Opens a web address or a "mailto:" target with the shell; false when the shell cannot.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual bool Open(const std::string& target) = 0;
};

VersionInfoApi& SystemVersionInfoApi();
MachineInfoApi& SystemMachineInfoApi();
LinkOpener& SystemLinkOpener();

}  // namespace about
