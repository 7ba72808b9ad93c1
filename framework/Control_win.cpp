#include "framework/Control_win.h"

#include <algorithm>

#include "framework/Accessible_win.h"
#include "framework/PartPublisher.h"
#include "framework/Application_win.h"
#include "framework/Handles_win.h"

namespace fw {

Control::Control(Component* owner) : Component(owner) {}

Control::~Control() { SetParent(nullptr); }

const ClassInfo& Control::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo ci("TControl", nullptr);
        Publish<Control>(ci)
            .Property<int>(
                "Left", [](const Control& c) { return c.Left(); },
                [](Control& c, int v) { c.SetBounds(v, c.Top(), c.Width(), c.Height()); })
            .Property<int>(
                "Top", [](const Control& c) { return c.Top(); },
                [](Control& c, int v) { c.SetBounds(c.Left(), v, c.Width(), c.Height()); })
            .Property<int>(
                "Width", [](const Control& c) { return c.Width(); },
                [](Control& c, int v) { c.SetBounds(c.Left(), c.Top(), v, c.Height()); })
            .Property<int>(
                "Height", [](const Control& c) { return c.Height(); },
                [](Control& c, int v) { c.SetBounds(c.Left(), c.Top(), c.Width(), v); })
            .Property<std::string>("Caption", &Control::Caption, &Control::SetCaption)
            .Property<Color>("Color", &Control::GetColor, &Control::SetColor)
            .Property<bool>("ParentColor", &Control::ParentColor, &Control::SetParentColor)
            .Property<bool>("ParentFont", &Control::ParentFont, &Control::SetParentFont)
            .Property<bool>("Enabled", &Control::Enabled, &Control::SetEnabled)
            .Property<bool>("Visible", &Control::Visible, &Control::SetVisible)
            .Property<Set<Anchor>>("Anchors", &Control::Anchors, &Control::SetAnchors)
            .Property<MouseCursor>("Cursor", &Control::Cursor, &Control::SetCursor)
            .Event("OnClick", [](Control& c, NotifyEvent e) { c.SetOnClick(std::move(e)); });
        PublishFont<Control>(ci, "Font", &Control::Font, &Control::SetFont);
        return ci;
    }();
    return info;
}

void Control::SetParent(WinControl* parent) {
    if (parent_ == parent) return;
    if (parent_) {
        auto& list = parent_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        if (parent_->captured_ == this) parent_->captured_ = nullptr;
        if (parent_->hovered_ == this) parent_->hovered_ = nullptr;
        if (!IsWindowed()) parent_->Invalidate();
    }
    parent_ = parent;
    if (parent_) {
        parent_->controls_.push_back(this);
        if (parent_->HandleAllocated()) {
            if (auto* self = dynamic_cast<WinControl*>(this))
                self->Handle();
            else
                Invalidate();
        }
    }
}

void Control::SetParentComponent(Component& parent) {
    if (auto* container = dynamic_cast<WinControl*>(&parent)) SetParent(container);
}

void Control::SetBounds(int left, int top, int width, int height) {
    const Rect r = Rect::FromBounds(left, top, width, height);
    if (r == bounds_) return;
    if (!IsWindowed()) Invalidate();
    bounds_ = r;
    if (!IsWindowed()) Invalidate();
    BoundsChanged();
}

Color Control::GetColor() const { return parentColor_ && parent_ ? parent_->GetColor() : color_; }

void Control::SetColor(Color color) {
    if (color == color_ && !parentColor_) return;
    color_ = color;
    parentColor_ = false;
    ColorChanged();
}

const FontSpec& Control::Font() const { return parentFont_ && parent_ ? parent_->Font() : font_; }

void Control::SetFont(const FontSpec& font) {
    if (font == font_ && !parentFont_) return;
    font_ = font;
    parentFont_ = false;
    FontChanged();
}

void Control::SetParentFont(bool on) {
    if (on == parentFont_) return;
    if (!on && parent_) font_ = parent_->Font();
    parentFont_ = on;
    FontChanged();
}

void Control::SetCaption(std::string caption) {
    if (!fw::Change(caption_, std::move(caption))) return;
    TextChanged();
    NotifyAccessible(EVENT_OBJECT_NAMECHANGE);
}

void Control::SetEnabled(bool enabled) {
    if (!fw::Change(enabled_, enabled)) return;
    EnabledChanged();
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
}

void Control::NotifyAccessible(unsigned long event) { fw::NotifyAccessible(*this, event); }

void Control::Click() {
    if (onClick_) onClick_(*this);
}

void Control::Invalidate() {
    if (!parent_ || !parent_->HandleAllocated()) return;
    RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
    ::InvalidateRect(parent_->Handle(), &r, FALSE);
}

void Control::Paint(Canvas&) {}

bool Control::AcceleratorsHidden() const {
    const auto* self = dynamic_cast<const WinControl*>(this);
    const WinControl* window = self ? self : parent_;
    if (!window || !window->HandleAllocated()) return false;
    const LRESULT state = ::SendMessageA(window->ExistingHandle(), WM_QUERYUISTATE, 0, 0);
    return (state & UISF_HIDEACCEL) != 0;
}

void Control::MouseDown(int, int) {}
void Control::MouseMove(int, int) {}
void Control::MouseUp(int x, int y) {
    if (ClientRect().Contains(x, y)) Click();
}

void Control::FontChanged() {
    Invalidate();
    if (auto* self = dynamic_cast<WinControl*>(this))
        for (Control* child : self->Controls())
            if (child->parentFont_) child->FontChanged();
}

void Control::ColorChanged() {
    Invalidate();
    if (auto* self = dynamic_cast<WinControl*>(this))
        for (Control* child : self->Controls())
            if (child->parentColor_) child->ColorChanged();
}

void Control::VisibleChanged() {
    if (parent_ && parent_->HandleAllocated()) {
        RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
        ::InvalidateRect(parent_->Handle(), &r, FALSE);
    }
}

}  // namespace fw
