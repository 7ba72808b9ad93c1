// Matching file names against the grab masks, finding what did not arrive, and the closing message.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/GrabMask.h"
#include "app/GrabStaging.h"
#include "app/GrabVerification.h"

namespace {

std::vector<std::string> Names(const std::vector<GrabFile>& files) {
    std::vector<std::string> names;
    for (const GrabFile& file : files) names.push_back(file.name);
    return names;
}

GrabResult Result(std::size_t expected, std::vector<std::string> notCopied = {}, bool cancelled = false,
                  std::string shellError = "", std::vector<std::string> changed = {}) {
    return GrabResult{expected, std::move(notCopied), std::move(changed), cancelled, std::move(shellError)};
}

}  // namespace

TEST(MatchesMask, TakesWildCardsAndIgnoresCase) {
    EXPECT_TRUE(MatchesMask("InventoryB.dat", "InventoryB*.*"));
    EXPECT_TRUE(MatchesMask("inventorybranch.DAT", "InventoryB*.*"));
    EXPECT_TRUE(MatchesMask("Tax2024.tbl.bak", "Tax*.*"));
    EXPECT_TRUE(MatchesMask("a.txt", "?.txt"));
    EXPECT_FALSE(MatchesMask("ab.txt", "?.txt"));
    EXPECT_TRUE(MatchesMask("anything", "*"));
    EXPECT_TRUE(MatchesMask("no-dot", "*.*"));
    EXPECT_FALSE(MatchesMask("MyTax.dat", "Tax*.*"));
    EXPECT_FALSE(MatchesMask("Users", "User"));
    EXPECT_FALSE(MatchesMask("Use", "User*.*"));
}

TEST(MatchesMask, FirstMaskTakesOnlyFilesNamedInventory) {
    EXPECT_TRUE(MatchesMask("Inventory.dat", "Inventory.*"));
    EXPECT_TRUE(MatchesMask("INVENTORY.idx", "Inventory.*"));
    EXPECT_TRUE(MatchesMask("Inventory.dat.old", "Inventory.*"));
    EXPECT_FALSE(MatchesMask("Inventory2.dat", "Inventory.*"));
    EXPECT_FALSE(MatchesMask("InventoryB.dat", "Inventory.*"));
    EXPECT_FALSE(MatchesMask("Inventor.dat", "Inventory.*"));
}

TEST(MatchesMask, AnEmptyExtensionMatchesDotStar) {
    EXPECT_TRUE(MatchesMask("Inventory", "Inventory.*"));
    EXPECT_TRUE(MatchesMask("Tax", "Tax*.*"));
    EXPECT_TRUE(MatchesMask("InventoryK", "InventoryK*.*"));
    EXPECT_FALSE(MatchesMask("Inventory", "Inventory.dat"));
    EXPECT_FALSE(MatchesMask("Inventory", "Inventory.*x"));
}

TEST(FilesToGrab, KeepsWhatAnyMaskMatchesSortedByName) {
    const std::vector<GrabFile> folder{
        {"User.dat", 1, 10},       {"readme.txt", 2, 20},  {"InventoryK1.dat", 3, 30}, {"inventory.DAT", 4, 40},
        {"Inventory2.dat", 5, 50}, {"Register", 6, 60},    {"Taxes.bak", 7, 70},       {"Programs.cfg", 8, 80},
        {"InventoryE.dat", 9, 90}, {"InventoryC.x", 1, 1}, {"InventoryD", 1, 1},       {"InventoryB.y", 1, 1},
    };
    EXPECT_EQ(Names(FilesToGrab(folder)),
              (std::vector<std::string>{"inventory.DAT", "InventoryB.y", "InventoryC.x", "InventoryD",
                                        "InventoryK1.dat", "Programs.cfg", "Register", "Taxes.bak", "User.dat"}));
    EXPECT_EQ(FilesToGrab(folder)[0], (GrabFile{"inventory.DAT", 4, 40}));
    EXPECT_TRUE(FilesToGrab({{"notes.txt", 1, 1}, {"Inventory2.dat", 1, 1}}).empty());
}

