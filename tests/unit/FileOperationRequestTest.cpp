#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "fileops/FileOperationRequest.h"
#include "fileops/ShellResultText.h"
#include "framework/ClassInfo.h"

using namespace std::string_literals;
using namespace fileops;
using enum TsysFileOperationFlag;
using enum TsysFileOperationType;

namespace {

const TsysFileOperationFlags kMainWindowOptions{fofFilesOnly, fofNoConfirmation, fofNoConfirmMkDir, fofNoErrorUI,
                                                fofSimpleProgress};
const std::string kDest = "D:\\x";

std::string Text(const std::vector<char>& block) { return std::string(block.begin(), block.end()); }

// content followed by zeros up to size bytes
std::string Padded(const std::string& content, std::size_t size) {
    return content + std::string(size - content.size(), '\0');
}

// The names of a zero-separated block, up to the zero that closes the list.
std::vector<std::string> Names(const std::vector<char>& block) {
    std::vector<std::string> names;
    for (auto it = block.begin(); it != block.end() && *it != '\0';) {
        auto end = std::find(it, block.end(), '\0');
        names.emplace_back(it, end);
        it = end == block.end() ? end : end + 1;
    }
    return names;
}

// Test names from the cases' descriptions.
const auto CaseName = [](const auto& info) {
    std::string name = info.param.what;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
};

FileOperationRequest Build(const std::vector<std::string>& entries, const std::string& dest = kDest,
                           TsysFileOperationFlags options = kDefaultFileOperationFlags) {
    return BuildFileOperationRequest(entries, dest, options, fotCopy);
}

}  // namespace

// --- Operation codes and flags ---------------------------------------------------------------------

TEST(FileOperationCodes, EachKindGivesItsShellFunction) {
    EXPECT_EQ(OperationCode(fotCopy), 2u);
    EXPECT_EQ(OperationCode(fotDelete), 3u);
    EXPECT_EQ(OperationCode(fotMove), 1u);
    EXPECT_EQ(OperationCode(fotRename), 4u);
    EXPECT_EQ(BuildFileOperationRequest({"a"}, "", {}, fotRename).function, 4u);
}

struct SingleFlag {
    TsysFileOperationFlag option;
    std::uint16_t value;
};
void PrintTo(const SingleFlag& c, std::ostream* os) { *os << "option " << static_cast<int>(c.option); }

class FileOperationSingleFlag : public testing::TestWithParam<SingleFlag> {};

TEST_P(FileOperationSingleFlag, AloneGivesItsShellFlag) {
    EXPECT_EQ(ShellFlags({GetParam().option}, false), GetParam().value);
    EXPECT_EQ(ShellFlags({GetParam().option}, true), GetParam().value | 0x0001);
}

INSTANTIATE_TEST_SUITE_P(Options, FileOperationSingleFlag,
                         testing::Values(SingleFlag{fofAllowUndo, 0x0040}, SingleFlag{fofFilesOnly, 0x0080},
                                         SingleFlag{fofNoConfirmation, 0x0010}, SingleFlag{fofNoConfirmMkDir, 0x0200},
                                         SingleFlag{fofNoErrorUI, 0x0400}, SingleFlag{fofRenameCollision, 0x0008},
                                         SingleFlag{fofSilent, 0x0004}, SingleFlag{fofSimpleProgress, 0x0100}));

TEST(FileOperationFlags, SetsGiveTheirFlagWords) {
    EXPECT_EQ(ShellFlags(kMainWindowOptions, false), 0x0790);
    EXPECT_EQ(ShellFlags(kMainWindowOptions, true), 0x0791);
    EXPECT_EQ(kDefaultFileOperationFlags.Bits(), 35u);
    EXPECT_EQ(ShellFlags(kDefaultFileOperationFlags, false), 0x00C8);
    EXPECT_EQ(ShellFlags({}, false), 0x0000);
    EXPECT_EQ(ShellFlags({}, true), 0x0001);
    EXPECT_EQ(ShellFlags(TsysFileOperationFlags::FromBits(0xFF), false), 0x07DC);
    // Bits beyond the eight members set no shell flag.
    EXPECT_EQ(ShellFlags(TsysFileOperationFlags::FromBits(0xFF00), false), 0x0000);
}

