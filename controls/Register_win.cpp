#include "controls/Register_win.h"

#include "controls/Button_win.h"
#include "controls/Label_win.h"
#include "controls/RadioGroup_win.h"
#include "controls/SimpleLabel_win.h"
#include "controls/SpeedButton_win.h"

void RegisterControlClasses() {
    fw::ClassRegistry::Register(TEclLabel::StaticClass());
    fw::ClassRegistry::Register(TEclSimpleLabel::StaticClass());
    fw::ClassRegistry::Register(TEclButton::StaticClass());
    fw::ClassRegistry::Register(TEclSpeedButton::StaticClass());
    fw::ClassRegistry::Register(TEclRadioGroup::StaticClass());
}
