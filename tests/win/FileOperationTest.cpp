// TsysFileOperation against a fake shell (request fields, result codes, error event, owner window)
// and one real shell copy into a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "fileops/FileOperation_win.h"
#include "framework/ClassInfo.h"
#include "framework/WindowOwner_win.h"

using enum TsysFileOperationFlag;
using enum TsysFileOperationType;
namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

const TsysFileOperationFlags kMainWindowOptions{fofFilesOnly, fofNoConfirmation, fofNoConfirmMkDir, fofNoErrorUI,
                                                fofSimpleProgress};
const char* const kMasks[] = {"\\Inventory.*",   "\\InventoryB*.*", "\\InventoryC*.*",
                              "\\InventoryD*.*", "\\InventoryK*.*", "\\Program*.*",
                              "\\Register*.*",   "\\Tax*.*",        "\\User*.*"};

// A zero-separated list up to and including the zero that closes it.
std::string ListBytes(const char* list) {
    if (!list) return "<null>";
    const char* end = list;
    while (end[0] != '\0' || end[1] != '\0') ++end;
    return std::string(list, end + 2);
}

class FakeShell final : public fileops::FileOperationPlatform {
public:
    struct Call {
        HWND owner;
        UINT function;
        std::string from;
        std::string to;
        FILEOP_FLAGS flags;
        BOOL abortedBefore;
        bool mappingsNull;
        bool titleNull;
        std::string title;
    };

    int result = 0;
    bool userCancels = false;
    std::vector<Call> calls;
    std::vector<DWORD> messageCodes;

    int FileOperation(SHFILEOPSTRUCTA& op) override {
        calls.push_back({op.hwnd, op.wFunc, ListBytes(op.pFrom), ListBytes(op.pTo), op.fFlags, op.fAnyOperationsAborted,
                         op.hNameMappings == nullptr, op.lpszProgressTitle == nullptr,
                         op.lpszProgressTitle ? op.lpszProgressTitle : ""});
        if (userCancels) op.fAnyOperationsAborted = TRUE;
        return result;
    }
    std::string SystemMessage(DWORD code) override {
        messageCodes.push_back(code);
        return "System text for " + std::to_string(code) + ".\r\n";
    }
};

// A windowed owner whose window comes into being on the first Handle() call.
class FakeForm final : public fw::Component, public fw::WindowOwner {
public:
    FakeForm() : fw::Component(nullptr) {}
    HWND Handle() override {
        ++handleCalls;
        return reinterpret_cast<HWND>(&window_);
    }
    int handleCalls = 0;

private:
    int window_ = 0;
};

class FileOperationTest : public testing::Test {
protected:
    FileOperationTest() {
        op.SetOnError([this](fw::Component& sender, const std::string& s, bool& handled) {
            EXPECT_EQ(&sender, &op);
            EXPECT_FALSE(handled);
            errors.push_back(s);
            handled = answerHandled;
        });
    }

    FakeShell shell;
    fw::ScopedSeam<fileops::FileOperationPlatform> scope{shell};
    TsysFileOperation op{nullptr};
    std::vector<std::string> errors;
    bool answerHandled = false;
};

}  // namespace

// --- Properties --------------------------------------------------------------------------------------