TEST(FileOperationFlags, StoredNamesMapToOrdinalsAndFlags) {
    fw::Value stored;
    stored.kind = fw::Value::Kind::Set;
    stored.items = {"fofFilesOnly", "fofNoConfirmation", "fofNoConfirmMkDir", "fofNoErrorUI", "fofSimpleProgress"};
    EXPECT_EQ(ShellFlags(fw::ValueTraits<TsysFileOperationFlags>::From(stored), false), 0x0790);

    const char* kinds[] = {"fotCopy", "fotDelete", "fotMove", "fotRename"};
    for (int ordinal = 0; ordinal < 4; ++ordinal) {
        fw::Value name{fw::Value::Kind::Identifier, 0, kinds[ordinal], {}};
        EXPECT_EQ(static_cast<int>(fw::ValueTraits<TsysFileOperationType>::From(name)), ordinal) << kinds[ordinal];
    }
    EXPECT_EQ(fw::ValueTraits<TsysFileOperationFlags>::To(kDefaultFileOperationFlags).items,
              (std::vector<std::string>{"fofAllowUndo", "fofFilesOnly", "fofRenameCollision"}));
}

TEST(FileOperationPairMode, AnEqualsSignAnywhereTurnsItOn) {
    EXPECT_FALSE(IsPairMode({}));
    EXPECT_FALSE(IsPairMode({"C:\\a\\*.*", "C:\\b"}));
    EXPECT_TRUE(IsPairMode({"C:\\a\\*.*", "C:\\b=c"}));
    EXPECT_TRUE(IsPairMode({"\\\\srv\\a=b\\x.*"}));
    EXPECT_TRUE(IsPairMode({"="}));

    auto request = BuildFileOperationRequest({"x", "y=z"}, kDest, kMainWindowOptions, fotCopy);
    EXPECT_TRUE(request.pairMode);
    EXPECT_EQ(request.flags, 0x0791);
}

// --- Source block ----------------------------------------------------------------------------------

struct SourceCase {
    const char* what;
    std::vector<std::string> entries;
    std::string expected;  // the whole block, zeros included
};
void PrintTo(const SourceCase& c, std::ostream* os) { *os << c.what; }

class FileOperationSourceBlock : public testing::TestWithParam<SourceCase> {};

