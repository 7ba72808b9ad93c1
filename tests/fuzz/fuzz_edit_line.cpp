// Any sequence of editing operations leaves the edit's model consistent: the caret and anchor
// inside the text and on character starts, the text within the length limit, undo restoring the
// text it saved. A crash or sanitizer report is a fault.
#include <bitset>
#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <string>

#include "browse/EditLine.h"

namespace {

void Check(const ecl::EditLine& line, int maxLength) {
    const std::size_t size = line.Text().size();
    if (line.Caret() > size || line.Anchor() > size) __builtin_trap();
    if (maxLength > 0 && size > static_cast<std::size_t>(maxLength)) __builtin_trap();
    if (line.SelectedText().size() != line.SelEnd() - line.SelStart()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    ecl::EditLine line;
    std::bitset<256> lead;
    if (data[0] & 1)
        for (int b = 0x81; b <= 0xFE; ++b) lead.set(static_cast<std::size_t>(b));
    line.SetLeadBytes(lead);
    const int maxLength = data[1] % 16;
    ecl::EditLine::SetOverwrite(false);
    std::size_t i = 2;
    while (i < size) {
        const std::uint8_t op = data[i++];
        const std::uint8_t arg = i < size ? data[i] : 0;
        const bool extend = (op & 0x10) != 0;
        switch (op & 0x0F) {
            case 0: {
                const std::size_t n = std::min<std::size_t>(arg % 8, size - i);
                const char* text = reinterpret_cast<const char*>(data + i);
                if (op & 0x20)
                    line.ReplaceSelection(std::string(text, n), maxLength, (op & 0x40) != 0);
                else
                    line.Type(std::string(text, n), maxLength);
                i += n;
                break;
            }
            case 1: line.Backspace(); break;
            case 2: line.Delete(); break;
            case 3: line.Cut(); break;
            case 4: line.Left(extend); break;
            case 5: line.Right(extend); break;
            case 6: line.Home(extend); break;
            case 7: line.End(extend); break;
            case 8:
                line.SetCaret(arg, extend);
                ++i;
                break;
            case 9:
                line.Select(arg % 16, static_cast<std::size_t>(arg / 16));
                ++i;
                break;
            case 10: line.SelectAll(); break;
            case 11:
                line.SelectWordAt(arg);
                ++i;
                break;
            case 12: {
                const std::string before = line.Text();
                if (line.Undo() && !line.Undo()) __builtin_trap();
                if (line.Text() != before) __builtin_trap();
                break;
            }
            case 13: ecl::EditLine::SetOverwrite(!ecl::EditLine::Overwrite()); break;
            case 14:
                line.TypeKeyByte(static_cast<char>(arg), maxLength);
                ++i;
                break;
            default: {
                const std::size_t n = std::min<std::size_t>(arg % 24, size - i);
                line.SetText(std::string(reinterpret_cast<const char*>(data + i), n), maxLength);
                i += n;
                break;
            }
        }
        Check(line, maxLength);
    }
    ecl::EditLine::SetOverwrite(false);
    return 0;
}
