#pragma once
// A top-level window built from a stored description, with handlers published by name.
#include <array>
#include <windows.h>

#include <any>
#include <map>
#include <string>
#include <string_view>

#include "framework/Control_win.h"

namespace fw {

enum class FormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
inline std::span<const std::string_view> EnumNames(FormBorderStyle) {
    static constexpr std::array<std::string_view, 6> names{"bsNone",   "bsSingle",     "bsSizeable",
                                                           "bsDialog", "bsToolWindow", "bsSizeToolWin"};
    return names;
}
enum class BorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
inline std::span<const std::string_view> EnumNames(BorderIcon) {
    static constexpr std::array<std::string_view, 4> names{"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
    return names;
}
enum class FormPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
inline std::span<const std::string_view> EnumNames(FormPosition) {
    static constexpr std::array<std::string_view, 5> names{"poDesigned", "poDefault", "poDefaultPosOnly",
                                                           "poDefaultSizeOnly", "poScreenCenter"};
    return names;
}

class Form : public WinControl {
public:
    explicit Form(Component* owner);
    ~Form() override;
    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

    // Reads the description stored as the RCDATA resource of that name into this form.
    void LoadFromResource(const char* resourceName);

    FormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(FormBorderStyle style);
    Set<BorderIcon> BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(Set<BorderIcon> icons);
    FormPosition Position() const { return position_; }
    void SetPosition(FormPosition position) { position_ = position; }
    bool Scaled() const { return scaled_; }
    void SetScaled(bool on) { scaled_ = on; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientSize(int width, int height);

    void Show();
    // Closes the form; closing the application's main form ends the program.
    void Close();

    NotifyEvent FindMethod(std::string_view name) override;
    std::any FindHandler(std::string_view name) override;
    // Moves the focus to the next (or previous) control in tab order; false when there is none.
    bool SelectNext(bool backwards);

protected:
    // Handlers that stored descriptions may bind by name.
    void PublishMethod(std::string name, NotifyEvent handler) { methods_[std::move(name)] = std::move(handler); }
    // A handler for an event with parameters of its own, given as the event's std::function type.
    template <class Handler>
    void PublishHandler(std::string name, Handler handler) {
        methods_[std::move(name)] = std::move(handler);
    }
    void GetCreateParams(CreateParams& params) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void HandleCreated() override;

private:
    void FrameChanged();
    std::vector<WinControl*> TabControls() const;
    void CollectTabControls(const WinControl& parent, std::vector<WinControl*>& out) const;

    std::map<std::string, std::any, std::less<>> methods_;
    FormBorderStyle borderStyle_ = FormBorderStyle::bsSizeable;
    Set<BorderIcon> borderIcons_{BorderIcon::biSystemMenu, BorderIcon::biMinimize, BorderIcon::biMaximize};
    FormPosition position_ = FormPosition::poDesigned;
    bool scaled_ = true;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    HWND lastFocus_ = nullptr;
    bool shownOnce_ = false;
};

// Tab and Shift+Tab, without Ctrl or Alt, move the focus within the form that holds the
// message's window; true when the message was such a key and the focus moved.
bool HandleTabKey(const MSG& msg);
// F1, without Shift, Ctrl or Alt, asks the form holding the message's window for help (WM_HELP);
// true when the message was that key.
bool HandleHelpKey(const MSG& msg);

}  // namespace fw
