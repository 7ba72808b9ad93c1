#include "framework/Description.h"

#include <cstdint>
#include <set>

namespace fw {

DescriptionError::DescriptionError(int line, const std::string& what)
    : std::runtime_error(line > 0 ? "Line " + std::to_string(line) + ": " + what : what), line_(line) {}

namespace {

// Deeper nesting than any real window needs; the limit keeps hostile input from exhausting the stack.
constexpr int kMaxDepth = 100;

bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsWordChar(int c) { return IsLetter(c) || IsDigit(c) || c == '.'; }

int HexDigit(int c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A byte for an error message: printable ones in quotes, others as a character code.
std::string Shown(int c) {
    if (c >= 0x21 && c < 0x7F) return std::string{'\'', static_cast<char>(c), '\''};
    std::string code = "#";
    code += std::to_string(c);
    return code;
}

enum class Tok { Identifier, Integer, String, Symbol, LineEnd, End };

struct Token {
    Tok kind = Tok::End;
    int line = 1;
    std::string text;  // Identifier, String (the joined bytes)
    long long integer = 0;
    char symbol = 0;
};

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {}

    Token Next() {
        for (;;) {
            while (Peek() == ' ' || Peek() == '\t') ++pos_;
            const int c = Peek();
            if (c < 0) return Make(Tok::End, lineStart_ && line_ > 1 ? line_ - 1 : line_);
            if (lineStart_ && c == '/' && Peek(1) == '/') {
                while (Peek() >= 0 && Peek() != '\n') ++pos_;
                continue;
            }
            if (c == '\n' || (c == '\r' && (Peek(1) == '\n' || Peek(1) < 0))) {
                pos_ += c == '\r' && Peek(1) == '\n' ? 2 : 1;
                lineStart_ = true;
                return Make(Tok::LineEnd, line_++);
            }
            lineStart_ = false;
            if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$'))) return ReadNumber();
            if (IsLetter(c)) return ReadIdentifier();
            if (c == '\'' || c == '#') return ReadString();
            if (std::string_view("=:[](),+").find(static_cast<char>(c)) != std::string_view::npos) {
                ++pos_;
                Token t = Make(Tok::Symbol, line_);
                t.symbol = static_cast<char>(c);
                return t;
            }
            Fail("Unexpected character " + Shown(c));
        }
    }

private:
    // The byte at pos_ + ahead, or -1 past the end (NUL is an ordinary byte here).
    int Peek(size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? static_cast<unsigned char>(text_[pos_ + ahead]) : -1;
    }
    Token Make(Tok kind, int line) const {
        Token t;
        t.kind = kind;
        t.line = line;
        return t;
    }
    [[noreturn]] void Fail(const std::string& what) const { throw DescriptionError(line_, what); }

    Token ReadNumber() {
        const bool negative = Peek() == '-';
        if (negative) ++pos_;
        const bool hex = Peek() == '$';
        if (hex) ++pos_;
        const unsigned base = hex ? 16 : 10;
        const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
        std::uint64_t magnitude = 0;
        size_t digits = 0;
        for (int d; (d = hex ? HexDigit(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1)) >= 0; ++pos_, ++digits) {
            if (magnitude > (limit - static_cast<unsigned>(d)) / base) Fail("Integer out of range");
            magnitude = magnitude * base + static_cast<unsigned>(d);
        }
        if (digits == 0 || IsWordChar(Peek())) Fail("Bad number");
        Token t = Make(Tok::Integer, line_);
        t.integer = negative ? static_cast<long long>(0 - magnitude) : static_cast<long long>(magnitude);
        return t;
    }

    // Letters, digits and underscores; dots separate parts, each of which starts with a letter.
    Token ReadIdentifier() {
        const size_t start = pos_;
        while (IsWordChar(Peek())) ++pos_;
        Token t = Make(Tok::Identifier, line_);
        t.text = std::string(text_.substr(start, pos_ - start));
        for (size_t dot = t.text.find('.'); dot != std::string::npos; dot = t.text.find('.', dot + 1))
            if (dot + 1 == t.text.size() || !IsLetter(static_cast<unsigned char>(t.text[dot + 1])))
                Fail("Bad identifier " + t.text);
        return t;
    }

    // Quoted parts ('' is a quote) and #nn or #$hh character codes, written without space between them.
    Token ReadString() {
        Token t = Make(Tok::String, line_);
        for (;;) {
            if (Peek() == '\'') {
                ++pos_;
                for (;;) {
                    const int c = Peek();
                    if (c < 0 || c == '\n' || (c == '\r' && (Peek(1) == '\n' || Peek(1) < 0)))
                        Fail("Unterminated string");
                    ++pos_;
                    if (c == '\'') {
                        if (Peek() != '\'') break;
                        ++pos_;
                    }
                    t.text += static_cast<char>(c);
                }
            } else if (Peek() == '#') {
                ++pos_;
                const bool hex = Peek() == '$';
                if (hex) ++pos_;
                int code = 0;
                size_t digits = 0;
                for (int d; (d = hex ? HexDigit(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1)) >= 0;
                     ++pos_, ++digits) {
                    code = code * (hex ? 16 : 10) + d;
                    if (code > 255) Fail("Character code above 255");
                }
                if (digits == 0) Fail("Character code expected after '#'");
                t.text += static_cast<char>(code);
            } else {
                return t;
            }
        }
    }

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
    bool lineStart_ = true;
};

class Parser {
public:
    explicit Parser(std::string_view text) : lexer_(text) { Advance(); }

