#pragma once
// The facts about the computer the About dialog shows: total memory, processor count and type.
#include <cstdint>
#include <string>

#include "framework/Seam.h"

namespace about {

struct MachineFacts {
    bool ntPlatform = true;           // the Windows NT family (every supported system)
    std::uint64_t totalPhysical = 0;  // bytes
    unsigned processorCount = 0;
    unsigned processorType = 0;  // the platform's processor type number (586 for a Pentium)
};

class MachineInfoPlatform {
public:
    static MachineInfoPlatform& System();

    virtual ~MachineInfoPlatform() = default;
    virtual MachineFacts Query() = 0;
};

// "Intel Pentium" for 586 and so on; an unlisted type number in decimal.
std::string ProcessorName(unsigned processorType);

// The value column of the system information, two lines joined by a CR: the total memory in KB
// (rounded) and "<count>x <processor name> <orCompatible>".
std::string SystemInfoValue(const MachineFacts& facts, const std::string& orCompatible);

// The caption column: the two captions joined by a CR.
std::string SystemInfoCaption(const std::string& memoryCaption, const std::string& platformCaption);

}  // namespace about