TEST_F(FileOperationTest, DefaultsAndPublishedProperties) {
    TsysFileOperation fresh(nullptr);
    EXPECT_EQ(fresh.Options().Bits(), 35u);
    EXPECT_EQ(fresh.Operation(), fotCopy);
    EXPECT_TRUE(fresh.FileList().empty());
    EXPECT_EQ(fresh.DestFolder(), "");
    EXPECT_EQ(fresh.ProgressTitle(), "");
    EXPECT_FALSE(fresh.OnError());

    const fw::ClassInfo& info = TsysFileOperation::StaticClass();
    EXPECT_EQ(info.Name(), "TsysFileOperation");
    EXPECT_TRUE(info.InheritsFrom("TsysComponent"));
    EXPECT_NE(info.FindProperty("About"), nullptr);
    auto created = info.Create(nullptr);
    EXPECT_NE(dynamic_cast<TsysFileOperation*>(created.get()), nullptr);

    using Kind = fw::Value::Kind;
    op.SetProperty("FileList", fw::Value{Kind::StringList, 0, {}, {"C:\\a\\*.*", "C:\\b"}});
    op.SetProperty("DestFolder", fw::Value{Kind::String, 0, "D:\\x", {}});
    op.SetProperty("ProgressTitle", fw::Value{Kind::String, 0, "Stockdrawing...", {}});
    op.SetProperty("Operation", fw::Value{Kind::Identifier, 0, "fotRename", {}});
    fw::Value options;
    options.kind = Kind::Set;
    options.items = {"fofFilesOnly", "fofNoConfirmation", "fofNoConfirmMkDir", "fofNoErrorUI", "fofSimpleProgress"};
    op.SetProperty("Options", options);
    EXPECT_EQ(op.FileList(), (std::vector<std::string>{"C:\\a\\*.*", "C:\\b"}));
    EXPECT_EQ(op.DestFolder(), "D:\\x");
    EXPECT_EQ(op.ProgressTitle(), "Stockdrawing...");
    EXPECT_EQ(op.Operation(), fotRename);
    EXPECT_EQ(op.Options(), kMainWindowOptions);
    EXPECT_EQ(op.GetProperty("Operation").text, "fotRename");
    EXPECT_EQ(op.GetProperty("FileList").items, op.FileList());
}

TEST_F(FileOperationTest, AssigningTheFileListCopiesTheStrings) {
    std::vector<std::string> list{"C:\\a\\*.*", "C:\\b"};
    op.SetFileList(list);
    list[0] = "changed";
    list.push_back("added");
    EXPECT_EQ(op.FileList(), (std::vector<std::string>{"C:\\a\\*.*", "C:\\b"}));
    op.SetFileList({"C:\\a\\*.*", "C:\\c"});
    EXPECT_EQ(op.FileList(), (std::vector<std::string>{"C:\\a\\*.*", "C:\\c"}));
}

// --- The request handed to the shell -----------------------------------------------------------------

TEST_F(FileOperationTest, EmptyListSucceedsWithoutTheShell) {
    FakeForm form;
    TsysFileOperation& owned = form.Create<TsysFileOperation>();
    EXPECT_TRUE(owned.Copy());
    EXPECT_TRUE(owned.Execute());
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(form.handleCalls, 0);
}

TEST_F(FileOperationTest, RequestCarriesListFolderFlagsAndTitle) {
    op.SetOptions(kMainWindowOptions);
    op.FileList() = {"\\\\SRV\\S\\Inventory.*", "", "\\\\SRV\\S\\User*.*"};
    op.SetDestFolder("C:\\Data");
    op.SetProgressTitle("Stockdrawing...");
    EXPECT_TRUE(op.Copy());
    ASSERT_EQ(shell.calls.size(), 1u);
    const auto& call = shell.calls[0];
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.function, static_cast<UINT>(FO_COPY));
    EXPECT_EQ(call.flags, 0x0790);
    EXPECT_EQ(call.from, "\\\\SRV\\S\\Inventory.*\0\\\\SRV\\S\\User*.*\0\0"s);
    EXPECT_EQ(call.to, "C:\\Data\0\0"s);
    EXPECT_FALSE(call.abortedBefore);
    EXPECT_TRUE(call.mappingsNull);
    EXPECT_EQ(call.title, "Stockdrawing...");
}

TEST_F(FileOperationTest, PairsAndAnEmptyTitle) {
    op.FileList() = {"C:\\in\\a.txt=*.bak", "C:\\in\\b.txt"};
    op.SetDestFolder("\\\\srv\\share");
    EXPECT_TRUE(op.Copy());
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].flags, 0x00C9);
    EXPECT_EQ(shell.calls[0].to, "\\\\srv\\share\\a.bak\0\\\\srv\\share\\b.txt\0\0"s);
    EXPECT_FALSE(shell.calls[0].titleNull);
    EXPECT_EQ(shell.calls[0].title, "");
}