    ObjectNode ReadDescription() {
        SkipLineEnds();
        if (tok_.kind == Tok::End) Fail("The description is empty");
        if (!IsWord("object")) Fail("'object' expected but " + Found() + " found");
        ObjectNode root = ReadObject(1);
        SkipLineEnds();
        if (tok_.kind != Tok::End) Fail("Text after the final end");
        return root;
    }

private:
    void Advance() { tok_ = lexer_.Next(); }
    void SkipLineEnds() {
        while (tok_.kind == Tok::LineEnd) Advance();
    }
    bool IsSymbol(char c) const { return tok_.kind == Tok::Symbol && tok_.symbol == c; }
    bool IsWord(std::string_view word) const { return tok_.kind == Tok::Identifier && tok_.text == word; }
    [[noreturn]] void Fail(const std::string& what) const { throw DescriptionError(tok_.line, what); }

    std::string Found() const {
        switch (tok_.kind) {
            case Tok::Identifier: return tok_.text;
            case Tok::Integer: return "a number";
            case Tok::String: return "a string";
            case Tok::Symbol: return Shown(static_cast<unsigned char>(tok_.symbol));
            case Tok::LineEnd: return "the end of the line";
            case Tok::End: break;
        }
        return "the end of the text";
    }

    void ExpectSymbol(char c) {
        if (!IsSymbol(c)) Fail(Shown(c) + " expected but " + Found() + " found");
        Advance();
    }
    void ExpectLineEnd() {
        if (tok_.kind != Tok::LineEnd && tok_.kind != Tok::End) Fail("End of line expected but " + Found() + " found");
    }
    std::string ExpectName(const char* what) {
        if (tok_.kind != Tok::Identifier || tok_.text.find('.') != std::string::npos)
            Fail(std::string(what) + " expected but " + Found() + " found");
        std::string name = std::move(tok_.text);
        Advance();
        return name;
    }

    // At "object": reads the header, the properties and child objects, up to and including "end".
    ObjectNode ReadObject(int depth) {
        if (depth > kMaxDepth) Fail("Objects nested too deeply");
        ObjectNode node;
        node.line = tok_.line;
        Advance();
        node.name = ExpectName("Object name");
        ExpectSymbol(':');
        node.className = ExpectName("Class name");
        ExpectLineEnd();
        std::set<std::string> seen;
        for (;;) {
            SkipLineEnds();
            if (tok_.kind == Tok::End) throw DescriptionError(node.line, "Object " + node.name + " has no end");
            if (IsWord("end")) {
                Advance();
                ExpectLineEnd();
                return node;
            }
            if (IsWord("object")) {
                node.children.push_back(ReadObject(depth + 1));
                continue;
            }
            if (tok_.kind != Tok::Identifier) Fail("Property, object or end expected but " + Found() + " found");
            PropertyNode property;
            property.line = tok_.line;
            property.name = std::move(tok_.text);
            if (!seen.insert(property.name).second) Fail("Property " + property.name + " is given twice");
            Advance();
            ExpectSymbol('=');
            property.value = ReadValue();
            ExpectLineEnd();
            node.properties.push_back(std::move(property));
        }
    }

    Value ReadValue() {
        Value v;
        switch (tok_.kind) {
            case Tok::Integer:
                v.kind = Value::Kind::Integer;
                v.integer = tok_.integer;
                Advance();
                return v;
            case Tok::String:
                v.kind = Value::Kind::String;
                v.text = ReadString();
                return v;
            case Tok::Identifier:
                v.kind = Value::Kind::Identifier;
                v.text = std::move(tok_.text);
                Advance();
                return v;
            default: break;
        }
        if (IsSymbol('[')) {
            v.kind = Value::Kind::Set;
            Advance();
            if (IsSymbol(']')) {
                Advance();
                return v;
            }
            // A set is written on one line.
            for (;;) {
                if (tok_.kind == Tok::LineEnd || tok_.kind == Tok::End) Fail("Unterminated set");
                if (tok_.kind != Tok::Identifier) Fail("Set member expected but " + Found() + " found");
                v.items.push_back(std::move(tok_.text));
                Advance();
                if (IsSymbol(']')) break;
                if (tok_.kind == Tok::LineEnd || tok_.kind == Tok::End) Fail("Unterminated set");
                ExpectSymbol(',');
            }
            Advance();
            return v;
        }
        if (IsSymbol('(')) {
            v.kind = Value::Kind::StringList;
            const int opened = tok_.line;
            Advance();
            for (;;) {
                SkipLineEnds();
                if (IsSymbol(')')) break;
                if (tok_.kind == Tok::End) throw DescriptionError(opened, "Unterminated string list");
                if (tok_.kind != Tok::String)
                    Fail("String or ')' expected in the list begun on line " + std::to_string(opened) + " but " +
                         Found() + " found");
                v.items.push_back(ReadString());
            }
            Advance();
            return v;
        }
        Fail("Value expected but " + Found() + " found");
    }

    // A string token, and further ones joined to it with '+' (usually at the end of a line).
    std::string ReadString() {
        std::string text = std::move(tok_.text);
        Advance();
        while (IsSymbol('+')) {
            Advance();
            SkipLineEnds();
            if (tok_.kind != Tok::String) Fail("String expected after '+' but " + Found() + " found");
            text += tok_.text;
            Advance();
        }
        return text;
    }

    Lexer lexer_;
    Token tok_;
};

}  // namespace

ObjectNode ParseDescription(std::string_view text) { return Parser(text).ReadDescription(); }

}  // namespace fw
