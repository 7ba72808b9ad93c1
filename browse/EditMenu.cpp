#include "browse/EditMenu.h"

namespace ecl {

std::vector<EditMenuItem> EditMenuItems(const EditLine& line, bool readOnly, bool clipboardHasText) {
    const bool selected = line.HasSelection();
    const bool writable = !readOnly;
    const bool wholeSelected = line.SelStart() == 0 && line.SelEnd() == line.Text().size();
    return {
        {"&Undo", EditCommand::Undo, writable && line.CanUndo()},
        {"-", EditCommand::None, false},
        {"&Cut", EditCommand::Cut, writable && selected},
        {"&Copy", EditCommand::Copy, selected},
        {"&Paste", EditCommand::Paste, writable && clipboardHasText},
        {"&Delete", EditCommand::Delete, writable && selected},
        {"-", EditCommand::None, false},
        {"Select all", EditCommand::SelectAll, !line.Text().empty() && !wholeSelected},
    };
}

}  // namespace ecl
