#include "framework/HighContrast_win.h"

#include <windows.h>

namespace fw {

namespace {

bool SystemHighContrast() {
    HIGHCONTRASTA setting{};
    setting.cbSize = sizeof setting;
    return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

HighContrastQuery g_query = &SystemHighContrast;
int g_state = -1;  // -1: not read yet

}  // namespace

bool HighContrast() {
    if (g_state < 0) g_state = g_query() ? 1 : 0;
    return g_state == 1;
}

void RefreshHighContrast() { g_state = -1; }

HighContrastQuery SetHighContrastQuery(HighContrastQuery query) {
    const HighContrastQuery old = g_query == &SystemHighContrast ? nullptr : g_query;
    g_query = query ? query : &SystemHighContrast;
    RefreshHighContrast();
    return old;
}

}  // namespace fw
