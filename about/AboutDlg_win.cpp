#include "about/AboutDlg_win.h"

#include <shellapi.h>

#include <algorithm>
#include <memory>

#include "about/AboutForm_win.h"
#include "about/AboutLayout.h"
#include "about/ExtendedIcon_win.h"
#include "controls/Button_win.h"
#include "framework/Change.h"
#include "framework/PartPublisher.h"
#include "controls/SimpleLabel_win.h"
#include "framework/Application_win.h"

namespace {

// The dialog is designed at this density.
constexpr int kPixelsPerInch = 96;

// Where the parts stand before the layout moves them, and the layout's fixed distances.
using about::Box;
constexpr Box kImage{15, 7, 105, 105};
constexpr int kStandardIconLeft = 13;
constexpr Box kButton{0, 0, 75, 25};
constexpr Box kSeparator{96, 181, 153, 3};
constexpr int kNameLeft = 93;
constexpr int kNameTop = 18;
constexpr int kNameSpacing = 10;       // below the application's name
constexpr int kInfoColumnWidth = 150;  // the memory and processor captions
constexpr int kSpaceAboveButtons = 24;
constexpr int kButtonMargin = 6;  // between the buttons, and to the window's right and bottom edges

// Texts the dialog shows besides the component's own.
constexpr const char* kInfoCaptionPrefix = "Info ";
// The value beside it is the computer's total physical memory, so the caption says so.
constexpr const char* kMemoryCaption = "Total Memory:";
constexpr const char* kPlatformCaption = "Platform, CPU:";
constexpr const char* kOrCompatible = "or compatible";

// A simple label as the text column places it.
class ColumnLabel final : public about::PlacedLabel {
public:
    explicit ColumnLabel(TEclSimpleLabel& label) : label_(label) {}
    void SetText(const std::string& text) override { label_.SetCaption(text); }
    int MeasuredHeight() const override { return label_.Height(); }
    void SetBounds(int left, int top, int width, int height) override { label_.SetBounds(left, top, width, height); }

private:
    TEclSimpleLabel& label_;
};

fw::FontSpec DialogFont() { return fw::FontSpec{"MS Sans Serif", -11, 1, fw::clWindowText, {}}; }

// A point size as a font height in pixels (negative: the character height).
int PointsToHeight(int points) { return -((points * kPixelsPerInch + 36) / 72); }

TEclSimpleLabel& AddLabel(about::AboutForm& form, const std::string& name = {}) {
    auto& label = form.Create<TEclSimpleLabel>();
    label.SetParent(&form);
    if (!name.empty()) {
        label.SetName(name);
        // A new label shows its name until it gets a text of its own.
        label.SetCaption(name);
    }
    label.SetMultiLine(true);
    label.SetShowAccelChar(false);
    return label;
}

TEclSimpleLabel& AddLink(about::AboutForm& form) {
    TEclSimpleLabel& label = AddLabel(form);
    fw::FontSpec font = DialogFont();
    font.color = fw::Color{0xFF0000};
    font.style.Include(fw::FontStyle::fsUnderline);
    label.SetParentFont(false);
    label.SetFont(font);
    label.SetJumpMode(TEclJumpModes::jmInternet);
    label.SetOnClick([&label](fw::Component&) {
        if (label.JumpMode() == TEclJumpModes::jmNone) return;
        std::string target = label.Jump();
        if (about::IsBlank(target)) {
            target = label.Caption();
            if (target.find('@') != std::string::npos) target = "mailto:" + target;
        }
        if (!fw::Seam<about::LinkPlatform>::Current().Open(target)) {
            label.SetJumpMode(TEclJumpModes::jmNone);
            label.SetEnabled(false);
        }
    });
    return label;
}

HICON ApplicationIcon() {
    if (fw::Application::Exists() && fw::Application::Instance().Icon()) return fw::Application::Instance().Icon();
    // A shared system icon: nothing to destroy.
    return ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
}

std::string ApplicationTitle() {
    return fw::Application::Exists() ? fw::Application::Instance().Title() : std::string();
}

int ClientWidthOf(about::AboutForm& form) {
    RECT client{};
    ::GetClientRect(form.Handle(), &client);
    return client.right - client.left;
}

// Ends the modal run with the button's result.
void CloseOnClick(about::AboutForm& form, TEclButton& button) {
    button.SetOnClick([&form, &button](fw::Component&) { form.SetModalResult(button.ModalResult()); });
}

// Clears the component's reference to the shown dialog however the run ends.
class ShownDialog {
public:
    ShownDialog(about::AboutForm*& ref, about::AboutForm& dialog) : ref_(ref) { ref_ = &dialog; }
    ~ShownDialog() { ref_ = nullptr; }
    ShownDialog(const ShownDialog&) = delete;
    ShownDialog& operator=(const ShownDialog&) = delete;

private:
    about::AboutForm*& ref_;
};

void Place(fw::Control& control, const Box& box) { control.SetBounds(box.left, box.top, box.width, box.height); }

TEclButton& AddButton(about::AboutForm& form, int tabOrder) {
    auto& button = form.Create<TEclButton>();
    button.SetParent(&form);
    Place(button, kButton);
    button.SetTabOrder(tabOrder);
    return button;
}

}  // namespace

