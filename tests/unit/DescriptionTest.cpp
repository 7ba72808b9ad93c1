#include "framework/Description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

using fw::DescriptionError;
using fw::ObjectNode;
using fw::ParseDescription;
using fw::Value;
using Kind = fw::Value::Kind;

namespace {

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

const char* const kMainForm = R"(object MainForm: TMainForm
  Left = 122
  Caption = 'Tillora POS Stockdraw'

  // the banner and its frame
  object Bevel1: TEclBevel
    Font.Height = -11
    Bevel.Mode = bmRaised
    object Banner: TEclLabel
      Text = 'It''s'#13#10'here'
      Options = [loPathEllipsis, loEndEllipsis]
    end
  end
  object EclRadioGroup1: TEclRadioGroup
    Items = (
      '32 Bit Operating System'
      '64 Bit ' +
        'Operating System')
    OnClick = EclRadioGroup1Click
  end
end
)";

void ExpectMainForm(const ObjectNode& form) {
    EXPECT_EQ(form.name, "MainForm");
    EXPECT_EQ(form.className, "TMainForm");
    EXPECT_EQ(form.line, 1);
    ASSERT_EQ(form.properties.size(), 2u);
    EXPECT_EQ(form.properties[0].name, "Left");
    EXPECT_EQ(form.properties[0].value.kind, Kind::Integer);
    EXPECT_EQ(form.properties[0].value.integer, 122);
    EXPECT_EQ(form.properties[0].line, 2);
    EXPECT_EQ(form.properties[1].name, "Caption");
    EXPECT_EQ(form.properties[1].value.kind, Kind::String);
    EXPECT_EQ(form.properties[1].value.text, "Tillora POS Stockdraw");
    EXPECT_EQ(form.properties[1].line, 3);

    ASSERT_EQ(form.children.size(), 2u);
    const ObjectNode& bevel = form.children[0];
    EXPECT_EQ(bevel.name, "Bevel1");
    EXPECT_EQ(bevel.className, "TEclBevel");
    EXPECT_EQ(bevel.line, 6);
    ASSERT_EQ(bevel.properties.size(), 2u);
    EXPECT_EQ(bevel.properties[0].name, "Font.Height");
    EXPECT_EQ(bevel.properties[0].value.integer, -11);
    EXPECT_EQ(bevel.properties[1].name, "Bevel.Mode");
    EXPECT_EQ(bevel.properties[1].value.kind, Kind::Identifier);
    EXPECT_EQ(bevel.properties[1].value.text, "bmRaised");
    EXPECT_EQ(bevel.properties[1].line, 8);

    ASSERT_EQ(bevel.children.size(), 1u);
    const ObjectNode& banner = bevel.children[0];
    EXPECT_EQ(banner.name, "Banner");
    EXPECT_EQ(banner.line, 9);
    EXPECT_TRUE(banner.children.empty());
    ASSERT_EQ(banner.properties.size(), 2u);
    EXPECT_EQ(banner.properties[0].value.text, "It's\r\nhere");
    EXPECT_EQ(banner.properties[1].value.kind, Kind::Set);
    EXPECT_EQ(banner.properties[1].value.items, (std::vector<std::string>{"loPathEllipsis", "loEndEllipsis"}));

    const ObjectNode& group = form.children[1];
    EXPECT_EQ(group.name, "EclRadioGroup1");
    EXPECT_EQ(group.line, 14);
    ASSERT_EQ(group.properties.size(), 2u);
    EXPECT_EQ(group.properties[0].value.kind, Kind::StringList);
    EXPECT_EQ(group.properties[0].value.items,
              (std::vector<std::string>{"32 Bit Operating System", "64 Bit Operating System"}));
    EXPECT_EQ(group.properties[1].name, "OnClick");
    EXPECT_EQ(group.properties[1].line, 19);
    EXPECT_EQ(group.properties[1].value.text, "EclRadioGroup1Click");
}

TEST(ParseDescription, ReadsNestedObjectsInOrderWithTheirLines) { ExpectMainForm(ParseDescription(kMainForm)); }

