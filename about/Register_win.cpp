#include "about/Register_win.h"

#include "about/AboutDlg_win.h"

void RegisterAboutClasses() { fw::ClassRegistry::Register(TEclAboutDlg::StaticClass()); }