namespace about {

// The parts of one dialog window, which owns them.
struct AboutParts {
    AboutForm& form;
    AboutIcon& image;
    TEclButton& ok;
    TEclButton& custom;
    AboutSeparator& separator;
    TEclSimpleLabel& name;
    TEclSimpleLabel& version;
    TEclSimpleLabel& description;
    TEclSimpleLabel& copyright;
    TEclSimpleLabel& infoCaption;
    TEclSimpleLabel& infoValue;
    TEclSimpleLabel& web;
    TEclSimpleLabel& email;
};

namespace {

// Every part of the dialog, made with the window and placed where the layout starts from.
AboutParts AddAboutParts(AboutForm& form, int appNameSize) {
    form.SetFont(DialogFont());
    form.SetPosition(fw::FormPosition::poDesigned);

    auto& image = form.Create<AboutIcon>();
    image.SetParent(&form);
    Place(image, kImage);

    TEclButton& ok = AddButton(form, 0);
    ok.SetCaption("OK");
    ok.SetModalResult(IDOK);
    ok.SetDefault(true);
    ok.SetCancel(true);
    CloseOnClick(form, ok);
    form.SetDefaultButton(&ok);
    form.SetCancelButton(&ok);
    TEclButton& custom = AddButton(form, 1);
    custom.SetVisible(false);

    auto& separator = form.Create<AboutSeparator>();
    separator.SetParent(&form);
    Place(separator, kSeparator);

    TEclSimpleLabel& name = AddLabel(form);
    name.SetBounds(kNameLeft, kNameTop, name.Width(), name.Height());
    name.SetParentFont(false);
    fw::FontSpec nameFont = DialogFont();
    nameFont.name = "Arial";
    nameFont.style.Include(fw::FontStyle::fsBold);
    nameFont.height = PointsToHeight(appNameSize);
    name.SetFont(nameFont);
    name.Font3D().SetStyle(TEclThreeDStyle::tdSunken);

    TEclSimpleLabel& version = AddLabel(form);
    fw::FontSpec bold = DialogFont();
    bold.style.Include(fw::FontStyle::fsBold);
    version.SetParentFont(false);
    version.SetFont(bold);
    TEclSimpleLabel& description = AddLabel(form);
    TEclSimpleLabel& copyright = AddLabel(form);
    TEclSimpleLabel& infoCaption = AddLabel(form, "lblinfo1");
    TEclSimpleLabel& infoValue = AddLabel(form, "lblinfo2");
    TEclSimpleLabel& web = AddLink(form);
    TEclSimpleLabel& email = AddLink(form);
    form.SetLinks({&web, &email});
    return {form,        image,     ok,          custom,    separator, name, version,
            description, copyright, infoCaption, infoValue, web,       email};
}

}  // namespace

}  // namespace about

