#include "controls/RadioGroup_win.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "controls/Bevel_win.h"
#include "controls/FxText_win.h"
#include "framework/Handles_win.h"

namespace {

template <class Fn>
void EditCaptionFont(TEclRadioGroup& g, Fn edit) {
    fw::FontSpec font = g.CaptionFont();
    edit(font);
    g.SetCaptionFont(font);
}

void PublishCaptionFont(fw::ClassInfo& ci) {
    using C = TEclRadioGroup;
    fw::ClassBuilder<C>(ci)
        .Property<std::string>(
            "CaptionFont.Name", [](const C& c) { return c.CaptionFont().name; },
            [](C& c, std::string v) { EditCaptionFont(c, [&](fw::FontSpec& f) { f.name = v; }); })
        .Property<int>(
            "CaptionFont.Height", [](const C& c) { return c.CaptionFont().height; },
            [](C& c, int v) { EditCaptionFont(c, [&](fw::FontSpec& f) { f.height = v; }); })
        .Property<fw::Color>(
            "CaptionFont.Color", [](const C& c) { return c.CaptionFont().color; },
            [](C& c, fw::Color v) { EditCaptionFont(c, [&](fw::FontSpec& f) { f.color = v; }); })
        .Property<fw::Set<fw::FontStyle>>(
            "CaptionFont.Style", [](const C& c) { return c.CaptionFont().style; },
            [](C& c, fw::Set<fw::FontStyle> v) { EditCaptionFont(c, [&](fw::FontSpec& f) { f.style = v; }); });
    ci.Add("CaptionFont.Charset",
           fw::PropertyInfo{[](fw::Component& c, const fw::Value& v) {
                                const int charset = fw::CharsetFromValue(v);
                                EditCaptionFont(static_cast<C&>(c), [&](fw::FontSpec& f) { f.charset = charset; });
                            },
                            [](const fw::Component& c) {
                                return fw::ValueTraits<int>::To(static_cast<const C&>(c).CaptionFont().charset);
                            },
                            {}});
}

}  // namespace

TEclRadioGroup::TEclRadioGroup(fw::Component* owner) : fw::WinControl(owner) {
    SetBounds(0, 0, 185, 105);
    SetTabStop(true);
    bevel_.SetMode(TEclBevelMode::bmWindows);
    // The group draws its own frame, so the Windows bevel keeps its room.
    bevel_.SetThemeSupport(false);
    bevel_.SetOnChange([this] { Invalidate(); });
    btnAlignment_.SetOnChange([this] { Invalidate(); });
    captionFont3D_.SetOnChange([this] { Invalidate(); });
}

const fw::ClassInfo& TEclRadioGroup::StaticClass() {
    static const fw::ClassInfo info = [] {
        using C = TEclRadioGroup;
        fw::ClassInfo ci("TEclRadioGroup", &fw::WinControl::StaticClass(),
                         [](fw::Component* owner) { return std::make_unique<C>(owner); });
        ecl::Publish<C>(ci)
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
            .Property<bool>("CtlXPCaptionColor", &C::CtlXPCaptionColor, &C::SetCtlXPCaptionColor);
        ecl::PublishBevel(ecl::PublishPart<C>(
            ci, "Bevel", [](auto& c) -> auto& { return c.Bevel(); }));
        ecl::PublishGlyphTextLayout(ecl::PublishPart<C>(
            ci, "BtnAlignment", [](auto& c) -> auto& { return c.BtnAlignment(); }));
        ecl::PublishFxCaption(ecl::PublishPart<C>(
            ci, "CaptionFont3D", [](auto& c) -> auto& { return c.CaptionFont3D(); }));
        PublishCaptionFont(ci);
        return ci;
    }();
    return info;
}

void TEclRadioGroup::SetItems(const std::vector<std::string>& items) {
    if (items == items_) return;
    items_ = items;
    const int last = static_cast<int>(items_.size()) - 1;
    if (!IsLoading() && itemIndex_ > last) itemIndex_ = last;
    Invalidate();
}

void TEclRadioGroup::SetItemIndex(int index) {
    if (!IsLoading()) index = ecl::ClampItemIndex(index, static_cast<int>(items_.size()));
    Store(itemIndex_, index);
}

void TEclRadioGroup::Loaded() {
    fw::WinControl::Loaded();
    itemIndex_ = ecl::ClampItemIndex(itemIndex_, static_cast<int>(items_.size()));
    Invalidate();
}

void TEclRadioGroup::SetAlignment(TEclGroupCaptionAlign alignment) { Store(alignment_, alignment); }

const fw::FontSpec& TEclRadioGroup::CaptionFont() const {
    return captionParentFont_ && Parent() ? Parent()->Font() : captionFont_;
}

void TEclRadioGroup::SetCaptionFont(const fw::FontSpec& font) {
    if (font == captionFont_ && !captionParentFont_) return;
    captionFont_ = font;
    captionParentFont_ = false;
    Invalidate();
}

