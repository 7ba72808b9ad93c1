#pragma once
// The edit's right-click menu: its items in order, each enabled only when its command would do
// something to the text as it stands.
#include <string>
#include <vector>

#include "browse/EditLine.h"

namespace ecl {

enum class EditCommand { None, Undo, Cut, Copy, Paste, Delete, SelectAll };

struct EditMenuItem {
    std::string caption;  // "-" for a separator
    EditCommand command = EditCommand::None;
    bool enabled = false;
};

std::vector<EditMenuItem> EditMenuItems(const EditLine& line, bool readOnly, bool clipboardHasText);

}  // namespace ecl
