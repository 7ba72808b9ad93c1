// One grab, end to end inside the program: answered dialogs, the real file operation component in front of
// a fake shell, and a fake file system around the copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/GrabWorkflow_win.h"

using enum TsysFileOperationFlag;

namespace {

const std::string kSite = "\\\\BWCENTRAL\\TILLORA\\BRIGHTWELL'S WHOLESALE";
const std::string kDest = "C:\\Program Files\\Tillora\\Data\\Brightwell Wholesale";
const std::string kStaging = kDest + "\\Stockdraw grab in progress";
const std::string kConfirmation =
    "THIS WILL REPLACE YOUR TILLORA POS INVENTORY FILES ON THIS COMPUTER. ARE YOU SURE YOU WANT TO CONTINUE? ";
const std::vector<std::string> kMasks{"\\Inventory.*",   "\\InventoryB*.*", "\\InventoryC*.*",
                                      "\\InventoryD*.*", "\\InventoryK*.*", "\\Program*.*",
                                      "\\Register*.*",   "\\Tax*.*",        "\\User*.*"};
// The site's files the masks take, and two they leave.
const std::vector<GrabFile> kGrabbed{{"Inventory.dat", 100, 1001},
                                     {"InventoryB1.dat", 200, 1002},
                                     {"Program.cfg", 300, 1003},
                                     {"Tax.tbl", 400, 1004},
                                     {"User.dat", 500, 1005}};
const std::vector<GrabFile> kLeft{{"Inventory2.dat", 600, 1006}, {"Notes.txt", 700, 1007}};

std::vector<std::string> EntriesFor(const std::string& path) {
    std::vector<std::string> entries;
    for (const std::string& mask : kMasks) entries.push_back(path + mask);
    return entries;
}

std::string ListMessageFor(const std::string& path) {
    std::string text;
    for (const std::string& entry : EntriesFor(path)) text += entry + "\r\n";
    return text;
}

// Everything the grab does to the outside, in order, with the button's state at that moment.
struct Event {
    std::string what;
    bool buttonEnabled;
};

class Recorder {
public:
    explicit Recorder(const fw::Control& button) : button_(button) {}
    void Add(std::string what) { events.push_back({std::move(what), button_.Enabled()}); }
    std::vector<std::string> What() const {
        std::vector<std::string> what;
        for (const Event& e : events) what.push_back(e.what);
        return what;
    }
    std::vector<Event> events;

private:
    const fw::Control& button_;
};

class FakeDialogs final : public fw::DialogsPlatform {
public:
    explicit FakeDialogs(Recorder& recorder) : recorder_(recorder) {}
    bool ConfirmWarning(const std::string& text) override {
        recorder_.Add("confirm: " + text);
        return answerYes;
    }
    void ShowMessage(const std::string& text) override {
        recorder_.Add("message: " + text);
        if (throwOnMessage) throw std::runtime_error("out of memory");
    }
    bool answerYes = true;
    bool throwOnMessage = false;

private:
    Recorder& recorder_;
};

// Folders by path, each with its files; the shell fake copies between them.
class FakeFileSystem final : public GrabPlatform {
public:
    explicit FakeFileSystem(Recorder& recorder) : recorder_(recorder) {}
    bool FolderExists(const std::string& path) override { return folders.contains(path); }
    std::optional<std::vector<GrabFile>> ListFiles(const std::string& folder) override {
        ++listings;
        if (unreadable || !folders.contains(folder)) return std::nullopt;
        return folders[folder];
    }
    std::optional<GrabFile> FileInfo(const std::string& path, const std::string& name) override {
        auto folder = folders.find(path);
        if (folder == folders.end()) return std::nullopt;
        for (const GrabFile& file : folder->second)
            if (file.name == name) return file;
        return std::nullopt;
    }
    std::string ShownName(const std::string& name) override { return "<" + name + ">"; }
    bool CreateFolder(const std::string& path) override {
        recorder_.Add("create folder: " + path);
        if (canCreate) folders[path];
        return canCreate;
    }
    bool RemoveFolder(const std::string& path) override {
        if (folders.contains(path)) recorder_.Add("remove folder: " + path);
        folders.erase(path);
        return true;
    }
    std::optional<std::uint64_t> FreeSpace(const std::string&) override { return freeSpace; }
    bool InUse(const std::string&, const std::string& name) override { return name == heldOpen; }
    void WriteThrough(const std::string& folder, const std::string& name) override {
        if (FileInfo(folder, name)) recorder_.Add("write through: " + name);
    }
    std::string MoveOver(const std::string& from, const std::string& to, const std::string& name) override {
        recorder_.Add("move: " + name);
        if (name == failingMove) return "Sharing violation.\r\n";
        const std::optional<GrabFile> file = FileInfo(from, name);
        if (!file || !folders.contains(to)) return "Not found.";
        std::erase_if(folders[from], [&](const GrabFile& f) { return f.name == name; });
        Put(to, *file);
        return {};
    }
    void Put(const std::string& folder, const GrabFile& file) {
        auto& files = folders[folder];
        std::erase_if(files, [&](const GrabFile& f) { return f.name == file.name; });
        files.push_back(file);
    }

