// The grab's list, the checks it makes before copying, and the folder choice by operating-system type.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/Destination.h"
#include "app/GrabPlatform.h"
#include "app/GrabPlan.h"
#include "app/GrabSourceCheck.h"

namespace {

const std::vector<std::string> kMaskTexts{"\\Inventory.*",   "\\InventoryB*.*", "\\InventoryC*.*",
                                          "\\InventoryD*.*", "\\InventoryK*.*", "\\Program*.*",
                                          "\\Register*.*",   "\\Tax*.*",        "\\User*.*"};

std::vector<std::string> Entries(const std::string& path) {
    return ReadGrabSource([&] { return path; }).entries;
}

std::vector<std::string> Expected(const std::string& path) {
    std::vector<std::string> entries;
    for (const std::string& mask : kMaskTexts) entries.push_back(path + mask);
    return entries;
}

}  // namespace

TEST(GrabTexts, AreTheProgramsExactTexts) {
    EXPECT_EQ(kGrabConfirmation,
              "THIS WILL REPLACE YOUR TILLORA POS INVENTORY FILES ON THIS COMPUTER. ARE YOU SURE YOU WANT TO "
              "CONTINUE? ");
    EXPECT_EQ(kGrabComplete, "Grab Complete");
}

TEST(GrabEntries, AppendTheNineMasksInOrderToThePathAsTyped) {
    const std::string site = "\\\\BWCENTRAL\\TILLORA\\BRIGHTWELL'S WHOLESALE";
    EXPECT_EQ(Entries(site), Expected(site));
    // A trailing backslash gives two before the mask; nothing is trimmed or added.
    EXPECT_EQ(Entries("C:\\Data\\")[0], "C:\\Data\\\\Inventory.*");
    EXPECT_EQ(Entries("C:\\Data  ")[8], "C:\\Data  \\User*.*");
    EXPECT_EQ(Entries(""), kMaskTexts);
    EXPECT_EQ(Entries("\\\\srv\\a=b")[1], "\\\\srv\\a=b\\InventoryB*.*");
}

TEST(GrabEntries, ReadThePathOncePerMaskAndTakeTheFolderFromTheFirstRead) {
    int reads = 0;
    GrabSource source = ReadGrabSource([&] { return "P" + std::to_string(++reads); });
    EXPECT_EQ(reads, 9);
    EXPECT_EQ(source.folder, "P1");
    EXPECT_EQ(source.entries.front(), "P1\\Inventory.*");
    EXPECT_EQ(source.entries.back(), "P9\\User*.*");
}

TEST(GrabListMessage, IsEveryEntryFollowedByCrLf) {
    EXPECT_EQ(GrabListMessage({"a\\Inventory.*", "a\\Tax*.*"}), "a\\Inventory.*\r\na\\Tax*.*\r\n");
    EXPECT_EQ(GrabListMessage({}), "");
    const std::string message = GrabListMessage(Entries("X:"));
    EXPECT_TRUE(message.starts_with("X:\\Inventory.*\r\nX:\\InventoryB*.*\r\n")) << message;
    EXPECT_TRUE(message.ends_with("\r\nX:\\Tax*.*\r\nX:\\User*.*\r\n")) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 9);
}

TEST(SourcePathRefusal, RefusesWhatTheCopyCannotTakeAsListed) {
    const std::string notStarted = "The grab did not start: ";
    const std::string noFolder = notStarted + "no source folder is given. Type the site's folder or browse for it.";
    const std::string control = notStarted +
                                "the source folder contains a line break, a tab or another control character, which "
                                "cannot be grabbed.";
    const std::string longest(kLongestSourceFolder, 'L');
    const struct {
        std::string path;
        std::optional<std::string> says;  // nothing: the path is taken
    } rows[]{
        {"", noFolder},
        {"   ", noFolder},
        {" \t ", noFolder},
        {"\\\\srv\\a=b", notStarted + "the source folder \"\\\\srv\\a=b\" contains \"=\", which cannot be grabbed."},
        {"=", notStarted + "the source folder \"=\" contains \"=\", which cannot be grabbed."},
        // The copy would split these into several names, one of them a folder of its own.
        {"C:\\Site\\\a\\..", control},
        {"C:\\Site\r\nD:\\Other", control},
        {std::string("C:\\Site\0X", 9), control},
        {"C:\\Site\x1F", control},
        {"C:\\Site\tA", control},
        {longest + "L", notStarted +
                            "the source folder is 246 characters long; the copy reaches folders of at most 245 "
                            "characters."},
        {std::string(1'000'000, 'x'), notStarted + "the source folder is 1,000,000 characters long; the copy reaches "
                                                   "folders of at most 245 characters."},
        {longest, std::nullopt},
        {"\\\\BWCENTRAL\\TILLORA\\BRIGHTWELL'S WHOLESALE", std::nullopt},
        {"C:\\Data  ", std::nullopt},
        {" C:\\", std::nullopt},
        {"C:\\Caf\xE9 \x7F\xFF", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.size() > 300 ? "a very long path" : row.path);
        EXPECT_EQ(SourcePathRefusal(row.path), row.says);
        GrabSource source = ReadGrabSource([&] { return row.path; });
        EXPECT_EQ(GrabSourceRefusal(source), row.says);
    }
    EXPECT_EQ(kLongestSourceFolder + std::string_view("\\InventoryB*.*").size(), 259u);

    // Entries that do not follow the folder would have the copy take another path than the check.
    int reads = 0;
    const GrabSource changing = ReadGrabSource([&] { return ++reads == 5 ? "C:\\B" : "C:\\A"; });
    EXPECT_EQ(GrabSourceRefusal(changing),
              notStarted + "the source folder changed while the grab read it. Try the grab again.");
}

