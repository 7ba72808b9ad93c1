#include "browse/EditLine.h"

#include <algorithm>

namespace ecl {

bool EditLine::SetText(std::string text, int maxLength) {
    if (maxLength > 0 && text.size() > static_cast<std::size_t>(maxLength))
        text.resize(static_cast<std::size_t>(maxLength));
    if (text == text_) return false;
    text_ = std::move(text);
    caret_ = 0;
    return true;
}

bool EditLine::Insert(char c, int maxLength) {
    if (maxLength > 0 && text_.size() >= static_cast<std::size_t>(maxLength)) return false;
    text_.insert(caret_, 1, c);
    ++caret_;
    return true;
}

bool EditLine::Backspace() {
    if (caret_ == 0) return false;
    text_.erase(--caret_, 1);
    return true;
}

bool EditLine::Delete() {
    if (caret_ >= text_.size()) return false;
    text_.erase(caret_, 1);
    return true;
}

void EditLine::Left() {
    if (caret_ > 0) --caret_;
}

void EditLine::Right() {
    if (caret_ < text_.size()) ++caret_;
}

void EditLine::Home() { caret_ = 0; }

void EditLine::End() { caret_ = text_.size(); }

void EditLine::SetCaret(std::size_t position) { caret_ = std::min(position, text_.size()); }

}  // namespace ecl
