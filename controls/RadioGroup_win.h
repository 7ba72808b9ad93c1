#pragma once
// The radio group: a frame with a caption on one of its lines and one item window per string of
// Items, of which one (or none) is selected. A user's change of the selection, by mouse, arrow key
// or accelerator, raises OnClick after ItemIndex took the new value, then OnChange; a change made
// by code raises nothing. The group is a tab stop that hands the focus to its selected item.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/Bevel.h"
#include "controls/FxCaption.h"
#include "controls/GlyphTextLayout.h"
#include "controls/RadioGroupButton_win.h"
#include "controls/RadioLayout.h"
#include "controls/Theme_win.h"
#include "framework/Change.h"
#include "framework/Control_win.h"

class TEclRadioGroup : public fw::WinControl {
public:
    using ChangeEvent = std::function<void(fw::Component& sender, int index)>;

    explicit TEclRadioGroup(fw::Component* owner);
    ~TEclRadioGroup() override;
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    int ItemIndex() const { return itemIndex_; }
    // Clamped to -1 .. count - 1; moves the mark without raising OnClick.
    void SetItemIndex(int index);
    // The item windows, one per string.
    int ItemCount() const { return static_cast<int>(buttons_.size()); }
    TEclRadioGroupButton& Item(int index) { return *buttons_.at(static_cast<size_t>(index)); }

    TEclGroupCaptionAlign Alignment() const { return alignment_; }
    void SetAlignment(TEclGroupCaptionAlign alignment);
    TEclBevel& Bevel() { return bevel_; }
    const TEclBevel& Bevel() const { return bevel_; }
    TEclGlyphTextLayout& BtnAlignment() { return btnAlignment_; }
    const TEclGlyphTextLayout& BtnAlignment() const { return btnAlignment_; }
    // The caption's font: the parent's while CaptionParentFont is on; changing it turns that off.
    const fw::FontSpec& CaptionFont() const;
    void SetCaptionFont(const fw::FontSpec& font);
    bool CaptionParentFont() const { return captionParentFont_; }
    void SetCaptionParentFont(bool on);
    TEcl3DCaption& CaptionFont3D() { return captionFont3D_; }
    const TEcl3DCaption& CaptionFont3D() const { return captionFont3D_; }
    int CaptionOffset() const { return captionOffset_; }
    void SetCaptionOffset(int offset);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    int ItemOffset() const { return itemOffset_; }
    void SetItemOffset(int offset);
    int GlyphSize() const { return glyphSize_; }
    void SetGlyphSize(int size);
    bool GlyphTransparent() const { return glyphTransparent_; }
    void SetGlyphTransparent(bool on);
    fw::Color GlyphTransparentColor() const { return glyphTransparentColor_; }
    void SetGlyphTransparentColor(fw::Color color);
    bool GlyphFlat() const { return glyphFlat_; }
    void SetGlyphFlat(bool on);
    bool FlatGlyphs() const { return flatGlyphs_; }
    void SetFlatGlyphs(bool on) { flatGlyphs_ = on; }
    TEclFocusStyle FocusStyle() const { return focusStyle_; }
    void SetFocusStyle(TEclFocusStyle style);
    fw::Color FocusColor() const { return focusColor_; }
    void SetFocusColor(fw::Color color);
    bool UseFocusColor() const { return useFocusColor_; }
    void SetUseFocusColor(bool on);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool CtlXP() const { return ctlXP_; }
    void SetCtlXP(bool on);
    bool CtlXPCaptionColor() const { return ctlXPCaptionColor_; }
    void SetCtlXPCaptionColor(bool on);
    void SetOnChange(ChangeEvent handler) { onChange_ = std::move(handler); }
    void SetOnDblClick(fw::NotifyEvent handler) { onDblClick_ = std::move(handler); }
    void DblClick();

    // The caption font as drawn: a caption turned onto a side needs a TrueType face.
    fw::FontSpec CaptionDrawFont() const;
    // Height of the caption line: a "W" in the caption font plus the caption effect's room.
    int CaptionHeight() const;
    // Item rectangles in client coordinates.
    std::vector<fw::Rect> ItemRects() const;

    // What an item reports of a user's choice: the item becomes the selected one and, when that
    // changed the selection, OnClick and OnChange fire. Ignored while the items are re-created.
    void ItemClicked(int index);
    // An arrow key on item `from`: the focus goes to the next or previous item, wrapping.
    void FocusNeighbour(int from, bool forward);
    // The group's accelerator focuses the selected item; an item's focuses and chooses that item.
    bool Accelerate(char letter) override;
    // The group's face (background, frame and caption) under `area` of the group, drawn at the
    // canvas's origin: the background of the transparent items.
    void PaintBackground(fw::Canvas& canvas, const fw::Rect& area);

    // Repaints the group and its items.
    void Invalidate() override;
    void Paint(fw::Canvas& canvas) override;
    void Loaded() override;
    void ThemeChanged() override;
    bool Describe(fw::AccessibleInfo& info) const override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void TextChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void BoundsChanged() override;

private:
    void CreateItems();
    void DropLastItem();
    void LayOutItems();
    void ReceiveFocus();
    void PaintFrame(fw::Canvas& canvas, const fw::Rect& frame, bool themed);
    void PaintCaption(fw::Canvas& canvas, fw::Color background, bool themed);
    // After a change that moves the caption or the items: repaint and lay the items out again.
    void Relayout() {
        Invalidate();
        LayOutItems();
    }

    std::vector<std::string> items_;
    std::vector<std::unique_ptr<TEclRadioGroupButton>> buttons_;
    bool rebuilding_ = false;
    int itemIndex_ = -1;
    TEclGroupCaptionAlign alignment_ = TEclGroupCaptionAlign::gcaTopLeft;
    TEclBevel bevel_;
    TEclGlyphTextLayout btnAlignment_{TEclAlignment::agCenterLeft};
    fw::FontSpec captionFont_;
    bool captionParentFont_ = true;
    TEcl3DCaption captionFont3D_;
    int captionOffset_ = 8;
    int columns_ = 1;
    int itemHeight_ = -1;
    int itemOffset_ = 4;
    int glyphSize_ = 13;
    bool glyphTransparent_ = true;
    fw::Color glyphTransparentColor_{0x008080};
    bool glyphFlat_ = false;
    bool flatGlyphs_ = false;
    TEclFocusStyle focusStyle_ = TEclFocusStyle::fcText;
    fw::Color focusColor_{0x808080};
    bool useFocusColor_ = false;
    bool readOnly_ = false;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    bool ctlXP_ = true;
    bool ctlXPCaptionColor_ = true;
    ChangeEvent onChange_;
    fw::NotifyEvent onDblClick_;
    ecl::ThemeData theme_{L"BUTTON"};
};