TEST(GrabRefusalMessages, NameTheFolderAndSayTheGrabDidNotStart) {
    const std::string path = "\\\\BWVELDA\\TILLORA\\BRIGHTWELL'S WHOLESALE";
    for (const std::string& message :
         {UnreachableSourceMessage(path), NoFilesToGrabMessage(path), DestinationNotCreatedMessage(path),
          *SourcePathRefusal(""), NotEnoughSpaceMessage(path, 1, 0), StagingNotReadyMessage(path)}) {
        EXPECT_EQ(message.rfind("The grab did not start: ", 0), 0u) << message;
    }
    EXPECT_NE(UnreachableSourceMessage(path).find("\"" + path + "\" cannot be reached"), std::string::npos);
    EXPECT_NE(NoFilesToGrabMessage(path).find("no files to grab in \"" + path + "\""), std::string::npos);
    EXPECT_NE(DestinationNotCreatedMessage("C:\\D").find("\"C:\\D\" could not be created"), std::string::npos);
    EXPECT_EQ(NotEnoughSpaceMessage("C:\\D", 5'368'709'120, 999),
              "The grab did not start: the files to grab take 5,368,709,120 bytes, but the disk of the data folder "
              "\"C:\\D\" has only 999 bytes free.");
    EXPECT_EQ(StagingNotReadyMessage("C:\\D\\S"),
              "The grab did not start: the folder \"C:\\D\\S\" that takes the copy "
              "could not be emptied or created. The data folder was left as it was.");
}

TEST(JoinPath, PutsOneBackslashBetweenFolderAndName) {
    EXPECT_EQ(JoinPath("C:\\a", "x.dat"), "C:\\a\\x.dat");
    EXPECT_EQ(JoinPath("C:\\a\\", "x.dat"), "C:\\a\\x.dat");
    EXPECT_EQ(JoinPath("C:\\", "*"), "C:\\*");
    EXPECT_EQ(JoinPath("", "x"), "x");
}

TEST(FolderAndParents, ListsEveryFolderBelowTheRootOutermostFirst) {
    using V = std::vector<std::string>;
    EXPECT_EQ(
        FolderAndParents("C:\\Program Files (x86)\\Tillora\\Data\\Brightwell Wholesale"),
        (V{"C:\\Program Files (x86)", "C:\\Program Files (x86)\\Tillora", "C:\\Program Files (x86)\\Tillora\\Data",
           "C:\\Program Files (x86)\\Tillora\\Data\\Brightwell Wholesale"}));
    EXPECT_EQ(FolderAndParents("C:\\a\\b\\"), (V{"C:\\a", "C:\\a\\b"}));
    EXPECT_EQ(FolderAndParents("C:\\a\\\\b"), (V{"C:\\a", "C:\\a\\\\b"}));
    EXPECT_EQ(FolderAndParents("\\\\srv\\share\\a\\b"), (V{"\\\\srv\\share\\a", "\\\\srv\\share\\a\\b"}));
    EXPECT_EQ(FolderAndParents("\\\\srv\\share"), V{});
    EXPECT_EQ(FolderAndParents("C:\\"), V{});
    EXPECT_EQ(FolderAndParents("rel\\dir"), (V{"rel", "rel\\dir"}));
    EXPECT_EQ(FolderAndParents(""), V{});
}

TEST(DestinationFor, IsThe32BitFolderForItemZeroAndTheX86FolderOtherwise) {
    EXPECT_EQ(DestinationFor(0), "C:\\Program Files\\Tillora\\Data\\Brightwell Wholesale");
    EXPECT_EQ(DestinationFor(1), "C:\\Program Files (x86)\\Tillora\\Data\\Brightwell Wholesale");
    EXPECT_EQ(DestinationFor(-1), DestinationFor(1));
    EXPECT_EQ(DestinationFor(2), DestinationFor(1));
}
