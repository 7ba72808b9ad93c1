#pragma once
// The stored description of a window: nested object blocks with "Name = Value" lines.
//
//   object MainForm: TMainForm
//     Left = 122
//     Caption = 'Tillora POS Stockdraw'
//     Text = 'line one'#13#10'line two'        (quoted parts and #nn character codes join)
//     Options = [fofFilesOnly, fofNoErrorUI]  (a set; [] is the empty set)
//     Items = ('first' 'second')              (a string list, items may span lines)
//     Color = clBtnFace                       (an identifier: enum, boolean, colour, handler, resource)
//     Font.Height = -11                       (dotted names reach owned objects)
//     object ExitButton: TEclSpeedButton
//       OnClick = ExitButtonClick
//     end
//   end
//
// Blank lines and lines starting with "//" are ignored; lines end in LF or CR LF. Integers may be
// negative or $hex. A string is quoted parts ('' stands for a quote) and #nn or #$hh character
// codes (0 to 255) written without space between them; strings are bytes, kept as they are. A long
// string continues on the next line after a '+'. A set stays on one line; a string list may span
// several, one or more items a line. Names and identifiers are letters, digits and underscores,
// dots joining parts of a property name or identifier.
//
// Errors name the line where the text goes wrong; for something left open at the end of the text
// (an object without its end, a string list without its ')') they name the line that opened it.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

struct Value {
    enum class Kind { Integer, String, Identifier, Set, StringList };
    Kind kind = Kind::Integer;
    long long integer = 0;           // Integer
    std::string text;                // String, Identifier
    std::vector<std::string> items;  // Set (identifiers), StringList (strings)
};

struct PropertyNode {
    std::string name;
    Value value;
    int line = 0;
};

struct ObjectNode {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<PropertyNode> properties;
    std::vector<ObjectNode> children;
};

// Thrown for a malformed description or a value that does not fit; the message names the line.
class DescriptionError : public std::runtime_error {
public:
    DescriptionError(int line, const std::string& what);
    int Line() const { return line_; }

private:
    int line_;
};

// Parses one top-level object block. Throws DescriptionError for anything malformed.
ObjectNode ParseDescription(std::string_view text);

}  // namespace fw
