// The system file system a grab uses, and whole grabs through the real shell, in temporary folders.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "AnsweringDialogs.h"
#include "TempFolder.h"
#include "app/GrabPlatform_win.h"
#include "app/GrabSourceCheck.h"
#include "app/GrabStaging.h"
#include "app/GrabWorkflow_win.h"

using enum TsysFileOperationFlag;
namespace fs = std::filesystem;

namespace {

using wintest::TempFolder;

// Writes the file and gives it the last-write time (in the system's raw ticks).
void WriteFile(const std::string& path, const std::string& content, std::uint64_t lastWrite) {
    fs::create_directories(fs::path(path).parent_path());
    { std::ofstream(path, std::ios::binary) << content; }
    HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    const FILETIME time{static_cast<DWORD>(lastWrite), static_cast<DWORD>(lastWrite >> 32)};
    EXPECT_TRUE(::SetFileTime(file, nullptr, nullptr, &time));
    ::CloseHandle(file);
}

// 2024-05-01 and a few seconds, in 100 ns ticks since 1601.
constexpr std::uint64_t kTime = 133590240000000000ULL;

std::vector<GrabFile> Sorted(std::vector<GrabFile> files) {
    std::sort(files.begin(), files.end(), [](const GrabFile& a, const GrabFile& b) { return a.name < b.name; });
    return files;
}

}  // namespace

TEST(GrabSystemFileSystem, ListsFilesOnlyWithSizesAndTimes) {
    TempFolder temp;
    SystemGrabPlatform system;
    const std::string site = JoinPath(temp.Path().string(), "site");
    WriteFile(JoinPath(site, "Inventory.dat"), "12345", kTime);
    WriteFile(JoinPath(site, "Tax"), "", kTime + 20'000'000);
    WriteFile(JoinPath(site, "notes.txt"), std::string(70000, 'x'), kTime + 40'000'000);
    WriteFile(JoinPath(site, "InventoryB.dir\\User.dat"), "inside a folder", kTime);

    const std::vector<GrabFile> expected{
        {"Inventory.dat", 5, kTime}, {"Tax", 0, kTime + 20'000'000}, {"notes.txt", 70000, kTime + 40'000'000}};
    const auto listed = system.ListFiles(site);
    ASSERT_TRUE(listed.has_value());
    EXPECT_EQ(Sorted(*listed), expected);
    const auto withBackslash = system.ListFiles(site + "\\");
    ASSERT_TRUE(withBackslash.has_value());
    EXPECT_EQ(Sorted(*withBackslash), expected);
    EXPECT_EQ(FilesToGrab(*listed), (std::vector<GrabFile>{expected[0], expected[1]}));

    EXPECT_EQ(system.FileInfo(site, "inventory.DAT"), (GrabFile{"inventory.DAT", 5, kTime}));
    EXPECT_EQ(system.FileInfo(site + "\\", "Tax"), (GrabFile{"Tax", 0, kTime + 20'000'000}));
    EXPECT_FALSE(system.FileInfo(site, "InventoryB.dir").has_value());
    EXPECT_FALSE(system.FileInfo(site, "missing.dat").has_value());

    const auto empty = system.ListFiles(JoinPath(site, "InventoryB.dir\\..\\InventoryB.dir"));
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->size(), 1u);
    EXPECT_FALSE(system.ListFiles(JoinPath(site, "missing")).has_value());
    EXPECT_FALSE(system.ListFiles(JoinPath(site, "Tax")).has_value());
}

TEST(GrabSystemFileSystem, FolderExistsOnlyForFolders) {
    TempFolder temp;
    SystemGrabPlatform system;
    WriteFile(JoinPath(temp.Path().string(), "file"), "x", kTime);
    EXPECT_TRUE(system.FolderExists(temp.Path().string()));
    EXPECT_FALSE(system.FolderExists(JoinPath(temp.Path().string(), "file")));
    EXPECT_FALSE(system.FolderExists(JoinPath(temp.Path().string(), "missing")));
    EXPECT_FALSE(system.FolderExists("\\\\NOSUCHSERVER\\TILLORA\\BRIGHTWELL'S WHOLESALE"));
}