    std::map<std::string, std::vector<GrabFile>> folders;
    bool unreadable = false;
    bool canCreate = true;
    std::optional<std::uint64_t> freeSpace;
    std::string failingMove;
    std::string heldOpen;
    int listings = 0;

private:
    Recorder& recorder_;
};

// The names of a zero-separated list, up to the zero that closes it.
std::vector<std::string> Names(const char* list) {
    std::vector<std::string> names;
    for (const char* p = list; p && *p; p += names.back().size() + 1) names.emplace_back(p);
    return names;
}

class FakeShell final : public fileops::FileOperationPlatform {
public:
    FakeShell(Recorder& recorder, FakeFileSystem& fileSystem) : recorder_(recorder), fileSystem_(fileSystem) {}

    int FileOperation(SHFILEOPSTRUCTA& op) override {
        recorder_.Add("copy");
        from = Names(op.pFrom);
        to = op.pTo ? op.pTo : "";
        flags = op.fFlags;
        if (throws) throw std::runtime_error("shell failed");
        if (duringCopy) duringCopy();
        for (const GrabFile& file : copies) fileSystem_.Put(to, file);
        if (afterCopy) afterCopy();
        if (userCancels) op.fAnyOperationsAborted = TRUE;
        return result;
    }
    std::string SystemMessage(DWORD code) override { return "System text " + std::to_string(code) + ".\r\n"; }

    std::vector<GrabFile> copies = kGrabbed;  // what the copy puts into the destination
    int result = 0;
    bool userCancels = false;
    bool throws = false;
    std::function<void()> duringCopy;  // before the files land
    std::function<void()> afterCopy;   // after they have landed
    std::vector<std::string> from;
    std::string to;
    FILEOP_FLAGS flags = 0;

private:
    Recorder& recorder_;
    FakeFileSystem& fileSystem_;
};

class GrabWorkflowTest : public testing::Test {
protected:
    GrabWorkflowTest() {
        op.SetOptions({fofFilesOnly, fofNoConfirmation, fofNoConfirmMkDir, fofNoErrorUI, fofSimpleProgress});
        op.SetDestFolder(kDest);
        op.FileList() = {"previous entry"};
        fileSystem.folders[kDest] = {};
        MakeSite(kSite);
    }

    void MakeSite(const std::string& folder) {
        for (const GrabFile& file : kGrabbed) fileSystem.Put(folder, file);
        for (const GrabFile& file : kLeft) fileSystem.Put(folder, file);
    }

