#pragma once
// Sets the library-wide visual-style switch for the life of the scope.
#include "controls/Theme_win.h"

namespace wintest {

class ThemeSwitch {
public:
    explicit ThemeSwitch(bool on) : saved_(ecl::VisualStylesEnabled()) { ecl::SetVisualStylesEnabled(on); }
    ~ThemeSwitch() { ecl::SetVisualStylesEnabled(saved_); }
    ThemeSwitch(const ThemeSwitch&) = delete;
    ThemeSwitch& operator=(const ThemeSwitch&) = delete;

private:
    bool saved_;
};

}  // namespace wintest