TEST(GrabSystemFileSystem, CreatesAFolderWithItsParents) {
    TempFolder temp;
    SystemGrabPlatform system;
    const std::string nested =
        JoinPath(temp.Path().string(), "Program Files (x86)\\Tillora\\Data\\Brightwell Wholesale");
    EXPECT_TRUE(system.CreateFolder(nested));
    EXPECT_TRUE(fs::is_directory(nested));
    EXPECT_TRUE(system.CreateFolder(nested));  // already there

    // A file in the way cannot become a folder.
    WriteFile(JoinPath(temp.Path().string(), "Data"), "a file", kTime);
    EXPECT_FALSE(system.CreateFolder(JoinPath(temp.Path().string(), "Data\\Brightwell Wholesale")));
}

TEST(GrabSystemFileSystem, RemovesAFolderWithReadOnlyFilesAndFoldersInIt) {
    // A copy of a read-only source file is read-only in the staging folder too.
    TempFolder temp;
    SystemGrabPlatform system;
    const std::string staging = JoinPath(temp.Path().string(), "staging");
    WriteFile(JoinPath(staging, "inner\\Inventory.dat"), "left over", kTime);
    WriteFile(JoinPath(staging, "User.dat"), "new user", kTime);
    ::SetFileAttributesA(JoinPath(staging, "User.dat").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(system.RemoveFolder(staging));
    EXPECT_FALSE(fs::exists(staging));
    EXPECT_TRUE(system.RemoveFolder(staging));  // nothing there
    WriteFile(staging, "a file", kTime);
    EXPECT_FALSE(system.RemoveFolder(staging));  // a file is no folder, and stays
    EXPECT_TRUE(fs::exists(staging));
}

// --- Whole grabs through the real shell ------------------------------------------------------------

namespace {

// The system's file system, with the free space it reports and an interruption before the first move
// steered by the test.
class SteeredFileSystem final : public SystemGrabPlatform {
public:
    std::optional<std::uint64_t> FreeSpace(const std::string& folder) override {
        return freeSpace ? freeSpace : SystemGrabPlatform::FreeSpace(folder);
    }
    std::string MoveOver(const std::string& from, const std::string& to, const std::string& name) override {
        // As the program ends when it is killed: nothing after this point runs.
        if (interruptBeforeMoves) throw std::runtime_error("interrupted");
        return SystemGrabPlatform::MoveOver(from, to, name);
    }

    std::optional<std::uint64_t> freeSpace;
    bool interruptBeforeMoves = false;
};

class RealGrab {
public:
    explicit RealGrab(const std::string& dest) {
        op.SetOptions({fofFilesOnly, fofNoConfirmation, fofNoConfirmMkDir, fofNoErrorUI, fofSimpleProgress});
        op.SetProgressTitle("Stockdrawing...");
        op.SetDestFolder(dest);
    }
    std::string Run(const std::string& site) {
        workflow.Run(button, [&] { return site; });
        return dialogs.shown.empty() ? "<none>" : dialogs.shown.back();
    }

    wintest::AnsweringDialogs dialogs{true};
    fw::ScopedSeam<fw::DialogsPlatform> dialogsScope{dialogs};
    TsysFileOperation op{nullptr};
    fw::Control button{nullptr};
    SteeredFileSystem fileSystem;
    fw::ScopedSeam<GrabPlatform> scope{fileSystem};
    GrabWorkflow workflow{op, [] {}};
};

}  // namespace

TEST(GrabWithTheShell, OneMatchingFileLandsInsideAMissingDataFolder) {
    TempFolder temp;
    const std::string site = JoinPath(temp.Path().string(), "site");
    const std::string dest = JoinPath(temp.Path().string(), "Tillora\\Data\\Brightwell Wholesale");
    WriteFile(JoinPath(site, "Inventory.dat"), "the only one", kTime);
    WriteFile(JoinPath(site, "Notes.txt"), "not grabbed", kTime);

    RealGrab grab(dest);
    EXPECT_EQ(grab.Run(site), "Grab Complete");
    ASSERT_TRUE(fs::is_directory(dest));
    EXPECT_EQ(SystemGrabPlatform{}.FileInfo(dest, "Inventory.dat"), (GrabFile{"Inventory.dat", 12, kTime}));
    EXPECT_FALSE(fs::exists(JoinPath(dest, "Notes.txt")));
}

namespace {

// Every file directly in the folder with its bytes; a folder shows as "<folder>".
std::map<std::string, std::string> Contents(const std::string& folder) {
    std::map<std::string, std::string> contents;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        std::string bytes = "<folder>";
        if (!entry.is_directory()) {
            std::ifstream in(entry.path(), std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        contents[entry.path().filename().string()] = bytes;
    }
    return contents;
}

// A site with three files to grab and a data folder holding the old versions of two of them.
struct SiteAndData {
    SiteAndData() {
        for (const auto& [name, bytes] : site) WriteFile(JoinPath(siteFolder, name), bytes, kTime);
        for (const auto& [name, bytes] : old) WriteFile(JoinPath(dataFolder, name), bytes, kTime);
    }
    std::map<std::string, std::string> New() const {
        std::map<std::string, std::string> now = old;
        for (const auto& [name, bytes] : site) now[name] = bytes;
        return now;
    }

    TempFolder temp;
    const std::string siteFolder = JoinPath(temp.Path().string(), "site");
    const std::string dataFolder = JoinPath(temp.Path().string(), "data");
    const std::map<std::string, std::string> site{
        {"Inventory.dat", std::string(300000, 'i')}, {"Register1.dat", "new register"}, {"User.dat", "new user"}};
    const std::map<std::string, std::string> old{
        {"Inventory.dat", "old inventory"}, {"User.dat", "old user"}, {"Keep.txt", "not covered by the grab"}};
};

}  // namespace

TEST(GrabWithTheShell, LockedSourceFileLeavesTheDataFolderAsItWas) {
    SiteAndData files;
    // Held open with no sharing, as the point-of-sale program holds a file it is writing.
    HANDLE locked = ::CreateFileA(JoinPath(files.siteFolder, "Register1.dat").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    RealGrab grab(files.dataFolder);
    const std::string message = grab.Run(files.siteFolder);
    ::CloseHandle(locked);

    EXPECT_TRUE(
        message.starts_with("The grab did not complete, so the data folder was left as it was. 1 of 3 files "
                            "were not copied:\r\nRegister1.dat"))
        << message;
    EXPECT_EQ(Contents(files.dataFolder), files.old);
}

TEST(GrabWithTheShell, DataFolderThatCannotHoldTheFilesIsLeftAsItWas) {
    SiteAndData files;
    std::uint64_t total = 0;
    for (const auto& [name, bytes] : files.site) total += bytes.size();
    RealGrab grab(files.dataFolder);
    grab.fileSystem.freeSpace = total - 1;
    EXPECT_EQ(grab.Run(files.siteFolder), NotEnoughSpaceMessage(files.dataFolder, total, total - 1));
    EXPECT_EQ(Contents(files.dataFolder), files.old);

    // The system's own figure for the disk, and exactly enough room, both let the grab through.
    for (const std::optional<std::uint64_t> free : {std::optional<std::uint64_t>{}, std::optional{total}}) {
        grab.fileSystem.freeSpace = free;
        EXPECT_EQ(grab.Run(files.siteFolder), "Grab Complete");
        EXPECT_EQ(Contents(files.dataFolder), files.New());
    }
}

TEST(GrabWithTheShell, GrabInterruptedBeforeTheMovesLeavesTheOldFilesAndIsCleanedUpNextTime) {
    SiteAndData files;
    RealGrab grab(files.dataFolder);
    grab.fileSystem.interruptBeforeMoves = true;
    EXPECT_THROW(grab.Run(files.siteFolder), std::runtime_error);
    std::map<std::string, std::string> left = files.old;
    left[std::string(kStagingFolderName)] = "<folder>";
    EXPECT_EQ(Contents(files.dataFolder), left);
    EXPECT_EQ(Contents(PlanStaging(files.dataFolder, {}).folder), files.site);

    grab.fileSystem.interruptBeforeMoves = false;
    EXPECT_EQ(grab.Run(files.siteFolder), "Grab Complete");
    EXPECT_EQ(Contents(files.dataFolder), files.New());
}

TEST(GrabWithTheShell, EmptySiteCopiesNothing) {
    TempFolder temp;
    const std::string site = JoinPath(temp.Path().string(), "site");
    const std::string dest = JoinPath(temp.Path().string(), "data");
    WriteFile(JoinPath(site, "Notes.txt"), "not grabbed", kTime);

    RealGrab grab(dest);
    EXPECT_EQ(grab.Run(site), "The grab did not start: there are no files to grab in \"" + site + "\".");
    EXPECT_FALSE(fs::exists(dest));
}

TEST(GrabWithTheShell, NameOutsideTheCodePageIsGrabbedAndCounted) {
    TempFolder temp;
    const std::string site = JoinPath(temp.Path().string(), "site");
    const std::string dest = JoinPath(temp.Path().string(), "data");
    WriteFile(JoinPath(site, "Inventory.dat"), "inventory", kTime);
    // "Register" and a Greek capital omega, which code page 1252 lacks.
    const std::wstring wideName = L"Register\u03A9.dat";
    const std::string utf8Name = "Register\xCE\xA9.dat";
    const std::wstring widePath = (temp.Path() / "site" / wideName).wstring();
    {
        HANDLE file = ::CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        ::WriteFile(file, "register", 8, &written, nullptr);
        ::CloseHandle(file);
    }

    RealGrab grab(dest);
    EXPECT_EQ(grab.Run(site), "Grab Complete");
    const auto copied = SystemGrabPlatform{}.FileInfo(dest, utf8Name);
    ASSERT_TRUE(copied.has_value());
    EXPECT_EQ(copied->size, 8u);

    // Held open while it is grabbed again: it is counted and named, in the message's own code page.
    HANDLE locked =
        ::CreateFileW(widePath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    ::SetFilePointer(locked, 0, nullptr, FILE_END);
    DWORD written = 0;
    ::WriteFile(locked, "+", 1, &written, nullptr);
    ::FlushFileBuffers(locked);
    const std::string message = grab.Run(site);
    ::CloseHandle(locked);
    EXPECT_TRUE(
        message.starts_with("The grab did not complete, so the data folder was left as it was. 1 of 2 files "
                            "were not copied:\r\nRegister"))
        << message;
    EXPECT_EQ(message.find('\xCE'), std::string::npos) << "a UTF-8 name in the message";
}

// --- Bad inputs: a clear message, and nothing in the data folder lost ------------------------------

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Creates a folder and its file through the ANSI calls, as a site's path reaches the program.
void WriteAnsiFile(const std::string& folder, const std::string& name, const std::string& content) {
    ::CreateDirectoryA(folder.c_str(), nullptr);
    HANDLE file = ::CreateFileA(JoinPath(folder, name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << folder;
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
}

struct BadInput {
    const char* name;
    // The source path given the grab; "<site>" stands for the site folder holding the new files.
    std::string source;
    std::string expected;  // the message; empty for the destination cases, which say their own
    enum class Dest { Normal, ReadOnlyFile, LockedFile, IsAFile } dest = Dest::Normal;
};

std::string Resolved(std::string text, const std::string& site) {
    for (std::size_t at; (at = text.find("<site>")) != std::string::npos;) text.replace(at, 6, site);
    return text;
}

}  // namespace

TEST(GrabWithTheShell, BadInputsGiveAClearMessageAndLoseNothing) {
    const std::string notStarted = "The grab did not start: ";
    const std::string unreachable =
        "\" cannot be reached. Check that the site's computer is on and that the folder exists.";
    const std::vector<BadInput> cases{
        {"empty", "", notStarted + "no source folder is given. Type the site's folder or browse for it."},
        {"blank", " \t ", notStarted + "no source folder is given. Type the site's folder or browse for it."},
        {"equals", "=", notStarted + "the source folder \"=\" contains \"=\", which cannot be grabbed."},
        {"trailing backslash", "<site>\\", "Grab Complete"},
        {"code page 1252", "<site>\\Caf\xE9 \xC4\xF1o\xDF", "Grab Complete"},
        {"missing folder", "<site>\\missing", notStarted + "the source folder \"<site>\\missing" + unreachable},
        {"path over 260 characters", "<site>\\" + std::string(270, 'L'), "is over 245 characters"},
        {"no such server", "\\\\NOSUCHSERVER\\TILLORA",
         notStarted + "the source folder \"\\\\NOSUCHSERVER\\TILLORA" + unreachable},
        {"read-only destination file", "<site>", "", BadInput::Dest::ReadOnlyFile},
        {"locked destination file", "<site>", "", BadInput::Dest::LockedFile},
        {"destination folder is a file", "<site>", "", BadInput::Dest::IsAFile},
    };
    for (const BadInput& input : cases) {
        SCOPED_TRACE(input.name);
        TempFolder temp;
        const std::string root = temp.Path().string();
        std::string site = JoinPath(root, "site");
        const bool inside = input.source.starts_with("<site>\\Caf");
        if (inside) {
            ::CreateDirectoryA(site.c_str(), nullptr);
            site = Resolved(input.source, site);
        }
        WriteAnsiFile(site, "Inventory.dat", "new inventory");
        WriteAnsiFile(site, "User.dat", "new user");
        const std::string dest = JoinPath(root, "data");
        if (input.dest == BadInput::Dest::IsAFile) {
            WriteAnsiFile(root, "data", "a file where the folder belongs");
        } else {
            WriteAnsiFile(dest, "Inventory.dat", "old inventory");
            WriteAnsiFile(dest, "Keep.txt", "not covered by the grab");
        }
        const std::string source = inside ? site : Resolved(input.source, site);
        const std::string inventory = JoinPath(dest, "Inventory.dat");
        if (input.dest == BadInput::Dest::ReadOnlyFile)
            ::SetFileAttributesA(inventory.c_str(), FILE_ATTRIBUTE_READONLY);
        HANDLE locked = input.dest == BadInput::Dest::LockedFile
                            ? ::CreateFileA(inventory.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)
                            : INVALID_HANDLE_VALUE;

        RealGrab grab(dest);
        const std::string message = grab.Run(source);
        if (locked != INVALID_HANDLE_VALUE) ::CloseHandle(locked);
        ::SetFileAttributesA(inventory.c_str(), FILE_ATTRIBUTE_NORMAL);

        if (input.dest == BadInput::Dest::IsAFile) {
            EXPECT_EQ(message, DestinationNotCreatedMessage(dest));
            EXPECT_EQ(ReadAll(dest), "a file where the folder belongs");
            continue;
        }
        EXPECT_EQ(ReadAll(JoinPath(dest, "Keep.txt")), "not covered by the grab");
        const std::string now = ReadAll(inventory);
        if (input.expected == "is over 245 characters") {
            EXPECT_TRUE(message.starts_with(notStarted + "the source folder is ")) << message;
            EXPECT_EQ(now, "old inventory");
            continue;
        }
        if (!input.expected.empty()) {
            EXPECT_EQ(message, Resolved(input.expected, site));
            EXPECT_EQ(now, message == "Grab Complete" ? "new inventory" : "old inventory");
            continue;
        }
        // A read-only file is replaced, as the shell replaced it; a held one keeps every file as it was.
        if (input.dest == BadInput::Dest::ReadOnlyFile) {
            EXPECT_EQ(message, "Grab Complete");
            EXPECT_EQ(now, "new inventory");
            EXPECT_EQ(ReadAll(JoinPath(dest, "User.dat")), "new user");
        } else {
            EXPECT_EQ(message, InUseMessage({"Inventory.dat"}, 2));
            EXPECT_EQ(now, "old inventory");
            EXPECT_FALSE(fs::exists(JoinPath(dest, "User.dat")));
        }
        EXPECT_FALSE(fs::exists(JoinPath(dest, std::string(kStagingFolderName))));
    }
}

// --- A source file written while the shell copies it ----------------------------------------------

namespace {

// Large enough that the copy takes a while; kPart is more than the shell copies at one time.
constexpr std::size_t kLarge = std::size_t{32} << 20;
constexpr std::size_t kPart = std::size_t{1} << 20;
const std::string kOldInventory = "old inventory";

// Each change rewrites the start of the file, as a data file's header is rewritten, and then grows the file,
// rewrites its end or cuts it in half. Before it, the file is kLarge bytes of 'a'.
enum class Change { Grows, KeepsItsSize, Shrinks };

bool WriteAt(HANDLE file, std::size_t offset, const std::string& data) {
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    DWORD written = 0;
    return ::SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
           ::WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) && written == data.size();
}

bool MakeChange(HANDLE file, Change change) {
    if (!WriteAt(file, 0, std::string(kPart, 'b'))) return false;
    switch (change) {
        case Change::Grows: return WriteAt(file, kLarge, std::string(4 * kPart, 'b'));
        case Change::KeepsItsSize: return WriteAt(file, kLarge - kPart, std::string(kPart, 'b'));
        case Change::Shrinks: return WriteAt(file, kLarge / 2, "") && ::SetEndOfFile(file);
    }
    return false;
}

// The file after the change.
std::string ChangedVersion(Change change) {
    const std::string head(kPart, 'b');
    switch (change) {
        case Change::Grows: return head + std::string(kLarge - kPart, 'a') + std::string(4 * kPart, 'b');
        case Change::KeepsItsSize: return head + std::string(kLarge - 2 * kPart, 'a') + std::string(kPart, 'b');
        case Change::Shrinks: return head + std::string(kLarge / 2 - kPart, 'a');
    }
    return {};
}

// A copy that had read the start of the file before the change, and had not read this far when the change
// was done, holds neither version: the end of the file as it was, or the rewritten end.
std::uint64_t TearingPoint(Change change) { return change == Change::KeepsItsSize ? kLarge - kPart : kLarge; }

std::uint64_t SizeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

// Holds the source file open for writing, as the point-of-sale program does, and changes it on its own
// thread as soon as the copy has written part of the destination file. Every wait has a time-out.
class WriterDuringCopy {
public:
    WriterDuringCopy(const std::string& source, std::string copy, Change change)
        : file_(::CreateFileA(source.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr)),
          copy_(std::move(copy)),
          change_(change),
          thread_([this] { Watch(); }) {}
    ~WriterDuringCopy() {
        Finish();
        if (file_ != INVALID_HANDLE_VALUE) ::CloseHandle(file_);
    }
    WriterDuringCopy(const WriterDuringCopy&) = delete;
    WriterDuringCopy& operator=(const WriterDuringCopy&) = delete;

    bool Opened() const { return file_ != INVALID_HANDLE_VALUE; }
    // Stops waiting for the copy; after this the writer has changed the file or never will.
    void Finish() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    // True when the change was made after the copy had read the start of the file and before it reached the
    // tearing point: the copy cannot then hold either version of the file.
    bool ChangedMidCopy() const { return midCopy_; }
    bool WriteFailed() const { return writeFailed_; }

private:
    void Watch() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        std::uint64_t copied = 0;
        while (!stop_ && std::chrono::steady_clock::now() < deadline) {
            copied = SizeOf(copy_);
            if (copied > kOldInventory.size()) break;
            std::this_thread::yield();
        }
        if (copied <= kOldInventory.size() || !Opened()) return;
        writeFailed_ = !MakeChange(file_, change_);
        midCopy_ = SizeOf(copy_) + kPart <= TearingPoint(change_);
    }

    HANDLE file_;
    std::string copy_;
    Change change_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> midCopy_{false};
    std::atomic<bool> writeFailed_{false};
    std::thread thread_;
};

}  // namespace

TEST(GrabWithTheShell, SourceFileChangedDuringTheCopyIsNeverReportedCompleteWhenTorn) {
    const std::string changed =
        "The grab did not complete, so the data folder was left as it was. 1 of 2 files changed during the "
        "grab:\r\nInventory.dat";
    const std::string original(kLarge, 'a');
    const struct {
        const char* name;
        Change change;
    } cases[]{{"grows", Change::Grows}, {"keeps its size", Change::KeepsItsSize}, {"shrinks", Change::Shrinks}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string newer = ChangedVersion(c.change);
        bool hitMidCopy = false;
        // The writer may lose the race on a busy machine; a few rounds make a change in the middle of the
        // copy all but certain.
        for (int round = 0; round < 10 && !hitMidCopy; ++round) {
            SCOPED_TRACE(round);
            TempFolder temp;
            const std::string site = JoinPath(temp.Path().string(), "site");
            const std::string dest = JoinPath(temp.Path().string(), "data");
            WriteAnsiFile(site, "Inventory.dat", original);
            WriteAnsiFile(site, "User.dat", "new user");
            WriteAnsiFile(dest, "Inventory.dat", kOldInventory);
            WriteAnsiFile(dest, "Keep.txt", "not covered by the grab");

            RealGrab grab(dest);
            std::string message;
            {
                WriterDuringCopy writer(JoinPath(site, "Inventory.dat"),
                                        JoinPath(PlanStaging(dest, {}).folder, "Inventory.dat"), c.change);
                ASSERT_TRUE(writer.Opened());
                message = grab.Run(site);
                writer.Finish();
                hitMidCopy = writer.ChangedMidCopy();
                EXPECT_FALSE(writer.WriteFailed());
            }
            // Either every file is whole in its new version, or the data folder is as it was and the grab
            // says so; a torn copy never reaches it.
            const std::string copy = ReadAll(JoinPath(dest, "Inventory.dat"));
            if (message == "Grab Complete") {
                EXPECT_FALSE(hitMidCopy) << "a copy torn by the change was put in place";
                EXPECT_TRUE(copy == original || copy == newer) << "torn copy of " << copy.size() << " bytes";
                EXPECT_EQ(ReadAll(JoinPath(dest, "User.dat")), "new user");
            } else {
                EXPECT_EQ(message, changed);
                EXPECT_EQ(copy, kOldInventory);
                EXPECT_FALSE(fs::exists(JoinPath(dest, "User.dat")));
            }
            EXPECT_EQ(ReadAll(JoinPath(dest, "Keep.txt")), "not covered by the grab");
        }
        EXPECT_TRUE(hitMidCopy) << "the source never changed in the middle of the copy";
    }
}