void TEclRadioGroup::SetCaptionParentFont(bool on) {
    if (on == captionParentFont_) return;
    if (!on) captionFont_ = CaptionFont();
    captionParentFont_ = on;
    Invalidate();
}

void TEclRadioGroup::SetCaptionOffset(int offset) { Store(captionOffset_, offset); }
void TEclRadioGroup::SetColumns(int columns) { Store(columns_, ecl::ClampColumns(columns)); }
void TEclRadioGroup::SetItemHeight(int height) { Store(itemHeight_, height); }
void TEclRadioGroup::SetItemOffset(int offset) { Store(itemOffset_, offset); }
void TEclRadioGroup::SetGlyphSize(int size) { Store(glyphSize_, size & 0xFF); }
void TEclRadioGroup::SetGlyphTransparent(bool on) { Store(glyphTransparent_, on); }
void TEclRadioGroup::SetGlyphTransparentColor(fw::Color color) { Store(glyphTransparentColor_, color); }
void TEclRadioGroup::SetGlyphFlat(bool on) { Store(glyphFlat_, on); }
void TEclRadioGroup::SetFocusStyle(TEclFocusStyle style) { Store(focusStyle_, style); }
void TEclRadioGroup::SetFocusColor(fw::Color color) { Store(focusColor_, color); }
void TEclRadioGroup::SetUseFocusColor(bool on) { Store(useFocusColor_, on); }
void TEclRadioGroup::SetShowAccelChar(bool on) { Store(showAccelChar_, on); }
void TEclRadioGroup::SetTransparent(bool on) { Store(transparent_, on); }
void TEclRadioGroup::SetCtlXP(bool on) { Store(ctlXP_, on); }
void TEclRadioGroup::SetCtlXPCaptionColor(bool on) { Store(ctlXPCaptionColor_, on); }

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
    return ecl::ScreenTextExtent("W", CaptionFont()).cy + room;
}

std::vector<fw::Rect> TEclRadioGroup::ItemRects() const {
    ecl::RadioGroupGeometry g;
    g.width = Width();
    g.height = Height();
    g.bevelExtent = bevel_.Extent();
    g.captionHeight = ecl::CaptionShows(Caption()) ? CaptionHeight() : 0;
    g.columns = columns_;
    g.itemHeight = itemHeight_;
    g.itemOffset = itemOffset_;
    g.count = static_cast<int>(items_.size());
    return ecl::LayOutRadioItems(g);
}

void TEclRadioGroup::SelectByUser(int index) {
    Invalidate();
    if (index == itemIndex_ || index < 0 || index >= static_cast<int>(items_.size())) return;
    itemIndex_ = index;
    Click();
    if (onChange_) onChange_(*this, index);
}

