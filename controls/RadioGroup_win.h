#pragma once
// The radio group: a frame with a caption on its top line and one radio item per string of Items,
// of which one (or none) is selected. A user's change of the selection, by mouse or arrow key,
// raises OnClick after ItemIndex took the new value; a change made by code raises nothing.
#include <functional>
#include <string>
#include <vector>

#include "controls/Bevel.h"
#include "controls/FxCaption.h"
#include "controls/GlyphTextLayout.h"
#include "controls/RadioLayout.h"
#include "framework/Control_win.h"

class TEclRadioGroup : public fw::WinControl {
public:
    using ChangeEvent = std::function<void(fw::Component& sender, int index)>;

    explicit TEclRadioGroup(fw::Component* owner);
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    int ItemIndex() const { return itemIndex_; }
    // Clamped to -1 .. count - 1; moves the mark without raising OnClick.
    void SetItemIndex(int index);

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

    // Height of the caption line: a "W" in the caption font plus the caption effect's room.
    int CaptionHeight() const;
    // Item rectangles in client coordinates.
    std::vector<fw::Rect> ItemRects() const;

    void Paint(fw::Canvas& canvas) override;
    void Loaded() override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void SelectByUser(int index);
    void PaintCaption(fw::Canvas& canvas, fw::Color background);
    void PaintItem(fw::Canvas& canvas, int index, const fw::Rect& item);
    void PaintRadioMark(fw::Canvas& canvas, const fw::Rect& glyph, bool checked, bool pressed);
    template <class T>
    void Store(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Invalidate();
    }

    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int pressedItem_ = -1;  // the item the left mouse button went down on
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
};
