#pragma once
// Visual controls. A Control is painted and hit-tested by its parent (windowless) unless it is a
// WinControl, which has a window of its own, takes the focus and has a place in the tab order.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/AccessibleInfo.h"
#include "framework/Accessible_win.h"
#include "framework/Change.h"
#include "framework/Canvas_win.h"
#include "framework/ClassInfo.h"
#include "framework/Graphics.h"
#include "framework/HighContrast_win.h"
#include "framework/WindowOwner_win.h"

namespace fw {

class WinControl;

class Control : public Component {
public:
    explicit Control(Component* owner);
    ~Control() override;
    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

    WinControl* Parent() const { return parent_; }
    void SetParent(WinControl* parent);
    void SetParentComponent(Component& parent) override;

    // Bounds in the parent's client coordinates (a form: the window in screen coordinates).
    const Rect& BoundsRect() const { return bounds_; }
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    virtual void SetBounds(int left, int top, int width, int height);
    Rect ClientRect() const { return {0, 0, Width(), Height()}; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

    // The effective colour and font: the parent's while ParentColor / ParentFont is on.
    Color GetColor() const;
    void SetColor(Color color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on) { fw::Change(parentColor_, on, this, &Control::ColorChanged); }
    const FontSpec& Font() const;
    void SetFont(const FontSpec& font);
    // The colours painting uses: the background and the font's colour (or another stored text
    // colour) as stored, or under the system's high-contrast setting the system colours of the
    // control's role.
    Color BackColor() const { return DrawnColor(GetColor(), colorRole_, HighContrast()); }
    Color TextColor() const { return TextColor(Font().color); }
    Color TextColor(Color stored) const { return DrawnColor(stored, TextRoleOn(colorRole_), HighContrast()); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool on);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { fw::Change(visible_, visible, this, &Control::VisibleChanged); }
    Set<Anchor> Anchors() const { return anchors_; }
    void SetAnchors(Set<Anchor> anchors) { anchors_ = anchors; }
    // The mouse pointer while it is over the control (and the control is enabled).
    MouseCursor Cursor() const { return cursor_; }
    void SetCursor(MouseCursor cursor) { cursor_ = cursor; }

    void SetOnClick(NotifyEvent handler) { onClick_ = std::move(handler); }
    // Raises OnClick.
    virtual void Click();

    virtual bool IsWindowed() const { return false; }
    // Repaints the control (its rectangle in the parent, for a windowless control).
    virtual void Invalidate();
    // Paints the control's client area; for a windowless control the canvas origin is its top-left.
    virtual void Paint(Canvas& canvas);

    // Mouse input routed by the parent to a windowless control, in the control's coordinates.
    virtual void MouseDown(int x, int y);
    virtual void MouseMove(int x, int y);
    virtual void MouseUp(int x, int y);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}

    // A keyboard mnemonic (Alt+letter, `letter` upper-cased) offered to the control; true when the
    // control took it. Controls whose caption marks the letter act on it (a button clicks).
    virtual bool Accelerate(char /*letter*/) { return false; }
    // True while the window holding the control hides the accelerator underlines (the keyboard
    // cues are off until the keyboard is used).
    bool AcceleratorsHidden() const;

    // The platform's visual style changed: theme data held by the control must be opened anew.
    // A windowed control passes it on to every control it contains.
    virtual void ThemeChanged() { Invalidate(); }

    // What screen readers are told of the control; false leaves a window to the platform's own
    // answer and keeps a windowless control out of their view.
    virtual bool Describe(AccessibleInfo& /*info*/) const { return false; }
    // The default action a screen reader asks for, done as the user's own; false when there is none.
    virtual bool DoDefaultAction() { return false; }
    // A value a screen reader sets; false when the control takes none.
    virtual bool SetAccessibleValue(const std::string& /*value*/) { return false; }
    // Tells screen readers listening for it that the control's name, value, state or focus changed.
    void NotifyAccessible(unsigned long event);

protected:
    virtual void TextChanged() { Invalidate(); }
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void EnabledChanged() { Invalidate(); }
    virtual void VisibleChanged();
    virtual void BoundsChanged() {}
    FontSpec& OwnFont() { return font_; }
    // What the control's background is: a window's (the default) or a button face's.
    void SetColorRole(ColorRole role) { colorRole_ = role; }

private:
    friend class WinControl;
    WinControl* parent_ = nullptr;
    Rect bounds_;
    std::string caption_;
    Color color_ = clBtnFace;
    bool parentColor_ = true;
    ColorRole colorRole_ = ColorRole::Window;
    FontSpec font_;
    bool parentFont_ = true;
    bool enabled_ = true;
    bool visible_ = true;
    Set<Anchor> anchors_{Anchor::akLeft, Anchor::akTop};
    MouseCursor cursor_ = MouseCursor::crDefault;
    NotifyEvent onClick_;
};

// A control with a window of its own.
class WinControl : public Control, public WindowOwner {
public:
    explicit WinControl(Component* owner);
    ~WinControl() override;
    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }
    static WinControl* FromHandle(HWND hwnd);

    HWND Handle() override;
    bool HandleAllocated() const { return handle_ != nullptr; }
    // The window when it exists, else null (never creates it).
    HWND ExistingHandle() const { return handle_; }
    void DestroyHandle();

    bool IsWindowed() const override { return true; }
    void Invalidate() override;
    void ThemeChanged() override;
    void SetBounds(int left, int top, int width, int height) override;

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order) { tabOrder_ = order; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on) { tabStop_ = on; }
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool on) { ctl3D_ = on; }
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool on) { parentCtl3D_ = on; }

    // The child controls, in creation order (which is also the painting order of windowless ones).
    const std::vector<Control*>& Controls() const { return controls_; }
    bool CanFocus() const;
    bool Focused() const;
    void SetFocus();

    // Repaints at once whatever is waiting to be painted, children included.
    void Repaint();

    // The pointer at a client point: that of the enabled windowless child there when it names
    // one, else the control's own.
    MouseCursor CursorAt(int x, int y) const;

protected:
    struct CreateParams {
        std::string caption;
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        DWORD exStyle = 0;
        UINT classStyle = 0;  // of the window class, the same for every window of the class
        Rect bounds;
        HWND parent = nullptr;
    };
    virtual void GetCreateParams(CreateParams& params);
    // Message handling; unhandled messages go to DefaultHandler.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual void HandleCreated() {}
    // The windowless child under the point (client coordinates), topmost first.
    Control* ControlAt(int x, int y) const;
    void TextChanged() override;
    void EnabledChanged() override;
    void VisibleChanged() override;

private:
    friend class Control;
    void CreateWindowHandle();
    void PaintAll(HDC dc, const RECT& area);
    void RouteMouse(UINT msg, int x, int y);
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

    HWND handle_ = nullptr;
    AccessibleReference accessible_;  // dropped when the window goes
    std::vector<Control*> controls_;
    int tabOrder_ = -1;
    bool tabStop_ = false;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
    Control* captured_ = nullptr;
    Control* hovered_ = nullptr;
    bool trackingLeave_ = false;
    WORD uiState_ = 0;  // the keyboard cues hidden (UISF_HIDEACCEL, UISF_HIDEFOCUS)
};

}  // namespace fw
