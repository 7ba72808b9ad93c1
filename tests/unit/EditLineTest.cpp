// The edit's editing model: selection, overwrite, undo, cut and paste, the length limit and
// double-byte characters.
#include <gtest/gtest.h>

#include <bitset>
#include <string>

#include "browse/EditLine.h"

namespace {

using ecl::EditLine;

// Restores the program-wide mode so that the tests stay independent.
struct OverwriteGuard {
    ~OverwriteGuard() { EditLine::SetOverwrite(false); }
};

TEST(EditLineTest, SelectionFollowsTheAnchorAndTypingReplacesIt) {
    EditLine line;
    line.SetText("C:\\Old\\Path");
    line.End();
    line.Home(true);  // End, Shift+Home
    EXPECT_EQ(line.SelectedText(), "C:\\Old\\Path");
    EXPECT_EQ(line.Anchor(), 11u);
    EXPECT_TRUE(line.Type("D:\\New"));
    EXPECT_EQ(line.Text(), "D:\\New");
    EXPECT_FALSE(line.HasSelection());
    line.SelectAll();
    line.Left();  // collapses to the selection's start
    EXPECT_EQ(line.Caret(), 0u);
    line.Right(true);
    line.Right(true);
    line.Left(true);
    EXPECT_EQ(line.SelectedText(), "D");
    line.Select(3, 99);
    EXPECT_EQ(line.SelectedText(), "New");
    EXPECT_TRUE(line.Backspace());
    EXPECT_EQ(line.Text(), "D:\\");
    line.SetText("ab cd..ef");
    line.SelectWordAt(4);
    EXPECT_EQ(line.SelectedText(), "cd");
    line.SelectWordAt(5);
    EXPECT_EQ(line.SelectedText(), "..");
    line.SelectWordAt(9);  // past the end: the last word
    EXPECT_EQ(line.SelectedText(), "ef");
    EditLine empty;
    empty.SelectWordAt(3);
    EXPECT_FALSE(empty.HasSelection());
    EXPECT_FALSE(empty.Type(""));
}

TEST(EditLineTest, OverwriteReplacesTheCharacterAtTheCaretProgramWide) {
    OverwriteGuard guard;
    EditLine one;
    EditLine two;
    one.SetText("abc");
    two.SetText("xyz");
    EditLine::SetOverwrite(true);
    EXPECT_TRUE(one.Type("Z"));
    EXPECT_EQ(one.Text(), "Zbc");
    two.End();
    EXPECT_TRUE(two.Type("!"));  // at the end overwrite appends
    EXPECT_EQ(two.Text(), "xyz!");
    one.Select(1, 2);
    EXPECT_TRUE(one.Type("Q"));  // a selection is replaced as a whole
    EXPECT_EQ(one.Text(), "ZQ");
    one.Home();
    EXPECT_TRUE(one.Type("12", 2));  // full, but overwriting keeps the length
    EXPECT_EQ(one.Text(), "1Q");
}

TEST(EditLineTest, OneLevelOfUndoThatRedoesWhenRepeated) {
    EditLine line;
    EXPECT_FALSE(line.Undo());
    line.SetText("C:\\Data");
    EXPECT_FALSE(line.CanUndo());  // a new text is no step to undo
    line.SelectAll();
    line.Type("X");
    line.Type("Y");  // one run of typing, one step
    EXPECT_TRUE(line.Undo());
    EXPECT_EQ(line.Text(), "C:\\Data");
    EXPECT_TRUE(line.Undo());
    EXPECT_EQ(line.Text(), "XY");
    EXPECT_EQ(line.Caret(), 2u);
    EXPECT_EQ(line.SelectedText(), "XY");  // what comes back is selected
    line.Left();
    line.Type("1");  // the caret moved: a new step
    EXPECT_TRUE(line.Undo());
    EXPECT_EQ(line.Text(), "XY");
    EXPECT_FALSE(line.HasSelection());  // nothing came back
    EXPECT_EQ(line.Caret(), 0u);
    line.SelectAll();
    EXPECT_EQ(line.Cut(), "XY");
    EXPECT_TRUE(line.Undo());
    EXPECT_EQ(line.Text(), "XY");
    EXPECT_EQ(line.SelectedText(), "XY");  // the selection comes back with the text
}

TEST(EditLineTest, ReplacingTheSelectionNeverOverwritesAndMarksTheLineModified) {
    OverwriteGuard guard;
    EditLine::SetOverwrite(true);
    EditLine line;
    line.SetText("C:\\Data");
    line.SetCaret(2);
    EXPECT_TRUE(line.ReplaceSelection("\\Old", 0, true));  // inserted, not typed over
    EXPECT_EQ(line.Text(), "C:\\Old\\Data");
    EXPECT_TRUE(line.Modified());
    line.SetText("C:\\Data");  // clears the flag, as does the same text again
    EXPECT_FALSE(line.Modified());
    line.Select(0, 2);
    EXPECT_TRUE(line.ReplaceSelection("D:\r\nE:", 8, false));
    EXPECT_EQ(line.Text(), "D:\\Data");
    EXPECT_FALSE(line.CanUndo());
    EXPECT_FALSE(line.ReplaceSelection("abc", 7, true));  // full
    line.SetModified(false);
    line.End();
    EXPECT_TRUE(line.Type("x"));
    EXPECT_TRUE(line.Modified());
}

TEST(EditLineTest, CutAndPasteTextKeepTheFirstLine) {
    EditLine line;
    line.SetText("C:\\Data\\Old");
    EXPECT_EQ(line.Cut(), "");  // nothing selected, nothing cut
    EXPECT_FALSE(line.CanUndo());
    line.Select(7, 4);
    EXPECT_EQ(line.Cut(), "\\Old");
    EXPECT_EQ(line.Text(), "C:\\Data");
    EXPECT_TRUE(line.Type("\\New\r\nsecond line"));
    EXPECT_EQ(line.Text(), "C:\\Data\\New");
    line.SelectAll();
    EXPECT_TRUE(line.Type("\nonly after a break"));  // an empty first line still replaces
    EXPECT_EQ(line.Text(), "");
    EXPECT_FALSE(line.Type("\r\n"));
}

TEST(EditLineTest, MaxLengthCutsTypingPastingAndNewText) {
    EditLine line;
    EXPECT_TRUE(line.SetText("abcdef", 4));
    EXPECT_EQ(line.Text(), "abcd");
    line.End();
    EXPECT_FALSE(line.Type("e", 4));
    line.Select(1, 2);
    EXPECT_TRUE(line.Type("12345", 4));  // room for the selection's two bytes only
    EXPECT_EQ(line.Text(), "a12d");
    EXPECT_TRUE(line.Type("x", 0));  // no limit
    EXPECT_EQ(line.Text(), "a12xd");
    line.SelectAll();
    EXPECT_TRUE(line.Type("too long", 3));
    EXPECT_EQ(line.Text(), "too");
}

TEST(EditLineTest, DoubleByteCharactersAreNeverSplit) {
    std::bitset<256> lead;
    for (int b = 0x81; b <= 0x9F; ++b) lead.set(static_cast<std::size_t>(b));
    EditLine line;
    line.SetLeadBytes(lead);
    // "a", a two-byte character whose trail byte looks like a lead byte, "b".
    const std::string text =
        "a\x82\x88"
        "b";
    line.SetText(text);
    line.End();
    line.Left();
    line.Left();
    EXPECT_EQ(line.Caret(), 1u);
    line.Right(true);
    EXPECT_EQ(line.SelectedText(), "\x82\x88");
    line.SetCaret(2);  // inside the character: back to its start
    EXPECT_EQ(line.Caret(), 1u);
    line.SetCaret(3);
    EXPECT_TRUE(line.Backspace());
    EXPECT_EQ(line.Text(), "ab");
    line.Undo();
    line.SetCaret(1);
    EXPECT_TRUE(line.Delete());
    EXPECT_EQ(line.Text(), "ab");
    line.SetText("xy");
    line.End();
    EXPECT_TRUE(line.Type("\x82\x88\x82\x88", 5));  // one whole character fits, not one and a half
    EXPECT_EQ(line.Text(), "xy\x82\x88");
    EXPECT_TRUE(line.SetText(text + text, 6));  // cut before the second character's trail byte
    EXPECT_EQ(line.Text(), text + "a");
    line.SetText("a\x82");  // a lone lead byte at the end counts as one character
    line.End();
    line.Left();
    EXPECT_EQ(line.Caret(), 1u);
    // The keyboard sends a typed character's two bytes one at a time: the lead byte waits.
    line.SetText("ab");
    line.SetCaret(1);
    EXPECT_FALSE(line.TypeKeyByte('\x82'));
    EXPECT_EQ(line.Text(), "ab");
    EXPECT_TRUE(line.TypeKeyByte('\x88'));
    EXPECT_TRUE(line.TypeKeyByte('c'));
    EXPECT_EQ(line.Text(),
              "a\x82\x88"
              "cb");
    EXPECT_EQ(line.Caret(), 4u);
    EXPECT_FALSE(line.TypeKeyByte('\x82', 5));  // no room for the pair: neither byte goes in
    EXPECT_FALSE(line.TypeKeyByte('\x88', 5));
    EXPECT_EQ(line.Text().size(), 5u);
}

}  // namespace
