#pragma once
// The text of a single-line edit box and its insertion point, with the editing keys.
#include <cstddef>
#include <string>

namespace ecl {

class EditLine {
public:
    const std::string& Text() const { return text_; }
    std::size_t Caret() const { return caret_; }

    // Replaces the text (cut to maxLength when that is positive) and puts the caret at its start;
    // false, and nothing changes, when the text is the same.
    bool SetText(std::string text, int maxLength = 0);
    // Typing: inserts at the caret unless the text is full; false when nothing changed.
    bool Insert(char c, int maxLength = 0);
    bool Backspace();
    bool Delete();

    void Left();
    void Right();
    void Home();
    void End();
    void SetCaret(std::size_t position);

private:
    std::string text_;
    std::size_t caret_ = 0;
};

}  // namespace ecl
