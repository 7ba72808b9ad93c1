#include "browse/EditLine.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace ecl {

namespace {

bool overwrite = false;

bool IsWordByte(unsigned char c) { return c >= 0x80 || std::isalnum(c) != 0 || c == '_'; }

}  // namespace

bool EditLine::Overwrite() { return overwrite; }

void EditLine::SetOverwrite(bool on) { overwrite = on; }

// The start of the character holding the byte at position, found by walking from the start:
// a trail byte can have any value, so it cannot be told apart by looking backwards.
std::size_t EditLine::CharStart(std::size_t position) const {
    position = std::min(position, text_.size());
    std::size_t i = 0;
    while (i < position) {
        const std::size_t next = Next(i);
        if (next > position) break;
        i = next;
    }
    return i;
}

std::size_t EditLine::Next(std::size_t position) const {
    if (position >= text_.size()) return text_.size();
    return position + (IsLead(position) && position + 1 < text_.size() ? 2 : 1);
}

std::size_t EditLine::Previous(std::size_t position) const { return position == 0 ? 0 : CharStart(position - 1); }

bool EditLine::SetText(std::string text, int maxLength) {
    if (maxLength > 0 && text.size() > static_cast<std::size_t>(maxLength)) {
        text_.swap(text);
        const std::size_t cut = CharStart(static_cast<std::size_t>(maxLength));
        text_.swap(text);
        text.resize(cut);
    }
    modified_ = false;
    if (text == text_) return false;
    text_ = std::move(text);
    caret_ = anchor_ = 0;
    canUndo_ = false;
    typing_ = false;
    return true;
}

void EditLine::Replace(std::size_t start, std::size_t end, std::string_view with) {
    undoText_ = text_;
    undoStart_ = start;
    undoRemoved_ = end - start;
    undoInserted_ = with.size();
    canUndo_ = true;
    typing_ = false;
    modified_ = true;
    text_.replace(start, end - start, with);
    caret_ = anchor_ = start + with.size();
}

bool EditLine::Type(std::string_view text, int maxLength) {
    const std::size_t start = SelStart();
    std::size_t end = SelEnd();
    if (start == end && overwrite && !text.empty()) end = Next(start);
    return Put(start, end, text, maxLength);
}

bool EditLine::ReplaceSelection(std::string_view text, int maxLength, bool undoable) {
    const bool changed = Put(SelStart(), SelEnd(), text, maxLength);
    if (!undoable) ForgetUndo();
    return changed;
}

// Replaces [start, end) with the first line of text, as much of it as fits within maxLength; a
// run of such changes at the caret is one step to undo.
bool EditLine::Put(std::size_t start, std::size_t end, std::string_view text, int maxLength) {
    text = text.substr(0, text.find_first_of("\r\n"));
    if (maxLength > 0) {
        const std::size_t rest = text_.size() - (end - start);
        const std::size_t room =
            rest >= static_cast<std::size_t>(maxLength) ? 0 : static_cast<std::size_t>(maxLength) - rest;
        if (text.size() > room) {
            // Cut between whole characters of the inserted text.
            std::size_t fit = 0;
            while (fit < text.size()) {
                const bool lead = lead_[static_cast<unsigned char>(text[fit])] && fit + 1 < text.size();
                const std::size_t next = fit + (lead ? 2 : 1);
                if (next > room) break;
                fit = next;
            }
            text = text.substr(0, fit);
        }
    }
    if (text.empty() && start == end) return false;
    const bool run = typing_ && start == end && start == caret_;
    if (run) {
        text_.replace(start, end - start, text);
        caret_ = anchor_ = start + text.size();
        undoInserted_ += text.size();
        modified_ = true;
    } else {
        Replace(start, end, text);
    }
    typing_ = true;
    return true;
}

bool EditLine::TypeKeyByte(char c, int maxLength) {
    if (pendingLead_ != 0) {
        const char pair[2] = {std::exchange(pendingLead_, char{0}), c};
        return Type(std::string_view(pair, 2), maxLength);
    }
    if (lead_[static_cast<unsigned char>(c)]) {
        pendingLead_ = c;
        return false;
    }
    return Insert(c, maxLength);
}

bool EditLine::Backspace() {
    if (HasSelection()) {
        Replace(SelStart(), SelEnd(), {});
        return true;
    }
    if (caret_ == 0) return false;
    Replace(Previous(caret_), caret_, {});
    return true;
}

bool EditLine::Delete() {
    if (HasSelection()) {
        Replace(SelStart(), SelEnd(), {});
        return true;
    }
    if (caret_ >= text_.size()) return false;
    Replace(caret_, Next(caret_), {});
    return true;
}

std::string EditLine::Cut() {
    std::string cut = SelectedText();
    if (!cut.empty()) Replace(SelStart(), SelEnd(), {});
    return cut;
}

void EditLine::Left(bool extend) {
    if (!extend && HasSelection()) return SetCaret(SelStart());
    SetCaret(Previous(caret_), extend);
}

void EditLine::Right(bool extend) {
    if (!extend && HasSelection()) return SetCaret(SelEnd());
    SetCaret(Next(caret_), extend);
}

void EditLine::Home(bool extend) { SetCaret(0, extend); }

void EditLine::End(bool extend) { SetCaret(text_.size(), extend); }

void EditLine::SetCaret(std::size_t position, bool extend) {
    caret_ = CharStart(position);
    if (!extend) anchor_ = caret_;
    typing_ = false;
}

void EditLine::Select(std::size_t start, std::size_t length) {
    start = CharStart(start);
    typing_ = false;
    anchor_ = start;
    caret_ = CharStart(length > text_.size() - start ? text_.size() : start + length);
}

void EditLine::SelectWordAt(std::size_t position) {
    position = CharStart(position);
    if (text_.empty()) return SetCaret(0);
    if (position == text_.size()) position = Previous(position);
    const bool word = IsWordByte(static_cast<unsigned char>(text_[position]));
    const auto same = [&](std::size_t i) { return IsWordByte(static_cast<unsigned char>(text_[i])) == word; };
    std::size_t start = position;
    while (start > 0 && same(Previous(start))) start = Previous(start);
    std::size_t end = position;
    while (end < text_.size() && same(end)) end = Next(end);
    anchor_ = start;
    caret_ = end;
    typing_ = false;
}

bool EditLine::Undo() {
    if (!canUndo_) return false;
    typing_ = false;
    std::swap(text_, undoText_);
    // As the standard edit box does, what comes back is selected.
    std::swap(undoRemoved_, undoInserted_);
    anchor_ = undoStart_;
    caret_ = undoStart_ + undoInserted_;
    modified_ = true;
    return true;
}

}  // namespace ecl
