#include "about/MachineInfo.h"

namespace about {

std::string ProcessorName(unsigned type) {
    switch (type) {
        case 386: return "Intel 386";
        case 486: return "Intel 486";
        case 586: return "Intel Pentium";
        case 2000:
        case 3000:
        case 4000: return "Mips R" + std::to_string(type);
        case 21064: return "Alpha 21064";
        default: return std::to_string(type);
    }
}

std::string SystemInfoValue(const MachineFacts& facts, const std::string& orCompatible) {
    // Rounded half to even.
    std::uint64_t kilobytes = facts.totalPhysical / 1024;
    const std::uint64_t rest = facts.totalPhysical % 1024;
    if (rest > 512 || (rest == 512 && kilobytes % 2 == 1)) ++kilobytes;
    // Only the low byte of the count is shown.
    const unsigned count = facts.processorCount & 0xFF;
    return std::to_string(kilobytes) + " KB\r" + std::to_string(count) + "x " + ProcessorName(facts.processorType) +
           " " + orCompatible;
}

std::string SystemInfoCaption(const std::string& memoryCaption, const std::string& platformCaption) {
    return memoryCaption + "\r" + platformCaption;
}

}  // namespace about