    void Grab(const std::string& path) {
        workflow.Run(button, [&] {
            ++pathReads;
            return path;
        });
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        for (const Event& e : recorder.events)
            if (e.what.starts_with("message: ")) messages.push_back(e.what.substr(9));
        return messages;
    }
    std::string LastMessage() const { return Messages().empty() ? "<none>" : Messages().back(); }
    bool Copied() const {
        const auto what = recorder.What();
        return std::find(what.begin(), what.end(), "copy") != what.end();
    }

    fw::Control button{nullptr};
    Recorder recorder{button};
    FakeDialogs dialogs{recorder};
    fw::ScopedSeam<fw::DialogsPlatform> dialogsScope{dialogs};
    FakeFileSystem fileSystem{recorder};
    fw::ScopedSeam<GrabPlatform> fileSystemScope{fileSystem};
    FakeShell shell{recorder, fileSystem};
    fw::ScopedSeam<fileops::FileOperationPlatform> shellScope{shell};
    TsysFileOperation op{nullptr};
    GrabWorkflow workflow{op, [this] { recorder.Add("repaint"); }};
    int pathReads = 0;
};

}  // namespace

// --- Confirmation ----------------------------------------------------------------------------------

TEST_F(GrabWorkflowTest, AnythingButYesChangesNothing) {
    // No, Esc and closing the warning all come back as "not Yes".
    dialogs.answerYes = false;
    Grab(kSite);

    EXPECT_EQ(recorder.What(), std::vector<std::string>{"confirm: " + kConfirmation});
    EXPECT_EQ(op.FileList(), std::vector<std::string>{"previous entry"});
    EXPECT_EQ(pathReads, 0);
    EXPECT_EQ(fileSystem.listings, 0);
    EXPECT_TRUE(button.Enabled());
}

// --- The list and the copy -------------------------------------------------------------------------

TEST_F(GrabWorkflowTest, ConfirmedGrabShowsTheListCopiesAndCompletes) {
    Grab(kSite);

    std::vector<std::string> expected{"confirm: " + kConfirmation, "message: " + ListMessageFor(kSite), "repaint",
                                      "create folder: " + kStaging, "copy"};
    for (const GrabFile& file : kGrabbed) expected.push_back("write through: " + file.name);
    for (const GrabFile& file : kGrabbed) expected.push_back("move: " + file.name);
    expected.insert(expected.end(), {"remove folder: " + kStaging, "message: Grab Complete"});
    EXPECT_EQ(recorder.What(), expected);
    // Disabled from the list message through the copy and the moves; enabled again before the closing message.
    std::vector<bool> enabled(expected.size(), false);
    enabled.front() = enabled.back() = true;
    for (std::size_t i = 0; i < recorder.events.size(); ++i)
        EXPECT_EQ(recorder.events[i].buttonEnabled, enabled[i]) << recorder.events[i].what;
    EXPECT_TRUE(button.Enabled());

    EXPECT_EQ(pathReads, 9);
    EXPECT_EQ(op.FileList(), EntriesFor(kSite));
    EXPECT_EQ(shell.from, EntriesFor(kSite));
    EXPECT_EQ(shell.to, kStaging);
    EXPECT_EQ(op.DestFolder(), kDest);
    EXPECT_EQ(shell.flags, 0x0790);
    EXPECT_EQ(fileSystem.listings, 2);  // before the copy and after it
    EXPECT_EQ(fileSystem.folders[kDest], kGrabbed);
    EXPECT_FALSE(fileSystem.folders.contains(kStaging));
}

TEST_F(GrabWorkflowTest, PathIsTakenAsTypedWithATrailingBackslashOrSpaces) {
    for (const std::string path : {"C:\\Sites\\Velda\\", "C:\\Sites\\Velda  "}) {
        SCOPED_TRACE(path);
        recorder.events.clear();
        MakeSite(path);
        Grab(path);
        EXPECT_EQ(op.FileList(), EntriesFor(path));
        EXPECT_EQ(shell.from, EntriesFor(path));
        EXPECT_EQ(Messages().front(), ListMessageFor(path));
        EXPECT_EQ(LastMessage(), "Grab Complete");
    }
    EXPECT_EQ(shell.from[0], "C:\\Sites\\Velda  \\Inventory.*");
}

