#include "controls/RadioGroup_win.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "framework/Change.h"
#include "framework/PartPublisher.h"
#include "controls/Bevel_win.h"
#include "controls/FxText_win.h"
#include "controls/RotatedText.h"
#include "framework/Form_win.h"
#include "framework/Mnemonic.h"
#include "framework/Handles_win.h"

TEclRadioGroup::TEclRadioGroup(fw::Component* owner) : fw::WinControl(owner) {
    SetBounds(0, 0, 185, 105);
    SetTabStop(true);
    bevel_.SetMode(TEclBevelMode::bmWindows);
    // The group draws its own frame, so the Windows bevel keeps its room.
    bevel_.SetThemeSupport(false);
    bevel_.SetOnChange([this] {
        Invalidate();
        LayOutItems();
    });
    btnAlignment_.SetOnChange([this] {
        for (auto& b : buttons_) b->Layout().Assign(btnAlignment_);
        LayOutItems();
    });
    captionFont3D_.SetOnChange([this] {
        Invalidate();
        LayOutItems();
    });
}

// The items go first, while the group is still whole.
TEclRadioGroup::~TEclRadioGroup() {
    while (!buttons_.empty()) buttons_.pop_back();
}

const fw::ClassInfo& TEclRadioGroup::StaticClass() {
    static const fw::ClassInfo info = [] {
        using C = TEclRadioGroup;
        fw::ClassInfo ci("TEclRadioGroup", &fw::WinControl::StaticClass(),
                         [](fw::Component* owner) { return std::make_unique<C>(owner); });
        fw::Publish<C>(ci)
            .Property<std::vector<std::string>>("Items", &C::Items, &C::SetItems)
            .Property<int>("ItemIndex", &C::ItemIndex, &C::SetItemIndex)
            .Property<TEclGroupCaptionAlign>("Alignment", &C::Alignment, &C::SetAlignment)
            .Property<bool>("CaptionParentFont", &C::CaptionParentFont, &C::SetCaptionParentFont)
            .Property<int>("CaptionOffset", &C::CaptionOffset, &C::SetCaptionOffset)
            .Property<int>("Columns", &C::Columns, &C::SetColumns)
            .Property<int>("ItemHeight", &C::ItemHeight, &C::SetItemHeight)
            .Property<int>("ItemOffset", &C::ItemOffset, &C::SetItemOffset)
            .Property<int>("GlyphSize", &C::GlyphSize, &C::SetGlyphSize)
            .Property<bool>("GlyphTransparent", &C::GlyphTransparent, &C::SetGlyphTransparent)
            .Property<fw::Color>("GlyphTransparentColor", &C::GlyphTransparentColor, &C::SetGlyphTransparentColor)
            .Property<bool>("GlyphFlat", &C::GlyphFlat, &C::SetGlyphFlat)
            .Property<bool>("FlatGlyphs", &C::FlatGlyphs, &C::SetFlatGlyphs)
            .Property<TEclFocusStyle>("FocusStyle", &C::FocusStyle, &C::SetFocusStyle)
            .Property<fw::Color>("FocusColor", &C::FocusColor, &C::SetFocusColor)
            .Property<bool>("UseFocusColor", &C::UseFocusColor, &C::SetUseFocusColor)
            .Property<bool>("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
            .Property<bool>("ShowAccelChar", &C::ShowAccelChar, &C::SetShowAccelChar)
            .Property<bool>("Transparent", &C::Transparent, &C::SetTransparent)
            .Property<bool>("CtlXP", &C::CtlXP, &C::SetCtlXP)
            .Property<bool>("CtlXPCaptionColor", &C::CtlXPCaptionColor, &C::SetCtlXPCaptionColor)
            .Event<ChangeEvent>("OnChange", [](C& c, ChangeEvent e) { c.SetOnChange(std::move(e)); })
            .Event("OnDblClick", [](C& c, fw::NotifyEvent e) { c.SetOnDblClick(std::move(e)); });
        ecl::PublishBevel(fw::PublishPart<C>(
            ci, "Bevel", [](auto& c) -> auto& { return c.Bevel(); }));
        ecl::PublishGlyphTextLayout(fw::PublishPart<C>(
            ci, "BtnAlignment", [](auto& c) -> auto& { return c.BtnAlignment(); }));
        ecl::PublishFxCaption(fw::PublishPart<C>(
            ci, "CaptionFont3D", [](auto& c) -> auto& { return c.CaptionFont3D(); }));
        fw::PublishFont<C>(ci, "CaptionFont", &C::CaptionFont, &C::SetCaptionFont);
        return ci;
    }();
    return info;
}

void TEclRadioGroup::SetItems(const std::vector<std::string>& items) {
    if (!fw::Change(items_, items)) return;
    if (IsLoading()) return;
    const int last = static_cast<int>(items_.size()) - 1;
    if (itemIndex_ > last) itemIndex_ = last;
    CreateItems();
    Invalidate();
}

void TEclRadioGroup::SetItemIndex(int index) {
    if (IsLoading()) {
        itemIndex_ = index;
        return;
    }
    index = ecl::ClampItemIndex(index, static_cast<int>(items_.size()));
    if (index == itemIndex_) return;
    if (itemIndex_ >= 0 && itemIndex_ < ItemCount()) Item(itemIndex_).SetChecked(false);
    itemIndex_ = index;
    if (index >= 0 && index < ItemCount()) Item(index).SetChecked(true);
}

void TEclRadioGroup::Loaded() {
    fw::WinControl::Loaded();
    itemIndex_ = ecl::ClampItemIndex(itemIndex_, static_cast<int>(items_.size()));
    CreateItems();
    Invalidate();
}

void TEclRadioGroup::CreateItems() {
    while (ItemCount() < static_cast<int>(items_.size()))
        buttons_.push_back(std::make_unique<TEclRadioGroupButton>(*this, ItemCount()));
    while (ItemCount() > static_cast<int>(items_.size())) DropLastItem();
    rebuilding_ = true;
    for (int i = 0; i < ItemCount(); ++i) {
        TEclRadioGroupButton& b = Item(i);
        b.SetCaption(items_[static_cast<size_t>(i)]);
        b.Layout().Assign(btnAlignment_);
        b.SetParentColor(true);
        b.SetChecked(i == itemIndex_);
    }
    rebuilding_ = false;
    LayOutItems();
}

void TEclRadioGroup::DropLastItem() {
    TEclRadioGroupButton& last = *buttons_.back();
    if (last.Focused()) {
        rebuilding_ = true;  // the group keeps the focus it is given here
        if (CanFocus())
            SetFocus();
        else if (Parent())
            Parent()->SetFocus();
        rebuilding_ = false;
    }
    buttons_.pop_back();
}

void TEclRadioGroup::LayOutItems() {
    if (IsLoading() || buttons_.empty()) return;
    const std::vector<fw::Rect> rects = ItemRects();
    for (size_t i = 0; i < rects.size() && i < buttons_.size(); ++i) {
        const fw::Rect& r = rects[i];
        buttons_[i]->SetBounds(r.left, r.top, r.Width(), r.Height());
        buttons_[i]->SetVisible(true);
    }
}

void TEclRadioGroup::ItemClicked(int index) {
    if (rebuilding_) return;
    const int old = itemIndex_;
    SetItemIndex(index);
    if (itemIndex_ == old) return;
    Click();
    if (onChange_) onChange_(*this, itemIndex_);
}

void TEclRadioGroup::FocusNeighbour(int from, bool forward) {
    const int next = ecl::NextItem(from, ItemCount(), forward);
    if (next >= 0 && next != from && Item(next).Enabled()) Item(next).FocusAndChoose();
}

bool TEclRadioGroup::Describe(fw::AccessibleInfo& info) const {
    info.role = fw::AccessibleRole::Grouping;
    info.name = fw::StripAccelMarks(Caption());
    return true;
}

bool TEclRadioGroup::Accelerate(char letter) {
    if (!showAccelChar_ || !CanFocus() || letter == 0) return false;
    if (fw::AccelChar(Caption()) == letter) {
        if (itemIndex_ >= 0 && itemIndex_ < ItemCount() && Item(itemIndex_).CanFocus()) Item(itemIndex_).SetFocus();
        return true;
    }
    for (auto& b : buttons_) {
        if (fw::AccelChar(b->Caption()) != letter || !b->CanFocus()) continue;
        b->FocusAndChoose();
        return true;
    }
    return false;
}

void TEclRadioGroup::DblClick() {
    if (onDblClick_) onDblClick_(*this);
}

void TEclRadioGroup::ReceiveFocus() {
    if (rebuilding_) return;
    // The form's Tab passes the group and its items as one stop, so the focus never comes back
    // from the selected item on its way elsewhere: it always goes on to that item.
    if (itemIndex_ >= 0 && itemIndex_ < ItemCount() && Item(itemIndex_).CanFocus()) {
        Item(itemIndex_).SetFocus();
        return;
    }
    // Nothing to hand the focus to: on to the next control (the previous one with Shift).
    auto* form = dynamic_cast<fw::Form*>(FromHandle(::GetAncestor(Handle(), GA_ROOT)));
    if (form) form->SelectNext((::GetKeyState(VK_SHIFT) & 0x8000) != 0);
}

void TEclRadioGroup::SetAlignment(TEclGroupCaptionAlign alignment) {
    fw::Change(alignment_, alignment, this, &TEclRadioGroup::Relayout);
}

const fw::FontSpec& TEclRadioGroup::CaptionFont() const {
    return captionParentFont_ && Parent() ? Parent()->Font() : captionFont_;
}

void TEclRadioGroup::SetCaptionFont(const fw::FontSpec& font) {
    if (font == captionFont_ && !captionParentFont_) return;
    captionFont_ = font;
    captionParentFont_ = false;
    Invalidate();
    LayOutItems();
}

void TEclRadioGroup::SetCaptionParentFont(bool on) {
    if (on == captionParentFont_) return;
    if (!on) captionFont_ = CaptionFont();
    captionParentFont_ = on;
    Invalidate();
    LayOutItems();
}

void TEclRadioGroup::SetCaptionOffset(int offset) {
    fw::Change(captionOffset_, offset, this, &TEclRadioGroup::Relayout);
}
void TEclRadioGroup::SetColumns(int columns) {
    fw::Change(columns_, ecl::ClampColumns(columns), this, &TEclRadioGroup::Relayout);
}
void TEclRadioGroup::SetItemHeight(int height) { fw::Change(itemHeight_, height, this, &TEclRadioGroup::Relayout); }
void TEclRadioGroup::SetItemOffset(int offset) { fw::Change(itemOffset_, offset, this, &TEclRadioGroup::Relayout); }
void TEclRadioGroup::SetShowAccelChar(bool on) { fw::Change(showAccelChar_, on, this, &TEclRadioGroup::Relayout); }

// The items paint with these: they repaint with the group.
void TEclRadioGroup::SetGlyphSize(int size) { fw::Change(glyphSize_, size & 0xFF, this, &TEclRadioGroup::Invalidate); }
void TEclRadioGroup::SetGlyphTransparent(bool on) {
    fw::Change(glyphTransparent_, on, this, &TEclRadioGroup::Invalidate);
}
void TEclRadioGroup::SetGlyphTransparentColor(fw::Color color) {
    fw::Change(glyphTransparentColor_, color, this, &TEclRadioGroup::Invalidate);
}
void TEclRadioGroup::SetGlyphFlat(bool on) { fw::Change(glyphFlat_, on, this, &TEclRadioGroup::Invalidate); }
void TEclRadioGroup::SetFocusStyle(TEclFocusStyle style) {
    fw::Change(focusStyle_, style, this, &TEclRadioGroup::Invalidate);
}
void TEclRadioGroup::SetFocusColor(fw::Color color) {
    fw::Change(focusColor_, color, this, &TEclRadioGroup::Invalidate);
}
void TEclRadioGroup::SetUseFocusColor(bool on) { fw::Change(useFocusColor_, on, this, &TEclRadioGroup::Invalidate); }
void TEclRadioGroup::SetTransparent(bool on) { fw::Change(transparent_, on, this, &TEclRadioGroup::Invalidate); }
void TEclRadioGroup::SetCtlXP(bool on) { fw::Change(ctlXP_, on, this, &TEclRadioGroup::Invalidate); }
void TEclRadioGroup::SetCtlXPCaptionColor(bool on) {
    fw::Change(ctlXPCaptionColor_, on, this, &TEclRadioGroup::Invalidate);
}

void TEclRadioGroup::Invalidate() {
    fw::WinControl::Invalidate();
    for (auto& b : buttons_) b->Invalidate();
}

void TEclRadioGroup::TextChanged() {
    fw::WinControl::TextChanged();
    LayOutItems();
}

void TEclRadioGroup::FontChanged() {
    fw::WinControl::FontChanged();
    LayOutItems();
}

void TEclRadioGroup::EnabledChanged() {
    fw::WinControl::EnabledChanged();
    for (auto& b : buttons_) b->SetEnabled(Enabled());
}

void TEclRadioGroup::BoundsChanged() { LayOutItems(); }

void TEclRadioGroup::ThemeChanged() {
    theme_.Reset();
    fw::WinControl::ThemeChanged();
}

int TEclRadioGroup::CaptionHeight() const {
    int room = 0;
    switch (captionFont3D_.Style()) {
        case TEclThreeDStyle::tdSunken:
        case TEclThreeDStyle::tdRaised: room = captionFont3D_.LightDepth(); break;
        case TEclThreeDStyle::tdSunkenShadow:
        case TEclThreeDStyle::tdRaisedShadow:
        case TEclThreeDStyle::tdPColorSunken:
        case TEclThreeDStyle::tdPColorRaised: room = captionFont3D_.LightDepth() + captionFont3D_.ShadowDepth(); break;
        case TEclThreeDStyle::tdShadow: room = captionFont3D_.ShadowDepth(); break;
        default: break;
    }
    return ecl::ScreenTextExtent("W", CaptionDrawFont()).cy + room;
}

std::vector<fw::Rect> TEclRadioGroup::ItemRects() const {
    ecl::RadioGroupGeometry g;
    g.width = Width();
    g.height = Height();
    g.bevelExtent = bevel_.Extent();
    g.captionHeight = ecl::CaptionShows(Caption()) ? CaptionHeight() : 0;
    g.side = ecl::SideOf(alignment_);
    g.columns = columns_;
    g.itemHeight = itemHeight_;
    g.itemOffset = itemOffset_;
    g.count = static_cast<int>(items_.size());
    return ecl::LayOutRadioItems(g);
}

LRESULT TEclRadioGroup::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONDOWN:
            // A press on the frame or caption brings the focus into the group (to its selected item).
            if (Enabled() && CanFocus() && !Focused() && !::IsChild(Handle(), ::GetFocus())) SetFocus();
            return 0;
        case WM_SETFOCUS: ReceiveFocus(); return 0;
        default: break;
    }
    return fw::WinControl::WndProc(msg, wParam, lParam);
}

