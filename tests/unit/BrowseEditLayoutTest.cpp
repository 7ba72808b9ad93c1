// The browse edit's portable rules: its automatic size and layout, horizontal scrolling and
// caret placement, the editing model, and the folder chooser's flag word and path clean-up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/BrowseEditLayout.h"
#include "browse/BrowseTypes.h"
#include "browse/EditLine.h"

namespace {

using ecl::BrowseButtonRect;
using ecl::BrowseEditAutoHeight;
using ecl::BrowseEditMinWidth;
using ecl::BrowseTextArea;

TEST(BrowseEditLayoutTest, AutoHeightFollowsTheTextHeightAndTheBevel) {
    // 13-pixel MS Sans Serif: "Qp" is 16 high, 16 x 5 / 4 + 5.
    EXPECT_EQ(BrowseEditAutoHeight(16, TEclBevelMode::bmWindows, 0), 25);
    EXPECT_EQ(BrowseEditAutoHeight(13, TEclBevelMode::bmWindows, 0), 21);  // 16.25 truncated
    // The Windows frame adds 5 whatever the bevel's extent; other modes add the extent twice.
    EXPECT_EQ(BrowseEditAutoHeight(16, TEclBevelMode::bmWindows, 3), 25);
    EXPECT_EQ(BrowseEditAutoHeight(16, TEclBevelMode::bmCustom, 3), 26);
    EXPECT_EQ(BrowseEditAutoHeight(16, TEclBevelMode::bmStandard, 0), 20);
    EXPECT_EQ(BrowseEditMinWidth(1, 18), 48);
    EXPECT_EQ(BrowseEditMinWidth(2, 16), 62);
}

TEST(BrowseEditLayoutTest, TheButtonsSitRightOfTheTextAreaWithOneColumnBetween) {
    // The main window's edits: 487 x 23 client.
    const fw::Rect text = BrowseTextArea({0, 0, 487, 23}, 1, 18);
    EXPECT_EQ(text, (fw::Rect{0, 0, 468, 23}));
    EXPECT_EQ(BrowseButtonRect(text, 0, 18, true), (fw::Rect{469, 0, 487, 23}));
    // Inside a bevel of extent 2 the button starts at the text area's top unless told otherwise.
    const fw::Rect inner = BrowseTextArea({2, 2, 98, 22}, 2, 16);
    EXPECT_EQ(inner, (fw::Rect{2, 2, 65, 22}));
    EXPECT_EQ(BrowseButtonRect(inner, 1, 16, false), (fw::Rect{82, 2, 98, 22}));
    EXPECT_EQ(BrowseButtonRect(inner, 0, 16, true), (fw::Rect{66, 0, 82, 20}));
}

TEST(BrowseEditLayoutTest, ScrollingKeepsTheCaretInViewAndMovesAsLittleAsPossible) {
    using ecl::ScrollForText;
    // A short text never scrolls.
    EXPECT_EQ(ScrollForText(0, 40, 60, 100), 0);
    // The caret past the right edge: the view moves just far enough.
    EXPECT_EQ(ScrollForText(0, 150, 300, 100), 51);
    // Inside the view: no movement.
    EXPECT_EQ(ScrollForText(51, 120, 300, 100), 51);
    // Left of the view: the view starts at the caret.
    EXPECT_EQ(ScrollForText(51, 30, 300, 100), 30);
    // The text got shorter: no more empty room than needed at the right.
    EXPECT_EQ(ScrollForText(200, 210, 220, 100), 121);
    EXPECT_EQ(ScrollForText(80, 10, 50, 100), 0);
}

TEST(BrowseEditLayoutTest, AClickGoesToTheNearestCharacterBoundary) {
    const std::vector<int> edges{0, 7, 14, 18, 30};
    EXPECT_EQ(ecl::CaretIndexAt(edges, -5), 0u);
    EXPECT_EQ(ecl::CaretIndexAt(edges, 3), 0u);  // a tie stays left
    EXPECT_EQ(ecl::CaretIndexAt(edges, 4), 1u);
    EXPECT_EQ(ecl::CaretIndexAt(edges, 17), 3u);
    EXPECT_EQ(ecl::CaretIndexAt(edges, 25), 4u);
    EXPECT_EQ(ecl::CaretIndexAt(edges, 500), 4u);
    EXPECT_EQ(ecl::CaretIndexAt(std::vector<int>{0}, 12), 0u);
}

TEST(BrowseEditLayoutTest, TheEditLineInsertsDeletesAndMovesAtTheCaret) {
    ecl::EditLine line;
    EXPECT_TRUE(line.SetText("C:\\Data"));
    EXPECT_FALSE(line.SetText("C:\\Data"));  // the same text is no change
    EXPECT_EQ(line.Caret(), 0u);
    EXPECT_FALSE(line.Backspace());
    line.End();
    EXPECT_FALSE(line.Delete());
    line.Left();
    EXPECT_TRUE(line.Insert('X'));
    EXPECT_EQ(line.Text(), "C:\\DatXa");
    EXPECT_TRUE(line.Backspace());
    line.Home();
    line.Right();
    EXPECT_TRUE(line.Delete());
    EXPECT_EQ(line.Text(), "C\\Data");
    line.SetCaret(99);
    EXPECT_EQ(line.Caret(), 6u);
    // MaxLength: typing stops when full, set text is cut.
    EXPECT_FALSE(line.Insert('!', 6));
    EXPECT_TRUE(line.SetText("\\\\server\\share", 8));
    EXPECT_EQ(line.Text(), "\\\\server");
}

TEST(BrowseDlgFlagsTest, EachOptionContributesItsShellFlag) {
    using O = TEclBrowseDlgOption;
    EXPECT_EQ(BrowseFlagWord({O::doReturnFileSysDirs, O::doStatusText, O::doAllowEdit, O::doShowPath, O::doEnableOK}),
              0x35u);
    EXPECT_EQ(BrowseFlagWord(kDefaultBrowseDlgOptions), 0x01u);
    EXPECT_EQ(BrowseFlagWord({}), 0u);
    EXPECT_EQ(BrowseFlagWord({O::doAllowEdit}), 0x30u);
    EXPECT_EQ(BrowseFlagWord({O::doShowPath, O::doEnableOK}), 0u);
    EXPECT_EQ(BrowseFlagWord({O::doBrowseForComputer, O::doBrowseForPrinter, O::doDontGoBelowDomain,
                              O::doReturnFileSysAncestors, O::doShowFiles}),
              0x700Au);
}

TEST(BrowseDlgFlagsTest, StartFoldersNameTheirSpecialFolders) {
    EXPECT_EQ(SpecialFolderId(TEclSystemFolders::bfoDesktop), 0x00);
    EXPECT_EQ(SpecialFolderId(TEclSystemFolders::bfoDesktopExpanded), 0xFEFE);
    EXPECT_EQ(SpecialFolderId(TEclSystemFolders::bfoDesktopDirectory), 0x10);
    EXPECT_EQ(SpecialFolderId(TEclSystemFolders::bfoInternet), 0x01);
    EXPECT_EQ(SpecialFolderId(TEclSystemFolders::bfoAltStartup), 0x1D);
    EXPECT_EQ(SpecialFolderId(TEclSystemFolders::bfoHistory), 0x22);
    EXPECT_EQ(EnumNames(TEclSystemFolders{}).size(), 31u);
}

TEST(BrowseDlgFlagsTest, AShellPathIsCutAtItsZeroAndTrimmedButKeepsItsBackslash) {
    EXPECT_EQ(TrimShellPath(std::string("C:\\\0garbage", 11)), "C:\\");
    EXPECT_EQ(TrimShellPath(" \t\\\\srv\\share\\BRIGHTWELL'S WHOLESALE \r\n"),
              "\\\\srv\\share\\BRIGHTWELL'S WHOLESALE");
    EXPECT_EQ(TrimShellPath(std::string("\0C:\\", 4)), "");
    EXPECT_EQ(TrimShellPath("D:\\Stock\\"), "D:\\Stock\\");
}

TEST(BrowseDlgFlagsTest, TheFolderToSelectLosesATrailingBackslashButARootKeepsIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\Stock\\", "D:\\Stock"},
        {"D:\\Stock", "D:\\Stock"},
        {"\\\\srv\\share\\", "\\\\srv\\share"},
        {"C:\\", "C:\\"},
        {"\\", "\\"},
        {"", ""},
        {"C:", "C:"},
        {"D:\\Stock\\\\", "D:\\Stock\\"},
    };
    for (const auto& [typed, selected] : cases) EXPECT_EQ(FolderToSelect(typed), selected) << typed;
}

}  // namespace
