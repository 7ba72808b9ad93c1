#include "Stockdraw.h"

#include <gtest/gtest.h>

#include <string>

using namespace e2e;

namespace {

std::wstring Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(value, length) : std::wstring();
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Runs the system's installer on the package without any window; its exit code, or nothing on time-out.
std::optional<DWORD> Msiexec(const std::wstring& action, const std::wstring& package) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    Program installer(
        {.exePath = std::wstring(system) + L"\\msiexec.exe", .arguments = action + L" \"" + package + L"\" /qn"});
    return installer.WaitForExit(std::chrono::minutes(2));
}

// Removes the package on every way out, so that a failed run leaves nothing installed for the next.
class Installed {
public:
    explicit Installed(std::wstring package) : package_(std::move(package)) { code_ = Msiexec(L"/i", package_); }
    ~Installed() {
        if (!removed_) Uninstall();
    }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

    std::optional<DWORD> InstallCode() const { return code_; }
    std::optional<DWORD> Uninstall() {
        removed_ = true;
        return Msiexec(L"/x", package_);
    }

private:
    std::wstring package_;
    std::optional<DWORD> code_;
    bool removed_ = false;
};

}  // namespace

// The package built with the program installs it under Program Files with its Start-menu shortcut, the
// installed copy starts and closes, and uninstalling takes both away again.
TEST(Installer, InstallsStartsAndUninstallsCleanly) {
    const std::wstring package = PathBesideTests(L"..\\release\\" STOCKDRAW_PACKAGE_NAME L".msi");
    ASSERT_TRUE(Exists(package));
    const std::wstring tillora = Environment(L"ProgramFiles") + L"\\Tillora";
    const std::wstring folder = tillora + L"\\Stockdraw";
    const std::wstring program = folder + L"\\TilloraStockdraw.exe";
    // The package installs for all users; Wine's installer puts the shortcut in the installing user's
    // Start menu all the same, Windows in the common one.
    const std::wstring shortcutName = L"\\Microsoft\\Windows\\Start Menu\\Programs\\Tillora POS Stockdraw.lnk";
    const auto shortcutExists = [&] {
        return Exists(Environment(L"ProgramData") + shortcutName) || Exists(Environment(L"APPDATA") + shortcutName);
    };
    ASSERT_FALSE(Exists(program)) << "installed before the test";
    const bool tilloraBefore = Exists(tillora);  // the grab tests' data folder may be there

    Installed installed(package);
    ASSERT_EQ(installed.InstallCode(), std::optional<DWORD>(0));
    EXPECT_TRUE(Exists(program));
    EXPECT_TRUE(shortcutExists());
    {
        StockdrawSession session({.exePath = program});
        EXPECT_NE(session.MainForm(), nullptr);
        EXPECT_EQ(session.Close(), std::optional<DWORD>(0));
    }

    EXPECT_EQ(installed.Uninstall(), std::optional<DWORD>(0));
    EXPECT_FALSE(Exists(program));
    EXPECT_FALSE(Exists(folder));
    if (!tilloraBefore) {
        EXPECT_FALSE(Exists(tillora));
    }
    EXPECT_FALSE(shortcutExists());
}
