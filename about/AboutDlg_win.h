#pragma once
// TEclAboutDlg: a non-visual component that builds an About dialog in code from its properties,
// the application title and icon, the program file's version resource and a few facts about the
// computer, shows it modally and destroys it when it closes.
#include <windows.h>

#include <string>
#include <vector>

#include "about/AboutLayout.h"
#include "about/AboutPlatform_win.h"
#include "about/AboutTypes.h"
#include "about/MachineInfo.h"
#include "about/VersionInfo.h"
#include "framework/DialogPosition_win.h"
#include "framework/ClassInfo.h"
#include "framework/Handles_win.h"

namespace about {
class AboutForm;
class AboutIcon;
struct AboutParts;
}  // namespace about

class TEclAboutDlg : public fw::Component {
public:
    explicit TEclAboutDlg(fw::Component* owner);
    ~TEclAboutDlg() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    const std::string& About() const { return about_; }
    void SetAbout(std::string value) { about_ = std::move(value); }
    const std::string& Appname() const { return appname_; }
    void SetAppname(std::string value) { appname_ = std::move(value); }
    int AppNameSize() const { return appNameSize_; }
    void SetAppNameSize(int value) { appNameSize_ = value; }
    bool CaptionFill() const { return captionFill_; }
    void SetCaptionFill(bool value) { captionFill_ = value; }
    const std::string& CaptionTitle() const { return captionTitle_; }
    // Also re-captions the dialog while it is shown.
    void SetCaptionTitle(std::string value);
    const std::string& Copyright() const { return copyright_; }
    void SetCopyright(std::string value) { copyright_ = std::move(value); }
    bool CtlXP() const { return ctlXP_; }
    void SetCtlXP(bool value) { ctlXP_ = value; }
    // Colour steps of the caption gradient, 0 to 255.
    int Colors() const { return colors_; }
    void SetColors(int value);
    const std::string& CustomButton() const { return customButton_; }
    void SetCustomButton(std::string value) { customButton_ = std::move(value); }
    const std::string& Description() const { return description_; }
    void SetDescription(std::string value) { description_ = std::move(value); }
    TEclDlgEffect Effect() const { return effect_; }
    void SetEffect(TEclDlgEffect value) { effect_ = value; }
    const std::string& EMail() const { return email_; }
    void SetEMail(std::string value) { email_ = std::move(value); }
    const std::vector<std::string>& Hints() const { return hints_; }
    void SetHints(std::vector<std::string> value) { hints_ = std::move(value); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { imageIndex_ = value; }
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int value) { listIndex_ = value; }
    TEclAboutIconStyle IconStyle() const { return iconStyle_; }
    void SetIconStyle(TEclAboutIconStyle value) { iconStyle_ = value; }
    const std::string& Jump() const { return jump_; }
    void SetJump(std::string value) { jump_ = std::move(value); }
    TEclDlgPosition Position() const { return position_; }
    void SetPosition(TEclDlgPosition value) { position_ = value; }
    TEclDlgPosRel RelatePos() const { return relatePos_; }
    void SetRelatePos(TEclDlgPosRel value) { relatePos_ = value; }
    bool ShowHints() const { return showHints_; }
    void SetShowHints(bool value) { showHints_ = value; }
    TEclAboutStyle Style() const { return style_; }
    void SetStyle(TEclAboutStyle value) { style_ = value; }
    bool UseDefault() const { return useDefault_; }
    void SetUseDefault(bool value) { useDefault_ = value; }
    bool UseResInfo() const { return useResInfo_; }
    void SetUseResInfo(bool value) { useResInfo_ = value; }
    TEclAboutVersionStyle UseResVersionInfoStyle() const { return useResVersionInfoStyle_; }
    void SetUseResVersionInfoStyle(TEclAboutVersionStyle value) { useResVersionInfoStyle_ = value; }
    const std::string& Version() const { return version_; }
    void SetVersion(std::string value) { version_ = std::move(value); }
    void SetOnCustomize(fw::NotifyEvent handler) { onCustomize_ = std::move(handler); }
    void SetOnCustomClick(fw::NotifyEvent handler) { onCustomClick_ = std::move(handler); }

    // Builds the dialog, shows it modally and returns true once it has closed, however it was
    // closed. With Style bsStandard: whether the system's About box could be shown.
    virtual bool Execute();

    // The dialog window while it is shown, else null.
    about::AboutForm* Dialog() const { return dialog_; }

    // One text of the running program file's version resource; empty when it has none.
    std::string ReadVersionInfo(about::VersionItem item) const;

protected:
    // Builds the dialog window, shows it and destroys it, also when an exception passes.
    virtual void BuildAboutForm(HWND anchor);
    // Captions, places and shows the built dialog modally; returns its modal result.
    virtual int ShowAboutForm(about::AboutForm& dialog, HWND anchor, const std::string& defaultCaption);

private:
    // Sizes the window for the icon style and stacks the texts, the machine facts and the buttons.
    void LayOutAboutForm(const about::AboutParts& parts, const about::TextSources& sources);
    // The application's icon as the icon style shows it, or none.
    void ShowIcon(about::AboutIcon& image) const;
    // The platform's own About box; false when it cannot be shown.
    bool ShowStandardAbout(HWND anchor, const std::string& nameText, const std::string& copyrightText);
    // What the texts fall back on: the version resource (read only with UseResInfo), the
    // application's title, company and version.
    about::TextSources ReadTextSources() const;

    // Effect (the opening animation), CaptionFill and Colors (the caption gradient), ImageIndex and
    // ListIndex (the image-list background), Hints and ShowHints are stored from the description
    // but not used: the dialog opens plainly, with the platform's title bar and background and
    // no hints.
    std::string about_;
    std::string appname_;
    int appNameSize_ = 22;
    bool captionFill_ = false;
    std::string captionTitle_;
    std::string copyright_;
    bool ctlXP_ = true;
    int colors_ = 32;
    std::string customButton_;
    std::string description_;
    TEclDlgEffect effect_ = TEclDlgEffect::deNone;
    std::string email_;
    std::vector<std::string> hints_;
    int imageIndex_ = 0;
    int listIndex_ = 0;
    TEclAboutIconStyle iconStyle_ = TEclAboutIconStyle::isExtended;
    std::string jump_;
    TEclDlgPosition position_ = TEclDlgPosition::bpCenter;
    TEclDlgPosRel relatePos_ = TEclDlgPosRel::brScreen;
    bool showHints_ = true;
    TEclAboutStyle style_ = TEclAboutStyle::bsEcl;
    bool useDefault_ = false;
    bool useResInfo_ = false;
    TEclAboutVersionStyle useResVersionInfoStyle_ = TEclAboutVersionStyle::vsProg;
    std::string version_;
    fw::NotifyEvent onCustomize_;
    fw::NotifyEvent onCustomClick_;

    // Empty in this program: the application's icon stands in for it.
    fw::UniqueIcon icon_;
    about::AboutForm* dialog_ = nullptr;
};