LRESULT TEclRadioGroup::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONDOWN: {
            // Posted input reaches a disabled window too; a disabled group ignores it.
            if (!Enabled()) return 0;
            if (CanFocus() && !Focused()) SetFocus();
            const int item = ecl::RadioItemAt(ItemRects(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            if (item >= 0 && !readOnly_) {
                pressedItem_ = item;
                ::SetCapture(Handle());
                Invalidate();
            }
            return 0;
        }
        case WM_LBUTTONUP:
            // The pressed item is taken wherever the button is released.
            if (pressedItem_ >= 0) {
                const int item = std::exchange(pressedItem_, -1);
                if (::GetCapture() == Handle()) ::ReleaseCapture();
                SelectByUser(item);
            }
            return 0;
        case WM_CAPTURECHANGED:
            if (pressedItem_ >= 0 && reinterpret_cast<HWND>(lParam) != Handle())
                SelectByUser(std::exchange(pressedItem_, -1));
            return 0;
        case WM_KEYDOWN: {
            const bool forward = wParam == VK_DOWN || wParam == VK_RIGHT;
            const bool backward = wParam == VK_UP || wParam == VK_LEFT;
            if (!forward && !backward) break;
            if (Enabled() && !readOnly_)
                SelectByUser(ecl::NextItem(itemIndex_, static_cast<int>(items_.size()), forward));
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS: Invalidate(); break;
        default: break;
    }
    return fw::WinControl::WndProc(msg, wParam, lParam);
}

void TEclRadioGroup::Paint(fw::Canvas& canvas) {
    if (IsLoading()) return;
    const fw::Color background = transparent_ && Parent() ? Parent()->GetColor() : GetColor();
    canvas.FillRect(ClientRect(), background);
    const bool hasCaption = ecl::CaptionShows(Caption());
    const fw::Rect frame = ecl::RadioFrameRect(Width(), Height(), hasCaption ? CaptionHeight() : 0);
    if (bevel_.Mode() == TEclBevelMode::bmWindows) {
        RECT r{frame.left, frame.top, frame.right, frame.bottom};
        ::DrawEdge(canvas.Dc(), &r, EDGE_ETCHED, BF_RECT);
    } else {
        ecl::DrawBevel(canvas, bevel_, frame, true);
    }
    if (hasCaption) PaintCaption(canvas, background);
    const std::vector<fw::Rect> items = ItemRects();
    for (size_t i = 0; i < items.size(); ++i) PaintItem(canvas, static_cast<int>(i), items[i]);
}

void TEclRadioGroup::PaintCaption(fw::Canvas& canvas, fw::Color background) {
    const fw::FontSpec& font = CaptionFont();
    const int height = CaptionHeight();
    fw::Rect box = ecl::RadioCaptionBox(Width(), height, captionOffset_);
    TEclAlignment place = TEclAlignment::agTopLeft;
    if (alignment_ == TEclGroupCaptionAlign::gcaTopCenter) {
        box = {0, 0, Width(), height};
        place = TEclAlignment::agTopCenter;
    } else if (alignment_ == TEclGroupCaptionAlign::gcaTopRight) {
        box = {0, 0, Width() - captionOffset_, height};
        place = TEclAlignment::agTopRight;
    }
    const UINT format = DT_SINGLELINE | DT_EXPANDTABS | (showAccelChar_ ? 0 : DT_NOPREFIX);
    const SIZE size = canvas.MeasureText(Caption(), font, format);
    const fw::Rect text = ecl::AlignBlock(box, size.cx + 2, size.cy + 2, place);
    // Keep the frame line out of the caption.
    canvas.FillRect({text.left - 2, text.top, text.right, text.bottom}, background);
    ecl::DrawFxText(canvas, captionFont3D_, Caption(), text, format, font, font.color, background,
                    {Enabled(), false, false});
}

void TEclRadioGroup::PaintRadioMark(fw::Canvas& canvas, const fw::Rect& glyph, bool checked, bool pressed) {
    const int size = glyph.Width();
    fw::UniqueMemoryDc dc = fw::NewMemoryDc(canvas.Dc());
    fw::UniqueBitmap bitmap = fw::NewCompatibleBitmap(canvas.Dc(), size, size);
    fw::SelectScope select(dc.Get(), bitmap.Get());
    const COLORREF key = fw::ToColorRef(glyphTransparentColor_);
    fw::Canvas(dc.Get()).FillRect({0, 0, size, size}, glyphTransparentColor_);
    RECT r{0, 0, size, size};
    UINT state = DFCS_BUTTONRADIO;
    if (checked) state |= DFCS_CHECKED;
    if (!Enabled()) state |= DFCS_INACTIVE;
    if (pressed && Enabled()) state |= DFCS_PUSHED;
    if (glyphFlat_) state |= DFCS_FLAT;
    ::DrawFrameControl(dc.Get(), &r, DFC_BUTTON, state);
    if (glyphTransparent_)
        ::TransparentBlt(canvas.Dc(), glyph.left, glyph.top, size, size, dc.Get(), 0, 0, size, size, key);
    else
        ::BitBlt(canvas.Dc(), glyph.left, glyph.top, size, size, dc.Get(), 0, 0, SRCCOPY);
}

void TEclRadioGroup::PaintItem(fw::Canvas& canvas, int index, const fw::Rect& item) {
    const std::string& text = items_[static_cast<size_t>(index)];
    const UINT format = DT_SINGLELINE | DT_EXPANDTABS | (showAccelChar_ ? 0 : DT_NOPREFIX);
    const fw::Rect box{item.left + 1, item.top, item.right - 1, item.bottom};
    const int room = box.Width() - glyphSize_ - btnAlignment_.Spacing();
    const SIZE measured = canvas.MeasureText(text, Font(), format, room);
    const ecl::GlyphTextPlacement place =
        ecl::PlaceGlyphText(box, {glyphSize_, glyphSize_}, {measured.cx + 2, measured.cy + 2}, btnAlignment_);

    const bool pressed = index == pressedItem_;
    const bool checked = pressedItem_ >= 0 ? pressed : index == itemIndex_;
    PaintRadioMark(canvas, place.glyph, checked, pressed);
    ecl::DrawFxText(canvas, TEcl3DCaption{}, text, place.text, format, Font(), Font().color, GetColor(),
                    {Enabled(), true, false});

    const int focusItem = itemIndex_ >= 0 ? itemIndex_ : 0;
    if (!Focused() || index != focusItem || focusStyle_ == TEclFocusStyle::fcNone) return;
    fw::Rect focus = item;
    if (focusStyle_ == TEclFocusStyle::fcText)
        focus = {place.text.left - 2, std::max(place.text.top - 1, item.top), place.text.right, place.text.bottom};
    else if (focusStyle_ == TEclFocusStyle::fcGlyph)
        focus = place.glyph;
    else if (focusStyle_ == TEclFocusStyle::fcGlyphText)
        focus = {std::min(place.glyph.left, place.text.left), std::min(place.glyph.top, place.text.top),
                 std::max(place.glyph.right, place.text.right), std::max(place.glyph.bottom, place.text.bottom)};
    if (useFocusColor_) {
        canvas.FrameRect(focus, focusColor_);
    } else {
        RECT r{focus.left, focus.top, focus.right, focus.bottom};
        ::DrawFocusRect(canvas.Dc(), &r);
    }
}