void TEclRadioGroup::PaintBackground(fw::Canvas& canvas, const fw::Rect& area) {
    fw::SaveDcScope save(canvas.Dc());
    ::OffsetViewportOrgEx(canvas.Dc(), -area.left, -area.top, nullptr);
    Paint(canvas);
}

void TEclRadioGroup::Paint(fw::Canvas& canvas) {
    if (IsLoading()) return;
    const fw::Color background = transparent_ && Parent() ? Parent()->BackColor() : BackColor();
    canvas.FillRect(ClientRect(), background);
    const bool themed = ecl::VisualStyleInForce(ctlXP_);
    const bool hasCaption = ecl::CaptionShows(Caption());
    PaintFrame(canvas,
               ecl::RadioFrameRect(Width(), Height(), hasCaption ? CaptionHeight() : 0, ecl::SideOf(alignment_)),
               themed);
    if (!hasCaption) return;
    // The caption box is cleared in the parent's colour under a visual style, whose frame stands
    // on the parent's background.
    const fw::Color clear =
        themed && Parent() && bevel_.Mode() == TEclBevelMode::bmWindows ? Parent()->BackColor() : background;
    PaintCaption(canvas, clear, themed);
}

void TEclRadioGroup::PaintFrame(fw::Canvas& canvas, const fw::Rect& frame, bool themed) {
    if (bevel_.Mode() != TEclBevelMode::bmWindows) {
        ecl::DrawBevel(canvas, bevel_, frame, true, BackColor());
        return;
    }
    const RECT r{frame.left, frame.top, frame.right, frame.bottom};
    if (themed &&
        theme_.DrawBackground(Handle(), canvas.Dc(), BP_GROUPBOX, Enabled() ? GBS_NORMAL : GBS_DISABLED, r, nullptr))
        return;
    RECT edge = r;
    ::DrawEdge(canvas.Dc(), &edge, EDGE_ETCHED, BF_RECT);
}

