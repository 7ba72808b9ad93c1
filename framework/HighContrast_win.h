#pragma once
// The system's high-contrast setting, as the controls' drawn colours follow it.
namespace fw {

// True while the setting is on. It is read once and kept until RefreshHighContrast, which the
// top-level forms call when the system's settings or colours change.
bool HighContrast();
void RefreshHighContrast();

// How the setting is read: from the system (SPI_GETHIGHCONTRAST) unless tests put their own
// question in its place (nullptr restores the system's). Returns the question it replaces.
using HighContrastQuery = bool (*)();
HighContrastQuery SetHighContrastQuery(HighContrastQuery query);

}  // namespace fw