TEST_F(GrabWorkflowTest, PathIsReadOncePerMaskAsEachEntryIsBuilt) {
    // Each entry takes the path as it reads at its own moment.
    std::vector<std::string> paths;
    workflow.Run(button, [&] {
        paths.push_back("P" + std::to_string(paths.size()));
        return paths.back();
    });
    ASSERT_EQ(paths.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(op.FileList()[i], paths[i] + kMasks[i]);
}

TEST_F(GrabWorkflowTest, ButtonIsEnabledAgainWhenTheGrabThrows) {
    shell.throws = true;
    EXPECT_THROW(Grab(kSite), std::runtime_error);
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(LastMessage(), ListMessageFor(kSite));  // no closing message after an exception

    shell.throws = false;
    dialogs.throwOnMessage = true;
    EXPECT_THROW(Grab(kSite), std::runtime_error);
    EXPECT_TRUE(button.Enabled());
}

TEST_F(GrabWorkflowTest, ErrorHandlerIsSetOnlyForTheCopy) {
    std::vector<std::string> seenByPrevious;
    op.SetOnError([&](fw::Component&, const std::string& s, bool&) { seenByPrevious.push_back(s); });
    shell.result = 32;
    Grab(kSite);
    EXPECT_EQ(seenByPrevious, std::vector<std::string>{"System text 32.\r\n"});

    // The earlier handler is back in place, also after an exception.
    shell.throws = true;
    EXPECT_THROW(Grab(kSite), std::runtime_error);
    ASSERT_TRUE(op.OnError());
    op.DoError("later");
    EXPECT_EQ(seenByPrevious, (std::vector<std::string>{"System text 32.\r\n", "later"}));
}

// --- Checks before the copy --------------------------------------------------------------------------

struct RefusedPath {
    std::string name;
    std::string path;
    std::string says;
};

class GrabRefusedPathTest : public GrabWorkflowTest, public testing::WithParamInterface<RefusedPath> {};

TEST_P(GrabRefusedPathTest, IsRefusedBeforeTheListWithoutCopying) {
    const RefusedPath& refused = GetParam();
    Grab(refused.path);

    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(LastMessage().find(refused.says), std::string::npos) << LastMessage();
    EXPECT_LT(LastMessage().size(), 300u);
    EXPECT_TRUE(recorder.events.back().buttonEnabled);
    EXPECT_TRUE(button.Enabled());
    EXPECT_FALSE(Copied());
    EXPECT_EQ(fileSystem.listings, 0);
    EXPECT_EQ(op.FileList(), EntriesFor(refused.path));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, GrabRefusedPathTest,
    testing::Values(RefusedPath{"Empty", "", "The grab did not start: no source folder is given"},
                    RefusedPath{"Blank", "   ", "The grab did not start: no source folder is given"},
                    RefusedPath{"Pair", "\\\\BWVELDA\\TILLORA\\A=B", "\"\\\\BWVELDA\\TILLORA\\A=B\" contains \"=\""},
                    RefusedPath{"Bell", kSite + "\\\a\\..", "contains a line break, a tab or another control"},
                    RefusedPath{"Overlong", std::string(1'000'000, 'x'), "is 1,000,000 characters long"}),
    [](const auto& info) { return info.param.name; });

TEST_F(GrabWorkflowTest, UnreachableSourceIsNamedAndNothingIsCopied) {
    const std::string missing = "\\\\BWHARROWAY\\TILLORA\\BRIGHTWELL'S WHOLESALE";
    Grab(missing);
    EXPECT_EQ(LastMessage(), "The grab did not start: the source folder \"" + missing +
                                 "\" cannot be reached. Check that the site's computer is on and that the folder "
                                 "exists.");
    EXPECT_FALSE(Copied());

    // A folder that exists but cannot be listed is just as unreachable.
    fileSystem.unreadable = true;
    Grab(kSite);
    EXPECT_NE(LastMessage().find("\"" + kSite + "\" cannot be reached"), std::string::npos);
    EXPECT_FALSE(Copied());
    EXPECT_TRUE(button.Enabled());
}

TEST_F(GrabWorkflowTest, SourceWithoutMatchingFilesCopiesNothing) {
    const std::string site = "C:\\Sites\\Empty";
    fileSystem.folders[site] = kLeft;
    Grab(site);
    EXPECT_EQ(LastMessage(), "The grab did not start: there are no files to grab in \"" + site + "\".");
    EXPECT_FALSE(Copied());
    EXPECT_TRUE(recorder.events.back().buttonEnabled);
}

TEST_F(GrabWorkflowTest, MissingDataFolderIsCreatedBeforeTheCopy) {
    fileSystem.folders.erase(kDest);
    Grab(kSite);
    const auto what = recorder.What();
    const auto create = std::find(what.begin(), what.end(), "create folder: " + kDest);
    const auto copy = std::find(what.begin(), what.end(), "copy");
    ASSERT_NE(create, what.end());
    EXPECT_LT(create, copy);
    EXPECT_EQ(LastMessage(), "Grab Complete");

    // An existing folder is left as it is.
    recorder.events.clear();
    Grab(kSite);
    EXPECT_EQ(std::count_if(recorder.events.begin(), recorder.events.end(),
                            [](const Event& e) { return e.what == "create folder: " + kDest; }),
              0);
}

TEST_F(GrabWorkflowTest, DataFolderThatCannotBeCreatedStopsTheGrab) {
    fileSystem.folders.erase(kDest);
    fileSystem.canCreate = false;
    Grab(kSite);
    EXPECT_EQ(LastMessage(), "The grab did not start: the data folder \"" + kDest + "\" could not be created.");
    EXPECT_FALSE(Copied());
    EXPECT_TRUE(button.Enabled());
}

// --- Checking what arrived ---------------------------------------------------------------------------

TEST_F(GrabWorkflowTest, PartialCopyIsReportedWithTheMissingFiles) {
    shell.copies = {kGrabbed[0], kGrabbed[2], kGrabbed[4]};
    Grab(kSite);
    EXPECT_EQ(LastMessage(),
              "The grab did not complete, so the data folder was left as it was. 2 of 5 files were not "
              "copied:\r\n<InventoryB1.dat>\r\n<Tax.tbl>");
}

TEST_F(GrabWorkflowTest, StaleOrResizedCopiesCountAsNotCopied) {
    // Files already in the data folder from an earlier grab, left untouched by a copy that did nothing.
    for (GrabFile file : kGrabbed) {
        file.lastWrite -= 1;
        fileSystem.Put(kDest, file);
    }
    fileSystem.Put(kDest, {"User.dat", 501, 1005});
    shell.copies = {};
    Grab(kSite);
    EXPECT_EQ(LastMessage(),
              "The grab did not complete, so the data folder was left as it was. 5 of 5 files were not "
              "copied:\r\n<Inventory.dat>\r\n<InventoryB1.dat>\r\n"
              "<Program.cfg>\r\n<Tax.tbl>\r\n<User.dat>");
}

TEST_F(GrabWorkflowTest, CancelledCopySaysSo) {
    shell.userCancels = true;
    shell.copies = {kGrabbed[0], kGrabbed[1]};
    Grab(kSite);
    EXPECT_EQ(LastMessage(),
              "The grab was cancelled, so the data folder was left as it was. 3 of 5 files were not "
              "copied:\r\n<Program.cfg>\r\n<Tax.tbl>\r\n<User.dat>");
    EXPECT_TRUE(recorder.events.back().buttonEnabled);
}

TEST_F(GrabWorkflowTest, ShellErrorTextIsIncluded) {
    shell.result = 32;
    shell.copies = {kGrabbed[0], kGrabbed[1], kGrabbed[2], kGrabbed[3]};
    Grab(kSite);
    EXPECT_EQ(LastMessage(),
              "The grab did not complete, so the data folder was left as it was. 1 of 5 files were not "
              "copied:\r\n<User.dat>\r\n\r\nSystem text 32.");

    // The shell's own codes get our own text, not an unrelated system one.
    shell.result = 0x78;
    Grab(kSite);
    EXPECT_EQ(LastMessage(),
              "The grab did not complete, so the data folder was left as it was. 1 of 5 files were not "
              "copied:\r\n<User.dat>\r\n\r\n"
              "Access to the source was denied.");
}

TEST_F(GrabWorkflowTest, FailedCopyWithEveryFileIntactIsComplete) {
    // The shell fails quietly (18), with a code the system has no text for (1026, 0x10000 and up), or with a
    // system error, though every file arrived: nothing was cancelled and the data is complete.
    for (const int code : {18, 1026, 0x10000, 32}) {
        SCOPED_TRACE(code);
        shell.result = code;
        Grab(kSite);
        EXPECT_EQ(LastMessage(), "Grab Complete");
    }
    // Without the files, a quiet failure is no cancel.
    shell.result = 18;
    shell.copies = {};
    fileSystem.folders[kDest] = {};
    Grab(kSite);
    EXPECT_TRUE(LastMessage().starts_with(
        "The grab did not complete, so the data folder was left as it was. 5 of 5 files were not copied:"))
        << LastMessage();
}

TEST_F(GrabWorkflowTest, SourceFileWrittenDuringTheGrabArrivesOnlyInItsNewVersion) {
    const GrabFile before = kGrabbed[3];  // Tax.tbl as listed before the copy
    const GrabFile newer{before.name, before.size + 7, before.lastWrite + 50};
    const GrabFile torn{before.name, before.size + 3, before.lastWrite + 20};
    struct Case {
        const char* name;
        GrabFile arrived;  // what the shell put into the data folder
        bool rewrittenBeforeCopy;
        std::string message;
    };
    const std::vector<Case> cases{
        {"new version copied", newer, true, "Grab Complete"},
        // The shell gives a copy the time the source had when it opened it, also when it read parts written
        // later: the old version's size and time do not show that the copy is whole.
        {"old version copied, then rewritten", before, false,
         "The grab did not complete, so the data folder was left as it was. 1 of 5 files changed during the "
         "grab:\r\n<Tax.tbl>"},
        {"copied half-written", torn, true,
         "The grab did not complete, so the data folder was left as it was. 1 of 5 files changed during the "
         "grab:\r\n<Tax.tbl>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MakeSite(kSite);
        fileSystem.folders[kDest] = {};
        shell.copies = kGrabbed;
        shell.copies[3] = c.arrived;
        auto rewrite = [&] { fileSystem.Put(kSite, newer); };
        shell.duringCopy = c.rewrittenBeforeCopy ? std::function<void()>(rewrite) : nullptr;
        shell.afterCopy = c.rewrittenBeforeCopy ? nullptr : std::function<void()>(rewrite);
        Grab(kSite);
        EXPECT_EQ(LastMessage(), c.message);
    }

    // A file that vanished from the source meanwhile and did not arrive changed too; a stable one that did not
    // arrive was not copied.
    MakeSite(kSite);
    fileSystem.folders[kDest] = {};
    shell.copies = {kGrabbed[0], kGrabbed[1], kGrabbed[2]};
    shell.duringCopy = [&] {
        std::erase_if(fileSystem.folders[kSite], [](const GrabFile& f) { return f.name == "User.dat"; });
    };
    shell.afterCopy = nullptr;
    Grab(kSite);
    EXPECT_EQ(LastMessage(),
              "The grab did not complete, so the data folder was left as it was. 1 of 5 files were not "
              "copied:\r\n<Tax.tbl>\r\n"
              "1 of 5 files changed during the grab:\r\n<User.dat>");
}

// --- The staging folder --------------------------------------------------------------------------

TEST_F(GrabWorkflowTest, DataFolderIsTouchedOnlyWhenEveryFileArrived) {
    const std::vector<GrabFile> old{{"Inventory.dat", 1, 1}, {"Tax.tbl", 2, 2}};
    std::uint64_t total = 0;
    for (const GrabFile& file : kGrabbed) total += file.size;
    struct Case {
        const char* name;
        std::function<void()> steer;
        std::string says;  // the start of the closing message
        bool copies;
    };
    const std::vector<Case> cases{
        {"disk too small", [&] { fileSystem.freeSpace = total - 1; },
         "The grab did not start: the files to grab take 1,500 bytes, but the disk of the data folder \"" + kDest +
             "\" has only 1,499 bytes free.",
         false},
        {"staging folder in the way", [&] { fileSystem.canCreate = false; },
         "The grab did not start: the folder \"" + kStaging + "\" that takes the copy could not be emptied", false},
        {"a file missing", [&] { shell.copies.pop_back(); },
         "The grab did not complete, so the data folder was left as it was. 1 of 5 files were not copied:", true},
        {"cancelled with every file copied", [&] { shell.userCancels = true; },
         "The grab was cancelled, so the data folder was left as it was.", true},
        {"a data file held open", [&] { fileSystem.heldOpen = "Tax.tbl"; },
         "The grab did not complete, so the data folder was left as it was. 1 of 5 files are in use by another "
         "program:\r\n<Tax.tbl>\r\n\r\nClose the program that uses them and grab again.",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fileSystem.folders[kDest] = old;
        fileSystem.freeSpace.reset();
        fileSystem.canCreate = true;
        shell.copies = kGrabbed;
        shell.userCancels = false;
        fileSystem.heldOpen.clear();
        recorder.events.clear();
        c.steer();
        Grab(kSite);
        EXPECT_TRUE(LastMessage().starts_with(c.says)) << LastMessage();
        EXPECT_EQ(Copied(), c.copies);
        EXPECT_EQ(fileSystem.folders[kDest], old);
        EXPECT_FALSE(fileSystem.folders.contains(kStaging));
    }
    // Exactly enough room is enough.
    fileSystem.freeSpace = total;
    shell.userCancels = false;
    fileSystem.heldOpen.clear();
    Grab(kSite);
    EXPECT_EQ(LastMessage(), "Grab Complete");
}

TEST_F(GrabWorkflowTest, MoveThatFailsPartWayNamesTheNewAndTheOldFiles) {
    fileSystem.folders[kDest] = {{"Program.cfg", 1, 1}, {"User.dat", 2, 2}};
    fileSystem.failingMove = "Program.cfg";
    Grab(kSite);
    EXPECT_EQ(LastMessage(),
              "The grab did not complete: <Program.cfg> could not be put into the data folder. The files before it in "
              "name order are new, it and the files after it are as they were before the grab.\r\n"
              "2 of 5 files are new:\r\n<Inventory.dat>\r\n<InventoryB1.dat>\r\n"
              "3 of 5 files are as they were:\r\n<Program.cfg>\r\n<Tax.tbl>\r\n<User.dat>\r\n\r\nSharing violation.");
    EXPECT_EQ(fileSystem.folders[kDest],
              (std::vector<GrabFile>{{"Program.cfg", 1, 1}, {"User.dat", 2, 2}, kGrabbed[0], kGrabbed[1]}));
    EXPECT_FALSE(fileSystem.folders.contains(kStaging));
}
