// TEclAboutDlg: reading its stored values, the modal dialog it shows (caption, owner, OK button,
// the ways to close it) and the texts it builds from a steered version resource and machine.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "DialogOperator.h"
#include "about/AboutDlg_win.h"
#include "about/AboutForm_win.h"
#include "about/Register_win.h"
#include "controls/Button_win.h"
#include "controls/SimpleLabel_win.h"
#include "framework/Application_win.h"
#include "framework/ClassInfo.h"
#include "framework/Description.h"
#include "framework/Handles_win.h"

namespace {

constexpr char kCaption[] = "About Tillora POS Stockdraw";

constexpr char kDescription[] =
    "object MainForm: TComponent\n"
    "  object EclAboutDlg1: TEclAboutDlg\n"
    "    Appname = 'Tillora POS Stockdraw'\n"
    "    AppNameSize = 14\n"
    "    CaptionTitle = 'About Tillora POS Stockdraw'\n"
    "    Copyright = 'Copyright (C) 2024 Deployer Ltd.'\n"
    "    Colors = 16\n"
    "    Description = 'Tillora POS Stockdraw'\n"
    "    EMail = 'help@deployer.test'\n"
    "    IconStyle = isStandard\n"
    "    Jump = 'http://www.deployer.test'\n"
    "    UseResInfo = True\n"
    "    UseResVersionInfoStyle = vsFileFull\n"
    "  end\n"
    "end\n";

struct DialogSeen {
    HWND window = nullptr;
    HWND owner = nullptr;
    bool ownerEnabled = true;
    HWND ok = nullptr;
    RECT bounds{};
};

using Action = std::function<void(const DialogSeen&)>;

// Watches, from a second thread, for the About dialog the test thread is about to show, reads it,
// then acts on it. The owner, when given, is looked at for whether it takes input meanwhile.
class Operator : public wintest::DialogOperator<DialogSeen> {
public:
    explicit Operator(const Action& action, HWND owner = nullptr)
        : DialogOperator(
              [](DWORD threadId) {
                  return wintest::FindThreadWindow(threadId,
                                                   [](HWND hwnd) { return wintest::WindowText(hwnd) == kCaption; });
              },
              [owner](HWND dlg, DWORD) { return Read(dlg, owner); },
              [action](HWND, DWORD, const DialogSeen& seen) { action(seen); }) {}

private:
    static DialogSeen Read(HWND dlg, HWND owner) {
        DialogSeen seen;
        seen.window = dlg;
        seen.owner = ::GetWindow(dlg, GW_OWNER);
        if (owner) seen.ownerEnabled = ::IsWindowEnabled(owner) != FALSE;
        seen.ok = ::FindWindowExA(dlg, nullptr, nullptr, "OK");
        ::GetWindowRect(dlg, &seen.bounds);
        return seen;
    }
};

Action ClickOk() {
    return [](const DialogSeen& seen) {
        ::PostMessageA(seen.ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        ::PostMessageA(seen.ok, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    };
}
Action Key(WPARAM key) {
    return [key](const DialogSeen& seen) {
        ::PostMessageA(seen.ok ? seen.ok : seen.window, WM_KEYDOWN, key, 1);
        ::PostMessageA(seen.ok ? seen.ok : seen.window, WM_KEYUP, key, 0xC0000001);
    };
}
Action CloseBox() {
    return [](const DialogSeen& seen) { ::PostMessageA(seen.window, WM_SYSCOMMAND, SC_CLOSE, 0); };
}

void PutUint32(std::vector<unsigned char>& bytes, std::size_t offset, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<unsigned char>(v >> (8 * i));
}

// The version resource of the program: file version 1.0.3.6, product version "1.0.0.0".
class FakeVersionInfo final : public about::VersionInfoApi {
public:
    FakeVersionInfo() {
        std::vector<unsigned char> fixed(52, 0);
        PutUint32(fixed, 0, 0xFEEF04BD);
        PutUint32(fixed, 8, 1u << 16 | 0);
        PutUint32(fixed, 12, 3u << 16 | 6);
        values["\\"] = fixed;
        values["\\VarFileInfo\\Translation"] = {0x09, 0x04, 0xE4, 0x04};
        const std::string product("1.0.0.0", 8);
        values["\\StringFileInfo\\040904E4\\ProductVersion"] = {product.begin(), product.end()};
    }
    std::map<std::string, std::vector<unsigned char>> values;
    std::vector<std::string> paths;

    std::uint32_t InfoSize(const std::string& path) override {
        paths.push_back(path);
        return 64;
    }
    bool Read(const std::string&, std::vector<unsigned char>&) override { return true; }
    std::optional<std::span<const unsigned char>> Query(const std::vector<unsigned char>&,
                                                        const std::string& subBlock) override {
        auto it = values.find(subBlock);
        if (it == values.end()) return std::nullopt;
        return std::span<const unsigned char>(it->second);
    }
};

class FakeMachine final : public about::MachineInfoApi {
public:
    about::MachineFacts Query() override { return {true, 8ull << 30, 4, 586}; }
};

class FakeLinks final : public about::LinkOpener {
public:
    bool succeeds = true;
    std::vector<std::string> opened;
    bool Open(const std::string& target) override {
        opened.push_back(target);
        return succeeds;
    }
};

// What the built dialog holds just before it is shown.
struct LabelSeen {
    std::string caption;
    fw::Rect bounds;
    bool visible;
    bool bold;
};

std::vector<LabelSeen> Labels(const about::AboutForm& form) {
    std::vector<LabelSeen> labels;
    for (fw::Control* c : form.Controls())
        if (auto* label = dynamic_cast<TEclSimpleLabel*>(c))
            labels.push_back({label->Caption(), label->BoundsRect(), label->Visible(),
                              label->Font().style.Has(fw::FontStyle::fsBold)});
    return labels;
}

const LabelSeen* Find(const std::vector<LabelSeen>& labels, const std::string& caption) {
    for (const auto& l : labels)
        if (l.caption == caption) return &l;
    return nullptr;
}

class AboutDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterAboutClasses();
        fw::LoadDescription(root, fw::ParseDescription(kDescription));
        dlg = &root.ComponentNamed<TEclAboutDlg>("EclAboutDlg1");
        dlg->SetVersionInfoApi(version);
        dlg->SetMachineInfoApi(machine);
        dlg->SetLinkOpener(links);
    }

    // Runs Execute with the action and returns its result and what was seen.
    std::pair<bool, Operator::Outcome> Run(const Action& action, HWND owner = nullptr) {
        Operator user(action, owner);
        const bool result = dlg->Execute();
        return {result, user.Finish()};
    }

    fw::Component root{nullptr};
    TEclAboutDlg* dlg = nullptr;
    FakeVersionInfo version;
    FakeMachine machine;
    FakeLinks links;
};

TEST_F(AboutDlgTest, DescriptionGivesEveryStoredValueAndLeavesTheRestAtDefaults) {
    EXPECT_EQ(dlg->Appname(), "Tillora POS Stockdraw");
    EXPECT_EQ(dlg->AppNameSize(), 14);
    EXPECT_EQ(dlg->CaptionTitle(), kCaption);
    EXPECT_EQ(dlg->Copyright(), "Copyright (C) 2024 Deployer Ltd.");
    EXPECT_EQ(dlg->Colors(), 16);
    EXPECT_EQ(dlg->Description(), "Tillora POS Stockdraw");
    EXPECT_EQ(dlg->EMail(), "help@deployer.test");
    EXPECT_EQ(dlg->IconStyle(), TEclAboutIconStyle::isStandard);
    EXPECT_EQ(dlg->Jump(), "http://www.deployer.test");
    EXPECT_TRUE(dlg->UseResInfo());
    EXPECT_EQ(dlg->UseResVersionInfoStyle(), TEclAboutVersionStyle::vsFileFull);

    const std::map<std::string, std::string> defaults{
        {"About", ""},         {"CaptionFill", "False"}, {"CtlXP", "True"},
        {"CustomButton", ""},  {"Effect", "deNone"},     {"ImageIndex", ""},
        {"ListIndex", ""},     {"Position", "bpCenter"}, {"RelatePos", "brScreen"},
        {"ShowHints", "True"}, {"Style", "bsEcl"},       {"UseDefault", "False"},
        {"Version", ""},
    };
    for (const auto& [name, text] : defaults) {
        SCOPED_TRACE(name);
        const fw::Value v = dlg->GetProperty(name);
        if (v.kind == fw::Value::Kind::Integer)
            EXPECT_EQ(v.integer, 0);
        else
            EXPECT_EQ(v.text, text);
    }
    EXPECT_TRUE(dlg->Hints().empty());
}

TEST_F(AboutDlgTest, ConstructorDefaultsAndRejectedValues) {
    TEclAboutDlg fresh(nullptr);
    EXPECT_EQ(fresh.AppNameSize(), 22);
    EXPECT_EQ(fresh.Colors(), 32);
    EXPECT_EQ(fresh.IconStyle(), TEclAboutIconStyle::isExtended);
    EXPECT_EQ(fresh.UseResVersionInfoStyle(), TEclAboutVersionStyle::vsProg);
    EXPECT_FALSE(fresh.UseResInfo());
    EXPECT_EQ(fresh.Dialog(), nullptr);

    fresh.SetProperty("IconStyle", fw::Value{fw::Value::Kind::Identifier, 0, "isNone", {}});
    EXPECT_EQ(fresh.IconStyle(), TEclAboutIconStyle::isNone);
    EXPECT_THROW(fresh.SetProperty("IconStyle", fw::Value{fw::Value::Kind::Identifier, 0, "isHuge", {}}),
                 fw::DescriptionError);
    EXPECT_THROW(fresh.SetProperty("Colors", fw::ValueTraits<int>::To(256)), fw::DescriptionError);
    EXPECT_EQ(fresh.Colors(), 32);
    EXPECT_NE(dynamic_cast<TEclAboutDlg*>(fw::ClassRegistry::Find("TEclAboutDlg")->Create(nullptr).get()), nullptr);
}

TEST_F(AboutDlgTest, ModalWindowOwnedByTheActiveWindowClosesWithOk) {
    fw::UniqueWindow owner(::CreateWindowExA(0, "STATIC", "Owner", WS_POPUP | WS_VISIBLE | WS_CAPTION, 10, 10, 200, 100,
                                             nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(owner);
    ::SetForegroundWindow(owner.Get());
    ::SetActiveWindow(owner.Get());
    ASSERT_EQ(::GetActiveWindow(), owner.Get());

    const auto [result, outcome] = Run(ClickOk(), owner.Get());
    ASSERT_TRUE(outcome.seen) << "no dialog appeared";
    EXPECT_TRUE(outcome.closedInTime);
    EXPECT_TRUE(result);
    EXPECT_NE(outcome.seen->ok, nullptr) << "an OK button";
    EXPECT_EQ(outcome.seen->owner, owner.Get());
    EXPECT_FALSE(outcome.seen->ownerEnabled) << "the owner takes no input meanwhile";
    EXPECT_TRUE(::IsWindowEnabled(owner.Get())) << "and is enabled again afterwards";
    EXPECT_EQ(outcome.seen->bounds.right - outcome.seen->bounds.left, 410);
    EXPECT_EQ(dlg->Dialog(), nullptr) << "the dialog is gone once Execute returns";
}

TEST_F(AboutDlgTest, EveryWayOfClosingEndsExecuteWithTrue) {
    const std::pair<const char*, Action> ways[] = {
        {"Enter", Key(VK_RETURN)}, {"Esc", Key(VK_ESCAPE)}, {"close box", CloseBox()}, {"OK", ClickOk()}};
    for (const auto& [name, action] : ways) {
        SCOPED_TRACE(name);
        const auto [result, outcome] = Run(action);
        ASSERT_TRUE(outcome.seen) << "no dialog appeared";
        EXPECT_TRUE(outcome.closedInTime);
        EXPECT_TRUE(result);
    }
}

TEST_F(AboutDlgTest, TextsAndLayoutFromTheVersionResourceAndMachine) {
    std::vector<LabelSeen> labels;
    int clientWidth = 0;
    dlg->SetOnCustomize([&](fw::Component& sender) {
        auto& form = dynamic_cast<about::AboutForm&>(sender);
        labels = Labels(form);
        RECT client{};
        ::GetClientRect(form.Handle(), &client);
        clientWidth = client.right;
    });
    const auto [result, outcome] = Run(Key(VK_ESCAPE));
    ASSERT_TRUE(outcome.seen);
    EXPECT_TRUE(result);
    EXPECT_FALSE(version.paths.empty());
    for (const auto& path : version.paths) EXPECT_EQ(path, fw::Application::ExeName());

    const LabelSeen* name = Find(labels, "Tillora POS Stockdraw");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->bounds.left, 60);
    EXPECT_EQ(name->bounds.top, 12);
    EXPECT_EQ(name->bounds.Width(), clientWidth - 70);
    EXPECT_TRUE(name->bold);

    const LabelSeen* versionLine = Find(labels, "Version 1.0.3.6");
    ASSERT_NE(versionLine, nullptr);
    EXPECT_TRUE(versionLine->bold);
    EXPECT_EQ(versionLine->bounds.left, 60);
    EXPECT_GE(versionLine->bounds.top, 66);

    const LabelSeen* copyright = Find(labels, "Copyright (C) 2024 Deployer Ltd.");
    const LabelSeen* web = Find(labels, "http://www.deployer.test");
    const LabelSeen* email = Find(labels, "help@deployer.test");
    ASSERT_TRUE(copyright && web && email);
    EXPECT_LT(versionLine->bounds.top, copyright->bounds.top);
    EXPECT_EQ(web->bounds.top, copyright->bounds.bottom + 1);
    EXPECT_EQ(email->bounds.top, web->bounds.bottom + 3);
    EXPECT_TRUE(web->visible && email->visible);

    const LabelSeen* caption = Find(labels, "Available Memory:\rPlatform, CPU:");
    const LabelSeen* value = Find(labels, "8388608 KB\r4x Intel Pentium or compatible");
    ASSERT_TRUE(caption && value);
    EXPECT_EQ(caption->bounds.top, email->bounds.bottom + 6 + 9);
    EXPECT_EQ(value->bounds.left, caption->bounds.left + 150);
}

TEST_F(AboutDlgTest, VersionStylesAndAnOwnVersionText) {
    const std::pair<TEclAboutVersionStyle, const char*> styles[] = {
        {TEclAboutVersionStyle::vsProg, "Version 1.0.0.0"},
        {TEclAboutVersionStyle::vsFileShort, "Version 1.0"},
        {TEclAboutVersionStyle::vsFileBuild, "Version 1.0 (Build 3.6)"},
    };
    std::vector<LabelSeen> labels;
    dlg->SetOnCustomize([&](fw::Component& sender) { labels = Labels(dynamic_cast<about::AboutForm&>(sender)); });
    for (const auto& [style, text] : styles) {
        SCOPED_TRACE(text);
        dlg->SetUseResVersionInfoStyle(style);
        Run(Key(VK_ESCAPE));
        EXPECT_NE(Find(labels, text), nullptr);
    }
    dlg->SetVersion("7.1 beta");
    Run(Key(VK_ESCAPE));
    EXPECT_NE(Find(labels, "7.1 beta"), nullptr) << "shown as is, without a prefix";
}

TEST_F(AboutDlgTest, VersionFromTheProgramsOwnResource) {
    // The test program carries the program's version resource.
    dlg->SetVersionInfoApi(about::SystemVersionInfoApi());
    EXPECT_EQ(dlg->ReadVersionInfo(about::VersionItem::FileFull), "1.0.3.6");
    EXPECT_EQ(dlg->ReadVersionInfo(about::VersionItem::FileBuild), "1.0 (Build 3.6)");
    EXPECT_EQ(dlg->ReadVersionInfo(about::VersionItem::ProductVersion), "1.0.0.0");
    EXPECT_EQ(dlg->ReadVersionInfo(about::VersionItem::CompanyName), "");
    std::vector<LabelSeen> labels;
    dlg->SetOnCustomize([&](fw::Component& sender) { labels = Labels(dynamic_cast<about::AboutForm&>(sender)); });
    const auto [result, outcome] = Run(Key(VK_RETURN));
    EXPECT_TRUE(result);
    EXPECT_TRUE(outcome.closedInTime);
    EXPECT_NE(Find(labels, "Version 1.0.3.6"), nullptr);
}

TEST_F(AboutDlgTest, WithoutAVersionResourceTheLineIsVersionAlone) {
    class NoResource final : public about::VersionInfoApi {
    public:
        std::uint32_t InfoSize(const std::string&) override { return 0; }
        bool Read(const std::string&, std::vector<unsigned char>&) override { return false; }
        std::optional<std::span<const unsigned char>> Query(const std::vector<unsigned char>&,
                                                            const std::string&) override {
            return std::nullopt;
        }
    } none;
    dlg->SetVersionInfoApi(none);
    std::vector<LabelSeen> labels;
    dlg->SetOnCustomize([&](fw::Component& sender) { labels = Labels(dynamic_cast<about::AboutForm&>(sender)); });
    const auto [result, outcome] = Run(Key(VK_ESCAPE));
    EXPECT_TRUE(result);
    EXPECT_NE(Find(labels, "Version "), nullptr);
    EXPECT_NE(Find(labels, "Tillora POS Stockdraw"), nullptr) << "the name does not depend on the resource";
}

TEST_F(AboutDlgTest, LinksOpenTheirTargetAndAFailedOneTurnsInert) {
    TEclSimpleLabel* webLabel = nullptr;
    TEclSimpleLabel* mailLabel = nullptr;
    bool mailEnabledAfter = true;
    TEclJumpModes mailModeAfter = TEclJumpModes::jmInternet;
    dlg->SetOnCustomize([&](fw::Component& sender) {
        for (fw::Control* c : dynamic_cast<about::AboutForm&>(sender).Controls()) {
            auto* label = dynamic_cast<TEclSimpleLabel*>(c);
            if (label && label->Caption() == "http://www.deployer.test") webLabel = label;
            if (label && label->Caption() == "help@deployer.test") mailLabel = label;
        }
        if (!webLabel || !mailLabel) return;
        webLabel->Click();
        links.succeeds = false;
        mailLabel->Click();
        mailEnabledAfter = mailLabel->Enabled();
        mailModeAfter = mailLabel->JumpMode();
        mailLabel->Click();  // inert now: not opened again
    });
    Run(Key(VK_ESCAPE));
    ASSERT_TRUE(webLabel && mailLabel);
    EXPECT_EQ(links.opened, (std::vector<std::string>{"http://www.deployer.test", "mailto:help@deployer.test"}));
    EXPECT_FALSE(mailEnabledAfter);
    EXPECT_EQ(mailModeAfter, TEclJumpModes::jmNone);
}

}  // namespace