TEST(ParseDescription, CrLfLineEndsReadTheSame) { ExpectMainForm(ParseDescription(WithCrLf(kMainForm))); }

TEST(ParseDescription, SurroundingBlankAndCommentLinesAndMissingFinalLineEnd) {
    const ObjectNode form = ParseDescription("// header\n\n  object A: TA\n    end");
    EXPECT_EQ(form.name, "A");
    EXPECT_EQ(form.line, 3);
    EXPECT_TRUE(form.properties.empty());
    EXPECT_TRUE(form.children.empty());
}

TEST(ParseDescription, SamePropertyInDifferentObjectsIsAllowed) {
    const ObjectNode form = ParseDescription("object A: TA\n Left = 1\n object B: TB\n  Left = 2\n end\nend\n");
    EXPECT_EQ(form.properties[0].value.integer, 1);
    EXPECT_EQ(form.children[0].properties[0].value.integer, 2);
}

struct ValueCase {
    const char* name;
    std::string source;  // what follows "Value = "
    Value expected;
};

Value Integer(long long i) { return Value{Kind::Integer, i, {}, {}}; }
Value String(std::string s) { return Value{Kind::String, 0, std::move(s), {}}; }
Value Identifier(std::string s) { return Value{Kind::Identifier, 0, std::move(s), {}}; }
Value Set(std::vector<std::string> items) { return Value{Kind::Set, 0, {}, std::move(items)}; }
Value List(std::vector<std::string> items) { return Value{Kind::StringList, 0, {}, std::move(items)}; }

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class ValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueTest, ParsesTo) {
    const ValueCase& c = GetParam();
    const ObjectNode node = ParseDescription("object A: TA\n  Value = " + c.source + "\n  After = 1\nend\n");
    ASSERT_EQ(node.properties.size(), 2u);
    const Value& v = node.properties[0].value;
    EXPECT_EQ(v.kind, c.expected.kind);
    EXPECT_EQ(v.integer, c.expected.integer);
    EXPECT_EQ(v.text, c.expected.text);
    EXPECT_EQ(v.items, c.expected.items);
    // A value spanning lines must not shift the line numbers that follow it.
    const int valueLines = static_cast<int>(std::count(c.source.begin(), c.source.end(), '\n'));
    EXPECT_EQ(node.properties[1].line, 3 + valueLines);
}

