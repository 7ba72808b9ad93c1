// Which items of the edit's right-click menu are enabled for each state of the text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/EditMenu.h"

namespace {

using ecl::EditCommand;
using ecl::EditLine;

TEST(EditMenuTest, ItemsInOrderWithSeparators) {
    EditLine line;
    std::vector<std::string> captions;
    for (const auto& item : ecl::EditMenuItems(line, false, false)) captions.push_back(item.caption);
    EXPECT_EQ(captions,
              (std::vector<std::string>{"&Undo", "-", "&Cut", "&Copy", "&Paste", "&Delete", "-", "Select all"}));
}

TEST(EditMenuTest, EachItemIsEnabledOnlyWhenItApplies) {
    struct Case {
        const char* state;
        const char* text;
        std::size_t selStart, selLength;
        bool edited, readOnly, clipboard;
        // Undo, Cut, Copy, Paste, Delete, Select all
        std::vector<bool> enabled;
    };
    const Case cases[] = {
        {"empty", "", 0, 0, false, false, false, {false, false, false, false, false, false}},
        {"empty, clipboard", "", 0, 0, false, false, true, {false, false, false, true, false, false}},
        {"caret only", "C:\\Data", 3, 0, false, false, false, {false, false, false, false, false, true}},
        {"part selected", "C:\\Data", 3, 2, false, false, true, {false, true, true, true, true, true}},
        {"all selected", "C:\\Data", 0, 7, false, false, false, {false, true, true, false, true, false}},
        {"after an edit", "C:\\Data", 7, 0, true, false, false, {true, false, false, false, false, true}},
        {"read-only", "C:\\Data", 3, 2, true, true, true, {false, false, true, false, false, true}},
    };
    for (const Case& c : cases) {
        EditLine line;
        line.SetText(c.text);
        if (c.edited) {
            line.End();
            line.Type("x");
            line.Backspace();
        }
        line.Select(c.selStart, c.selLength);
        std::vector<bool> enabled;
        for (const auto& item : ecl::EditMenuItems(line, c.readOnly, c.clipboard))
            if (item.command != EditCommand::None) enabled.push_back(item.enabled);
        EXPECT_EQ(enabled, c.enabled) << c.state;
    }
}

}  // namespace