TEST_F(FileOperationTest, OwnerWindowIsTakenWhenTheOperationRuns) {
    FakeForm form;
    TsysFileOperation& owned = form.Create<TsysFileOperation>();
    owned.FileList() = {"C:\\a"};
    EXPECT_EQ(form.handleCalls, 0);
    EXPECT_TRUE(owned.Copy());
    EXPECT_EQ(form.handleCalls, 1);

    fw::Component plainOwner(nullptr);
    TsysFileOperation& unwindowed = plainOwner.Create<TsysFileOperation>();
    unwindowed.FileList() = {"C:\\a"};
    EXPECT_TRUE(unwindowed.Copy());

    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].owner, form.Handle());
    EXPECT_EQ(shell.calls[1].owner, nullptr);
}

struct KindCase {
    TsysFileOperationType operation;
    UINT function;
};
void PrintTo(const KindCase& c, std::ostream* os) { *os << "kind " << static_cast<int>(c.operation); }

class FileOperationKindTest : public FileOperationTest, public testing::WithParamInterface<KindCase> {};

TEST_P(FileOperationKindTest, ExecuteFollowsOperationAndCopyAlwaysCopies) {
    op.SetOperation(GetParam().operation);
    op.FileList() = {"C:\\a"};
    op.SetDestFolder("D:\\x");
    EXPECT_TRUE(op.Execute());
    EXPECT_TRUE(op.Copy());
    EXPECT_TRUE(op.ExecuteOperation(GetParam().operation));
    ASSERT_EQ(shell.calls.size(), 3u);
    EXPECT_EQ(shell.calls[0].function, GetParam().function);
    EXPECT_EQ(shell.calls[1].function, static_cast<UINT>(FO_COPY));
    EXPECT_EQ(shell.calls[2].function, GetParam().function);
    // The destination block is the folder and two zeros for every kind.
    EXPECT_EQ(shell.calls[0].to, "D:\\x\0\0"s);
    EXPECT_EQ(op.Operation(), GetParam().operation);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileOperationKindTest,
                         testing::Values(KindCase{fotCopy, FO_COPY}, KindCase{fotDelete, FO_DELETE},
                                         KindCase{fotMove, FO_MOVE}, KindCase{fotRename, FO_RENAME}));

// --- Results and the error event ---------------------------------------------------------------------

TEST_F(FileOperationTest, NoMoreFilesFailsQuietly) {
    op.FileList() = {"C:\\a\\*.x"};
    shell.result = 18;
    EXPECT_FALSE(op.Copy());
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(shell.messageCodes.empty());
}

struct FailureCase {
    int code;
    bool handled;
};
void PrintTo(const FailureCase& c, std::ostream* os) { *os << "code " << c.code << (c.handled ? ", handled" : ""); }

class FileOperationFailureTest : public FileOperationTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(FileOperationFailureTest, ReportsTheSystemTextOnceAndFailsWhateverHandledSays) {
    op.FileList() = {"C:\\missing.txt"};
    shell.result = GetParam().code;
    answerHandled = GetParam().handled;
    EXPECT_FALSE(op.Copy());
    EXPECT_EQ(shell.messageCodes, std::vector<DWORD>{static_cast<DWORD>(GetParam().code)});
    EXPECT_EQ(errors, std::vector<std::string>{"System text for " + std::to_string(GetParam().code) + ".\r\n"});
}

INSTANTIATE_TEST_SUITE_P(Codes, FileOperationFailureTest,
                         testing::Values(FailureCase{2, false}, FailureCase{2, true}, FailureCase{17, true},
                                         FailureCase{19, false}, FailureCase{0x70, false}, FailureCase{0x89, true},
                                         FailureCase{0x401, false}, FailureCase{0xFFFF, false}));

// The shell's own result codes, which the system's message table does not describe.
struct ShellCodeCase {
    int code;
    std::string text;
};
void PrintTo(const ShellCodeCase& c, std::ostream* os) { *os << "code 0x" << std::hex << c.code; }