TEclAboutDlg::TEclAboutDlg(fw::Component* owner) : fw::Component(owner) {}

TEclAboutDlg::~TEclAboutDlg() = default;

const fw::ClassInfo& TEclAboutDlg::StaticClass() {
    static const fw::ClassInfo info = [] {
        using C = TEclAboutDlg;
        fw::ClassInfo ci("TEclAboutDlg", nullptr, [](fw::Component* owner) { return std::make_unique<C>(owner); });
        fw::Publish<C>(ci)
            .Property<std::string>("About", &C::About, &C::SetAbout)
            .Property<std::string>("Appname", &C::Appname, &C::SetAppname)
            .Property<int>("AppNameSize", &C::AppNameSize, &C::SetAppNameSize)
            .Property<bool>("CaptionFill", &C::CaptionFill, &C::SetCaptionFill)
            .Property<std::string>("CaptionTitle", &C::CaptionTitle, &C::SetCaptionTitle)
            .Property<std::string>("Copyright", &C::Copyright, &C::SetCopyright)
            .Property<bool>("CtlXP", &C::CtlXP, &C::SetCtlXP)
            .Property<int>("Colors", &C::Colors, &C::SetColors)
            .Property<std::string>("CustomButton", &C::CustomButton, &C::SetCustomButton)
            .Property<std::string>("Description", &C::Description, &C::SetDescription)
            .Property<TEclDlgEffect>("Effect", &C::Effect, &C::SetEffect)
            .Property<std::string>("EMail", &C::EMail, &C::SetEMail)
            .Property<std::vector<std::string>>("Hints", &C::Hints, &C::SetHints)
            .Property<int>("ImageIndex", &C::ImageIndex, &C::SetImageIndex)
            .Property<int>("ListIndex", &C::ListIndex, &C::SetListIndex)
            .Property<TEclAboutIconStyle>("IconStyle", &C::IconStyle, &C::SetIconStyle)
            .Property<std::string>("Jump", &C::Jump, &C::SetJump)
            .Property<TEclDlgPosition>("Position", &C::Position, &C::SetPosition)
            .Property<TEclDlgPosRel>("RelatePos", &C::RelatePos, &C::SetRelatePos)
            .Property<bool>("ShowHints", &C::ShowHints, &C::SetShowHints)
            .Property<TEclAboutStyle>("Style", &C::Style, &C::SetStyle)
            .Property<bool>("UseDefault", &C::UseDefault, &C::SetUseDefault)
            .Property<bool>("UseResInfo", &C::UseResInfo, &C::SetUseResInfo)
            .Property<TEclAboutVersionStyle>("UseResVersionInfoStyle", &C::UseResVersionInfoStyle,
                                             &C::SetUseResVersionInfoStyle)
            .Property<std::string>("Version", &C::Version, &C::SetVersion)
            .Event("OnCustomize", [](C& c, fw::NotifyEvent e) { c.SetOnCustomize(std::move(e)); })
            .Event("OnCustomClick", [](C& c, fw::NotifyEvent e) { c.SetOnCustomClick(std::move(e)); });
        return ci;
    }();
    return info;
}

void TEclAboutDlg::SetCaptionTitle(std::string value) {
    if (!fw::Change(captionTitle_, std::move(value))) return;
    if (dialog_) dialog_->SetCaption(captionTitle_);
}

void TEclAboutDlg::SetColors(int value) {
    if (value < 0 || value > 255) fw::ThrowBadValue("Colors must lie between 0 and 255");
    colors_ = value;
}

std::string TEclAboutDlg::ReadVersionInfo(about::VersionItem item) const {
    return about::ReadVersionInfo(item, fw::Seam<about::VersionInfoPlatform>::Current(), fw::Application::ExeName());
}

