// TEclAboutDlg: reading its stored values, the modal dialog it shows (caption, owner, OK button,
// the ways to close it) and the texts it builds from a steered version resource and machine.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ControlHost.h"
#include "DialogOperator.h"
#include "about/AboutDlg_win.h"
#include "about/AboutForm_win.h"
#include "about/ExtendedIcon_win.h"
#include "about/Register_win.h"
#include "controls/Button_win.h"
#include "controls/SimpleLabel_win.h"
#include "framework/Application_win.h"
#include "framework/Bitmaps_win.h"
#include "framework/Canvas_win.h"
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
    explicit Operator(const Action& action, HWND owner = nullptr, std::string caption = kCaption)
        : DialogOperator(
              [caption](DWORD threadId) {
                  return wintest::FindThreadWindow(
                      threadId, [&caption](HWND hwnd) { return wintest::WindowText(hwnd) == caption; });
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
class FakeVersionInfo final : public about::VersionInfoPlatform {
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

class FakeMachine final : public about::MachineInfoPlatform {
public:
    about::MachineFacts Query() override { return {true, 8ull << 30, 4, 586}; }
};

class FakeLinks final : public about::LinkPlatform {
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
    fw::ScopedSeam<about::VersionInfoPlatform> versionScope{version};
    fw::ScopedSeam<about::MachineInfoPlatform> machineScope{machine};
    fw::ScopedSeam<about::LinkPlatform> linksScope{links};
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

    const LabelSeen* caption = Find(labels, "Total Memory:\rPlatform, CPU:");
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
    const fw::ScopedSeam<about::VersionInfoPlatform> system(about::VersionInfoPlatform::System());
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
    class NoResource final : public about::VersionInfoPlatform {
    public:
        std::uint32_t InfoSize(const std::string&) override { return 0; }
        bool Read(const std::string&, std::vector<unsigned char>&) override { return false; }
        std::optional<std::span<const unsigned char>> Query(const std::vector<unsigned char>&,
                                                            const std::string&) override {
            return std::nullopt;
        }
    } none;
    const fw::ScopedSeam<about::VersionInfoPlatform> scope(none);
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

// Opening and closing the dialog again and again leaves no GDI or USER object behind: after the
// first opening (which fills the font cache) every count comes back to where it was. The default
// icon style draws a picture for each opening.
TEST_F(AboutDlgTest, FiftyOpeningsLeaveEveryHandleCountWhereItWas) {
    dlg->SetIconStyle(TEclAboutIconStyle::isExtended);
    ASSERT_TRUE(Run(ClickOk()).second.closedInTime);
    const long gdi = fw::LiveHandles(fw::HandleKind::Gdi);
    const long user = fw::LiveHandles(fw::HandleKind::User);
    std::atomic<long> userWhileOpen = 0;
    for (int i = 0; i < 50; ++i) {
        const Action close = i % 2 ? ClickOk() : Key(VK_ESCAPE);
        const auto [result, outcome] = Run([&](const DialogSeen& seen) {
            userWhileOpen = fw::LiveHandles(fw::HandleKind::User);
            close(seen);
        });
        ASSERT_TRUE(outcome.closedInTime) << "opening " << i;
        ASSERT_EQ(fw::LiveHandles(fw::HandleKind::Gdi), gdi) << "opening " << i;
        ASSERT_EQ(fw::LiveHandles(fw::HandleKind::User), user) << "opening " << i;
    }
    EXPECT_GT(userWhileOpen, user) << "the open dialog's windows are counted";
}

}  // namespace

namespace {

TEST_F(AboutDlgTest, StandardStyleShowsThePlatformsBoxWithTheFallbackCopyright) {
    fw::Application app;
    app.SetCompany("Quillfen Systems");
    dlg->SetCopyright("");
    dlg->SetUseDefault(true);
    dlg->SetStyle(TEclAboutStyle::bsStandard);
    // The resource's copyright, and the application's company when the resource has none.
    for (const std::string res : {"(c) Res", ""}) {
        version.values["\\StringFileInfo\\040904E4\\LegalCopyright"] = {res.c_str(), res.c_str() + res.size() + 1};
        wintest::DialogOperator<std::string> user(
            [](DWORD thread) {
                return wintest::FindThreadWindow(thread, [](HWND h) { return wintest::ClassName(h) == "#32770"; });
            },
            [](HWND box, DWORD) {
                std::string texts;
                for (HWND c = ::GetWindow(box, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
                    texts += wintest::WindowText(c) + "\n";
                return texts;
            },
            [](HWND box, DWORD, const std::string&) { ::PostMessageA(box, WM_COMMAND, IDOK, 0); });
        EXPECT_TRUE(dlg->Execute());
        const auto outcome = user.Finish();
        ASSERT_TRUE(outcome.seen) << "no About box appeared";
        EXPECT_NE(outcome.seen->find("Tillora POS Stockdraw#" + std::string(kCaption) + "\n"), std::string::npos);
        const std::string copyright = res.empty() ? "\rCopyright (C) Quillfen Systems\n" : "\r(c) Res\n";
        EXPECT_NE(outcome.seen->find(copyright), std::string::npos) << *outcome.seen;
    }
}

// A 16 x 16 icon, blue but for its transparent top-left pixel.
fw::UniqueIcon BlueIcon() {
    const fw::WindowDc screen;
    const fw::UniqueMemoryDc dc(::CreateCompatibleDC(screen.Get()));
    DWORD* pixels = nullptr;
    const fw::UniqueBitmap color = fw::CreatePixelBitmap(dc.Get(), 16, 16, &pixels);
    std::fill(pixels, pixels + 16 * 16, 0x0000FFu);
    pixels[0] = 0;
    unsigned char maskBits[16 * 2] = {0x80};  // rows of 16 bits; a set bit is transparent
    const fw::UniqueBitmap mask(::CreateBitmap(16, 16, 1, 1, maskBits));
    ICONINFO info{TRUE, 0, 0, mask.Get(), color.Get()};
    return fw::UniqueIcon(::CreateIconIndirect(&info));
}

TEST(AboutExtendedIcon, FramedShadowedEnlargementShownTransparentOnItsFace) {
    const fw::UniqueIcon icon = BlueIcon();
    fw::UniqueBitmap picture = about::MakeExtendedIconBitmap(icon.Get());
    DIBSECTION dib{};
    ASSERT_EQ(::GetObjectA(picture.Get(), sizeof dib, &dib), static_cast<int>(sizeof dib));
    ASSERT_EQ(dib.dsBm.bmWidth, 40);
    ASSERT_EQ(dib.dsBm.bmHeight, 40);
    const auto* bits = static_cast<const DWORD*>(dib.dsBm.bmBits);
    const COLORREF f = fw::ToColorRef(fw::clBtnFace);
    const DWORD face = GetRValue(f) << 16 | GetGValue(f) << 8 | GetBValue(f), grey = 0x808080, black = 0, blue = 0xFF;
    const struct {
        int x, y;
        DWORD expected;
    } pixels[] =
        {
            {0, 0, black},  {34, 34, black}, {34, 3, black}, {35, 35, grey}, {39, 39, grey},
            {39, 6, grey},  {6, 39, grey},   {39, 5, face},  {5, 39, face},  {17, 17, blue},
            {33, 33, blue}, {1, 1, face},  // the icon's transparent corner, drawn on the face colour
        };
    for (const auto& p : pixels) EXPECT_EQ(bits[p.y * 40 + p.x] & 0xFFFFFF, p.expected) << p.x << ", " << p.y;

    // Stretched over the 105 x 105 image on red: the face lets the red through.
    about::AboutIcon image(nullptr);
    image.SetBounds(0, 0, 105, 105);
    image.SetPicture(std::move(picture));
    const fw::WindowDc screen;
    const fw::UniqueMemoryDc dc(::CreateCompatibleDC(screen.Get()));
    DWORD* shown = nullptr;
    const fw::UniqueBitmap target = fw::CreatePixelBitmap(dc.Get(), 105, 105, &shown);
    {
        const fw::SelectScope select(dc.Get(), target.Get());
        fw::Canvas canvas(dc.Get());
        canvas.FillRect({0, 0, 105, 105}, fw::clRed);
        image.Paint(canvas);
    }
    ::GdiFlush();
    const auto at = [shown](int x, int y) { return shown[y * 105 + x] & 0xFFFFFF; };
    EXPECT_EQ(at(0, 0), black);
    EXPECT_EQ(at(104, 104), grey);
    EXPECT_EQ(at(52, 52), blue);
    EXPECT_EQ(at(104, 2), 0xFF0000u) << "the face is transparent";
    EXPECT_EQ(at(4, 4), 0xFF0000u) << "so is the icon's own transparent corner";
}

// Moves the pointer to the client point and asks the window which pointer it shows there.
HCURSOR CursorShownAt(HWND hwnd, int x, int y) {
    POINT p{x, y}, now{};
    ::ClientToScreen(hwnd, &p);
    ::SetCursorPos(p.x, p.y);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (::GetCursorPos(&now) && (now.x != p.x || now.y != p.y) && std::chrono::steady_clock::now() < deadline)
        ::Sleep(10);
    ::SetCursor(nullptr);
    ::SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
}

TEST_F(AboutDlgTest, LinkShowsTheHandAndTurnsPurpleWhenPressed) {
    const wintest::PointerAway away;  // the pointer goes back where it was afterwards
    struct {
        HCURSOR overWeb, overText, overFailedLink;
        fw::Color pressed, released;
        std::size_t openedWhilePressed = 9, openedAfterRelease = 9;
    } seen{};
    dlg->SetOnCustomize([&](fw::Component& sender) {
        const HWND hwnd = dynamic_cast<about::AboutForm&>(sender).Handle();
        std::map<std::string, TEclSimpleLabel*> label;
        for (fw::Control* c : dynamic_cast<about::AboutForm&>(sender).Controls())
            if (auto* l = dynamic_cast<TEclSimpleLabel*>(c)) label[l->Caption()] = l;
        TEclSimpleLabel *web = label["http://www.deployer.test"], *mail = label["help@deployer.test"],
                        *text = label["Copyright (C) 2024 Deployer Ltd."];
        if (!web || !mail || !text) return;
        seen.overWeb = CursorShownAt(hwnd, web->Left() + 3, web->Top() + 3);
        seen.overText = CursorShownAt(hwnd, text->Left() + 3, text->Top() + 3);
        // Pressed beyond the end of its text, but within the line the column gave it.
        const LPARAM point = MAKELPARAM(web->Left() + web->Width() - 3, web->Top() + 3);
        ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, point);
        seen.pressed = web->Font().color;
        seen.openedWhilePressed = links.opened.size();
        ::SendMessageA(hwnd, WM_LBUTTONUP, 0, point);
        seen.released = web->Font().color;
        seen.openedAfterRelease = links.opened.size();

        links.succeeds = false;
        const LPARAM onMail = MAKELPARAM(mail->Left() + 3, mail->Top() + 3);
        ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, onMail);
        ::SendMessageA(hwnd, WM_LBUTTONUP, 0, onMail);
        seen.overFailedLink = CursorShownAt(hwnd, mail->Left() + 3, mail->Top() + 3);
    });
    Run(Key(VK_ESCAPE));
    const HCURSOR arrow = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    EXPECT_EQ(seen.overWeb, ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
    EXPECT_EQ(seen.overText, arrow);
    EXPECT_EQ(seen.overFailedLink, arrow) << "an inert link is no longer a link";
    EXPECT_EQ(seen.pressed, fw::Color{0x800080}) << "purple as soon as it is pressed";
    EXPECT_EQ(seen.openedWhilePressed, 0u) << "opened on release, not on press";
    EXPECT_EQ(seen.released, fw::Color{0x800080}) << "and stays purple";
    EXPECT_EQ(seen.openedAfterRelease, 1u);
}

TEST_F(AboutDlgTest, KeyboardReachesTheLinksAfterTheButtonsAndOpensThem) {
    const Action keys = [&](const DialogSeen& seen) {
        for (WPARAM key : {VK_TAB, VK_RETURN, VK_TAB, VK_SPACE, VK_TAB}) Key(key)(seen);
        Key(VK_RETURN)(seen);  // back on OK
    };
    const auto [result, outcome] = Run(keys);
    ASSERT_TRUE(outcome.seen);
    EXPECT_TRUE(outcome.closedInTime);
    EXPECT_TRUE(result);
    EXPECT_EQ(links.opened, (std::vector<std::string>{"http://www.deployer.test", "mailto:help@deployer.test"}));

    // Shift+Tab goes backwards, from OK round to the last link. The operator shares the dialog
    // thread's keyboard state to hold Shift there.
    links.opened.clear();
    const Action shiftTab = [&](const DialogSeen& seen) {
        ::AttachThreadInput(::GetCurrentThreadId(), ::GetWindowThreadProcessId(seen.window, nullptr), TRUE);
        BYTE state[256]{};
        state[VK_SHIFT] = 0x80;
        ::SetKeyboardState(state);
        for (WPARAM key : {VK_TAB, VK_RETURN, VK_ESCAPE}) Key(key)(seen);
    };
    const auto [unused, backwards] = Run(shiftTab);
    BYTE released[256]{};
    ::SetKeyboardState(released);
    EXPECT_TRUE(backwards.closedInTime);
    EXPECT_EQ(links.opened, (std::vector<std::string>{"mailto:help@deployer.test"}));
}

TEclAboutDlg* recaptioned = nullptr;  // a timer procedure has no context
void CALLBACK Recaption(HWND hwnd, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(hwnd, id);
    recaptioned->SetCaptionTitle("About it again");
}

TEST_F(AboutDlgTest, ShownDialogFollowsTheComponentAndIsGoneAfterwards) {
    recaptioned = dlg;
    std::vector<bool> buttonsCtlXP;
    dlg->SetCtlXP(false);
    dlg->SetCustomButton("More");
    dlg->SetOnCustomize([&](fw::Component& sender) {
        auto& form = dynamic_cast<about::AboutForm&>(sender);
        for (fw::Control* c : form.Controls())
            if (auto* button = dynamic_cast<TEclButton*>(c)) buttonsCtlXP.push_back(button->Face().CtlXP());
        // Fires inside the modal loop, once the dialog is up.
        ::SetTimer(form.Handle(), 1, 10, &Recaption);
    });
    // The user only finds a dialog with the new caption.
    Operator user(Key(VK_ESCAPE), nullptr, "About it again");
    EXPECT_TRUE(dlg->Execute());
    const auto outcome = user.Finish();
    ASSERT_TRUE(outcome.seen) << "the shown dialog was not re-captioned";
    EXPECT_TRUE(outcome.closedInTime);
    EXPECT_EQ(buttonsCtlXP, (std::vector<bool>{false, false})) << "both buttons take the dialog's CtlXP";
    EXPECT_FALSE(::IsWindow(outcome.seen->window)) << "the window is destroyed when Execute returns";
    EXPECT_EQ(dlg->Dialog(), nullptr);
}

}  // namespace