class FileOperationShellCodeTest : public FileOperationTest, public testing::WithParamInterface<ShellCodeCase> {};

TEST_P(FileOperationShellCodeTest, GetsOurOwnTextNotTheSystems) {
    op.FileList() = {"C:\\missing.txt"};
    shell.result = GetParam().code;
    EXPECT_FALSE(op.Copy());
    EXPECT_TRUE(shell.messageCodes.empty());
    EXPECT_EQ(errors, std::vector<std::string>{GetParam().text});
    EXPECT_FALSE(op.AnyOperationsAborted());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, FileOperationShellCodeTest,
    testing::Values(ShellCodeCase{0x71, "The source and the destination are the same file."},
                    ShellCodeCase{0x75, "The operation was cancelled."},
                    ShellCodeCase{0x78, "Access to the source was denied."},
                    ShellCodeCase{0x77, "The shell could not copy the files (shell code 0x77)."},
                    ShellCodeCase{0x88, "The source is a writable CD that cannot be read."},
                    ShellCodeCase{0x402, "A source or destination path is not valid."},
                    ShellCodeCase{0x10000, "An error occurred at the destination (shell code 0x10000)."},
                    ShellCodeCase{0x10074, "The destination is the root folder of a drive and cannot be renamed."}));

TEST_F(FileOperationTest, ACancelFailsWithoutAnErrorAndIsRemembered) {
    op.FileList() = {"C:\\a"};
    shell.userCancels = true;
    EXPECT_FALSE(op.Copy());
    EXPECT_TRUE(op.AnyOperationsAborted());
    shell.result = ERROR_CANCELLED;
    EXPECT_FALSE(op.Copy());
    EXPECT_TRUE(op.AnyOperationsAborted());
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(shell.messageCodes.empty());
    // The flag is cleared for every request, so the next one is judged on its own.
    shell.userCancels = false;
    shell.result = 0;
    EXPECT_TRUE(op.Copy());
    EXPECT_FALSE(op.AnyOperationsAborted());
    ASSERT_EQ(shell.calls.size(), 3u);
    EXPECT_FALSE(shell.calls[2].abortedBefore);
    // Quiet failures are no cancel.
    shell.result = 18;
    EXPECT_FALSE(op.Copy());
    EXPECT_FALSE(op.AnyOperationsAborted());
}

TEST_F(FileOperationTest, EntryWithoutSourceIsRefusedBeforeTheShell) {
    op.FileList() = {"C:\\in\\a.txt=b.txt", "=c.txt"};
    answerHandled = true;
    EXPECT_FALSE(op.Copy());
    EXPECT_TRUE(shell.calls.empty());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0],
              "File list entry 2 names no source file before its \"=\"; the file operation was not started.");
}

TEST_F(FileOperationTest, ErrorTextAndErrorEvent) {
    std::string text = "old";
    op.GetErrorText(0, text);
    EXPECT_EQ(text, "");
    EXPECT_TRUE(shell.messageCodes.empty());
    op.GetErrorText(5, text);
    EXPECT_EQ(text, "System text for 5.\r\n");

    answerHandled = true;
    EXPECT_TRUE(op.DoError("first"));
    answerHandled = false;
    EXPECT_FALSE(op.DoError("second"));
    EXPECT_EQ(errors, (std::vector<std::string>{"first", "second"}));
    op.SetOnError(nullptr);
    EXPECT_FALSE(op.DoError("unheard"));
}

