#include "framework/HighContrast_win.h"

#include <windows.h>

namespace fw {

namespace {

class SystemHighContrastPlatform final : public HighContrastPlatform {
public:
    bool On() override {
        HIGHCONTRASTA setting{};
        setting.cbSize = sizeof setting;
        return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
               (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
    }
};

int g_state = -1;  // -1: not read yet

}  // namespace

HighContrastPlatform& HighContrastPlatform::System() {
    static SystemHighContrastPlatform platform;
    return platform;
}

bool HighContrast() {
    if (g_state < 0) g_state = Seam<HighContrastPlatform>::Current().On() ? 1 : 0;
    return g_state == 1;
}

void RefreshHighContrast() { g_state = -1; }

}  // namespace fw