about::TextSources TEclAboutDlg::ReadTextSources() const {
    about::TextSources sources;
    sources.useResInfo = useResInfo_;
    sources.useDefault = useDefault_;
    sources.applicationTitle = ApplicationTitle();
    if (fw::Application::Exists()) {
        sources.defaultCompany = fw::Application::Instance().Company();
        sources.defaultVersion = fw::Application::Instance().Version();
    }
    if (useResInfo_) {
        sources.resProductName = ReadVersionInfo(about::VersionItem::ProductName);
        sources.resLegalCopyright = ReadVersionInfo(about::VersionItem::LegalCopyright);
        sources.resFileDescription = ReadVersionInfo(about::VersionItem::FileDescription);
        sources.resVersion = ReadVersionInfo(about::ItemForStyle(useResVersionInfoStyle_));
    }
    return sources;
}

bool TEclAboutDlg::Execute() {
    if (style_ == TEclAboutStyle::bsStandard) {
        const about::TextSources sources = ReadTextSources();
        return ShowStandardAbout(nullptr, about::NameText(appname_, sources),
                                 about::CopyrightText(copyright_, sources));
    }
    BuildAboutForm(nullptr);
    return true;
}

bool TEclAboutDlg::ShowStandardAbout(HWND anchor, const std::string& nameText, const std::string& copyrightText) {
    std::string app = captionTitle_.empty() ? nameText : nameText + "#" + captionTitle_;
    std::string other = copyrightText;
    // The platform copies at most 255 characters of each.
    app.resize(std::min<std::size_t>(app.size(), 255));
    other.resize(std::min<std::size_t>(other.size(), 255));
    const HICON icon = icon_ ? icon_.Get() : ApplicationIcon();
    return ::ShellAboutA(anchor, app.c_str(), other.c_str(), icon) != FALSE;
}

void TEclAboutDlg::BuildAboutForm(HWND anchor) {
    // The texts come first: the properties, else the version resource or the application.
    const about::TextSources sources = ReadTextSources();
    // The window and its parts; all of them go with the window, also when an exception passes.
    auto form = std::make_unique<about::AboutForm>(nullptr);
    const about::AboutParts parts = about::AddAboutParts(*form, appNameSize_);
    LayOutAboutForm(parts, sources);
    ShowAboutForm(*form, anchor, about::DefaultCaption(kInfoCaptionPrefix, sources.applicationTitle));
}

