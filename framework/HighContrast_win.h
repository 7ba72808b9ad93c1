#pragma once
// The system's high-contrast setting, as the controls' drawn colours follow it.
#include "framework/Seam.h"

namespace fw {

class HighContrastPlatform {
public:
    static HighContrastPlatform& System();

    virtual ~HighContrastPlatform() = default;
    // True while the system's high-contrast setting is on.
    virtual bool On() = 0;
};

// The setting through the platform in place, read once and kept until RefreshHighContrast, which
// the top-level forms call when the system's settings or colours change.
bool HighContrast();
void RefreshHighContrast();

}  // namespace fw