void TEclRadioGroup::PaintCaption(fw::Canvas& canvas, fw::Color background, bool themed) {
    const fw::FontSpec font = CaptionDrawFont();
    const ecl::CaptionPlace place =
        ecl::RadioCaptionPlace(Width(), Height(), CaptionHeight(), captionOffset_, alignment_);
    const ecl::CaptionSide side = ecl::SideOf(alignment_);
    const UINT format = DT_SINGLELINE | DT_EXPANDTABS | (showAccelChar_ ? 0 : DT_NOPREFIX);
    const SIZE size = canvas.MeasureText(Caption(), font, format, 0, captionFont3D_.Tracing());
    // The measured box turns with the text; a turned text is drawn from the corner of the box
    // where its reading starts.
    TEcl3DCaption fx;
    fx.Assign(captionFont3D_);
    fx.SetAngle(ecl::CaptionAngle(alignment_));
    const ecl::RotatedBox box = ecl::RotatedTextBox(size.cx + 2, size.cy + 2, fx.Angle());
    const fw::Rect text = ecl::AlignBlock(place.box, box.width, box.height, place.align);
    fx.SetPosX(fx.PosX() + box.originX);
    fx.SetPosY(fx.PosY() + box.originY);
    // Keep the frame line out of the caption.
    canvas.FillRect(ecl::CaptionClearRect(text, side), background);
    fw::Color color = TextColor(font.color);
    COLORREF themeColor = 0;
    if (!fw::HighContrast() && themed && ctlXPCaptionColor_ &&
        theme_.Color(Handle(), BP_GROUPBOX, Enabled() ? GBS_NORMAL : GBS_DISABLED, TMT_TEXTCOLOR, themeColor))
        color = fw::Color{static_cast<std::int32_t>(themeColor)};
    ecl::DrawFxText(canvas, fx, Caption(), text, format, font, color, background, {Enabled(), false, false});
}

fw::FontSpec TEclRadioGroup::CaptionDrawFont() const {
    return ecl::CaptionAngle(alignment_) != 0 ? ecl::TurnableFont(CaptionFont()) : CaptionFont();
}
