// The About dialog's portable side: version texts from a steered version resource, the system
// information texts, the choice of texts and the stacking of the text column.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "about/AboutLayout.h"
#include "about/MachineInfo.h"
#include "about/VersionInfo.h"

namespace {

using about::VersionItem;

std::vector<unsigned char> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

void PutUint32(std::vector<unsigned char>& bytes, std::size_t offset, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<unsigned char>(v >> (8 * i));
}

// The fixed part of a version resource with the given file version.
std::vector<unsigned char> Fixed(unsigned major, unsigned minor, unsigned release, unsigned build) {
    std::vector<unsigned char> bytes(52, 0);
    PutUint32(bytes, 0, 0xFEEF04BD);
    PutUint32(bytes, 8, major << 16 | minor);
    PutUint32(bytes, 12, release << 16 | build);
    return bytes;
}

// A version resource held as sub-block -> value; records the calls it is given.
class FakeVersionInfo final : public about::VersionInfoPlatform {
public:
    std::uint32_t size = 100;
    bool readSucceeds = true;
    std::map<std::string, std::vector<unsigned char>> values;
    std::vector<std::string> paths;
    std::vector<std::string> queries;

    std::uint32_t InfoSize(const std::string& path) override {
        paths.push_back(path);
        return size;
    }
    bool Read(const std::string& path, std::vector<unsigned char>& block) override {
        EXPECT_EQ(block.size(), size) << "the block is sized by InfoSize";
        paths.push_back(path);
        return readSucceeds;
    }
    std::optional<std::span<const unsigned char>> Query(const std::vector<unsigned char>&,
                                                        const std::string& subBlock) override {
        queries.push_back(subBlock);
        auto it = values.find(subBlock);
        if (it == values.end()) return std::nullopt;
        return std::span<const unsigned char>(it->second);
    }
};

// The resource of this program: one US English / Windows Latin-1 table, file version 1.0.3.6.
FakeVersionInfo ProgramResource() {
    FakeVersionInfo fake;
    fake.values["\\"] = Fixed(1, 0, 3, 6);
    fake.values["\\VarFileInfo\\Translation"] = {0x09, 0x04, 0xE4, 0x04};
    fake.values["\\StringFileInfo\\040904E4\\FileVersion"] = Bytes(std::string("1.0.3.6\0", 8));
    fake.values["\\StringFileInfo\\040904E4\\ProductVersion"] = Bytes(std::string("1.0.0.0\0", 8));
    fake.values["\\StringFileInfo\\040904E4\\CompanyName"] = Bytes(std::string("\0", 1));
    return fake;
}

TEST(AboutVersionText, EachStyleFromTheProgramResource) {
    FakeVersionInfo fake = ProgramResource();
    const auto read = [&fake](TEclAboutVersionStyle style) {
        return about::ReadVersionInfo(about::ItemForStyle(style), fake, "C:\\prog.exe");
    };
    EXPECT_EQ(read(TEclAboutVersionStyle::vsProg), "1.0.0.0");
    EXPECT_EQ(read(TEclAboutVersionStyle::vsFileShort), "1.0");
    EXPECT_EQ(read(TEclAboutVersionStyle::vsFileFull), "1.0.3.6");
    EXPECT_EQ(read(TEclAboutVersionStyle::vsFileBuild), "1.0 (Build 3.6)");
    for (const auto& path : fake.paths) EXPECT_EQ(path, "C:\\prog.exe");
}

TEST(AboutVersionText, FileVersionNumbersUseBothHalvesOfEachWordInDecimal) {
    const about::FileVersion v{12, 345, 6789, 65535};
    EXPECT_EQ(about::FormatFileVersion(v, VersionItem::FileShort), "12.345");
    EXPECT_EQ(about::FormatFileVersion(v, VersionItem::FileFull), "12.345.6789.65535");
    EXPECT_EQ(about::FormatFileVersion(v, VersionItem::FileBuild), "12.345 (Build 6789.65535)");
    EXPECT_EQ(about::FormatFileVersion(v, VersionItem::Comments), "");

    FakeVersionInfo fake;
    fake.values["\\"] = Fixed(65535, 7, 0, 10);
    EXPECT_EQ(about::ReadVersionInfo(VersionItem::FileFull, fake, "p"), "65535.7.0.10");
}

TEST(AboutVersionText, StringTableFollowsTheFirstTranslation) {
    FakeVersionInfo fake;
    // German / Unicode first, then another pair that must be ignored.
    fake.values["\\VarFileInfo\\Translation"] = {0x07, 0x04, 0xB0, 0x04, 0x09, 0x04, 0xE4, 0x04};
    fake.values["\\StringFileInfo\\040704B0\\ProductName"] = Bytes(std::string("Produkt\0", 8));
    fake.values["\\StringFileInfo\\040904E4\\ProductName"] = Bytes("Product");
    EXPECT_EQ(about::ReadVersionInfo(VersionItem::ProductName, fake, "p"), "Produkt");
    EXPECT_EQ(about::TranslationKey(0x0c0a, 0x04e4), "0C0A04E4");
}

TEST(AboutVersionText, WithoutTranslationTheUsEnglishTableIsRead) {
    FakeVersionInfo fake;
    fake.values["\\StringFileInfo\\040904E4\\LegalCopyright"] = Bytes("(c) Someone");  // no NUL stored
    EXPECT_EQ(about::ReadVersionInfo(VersionItem::LegalCopyright, fake, "p"), "(c) Someone");
    EXPECT_EQ(about::ReadVersionInfo(VersionItem::FileDescription, fake, "p"), "") << "a missing key";
}

TEST(AboutVersionText, EachStringItemReadsItsOwnKey) {
    const std::pair<VersionItem, const char*> items[] = {
        {VersionItem::CompanyName, "CompanyName"},
        {VersionItem::ProductName, "ProductName"},
        {VersionItem::ProductVersion, "ProductVersion"},
        {VersionItem::LegalCopyright, "LegalCopyright"},
        {VersionItem::LegalTradeMarks, "LegalTradeMarks"},
        {VersionItem::FileDescription, "FileDescription"},
        {VersionItem::Comments, "Comments"},
    };
    FakeVersionInfo fake;
    for (const auto& [item, key] : items) fake.values[std::string("\\StringFileInfo\\040904E4\\") + key] = Bytes(key);
    for (const auto& [item, key] : items) EXPECT_EQ(about::ReadVersionInfo(item, fake, "p"), key);
}

TEST(AboutVersionText, NoResourceUnreadableOrBrokenGivesAnEmptyText) {
    FakeVersionInfo none = ProgramResource();
    none.size = 0;
    EXPECT_EQ(about::ReadVersionInfo(VersionItem::FileFull, none, "p"), "");
    EXPECT_TRUE(none.queries.empty()) << "nothing is read without a resource";

    FakeVersionInfo unreadable = ProgramResource();
    unreadable.readSucceeds = false;
    EXPECT_EQ(about::ReadVersionInfo(VersionItem::FileFull, unreadable, "p"), "");
    EXPECT_EQ(about::ReadVersionInfo(VersionItem::ProductVersion, unreadable, "p"), "");
    EXPECT_TRUE(unreadable.queries.empty());

    FakeVersionInfo noFixed = ProgramResource();
    noFixed.values.erase("\\");
    EXPECT_EQ(about::ReadVersionInfo(VersionItem::FileBuild, noFixed, "p"), "");

    FakeVersionInfo badSignature = ProgramResource();
    badSignature.values["\\"][0] = 0;
    EXPECT_EQ(about::ReadVersionInfo(VersionItem::FileFull, badSignature, "p"), "");

    FakeVersionInfo shortFixed = ProgramResource();
    shortFixed.values["\\"].resize(12);
    EXPECT_EQ(about::ReadVersionInfo(VersionItem::FileFull, shortFixed, "p"), "");
}

TEST(AboutMachineInfo, ProcessorNamesByTypeNumber) {
    EXPECT_EQ(about::ProcessorName(386), "Intel 386");
    EXPECT_EQ(about::ProcessorName(486), "Intel 486");
    EXPECT_EQ(about::ProcessorName(586), "Intel Pentium");
    EXPECT_EQ(about::ProcessorName(2000), "Mips R2000");
    EXPECT_EQ(about::ProcessorName(3000), "Mips R3000");
    EXPECT_EQ(about::ProcessorName(4000), "Mips R4000");
    EXPECT_EQ(about::ProcessorName(21064), "Alpha 21064");
    EXPECT_EQ(about::ProcessorName(8664), "8664");
}

TEST(AboutMachineInfo, ValueLinesShowTotalMemoryAndProcessors) {
    about::MachineFacts facts;
    facts.totalPhysical = 8ull << 30;
    facts.processorCount = 4;
    facts.processorType = 586;
    EXPECT_EQ(about::SystemInfoValue(facts, "or compatible"), "8388608 KB\r4x Intel Pentium or compatible");

    facts.processorType = 8664;
    facts.processorCount = 0x104;  // only the low byte counts
    facts.totalPhysical = 1024 * 10 + 513;
    EXPECT_EQ(about::SystemInfoValue(facts, "or compatible"), "11 KB\r4x 8664 or compatible");
    // Exactly half a kilobyte rounds to the even neighbour.
    facts.totalPhysical = 1024 * 10 + 512;
    EXPECT_EQ(about::SystemInfoValue(facts, "x").substr(0, 5), "10 KB");
    facts.totalPhysical = 1024 * 11 + 512;
    EXPECT_EQ(about::SystemInfoValue(facts, "x").substr(0, 5), "12 KB");

    EXPECT_EQ(about::SystemInfoCaption("Total Memory:", "Platform, CPU:"), "Total Memory:\rPlatform, CPU:");
}

TEST(AboutTexts, NameCopyrightAndVersionFallBackInOrder) {
    about::TextSources s;
    s.applicationTitle = "Title";
    s.resProductName = "Product";
    s.resLegalCopyright = "(c) Res";
    s.resVersion = "1.0.3.6";
    s.defaultCompany = "Company";
    s.defaultVersion = "2.0";

    EXPECT_EQ(about::NameText("Tillora POS Stockdraw", s), "Tillora POS Stockdraw");
    EXPECT_EQ(about::NameText("   ", s), "Title") << "a blank name falls back";
    EXPECT_EQ(about::CopyrightText("", s), "");
    EXPECT_EQ(about::VersionLine("", s), std::nullopt);
    s.useDefault = true;
    EXPECT_EQ(about::CopyrightText("", s), "\rCopyright (C) Company");
    EXPECT_EQ(about::VersionLine("", s), "Version 2.0");
    s.useResInfo = true;
    EXPECT_EQ(about::NameText("", s), "Product");
    EXPECT_EQ(about::CopyrightText("", s), "\r(c) Res");
    EXPECT_EQ(about::CopyrightText("(c) Mine", s), "(c) Mine");
    EXPECT_EQ(about::VersionLine("", s), "Version 1.0.3.6");
    EXPECT_EQ(about::VersionLine("v7 beta", s), "v7 beta") << "an own version has no prefix";
    s.resVersion.clear();
    EXPECT_EQ(about::VersionLine("", s), "Version ");

    EXPECT_EQ(about::DefaultCaption("Info ", "Tillora POS Stockdraw"), "Info Tillora POS Stockdraw...");
    EXPECT_TRUE(about::IsBlank(""));
    EXPECT_TRUE(about::IsBlank("  "));
    EXPECT_FALSE(about::IsBlank(" a "));
    EXPECT_FALSE(about::IsBlank("\t"));
}

TEST(AboutTexts, ASourceWithNothingToSayGivesNoBareLine) {
    about::TextSources s;
    s.useDefault = true;
    s.defaultCompany = " ";
    EXPECT_EQ(about::CopyrightText("", s), "") << "no company: no copyright line";
    EXPECT_EQ(about::VersionLine("", s), std::nullopt) << "no version: no version line";

    s.useResInfo = true;
    s.defaultCompany = "Company";
    EXPECT_EQ(about::CopyrightText("", s), "\rCopyright (C) Company") << "an empty resource copyright gives way";
    s.useDefault = false;
    EXPECT_EQ(about::CopyrightText("", s), "");
}

// A label that is as high as its number of lines times 13 and records where it was put.
class FakeLabel final : public about::PlacedLabel {
public:
    std::string text;
    about::Box bounds{-1, -1, -1, -1};
    int texts = 0;
    void SetText(const std::string& t) override {
        text = t;
        ++texts;
    }
    int MeasuredHeight() const override {
        int lines = 1;
        for (char c : text) lines += c == '\r' ? 1 : 0;
        return 13 * lines;
    }
    void SetBounds(int l, int t, int w, int h) override { bounds = {l, t, w, h}; }
    bool Placed() const { return texts > 0; }
};

TEST(AboutLayout, PlaceLabelMovesTheCursorBelowTheLabel) {
    about::LayoutCursor cursor{60, 66, 330};
    FakeLabel label;
    about::PlaceLabel(cursor, 400, label, "a\rb", 4);
    EXPECT_EQ(label.bounds, (about::Box{60, 66, 330, 26}));
    EXPECT_EQ(cursor.y, 66 + 26 + 4);

    FakeLabel noSpacing;
    about::PlaceLabel(cursor, 400, noSpacing, "x", 0);
    EXPECT_EQ(noSpacing.bounds, (about::Box{60, 96, 330, 13}));
    EXPECT_EQ(cursor.y, 96) << "spacing 0 leaves y alone";

    FakeLabel empty;
    about::PlaceLabel(cursor, 400, empty, "", 24);
    EXPECT_FALSE(empty.Placed());
    EXPECT_EQ(cursor.y, 96);

    // A column running past the client area is cut to the client width less 6.
    about::LayoutCursor wide{60, 10, 400};
    FakeLabel cut;
    about::PlaceLabel(wide, 300, cut, "x", 1);
    EXPECT_EQ(cut.bounds.width, 294);
}

TEST(AboutLayout, IconAreaByStyle) {
    const about::IconArea standard = about::IconAreaFor(TEclAboutIconStyle::isStandard, 404, 0, 0);
    EXPECT_EQ(standard.outerWidth, 410);
    EXPECT_EQ(standard.cursor.x, 60);
    EXPECT_EQ(standard.cursor.y, 12);
    EXPECT_EQ(standard.cursor.w, 334);
    EXPECT_EQ(standard.minYAfterName, 66);

    const about::IconArea none = about::IconAreaFor(TEclAboutIconStyle::isNone, 334, 0, 0);
    EXPECT_EQ(none.outerWidth, 340);
    EXPECT_EQ(none.cursor.x, 10);
    EXPECT_EQ(none.cursor.w, 314);
    EXPECT_EQ(none.minYAfterName, 60);

    const about::IconArea extended = about::IconAreaFor(TEclAboutIconStyle::isExtended, 434, 87, 79);
    EXPECT_EQ(extended.outerWidth, 440);
    EXPECT_EQ(extended.cursor.x, 95);
    EXPECT_EQ(extended.cursor.y, 24);
    EXPECT_EQ(extended.cursor.w, 434 - 95 - 6);
    EXPECT_EQ(extended.minYAfterName, 79);

    EXPECT_EQ(about::ScaleToPpi(440, 96), 440);
    EXPECT_EQ(about::ScaleToPpi(440, 120), 550);
    EXPECT_EQ(about::ScaleToPpi(150, 144), 225);
    // Rounded, halves away from zero: 8.75, 25.5, -4.5, 7.5, 6.25.
    EXPECT_EQ(about::ScaleToPpi(7, 120), 9);
    EXPECT_EQ(about::ScaleToPpi(17, 144), 26);
    EXPECT_EQ(about::ScaleToPpi(-3, 144), -5);
    EXPECT_EQ(about::ScaleToPpi(6, 120), 8);
    EXPECT_EQ(about::ScaleToPpi(5, 120), 6);
}

struct Column {
    FakeLabel version, description, copyright, web, email;
    about::ColumnLabels Labels() { return {version, description, copyright, web, email}; }
};

about::ColumnTexts ProgramTexts() {
    about::ColumnTexts t;
    t.version = "Version 1.0.3.6";
    t.description = "Tillora POS Stockdraw";
    t.useResInfo = true;
    t.copyright = "(c) Deployer";
    t.jump = "http://example.test";
    t.email = "help@example.test";
    return t;
}

TEST(AboutLayout, ColumnOfThisProgram) {
    Column c;
    about::LayoutCursor cursor{60, 66, 334};
    const about::ColumnResult r = about::LayOutTextColumn(cursor, 404, c.Labels(), ProgramTexts());
    EXPECT_EQ(c.version.bounds, (about::Box{60, 66, 334, 13}));
    EXPECT_EQ(c.description.bounds, (about::Box{60, 83, 334, 13}));
    EXPECT_EQ(c.copyright.bounds, (about::Box{60, 120, 334, 13}));
    EXPECT_EQ(c.web.bounds, (about::Box{60, 134, 334, 13}));
    EXPECT_EQ(c.email.bounds, (about::Box{60, 150, 334, 13}));
    EXPECT_TRUE(r.webVisible);
    EXPECT_TRUE(r.emailVisible);
    EXPECT_EQ(r.separator, (about::Box{60, 169, 334, 2}));
    EXPECT_EQ(cursor.y, 178);
}

TEST(AboutLayout, ColumnGapsForMissingLines) {
    {
        SCOPED_TRACE("no web address: hidden, 3 pixels before the e-mail line");
        Column c;
        about::ColumnTexts t = ProgramTexts();
        t.jump = " ";
        about::LayoutCursor cursor{60, 66, 334};
        const auto r = about::LayOutTextColumn(cursor, 404, c.Labels(), t);
        EXPECT_FALSE(r.webVisible);
        EXPECT_FALSE(c.web.Placed());
        EXPECT_EQ(c.email.bounds.top, 134 + 3);
    }
    {
        SCOPED_TRACE("no e-mail: 6 after the web line and 6 for the missing line");
        Column c;
        about::ColumnTexts t = ProgramTexts();
        t.email.clear();
        about::LayoutCursor cursor{60, 66, 334};
        const auto r = about::LayOutTextColumn(cursor, 404, c.Labels(), t);
        EXPECT_FALSE(r.emailVisible);
        EXPECT_EQ(r.separator.top, 134 + 13 + 6 + 6);
    }
    {
        SCOPED_TRACE("no version line takes no room");
        Column c;
        about::ColumnTexts t = ProgramTexts();
        t.version.reset();
        about::LayoutCursor cursor{60, 66, 334};
        about::LayOutTextColumn(cursor, 404, c.Labels(), t);
        EXPECT_FALSE(c.version.Placed());
        EXPECT_EQ(c.description.bounds.top, 66);
    }
    {
        SCOPED_TRACE("blank description: the resource's, and nothing when that is empty too");
        Column c;
        about::ColumnTexts t = ProgramTexts();
        t.description = "  ";
        t.resDescription = "From resource";
        about::LayoutCursor cursor{60, 66, 334};
        about::LayOutTextColumn(cursor, 404, c.Labels(), t);
        EXPECT_EQ(c.description.text, "From resource");

        Column e;
        t.resDescription.clear();
        about::LayoutCursor again{60, 66, 334};
        about::LayOutTextColumn(again, 404, e.Labels(), t);
        EXPECT_FALSE(e.description.Placed());
        EXPECT_EQ(e.copyright.bounds.top, 66 + 13 + 4) << "no 24-pixel gap";
    }
    {
        SCOPED_TRACE("blank description without the resource keeps its 24 pixels");
        Column c;
        about::ColumnTexts t = ProgramTexts();
        t.description.clear();
        t.useResInfo = false;
        about::LayoutCursor cursor{60, 66, 334};
        about::LayOutTextColumn(cursor, 404, c.Labels(), t);
        EXPECT_EQ(c.copyright.bounds.top, 66 + 13 + 4 + 24);
    }
}

}  // namespace