TEST_P(FileOperationSourceBlock, HoldsTheNamesByteForByte) {
    auto request = BuildFileOperationRequest(GetParam().entries, kDest, kMainWindowOptions, fotCopy);
    EXPECT_FALSE(request.pairMode);
    EXPECT_TRUE(request.error.empty());
    EXPECT_EQ(Text(request.from), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileOperationSourceBlock,
    testing::Values(SourceCase{"one", {"C:\\in\\*.txt"}, Padded("C:\\in\\*.txt\0"s, 15)},
                    SourceCase{"two", {"C:\\a\\*.txt", "C:\\b.dat"}, Padded("C:\\a\\*.txt\0C:\\b.dat\0"s, 25)},
                    SourceCase{"empty entries skipped", {"", "a", "", "b"}, Padded("a\0b\0"s, 15)},
                    SourceCase{"all entries empty", {"", ""}, Padded(""s, 7)},
                    SourceCase{"CR LF splits", {"a\r\nb"}, Padded("a\0b\0"s, 8)},
                    SourceCase{"lone CR and lone LF split", {"a\rb", "c\nd"}, Padded("a\0b\0c\0d\0"s, 13)},
                    SourceCase{"char 7 splits", {"x\ay"}, Padded("x\0y\0"s, 7)},
                    SourceCase{"only line breaks", {"\r\n", "q"}, Padded("q\0"s, 10)},
                    SourceCase{"inner zero splits, no early end", {"a\0\0b"s}, Padded("a\0b\0"s, 8)},
                    SourceCase{"spaces are kept", {" a b "}, Padded(" a b \0"s, 9)}),
    CaseName);

TEST(FileOperationGrabList, NineMasksIntoTheDataFolder) {
    const std::string site = "\\\\BWCENTRAL\\TILLORA\\BRIGHTWELL'S WHOLESALE";
    std::vector<std::string> entries;
    std::string names;
    for (const char* mask : {"\\Inventory.*", "\\InventoryB*.*", "\\InventoryC*.*", "\\InventoryD*.*",
                             "\\InventoryK*.*", "\\Program*.*", "\\Register*.*", "\\Tax*.*", "\\User*.*"}) {
        entries.push_back(site + mask);
        names += site + mask + '\0';
    }
    auto request = BuildFileOperationRequest(entries, "C:\\Program Files\\Tillora\\Data\\Brightwell Wholesale",
                                             kMainWindowOptions, fotCopy);
    // Text of 9 * 42 path characters, 106 mask characters and 9 CR LF, plus 9 + 1.
    EXPECT_EQ(Text(request.from), Padded(names, 512));
    EXPECT_EQ(Text(request.to), "C:\\Program Files\\Tillora\\Data\\Brightwell Wholesale\0\0"s);
    EXPECT_EQ(request.flags, 0x0790);
    EXPECT_EQ(request.function, 2u);
}

// --- Destination block outside pair mode -------------------------------------------------------------

class FileOperationDestinationBlock : public testing::TestWithParam<TsysFileOperationType> {};

TEST_P(FileOperationDestinationBlock, IsTheFolderAndTwoZerosForEveryKind) {
    auto build = [](const std::string& dest) {
        return BuildFileOperationRequest({"C:\\in\\*.*"}, dest, kDefaultFileOperationFlags, GetParam());
    };
    EXPECT_EQ(Text(build("D:\\out").to), "D:\\out\0\0"s);
    EXPECT_EQ(Text(build("").to), "\0\0"s);
    // Not a name list: kept as it is, line break and all.
    EXPECT_EQ(Text(build("D:\\a\r\nb").to), "D:\\a\r\nb\0\0"s);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileOperationDestinationBlock, testing::Values(fotCopy, fotDelete, fotMove, fotRename));

// --- Pair-mode destination names -------------------------------------------------------------------

struct PairCase {
    const char* what;
    std::string entry;
    std::string destFolder;
    std::string source;
    std::string destination;
};
void PrintTo(const PairCase& c, std::ostream* os) { *os << c.what; }

class FileOperationPairNames : public testing::TestWithParam<PairCase> {};

TEST_P(FileOperationPairNames, SourceAndDestination) {
    const auto& c = GetParam();
    // A second pair keeps the request in pair mode when the entry has no "=" of its own.
    auto request = Build({c.entry, "C:\\z=y"}, c.destFolder);
    ASSERT_TRUE(request.error.empty()) << request.error;
    EXPECT_EQ(Names(request.from), (std::vector<std::string>{c.source, "C:\\z"}));
    ASSERT_EQ(Names(request.to).size(), 2u);
    EXPECT_EQ(Names(request.to)[0], c.destination);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileOperationPairNames,
    testing::Values(
        PairCase{"wildcard name takes the source's", "a.txt=*.bak", "D:\\x", "a.txt", "D:\\x\\a.bak"},
        PairCase{"no equals: own name in the folder", "C:\\in\\a.txt", "D:\\x", "C:\\in\\a.txt", "D:\\x\\a.txt"},
        PairCase{"equals inside a folder name", "\\\\srv\\a=b\\x.*", "D:\\x", "\\\\srv\\a", "D:\\x\\b\\x"},
        PairCase{"split at the first equals", "a.txt=b=c.txt", "D:\\x", "a.txt", "D:\\x\\b=c.txt"},
        PairCase{"plain rename into the folder", "C:\\in\\a.txt=b.log", "D:\\x", "C:\\in\\a.txt", "D:\\x\\b.log"},
        PairCase{"folder ending in a backslash", "a.txt=b.txt", "D:\\x\\", "a.txt", "D:\\x\\b.txt"},
        PairCase{"empty folder gives a lone backslash", "a.txt=b.txt", "", "a.txt", "\\b.txt"},
        PairCase{"empty folder, part with a backslash", "a.txt=\\b.txt", "", "a.txt", "\\b.txt"},
        PairCase{"part with a leading backslash", "a.txt=\\b.txt", "D:\\x", "a.txt", "D:\\x\\b.txt"},
        PairCase{"run of three backslashes keeps two", "a.txt=b\\\\\\c.txt", "D:\\x", "a.txt", "D:\\x\\b\\\\c.txt"},
        PairCase{"run of four backslashes keeps two", "a.txt=b\\\\\\\\c.txt", "D:\\x", "a.txt", "D:\\x\\b\\\\c.txt"},
        PairCase{"doubled backslash in the folder", "a.txt=b.txt", "D:\\\\x", "a.txt", "D:\\x\\b.txt"},
        PairCase{"part naming a drive is unchanged", "a.txt=E:\\\\y\\b.txt", "D:\\x", "a.txt", "E:\\\\y\\b.txt"},
        PairCase{"bare drive takes the source's name", "a.txt=E:", "D:\\x", "a.txt", "E:a.txt"},
        PairCase{"network part is unchanged", "a.txt=\\\\srv\\s\\\\b.txt", "D:\\x", "a.txt", "\\\\srv\\s\\\\b.txt"},
        PairCase{"question mark in the name", "a.txt=b?.log", "D:\\x", "a.txt", "D:\\x\\a.log"},
        PairCase{"wildcard extension", "a.txt=new.*", "D:\\x", "a.txt", "D:\\x\\new.txt"},
        PairCase{"star dot star", "a.txt=*.*", "D:\\x", "a.txt", "D:\\x\\a.txt"},
        PairCase{"extension only", "a.txt=.bak", "D:\\x", "a.txt", "D:\\x\\a.bak"},
        PairCase{"folder part only", "C:\\in\\rep.2024.csv=out\\", "D:\\x", "C:\\in\\rep.2024.csv",
                 "D:\\x\\out\\rep.2024.csv"},
        PairCase{"source without extension", "C:\\in\\README=*.md", "D:\\x", "C:\\in\\README", "D:\\x\\README.md"},
        PairCase{"name without extension keeps it off", "a.txt=b", "D:\\x", "a.txt", "D:\\x\\b.txt"},
        PairCase{"forward slash ends the path", "a.txt=sub/b.log", "D:\\x", "a.txt", "D:\\x\\sub/b.log"},
        PairCase{"blank part still joins", "a.txt=  ", "D:\\x", "a.txt", "D:\\x\\  .txt"},
        PairCase{"network folder keeps its two backslashes", "a.txt=b.txt", "\\\\srv\\share", "a.txt",
                 "\\\\srv\\share\\b.txt"},
        PairCase{"network folder, own name", "C:\\in\\a.txt", "\\\\srv\\share\\", "C:\\in\\a.txt",
                 "\\\\srv\\share\\a.txt"},
        PairCase{"folder on a network share", "a.txt=b.txt", "\\\\srv\\share\\data", "a.txt",
                 "\\\\srv\\share\\data\\b.txt"},
        PairCase{"network folder collapses the rest", "a.txt=b\\\\c", "\\\\srv\\\\share", "a.txt",
                 "\\\\srv\\share\\b\\c.txt"}),
    CaseName);

TEST(FileOperationCompletion, FromTheSourceName) {
    // A blank joined name is the source name itself.
    EXPECT_EQ(CompleteDestination("", "C:\\in\\a.txt"), "C:\\in\\a.txt");
    EXPECT_EQ(CompleteDestination(" \t\r", "C:\\in\\a.txt"), "C:\\in\\a.txt");
    // Without a delimiter of its own, the path is the source's.
    EXPECT_EQ(CompleteDestination("b.log", "C:\\in\\a.txt"), "C:\\in\\b.log");
    EXPECT_EQ(CompleteDestination("b", "C:/in/a.txt"), "C:/in/b.txt");
    EXPECT_EQ(CompleteDestination("*", "a.txt"), "a.txt");
    // A dotted folder name in the path does not give an extension.
    EXPECT_EQ(CompleteDestination("D:\\v1.0\\notes", "a.txt"), "D:\\v1.0\\notes.txt");
}

TEST(FileOperationPairBlocks, ByteForByteWithExactSizes) {
    auto request = Build({"C:\\in\\a.txt=*.bak", "C:\\in\\b.txt"});
    ASSERT_TRUE(request.error.empty());
    EXPECT_EQ(request.flags, 0x00C9);
    // (17 + 2) + (11 + 2) text, 2 entries, 1 closing zero.
    EXPECT_EQ(Text(request.from), Padded("C:\\in\\a.txt\0C:\\in\\b.txt\0"s, 35));
    // 2 entries, (10 + 1) + (10 + 1) names, 1 closing zero.
    EXPECT_EQ(Text(request.to), Padded("D:\\x\\a.bak\0D:\\x\\b.txt\0"s, 25));
}

TEST(FileOperationPairBlocks, EmptyEntriesAreSkippedOnBothSides) {
    auto request = Build({"", "a=b", ""});
    ASSERT_TRUE(request.error.empty());
    EXPECT_EQ(Text(request.from), Padded("a\0"s, 13));
    EXPECT_EQ(Text(request.to), Padded("D:\\x\\b\0"s, 11));
}

// --- Requests that are refused -----------------------------------------------------------------------

struct RefusedCase {
    const char* what;
    std::vector<std::string> entries;
    std::string destFolder;
    std::string mentions;  // part of the reason given
};
void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.what; }

class FileOperationRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(FileOperationRefused, GivesAReasonAndNoBlocks) {
    auto request = Build(GetParam().entries, GetParam().destFolder);
    EXPECT_NE(request.error.find(GetParam().mentions), std::string::npos) << request.error;
    EXPECT_NE(request.error.find("not started."), std::string::npos) << request.error;
    EXPECT_TRUE(request.from.empty());
    EXPECT_TRUE(request.to.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, FileOperationRefused,
                         testing::Values(RefusedCase{"no source", {"=b.txt"}, kDest, "entry 1 names no source file"},
                                         RefusedCase{"lone equals", {"="}, kDest, "entry 1 names no source file"},
                                         RefusedCase{"no source after a good pair",
                                                     {"a.txt=x.txt", "", "=b.txt"},
                                                     kDest,
                                                     "entry 3 names no source file"},
                                         RefusedCase{"line break in the source", {"a\r\nb=c"}, kDest, "entry 1 gives"},
                                         RefusedCase{
                                             "line break in the destination", {"x", "a=b\nc"}, kDest, "entry 2 gives"},
                                         RefusedCase{"source of line breaks only", {"\r\n=x"}, kDest, "entry 1 gives"},
                                         RefusedCase{"char 7 in the folder", {"a=b"}, "D:\\a\ab", "entry 1 gives"},
                                         RefusedCase{"zero byte in the source", {"a\0b=c"s}, kDest, "entry 1 gives"}),
                         CaseName);

// Every code the shell documents as its own has a text of ours; the gaps get the general one.
TEST(ShellResultTexts, EveryDocumentedCodeHasItsOwnText) {
    for (int code = 0x71; code <= 0x88; ++code) {
        const bool unassigned = code == 0x77 || code == 0x7B || code == 0x7F;
        const std::optional<std::string> text = ShellResultText(code);
        ASSERT_TRUE(text) << std::hex << code;
        EXPECT_EQ(text->find("(shell code") != std::string::npos, unassigned) << std::hex << code << ": " << *text;
    }
    EXPECT_FALSE(ShellResultText(0x70));  // system error codes: the system's own text
    EXPECT_FALSE(ShellResultText(0x89));
}