INSTANTIATE_TEST_SUITE_P(
    ParseDescription, ValueTest,
    testing::Values(
        ValueCase{"Decimal", "122", Integer(122)}, ValueCase{"Zero", "0", Integer(0)},
        ValueCase{"Negative", "-11", Integer(-11)}, ValueCase{"Hex", "$00FF8000", Integer(0xFF8000)},
        ValueCase{"LowerCaseHex", "$ff", Integer(255)}, ValueCase{"NegativeHex", "-$10", Integer(-16)},
        ValueCase{"Largest", "9223372036854775807", Integer(LLONG_MAX)},
        ValueCase{"Smallest", "-9223372036854775808", Integer(LLONG_MIN)},
        ValueCase{"LargestHex", "$7FFFFFFFFFFFFFFF", Integer(LLONG_MAX)},
        ValueCase{"Quoted", "'Tillora POS Stockdraw'", String("Tillora POS Stockdraw")},
        ValueCase{"Empty", "''", String("")}, ValueCase{"DoubledQuote", "'BRIGHTWELL''S'", String("BRIGHTWELL'S")},
        ValueCase{"OnlyAQuote", "''''", String("'")},
        ValueCase{"Backslashes", R"('\\BWCENTRAL\TILLORA')", String(R"(\\BWCENTRAL\TILLORA)")},
        ValueCase{"CodesBetweenParts", "'one'#13#10'two'", String("one\r\ntwo")},
        ValueCase{"OnlyACode", "#13", String("\r")}, ValueCase{"CodesAtBothEnds", "#9'x'#255", String("\tx\xFF")},
        ValueCase{"HexCode", "#$41'b'", String("Ab")}, ValueCase{"NulCode", "'a'#0'b'", String(std::string("a\0b", 3))},
        ValueCase{"LeadingZeros", "#0065", String("A")},
        ValueCase{"BytesKeptAsTheyAre", "'caf\xE9 \xC3\xA9'", String("caf\xE9 \xC3\xA9")},
        ValueCase{"RawNulInQuotes", std::string("'a\0b'", 5), String(std::string("a\0b", 3))},
        ValueCase{"LoneCrInQuotes", "'a\rb'", String("a\rb")},
        ValueCase{"QuotedSpacesAndSlashes", "'  // not a comment  '", String("  // not a comment  ")},
        ValueCase{"Continued", "'first ' +\n    'second'", String("first second")},
        ValueCase{"ContinuedTwiceWithCodes", "'a' +\n  #13#10 +\n  'b'", String("a\r\nb")},
        ValueCase{"ContinuedPastACommentLine", "'a' +\n  // note\n  'b'", String("ab")},
        ValueCase{"PlusOnOneLine", "'a' + 'b'", String("ab")},
        ValueCase{"Identifier", "clBtnFace", Identifier("clBtnFace")}, ValueCase{"Boolean", "True", Identifier("True")},
        ValueCase{"Handler", "EclButton1Click", Identifier("EclButton1Click")},
        ValueCase{"Underscore", "_x_1", Identifier("_x_1")},
        ValueCase{"Dotted", "Images.Folder", Identifier("Images.Folder")}, ValueCase{"EmptySet", "[]", Set({})},
        ValueCase{"OneMember", "[akLeft]", Set({"akLeft"})},
        ValueCase{"Members", "[fofFilesOnly, fofNoErrorUI,fofSilent]",
                  Set({"fofFilesOnly", "fofNoErrorUI", "fofSilent"})},
        ValueCase{"SpacedSet", "[ a , b ]", Set({"a", "b"})}, ValueCase{"EmptyList", "()", List({})},
        ValueCase{"OneLineList", "('first' 'second')", List({"first", "second"})},
        ValueCase{"MultiLineList", "(\n    'a'\n\n    // skipped\n    'b'#13#10'c'\n    '')",
                  List({"a", "b\r\nc", ""})},
        ValueCase{"ListItemContinued", "(\n    'one ' +\n    'item'\n    'two'\n  )", List({"one item", "two"})}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    std::string text;
    int line;
    const char* says;  // a part of the message
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class MalformedTest : public testing::TestWithParam<ErrorCase> {};

void ExpectRejected(const std::string& text, int line, const char* says) {
    try {
        ParseDescription(text);
        ADD_FAILURE() << "accepted";
    } catch (const DescriptionError& e) {
        EXPECT_EQ(e.Line(), line) << e.what();
        const std::string what = e.what();
        EXPECT_EQ(what.rfind("Line " + std::to_string(line) + ": ", 0), 0u) << what;
        EXPECT_NE(what.find(says), std::string::npos) << what;
    }
}

TEST_P(MalformedTest, IsRejectedNamingTheLine) {
    const ErrorCase& c = GetParam();
    ExpectRejected(c.text, c.line, c.says);
}

TEST_P(MalformedTest, IsRejectedNamingTheSameLineWithCrLf) {
    const ErrorCase& c = GetParam();
    ExpectRejected(WithCrLf(c.text), c.line, c.says);
}

const std::string kHead = "object A: TA\n";

INSTANTIATE_TEST_SUITE_P(
    ParseDescription, MalformedTest,
    testing::Values(
        // Structure
        ErrorCase{"Empty", "", 1, "empty"},
        ErrorCase{"PropertyOutsideObject", "\n// c\nLeft = 1\nobject A: TA\nend\n", 3, "'object' expected"},
        ErrorCase{"NoEnd", kHead + "  Left = 1\n", 1, "A has no end"},
        ErrorCase{"OuterHasNoEnd", "\n" + kHead + "  object B: TB\n  end\n  Top = 1\n", 2, "A has no end"},
        ErrorCase{"InnerHasNoEnd", kHead + "  object B: TB\n  Top = 1\n", 2, "B has no end"},
        ErrorCase{"TextAfterFinalEnd", kHead + "end\n\nLeft = 1\n", 4, "after the final end"},
        ErrorCase{"SecondEnd", kHead + "end\nend\n", 3, "after the final end"},
        ErrorCase{"SecondObject", kHead + "end\nobject B: TB\nend\n", 3, "after the final end"},
        ErrorCase{"TextAfterEnd", kHead + "end A\n", 2, "End of line expected"},
        ErrorCase{"NoColon", "object A TA\nend\n", 1, "':' expected"},
        ErrorCase{"NoName", "object : TA\nend\n", 1, "Object name expected"},
        ErrorCase{"NoClass", "object A:\nend\n", 1, "Class name expected"},
        ErrorCase{"DottedClass", "object A: T.A\nend\n", 1, "Class name expected"},
        ErrorCase{"TextAfterHeader", "object A: TA TB\nend\n", 1, "End of line expected"},
        ErrorCase{"DuplicateProperty", kHead + "  Left = 1\n  Top = 2\n  Left = 1\nend\n", 4, "Left is given twice"},
        ErrorCase{"DuplicateAfterChild", kHead + "  Left = 1\n  object B: TB\n  end\n  Left = 2\nend\n", 5, "twice"},
        ErrorCase{"NoEquals", kHead + "  Left 1\nend\n", 2, "'=' expected"},
        ErrorCase{"NoValue", kHead + "  Left =\nend\n", 2, "Value expected"},
        ErrorCase{"TwoValues", kHead + "  Left = 1 2\nend\n", 2, "End of line expected"},
        ErrorCase{"SymbolForName", kHead + "  = 1\nend\n", 2, "Property, object or end expected"},
        ErrorCase{"TrailingComment", kHead + "  Left = 1 // x\nend\n", 2, "Unexpected character '/'"},
        ErrorCase{"StrayCharacter", kHead + "  Left = @\nend\n", 2, "Unexpected character '@'"},
        ErrorCase{"NulOutsideString", kHead + "  Left = 1" + std::string(1, '\0') + "\nend\n", 2,
                  "Unexpected character #0"},
        ErrorCase{"LoneCr", kHead + "  Left = 1\r  Top = 2\nend\n", 2, "Unexpected character #13"},
        ErrorCase{"HighByte", kHead + "  Caption = \xE9t\xE9\nend\n", 2, "Unexpected character #233"},
        // Identifiers and numbers
        ErrorCase{"DoubleDot", kHead + "  Color = cl..Face\nend\n", 2, "Bad identifier"},
        ErrorCase{"TrailingDot", kHead + "  Font. = 1\nend\n", 2, "Bad identifier"},
        ErrorCase{"DigitAfterDot", kHead + "\n  Color = Items.0\nend\n", 3, "Bad identifier"},
        ErrorCase{"DigitFirst", kHead + "  1Left = 1\nend\n", 2, "Bad number"},
        ErrorCase{"LettersAfterDigits", kHead + "  Left = 12px\nend\n", 2, "Bad number"},
        ErrorCase{"Decimals", kHead + "  Left = 1.5\nend\n", 2, "Bad number"},
        ErrorCase{"DollarAlone", kHead + "  Color = $\nend\n", 2, "Bad number"},
        ErrorCase{"NotHex", kHead + "  Color = $G0\nend\n", 2, "Bad number"},
        ErrorCase{"MinusAlone", kHead + "  Left = - 1\nend\n", 2, "Unexpected character '-'"},
        ErrorCase{"TooLarge", kHead + "  Left = 9223372036854775808\nend\n", 2, "out of range"},
        ErrorCase{"TooSmall", kHead + "  Left = -9223372036854775809\nend\n", 2, "out of range"},
        ErrorCase{"HexTooLarge", kHead + "  Left = $8000000000000000\nend\n", 2, "out of range"},
        ErrorCase{"ManyDigits", kHead + "  Left = " + std::string(400, '9') + "\nend\n", 2, "out of range"},
        // Strings
        ErrorCase{"NoClosingQuote", kHead + "  Caption = 'abc\nend\n", 2, "Unterminated string"},
        ErrorCase{"NoClosingQuoteAtEnd", kHead + "  Caption = 'abc", 2, "Unterminated string"},
        ErrorCase{"DoubledQuoteAtLineEnd", kHead + "  Caption = 'abc''\nend\n", 2, "Unterminated string"},
        ErrorCase{"SecondPartOpen", kHead + "  Caption = 'a'#13'b\nend\n", 2, "Unterminated string"},
        ErrorCase{"CodeAbove255", kHead + "  Caption = 'a'#256\nend\n", 2, "above 255"},
        ErrorCase{"HexCodeAbove255", kHead + "  Caption = #$100\nend\n", 2, "above 255"},
        ErrorCase{"HugeCode", kHead + "  Caption = #" + std::string(50, '9') + "\nend\n", 2, "above 255"},
        ErrorCase{"HashAlone", kHead + "  Caption = 'a'#\nend\n", 2, "Character code expected"},
        ErrorCase{"SpaceBetweenParts", kHead + "  Caption = 'a' #13\nend\n", 2, "End of line expected"},
        ErrorCase{"PlusThenEnd", kHead + "  Caption = 'a' +\nend\n", 3, "String expected after '+'"},
        ErrorCase{"PlusThenNumber", kHead + "  Caption = 'a' +\n\n    1\nend\n", 4, "String expected after '+'"},
        ErrorCase{"PlusAfterNumber", kHead + "  Left = 1 +\n  2\nend\n", 2, "End of line expected"},
        // Sets
        ErrorCase{"SetUnclosed", kHead + "  Options = [a, b\nend\n", 2, "Unterminated set"},
        ErrorCase{"SetBrokenOverLines", kHead + "  Options = [a,\n    b]\nend\n", 2, "Unterminated set"},
        ErrorCase{"SetOpenAtEnd", kHead + "  Options = [", 2, "Unterminated set"},
        ErrorCase{"SetNoComma", kHead + "  Options = [a b]\nend\n", 2, "',' expected"},
        ErrorCase{"SetTrailingComma", kHead + "  Options = [a,]\nend\n", 2, "Set member expected"},
        ErrorCase{"SetLeadingComma", kHead + "  Options = [,a]\nend\n", 2, "Set member expected"},
        ErrorCase{"SetOfNumbers", kHead + "  Options = [1]\nend\n", 2, "Set member expected"},
        ErrorCase{"SetOfStrings", kHead + "  Options = ['a']\nend\n", 2, "Set member expected"},
        // String lists
        ErrorCase{"ListRunsIntoEnd", kHead + "  Items = (\n    'a'\n    'b'\nend\n", 5, "list begun on line 2"},
        ErrorCase{"ListOpenAtEnd", kHead + "  Items = ('a'\n    'b'\n", 2, "Unterminated string list"},
        ErrorCase{"ListOfNumbers", kHead + "  Items = (\n    'a'\n    5)\nend\n", 4, "String or ')' expected"},
        ErrorCase{"ListOfIdentifiers", kHead + "  Items = (a)\nend\n", 2, "String or ')' expected"},
        ErrorCase{"ListItemOpen", kHead + "  Items = (\n    'a\n  )\nend\n", 3, "Unterminated string"},
        ErrorCase{"TextAfterList", kHead + "  Items = ('a') x\nend\n", 2, "End of line expected"}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });

TEST(ParseDescription, RejectsNestingBeyondAHundredLevels) {
    std::string fits, tooDeep;
    for (int i = 0; i < 100; ++i) fits += "object A" + std::to_string(i) + ": TA\n";
    for (int i = 0; i < 100; ++i) fits += "end\n";
    EXPECT_EQ(ParseDescription(fits).children.size(), 1u);

    for (int i = 0; i < 5000; ++i) tooDeep += "object A: TA\n";
    ExpectRejected(tooDeep, 101, "nested too deeply");
}

TEST(DescriptionError, NamesTheLineOnlyWhenKnown) {
    EXPECT_STREQ(DescriptionError(12, "Bad").what(), "Line 12: Bad");
    EXPECT_EQ(DescriptionError(12, "Bad").Line(), 12);
    EXPECT_STREQ(DescriptionError(0, "Bad").what(), "Bad");
}

}  // namespace
