#include "browse/Register_win.h"

#include "browse/BrowseDlg_win.h"
#include "browse/BrowseEdit_win.h"
#include "framework/ClassInfo.h"

void RegisterBrowseClasses() {
    fw::ClassRegistry::Register(TEclBrowseDlg::StaticClass());
    fw::ClassRegistry::Register(TEclBrowseEdit::StaticClass());
}