TEST(CheckArrivals, JudgesByTheLatestListingOfTheSourceAndNamesWhatChanged) {
    // A: arrived as listed before. B: stable but resized. C: missing. D: written during the grab, its new
    // version arrived. E: written during the grab, the copy matches neither version. F: gone from the source.
    const std::vector<GrabFile> before{{"A", 10, 100}, {"B", 20, 200}, {"C", 30, 300},
                                       {"D", 40, 400}, {"E", 50, 500}, {"F", 60, 600}};
    const std::vector<GrabFile> after{{"A", 10, 100}, {"B", 20, 200}, {"C", 30, 300}, {"D", 41, 401}, {"E", 52, 502}};
    std::map<std::string, GrabFile> destination{
        {"A", {"A", 10, 100}}, {"B", {"B", 21, 200}}, {"D", {"D", 41, 401}}, {"E", {"E", 51, 501}}};
    std::vector<std::string> asked;
    const auto lookup = [&](const std::string& name) -> std::optional<GrabFile> {
        asked.push_back(name);
        auto it = destination.find(name);
        if (it == destination.end()) return std::nullopt;
        return it->second;
    };
    ArrivalCheck check = CheckArrivals(before, after, lookup);
    EXPECT_EQ(check.notCopied, (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(check.changed, (std::vector<std::string>{"E", "F"}));
    EXPECT_EQ(asked, (std::vector<std::string>{"A", "B", "C", "D", "E", "F"}));

    // Without a second listing nothing is known to have changed: the first listing counts.
    check = CheckArrivals(before, std::nullopt, lookup);
    EXPECT_EQ(check.notCopied, (std::vector<std::string>{"B", "C", "D", "E", "F"}));
    EXPECT_TRUE(check.changed.empty());

    destination = {{"A", {"A", 10, 100}}, {"B", {"B", 20, 200}}, {"C", {"C", 30, 300}},
                   {"D", {"D", 40, 400}}, {"E", {"E", 52, 502}}, {"F", {"F", 60, 600}}};
    check = CheckArrivals(before, after, lookup);
    EXPECT_TRUE(check.notCopied.empty());
    // D's copy shows the old version's size and time, but may hold parts written while it was read: a
    // file that changed counts only in its newer version. F is gone from the source, so it has none.
    EXPECT_EQ(check.changed, (std::vector<std::string>{"D", "F"}));
}

TEST(GrabResultMessage, IsGrabCompleteWhenEverythingArrivedWhateverTheCopySaid) {
    EXPECT_EQ(GrabResultMessage(Result(3)), "Grab Complete");
    EXPECT_EQ(GrabResultMessage(Result(3, {}, false, "Access is denied.\r\n")), "Grab Complete");
    EXPECT_NE(GrabResultMessage(Result(3, {"Tax.dat"})), "Grab Complete");
    EXPECT_NE(GrabResultMessage(Result(3, {}, false, "", {"Tax.dat"})), "Grab Complete");
}

TEST(GrabResultMessage, CountsAndNamesTheFirstFilesNotCopiedOrChanged) {
    EXPECT_EQ(GrabResultMessage(Result(12, {"Tax.dat", "User.dat"})),
              "The grab did not complete, so the data folder was left as it was. 2 of 12 files were not "
              "copied:\r\nTax.dat\r\nUser.dat");
    EXPECT_EQ(GrabResultMessage(Result(9, {"a", "b", "c", "d", "e", "f", "g"})),
              "The grab did not complete, so the data folder was left as it was. 7 of 9 files were not "
              "copied:\r\na\r\nb\r\nc\r\nd\r\ne\r\nand 2 more");
    EXPECT_EQ(GrabResultMessage(Result(5, {"a", "b", "c", "d", "e"})),
              "The grab did not complete, so the data folder was left as it was. 5 of 5 files were not "
              "copied:\r\na\r\nb\r\nc\r\nd\r\ne");
    EXPECT_EQ(GrabResultMessage(Result(9, {}, false, "", {"Register1.dat"})),
              "The grab did not complete, so the data folder was left as it was. 1 of 9 files changed during the "
              "grab:\r\nRegister1.dat");
    EXPECT_EQ(
        GrabResultMessage(Result(9, {"Tax.dat"}, false, "", {"a", "b", "c", "d", "e", "f"})),
        "The grab did not complete, so the data folder was left as it was. 1 of 9 files were not copied:\r\nTax.dat\r\n"
        "6 of 9 files changed during the grab:\r\na\r\nb\r\nc\r\nd\r\ne\r\nand 1 more");
}

TEST(GrabResultMessage, AppendsTheErrorText) {
    EXPECT_EQ(GrabResultMessage(Result(4, {"Tax.dat"}, false, "The process cannot access the file.\r\n")),
              "The grab did not complete, so the data folder was left as it was. 1 of 4 files were not "
              "copied:\r\nTax.dat\r\n\r\n"
              "The process cannot access the file.");
    EXPECT_EQ(
        GrabResultMessage(Result(4, {"Tax.dat"}, false, "\r\n")),
        "The grab did not complete, so the data folder was left as it was. 1 of 4 files were not copied:\r\nTax.dat");
}

TEST(GrabResultMessage, SaysCancelledOnlyWhenTheUserCancelled) {
    EXPECT_EQ(
        GrabResultMessage(Result(4, {"User.dat"}, true)),
        "The grab was cancelled, so the data folder was left as it was. 1 of 4 files were not copied:\r\nUser.dat");
    // A failure without error text is no cancel.
    EXPECT_EQ(
        GrabResultMessage(Result(4, {"User.dat"}, false)),
        "The grab did not complete, so the data folder was left as it was. 1 of 4 files were not copied:\r\nUser.dat");
}

TEST(GrabStaging, PlansTheCopyInsideTheDataFolderAndItsMovesInListingOrder) {
    const std::vector<GrabFile> listed{{"Inventory.dat", 100, 1}, {"tax.tbl", 20, 2}, {"User.dat", 3, 3}};
    const StagingPlan plan = PlanStaging("C:\\Data\\", listed);
    EXPECT_EQ(plan.folder, "C:\\Data\\Stockdraw grab in progress");
    EXPECT_EQ(plan.moves, (std::vector<std::string>{"Inventory.dat", "tax.tbl", "User.dat"}));
    EXPECT_EQ(plan.bytes, 123u);
    // No data file can have the staging folder's name, nor can a grab of the data folder itself take it.
    EXPECT_TRUE(FilesToGrab({{std::string(kStagingFolderName), 0, 0}}).empty());
    EXPECT_TRUE(FilesToGrab({{"STOCKD~1", 0, 0}}).empty());
}

TEST(GrabStaging, SaysForEachOutcomeWhatTheDataFolderHolds) {
    const std::vector<std::string> names{"A", "B", "C"};
    const struct {
        const char* outcome;
        GrabResult result;
        bool putInPlace;
        std::string says;  // when not put in place
    } rows[]{
        {"all arrived", Result(3), true, ""},
        {"all arrived, the copy failed", Result(3, {}, false, "Access is denied.\r\n"), true, ""},
        {"cancelled", Result(3, {}, true), false, "The grab was cancelled, so the data folder was left as it was."},
        {"missing", Result(3, {"B"}), false,
         "The grab did not complete, so the data folder was left as it was. 1 of 3 files were not copied:\r\nB"},
        {"changed", Result(3, {}, false, "", {"C"}), false,
         "The grab did not complete, so the data folder was left as it was. 1 of 3 files changed during the "
         "grab:\r\nC"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.outcome);
        EXPECT_EQ(MayPutInPlace(row.result), row.putInPlace);
        EXPECT_EQ(GrabResultMessage(row.result), row.putInPlace ? "Grab Complete" : row.says);
    }

    // Data files another program holds keep every file from being moved.
    EXPECT_EQ(InUseMessage({"Tax.tbl", "User.dat"}, 9),
              "The grab did not complete, so the data folder was left as it was. 2 of 9 files are in use by another "
              "program:\r\nTax.tbl\r\nUser.dat\r\n\r\nClose the program that uses them and grab again.");

    // A move that fails names the files in place and those as they were, exactly.
    const std::string head =
        " could not be put into the data folder. The files before it in name order are new, it "
        "and the files after it are as they were before the grab.";
    EXPECT_EQ(PartlyInPlaceMessage(names, 0, "Sharing violation.\r\n"),
              "The grab did not complete: A" + head +
                  "\r\n3 of 3 files are as they were:\r\nA\r\nB\r\nC\r\n\r\n"
                  "Sharing violation.");
    EXPECT_EQ(PartlyInPlaceMessage(names, 2, ""), "The grab did not complete: C" + head +
                                                      "\r\n2 of 3 files are new:\r\nA\r\nB\r\n"
                                                      "1 of 3 files are as they were:\r\nC");
}