void TEclAboutDlg::LayOutAboutForm(const about::AboutParts& parts, const about::TextSources& sources) {
    about::AboutForm& form = parts.form;
    // The window's width and the icon set where the text column starts beside it.
    form.SetBounds(form.Left(), form.Top(), about::ScaleToPpi(about::OuterWidthFor(iconStyle_), kPixelsPerInch),
                   form.Height());
    const int clientWidth = ClientWidthOf(form);
    ShowIcon(parts.image);
    const about::IconArea area = about::IconAreaFor(iconStyle_, clientWidth, parts.image.Left() + parts.image.Width(),
                                                    parts.image.Top() + parts.image.Height());
    about::LayoutCursor cursor = area.cursor;
    parts.name.SetBounds(cursor.x, area.nameTop, cursor.w, 0);
    ColumnLabel nameColumn(parts.name);
    about::PlaceLabel(cursor, clientWidth, nameColumn, about::NameText(appname_, sources), kNameSpacing);
    cursor.y = std::max(cursor.y, area.minYAfterName);
    for (TEclSimpleLabel* label : {&parts.version, &parts.description, &parts.copyright})
        label->SetBounds(label->Left(), label->Top(), cursor.w, label->Height());

    // Version, description, copyright and the two links stacked below the name, then the line.
    ColumnLabel versionColumn(parts.version), descriptionColumn(parts.description), copyrightColumn(parts.copyright),
        webColumn(parts.web), emailColumn(parts.email);
    about::ColumnTexts texts;
    texts.version = about::VersionLine(version_, sources);
    texts.description = description_;
    texts.useResInfo = useResInfo_;
    texts.resDescription = sources.resFileDescription;
    texts.copyright = about::CopyrightText(copyright_, sources);
    texts.jump = jump_;
    texts.email = email_;
    const about::ColumnResult column = about::LayOutTextColumn(
        cursor, clientWidth, {versionColumn, descriptionColumn, copyrightColumn, webColumn, emailColumn}, texts);
    parts.web.SetVisible(column.webVisible);
    parts.email.SetVisible(column.emailVisible);
    parts.separator.SetBounds(column.separator.left, column.separator.top, column.separator.width,
                              column.separator.height);
    cursor.w = about::ScaleToPpi(kInfoColumnWidth, kPixelsPerInch);

    // The computer's memory and processors in two columns, then the buttons, which set the height.
    const about::MachineFacts facts = fw::Seam<about::MachineInfoPlatform>::Current().Query();
    if (facts.ntPlatform) {
        ColumnLabel captionColumn(parts.infoCaption), valueColumn(parts.infoValue);
        about::PlaceLabel(cursor, clientWidth, captionColumn,
                          about::SystemInfoCaption(kMemoryCaption, kPlatformCaption), 0);
        cursor.x += parts.infoCaption.Width();
        about::PlaceLabel(cursor, clientWidth, valueColumn, about::SystemInfoValue(facts, kOrCompatible), 0);
    }
    cursor.y += std::max(parts.infoCaption.Height(), parts.infoValue.Height()) + kSpaceAboveButtons;
    TEclButton& ok = parts.ok;
    ok.SetBounds(clientWidth - ok.Width() - kButtonMargin, cursor.y, ok.Width(), ok.Height());
    parts.custom.SetBounds(ok.Left() - parts.custom.Width() - kButtonMargin, cursor.y, parts.custom.Width(),
                           parts.custom.Height());
    form.SetClientSize(clientWidth, ok.Top() + ok.Height() + kButtonMargin);
}

void TEclAboutDlg::ShowIcon(about::AboutIcon& image) const {
    HICON icon = nullptr;
    if (iconStyle_ != TEclAboutIconStyle::isNone) icon = icon_ ? icon_.Get() : ApplicationIcon();
    switch (iconStyle_) {
        case TEclAboutIconStyle::isStandard:
            image.SetBounds(kStandardIconLeft, image.Top(), image.Width(), image.Height());
            image.SetIcon(icon);
            break;
        case TEclAboutIconStyle::isNone: image.SetVisible(false); break;
        case TEclAboutIconStyle::isExtended: image.SetPicture(about::MakeExtendedIconBitmap(icon)); break;
    }
}

int TEclAboutDlg::ShowAboutForm(about::AboutForm& dialog, HWND anchor, const std::string& defaultCaption) {
    const ShownDialog shown(dialog_, dialog);
    dialog.SetCaption(captionTitle_.empty() ? defaultCaption : captionTitle_);

    const std::vector<fw::Control*>& controls = dialog.Controls();
    auto custom = std::find_if(controls.begin(), controls.end(), [](fw::Control* c) {
        auto* button = dynamic_cast<TEclButton*>(c);
        return button && button->TabOrder() == 1;
    });
    if (!customButton_.empty() && custom != controls.end()) {
        (*custom)->SetCaption(customButton_);
        (*custom)->SetVisible(true);
        if (onCustomClick_) (*custom)->SetOnClick(onCustomClick_);
    }

    const ecl::DialogOrigin origin =
        ecl::PlaceDialogWindow(position_, relatePos_, dialog.Width(), dialog.Height(), anchor);
    dialog.SetBounds(origin.x, origin.y, dialog.Width(), dialog.Height());

    for (fw::Control* c : controls)
        if (auto* button = dynamic_cast<TEclButton*>(c)) button->Face().SetCtlXP(ctlXP_);

    if (onCustomize_) onCustomize_(dialog);
    return dialog.ShowModal();
}
