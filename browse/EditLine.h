#pragma once
// The text of a single-line edit box, its insertion point and selection, with the editing keys.
// Positions are byte offsets into ANSI text; with a double-byte code page set, the caret and the
// selection only ever stand between whole characters.
#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>

namespace ecl {

// The system's standard edit box takes at most this many characters from the user unless it is told
// otherwise; no path ever needs more.
inline constexpr int kDefaultTextLimit = 32767;

// The length an edit box keeps its text within: its MaxLength when that is positive, else the default.
constexpr int TextLimit(int maxLength) { return maxLength > 0 ? maxLength : kDefaultTextLimit; }

class EditLine {
public:
    const std::string& Text() const { return text_; }
    std::size_t Caret() const { return caret_; }
    std::size_t Anchor() const { return anchor_; }
    std::size_t SelStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    std::size_t SelEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    bool HasSelection() const { return caret_ != anchor_; }
    std::string SelectedText() const { return text_.substr(SelStart(), SelEnd() - SelStart()); }

    // The lead bytes of the ANSI code page; empty for a single-byte code page.
    void SetLeadBytes(const std::bitset<256>& leadBytes) { lead_ = leadBytes; }

    // Replaces the text (cut to maxLength when that is positive) and puts the caret at its start;
    // false, and nothing changes, when the text is the same. Forgets the undo step and clears the
    // modified flag, also when the text stays.
    bool SetText(std::string text, int maxLength = 0);

    // Typing and pasting: replaces the selection, or in overwrite mode the character at the caret,
    // with the first line of text, cut so that the whole stays within maxLength. False when
    // nothing changed.
    bool Type(std::string_view text, int maxLength = 0);
    bool Insert(char c, int maxLength = 0) { return Type(std::string_view(&c, 1), maxLength); }
    // Another program's replacement of the selection: as typing, but never overwriting; without
    // undoable the undo step is forgotten, as the standard edit box does.
    bool ReplaceSelection(std::string_view text, int maxLength, bool undoable);
    // One byte of a typed character, as the keyboard sends them one at a time: a lead byte of the
    // double-byte code page waits for its trail byte, and the pair is typed as one character.
    bool TypeKeyByte(char c, int maxLength = 0);
    // Deletes the selection, else one character before (Backspace) or after (Delete) the caret.
    bool Backspace();
    bool Delete();
    // Removes the selection and returns it (empty when nothing was selected).
    std::string Cut();

    // Caret movement by whole characters; with extend the anchor stays and the selection grows.
    void Left(bool extend = false);
    void Right(bool extend = false);
    void Home(bool extend = false);
    void End(bool extend = false);
    void SetCaret(std::size_t position, bool extend = false);
    void Select(std::size_t start, std::size_t length);
    void SelectAll() { Select(0, text_.size()); }
    // The word (or run of separators) around position, as a double click selects it.
    void SelectWordAt(std::size_t position);

    // One level of undo: the step before the last change, where a run of typing is one change;
    // undoing twice redoes it. The text put back is selected.
    bool CanUndo() const { return canUndo_; }
    bool Undo();
    void ForgetUndo() {
        canUndo_ = false;
        typing_ = false;
    }

    // Set by every change other than SetText, until cleared.
    bool Modified() const { return modified_; }
    void SetModified(bool on) { modified_ = on; }

    // Overwrite mode is one for the whole program, as the Insert key switches it.
    static bool Overwrite();
    static void SetOverwrite(bool on);

private:
    bool IsLead(std::size_t i) const { return lead_[static_cast<unsigned char>(text_[i])]; }
    std::size_t CharStart(std::size_t position) const;
    std::size_t Next(std::size_t position) const;
    std::size_t Previous(std::size_t position) const;
    void Replace(std::size_t start, std::size_t end, std::string_view with);
    bool Put(std::size_t start, std::size_t end, std::string_view text, int maxLength);

    std::string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    std::bitset<256> lead_;
    std::string undoText_;
    // The last change: at undoStart_, undoRemoved_ bytes became undoInserted_ bytes.
    std::size_t undoStart_ = 0;
    std::size_t undoRemoved_ = 0;
    std::size_t undoInserted_ = 0;
    bool canUndo_ = false;
    bool modified_ = false;
    bool typing_ = false;   // the last change was typing that ended at the caret
    char pendingLead_ = 0;  // a typed lead byte waiting for its trail byte
};

}  // namespace ecl