TEST(FileOperationSystem, MessagesComeFromTheSystemTable) {
    fileops::FileOperationPlatform& system = fileops::FileOperationPlatform::System();
    std::string notFound = system.SystemMessage(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(notFound.empty());
    EXPECT_NE(notFound, system.SystemMessage(ERROR_ACCESS_DENIED));
    EXPECT_EQ(notFound.find('\0'), std::string::npos);
    EXPECT_EQ(system.SystemMessage(0x3FFFFFF0), "");
}

// --- A real shell copy ------------------------------------------------------------------------------

namespace {

using wintest::TempFolder;

void WriteFile(const fs::path& file, const std::string& content) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::string> Entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

const std::set<std::string> kMatching{"Inventory.dat", "Inventory.idx", "InventoryB01.dat", "InventoryK.cfg",
                                      "Program.cfg",   "Register7.dat", "Tax.tbl",          "User.dat"};

// A site folder with files that match the grab masks, files that do not, and folders that match.
void MakeSite(const fs::path& site) {
    for (const auto& name : kMatching) WriteFile(site / name, "site " + name);
    WriteFile(site / "Notes.txt", "not grabbed");
    WriteFile(site / "InventoryA.dat", "not grabbed");
    WriteFile(site / "UserArchive" / "User.dat", "inside a matching folder");
    WriteFile(site / "Inventory.old" / "x.dat", "inside a matching folder");
}

bool GrabInto(const fs::path& site, const fs::path& dest) {
    TsysFileOperation op(nullptr);
    op.SetOptions(kMainWindowOptions);
    op.SetProgressTitle("Stockdrawing...");
    op.SetDestFolder(dest.string());
    for (const char* mask : kMasks) op.FileList().push_back(site.string() + mask);
    return op.Copy();
}

}  // namespace

TEST(FileOperationShellCopy, CopiesMatchingFilesIntoAMissingFolder) {
    TempFolder temp;
    fs::path site = temp.Path() / "site";
    fs::path dest = temp.Path() / "Data" / "Brightwell Wholesale";
    MakeSite(site);

    EXPECT_TRUE(GrabInto(site, dest));
    ASSERT_TRUE(fs::is_directory(dest));
    EXPECT_EQ(Entries(dest), kMatching);
    for (const auto& name : kMatching) EXPECT_EQ(ReadFile(dest / name), "site " + name) << name;
}

TEST(FileOperationShellCopy, OverwritesExistingFilesWithoutAsking) {
    TempFolder temp;
    fs::path site = temp.Path() / "site";
    fs::path dest = temp.Path() / "data";
    MakeSite(site);
    WriteFile(dest / "Inventory.dat", "stale local copy");
    WriteFile(dest / "Tax.tbl", "stale local copy");
    fs::permissions(dest / "Tax.tbl", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    WriteFile(dest / "Local.cfg", "kept");

    EXPECT_TRUE(GrabInto(site, dest));
    EXPECT_EQ(ReadFile(dest / "Inventory.dat"), "site Inventory.dat");
    EXPECT_EQ(ReadFile(dest / "Tax.tbl"), "site Tax.tbl");
    EXPECT_EQ(ReadFile(dest / "Local.cfg"), "kept");
    std::set<std::string> expected = kMatching;
    expected.insert("Local.cfg");
    EXPECT_EQ(Entries(dest), expected);
}

// Pair mode through the real shell: each source lands under the name its pair gives, inside the
// destination folder; a name without a pair keeps its own.
TEST(FileOperationShellCopy, PairsCopyEachSourceToItsOwnName) {
    TempFolder temp;
    const fs::path site = temp.Path() / "site";
    const fs::path dest = temp.Path() / "dest";
    MakeSite(site);
    fs::create_directories(dest);

    TsysFileOperation op(nullptr);
    op.SetOptions(kMainWindowOptions);
    op.SetDestFolder(dest.string());
    op.FileList() = {(site / "Inventory.dat").string() + "=*.bak", (site / "Tax.tbl").string() + "=Rates.tbl",
                     (site / "User.dat").string()};
    EXPECT_TRUE(op.Copy());
    EXPECT_EQ(Entries(dest), (std::set<std::string>{"Inventory.bak", "Rates.tbl", "User.dat"}));
    EXPECT_EQ(ReadFile(dest / "Inventory.bak"), "site Inventory.dat");
    EXPECT_EQ(ReadFile(dest / "Rates.tbl"), "site Tax.tbl");
}
