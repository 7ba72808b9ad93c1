#include "framework/Change.h"
#include "framework/StdControls_win.h"

#include <algorithm>

#include "framework/Mnemonic.h"
#include "framework/PartPublisher.h"
#include "framework/Bitmaps_win.h"

namespace fw {

namespace {

SIZE TextExtent(const std::string& text, const FontSpec& font) {
    WindowDc screen;
    Canvas canvas(screen.Get());
    return canvas.MeasureText(text.empty() ? std::string(" ") : text, font, DT_EXPANDTABS);
}

}  // namespace

// --- Label ---------------------------------------------------------------------------------------

Label::Label(Component* owner) : Control(owner) { SetBounds(0, 0, 65, 13); }

const ClassInfo& Label::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo ci("TLabel", &Control::StaticClass(),
                     [](Component* owner) { return std::make_unique<Label>(owner); });
        Publish<Label>(ci)
            .Property<bool>("AutoSize", &Label::AutoSize, &Label::SetAutoSize)
            .Property<bool>("Transparent", &Label::Transparent, &Label::SetTransparent);
        return ci;
    }();
    return info;
}

void Label::SetAutoSize(bool on) {
    if (!fw::Change(autoSize_, on)) return;
    AdjustSize();
}

void Label::SetTransparent(bool on) {
    if (!fw::Change(transparent_, on)) return;
    Invalidate();
}

void Label::Loaded() {
    Control::Loaded();
    AdjustSize();
}

void Label::TextChanged() {
    AdjustSize();
    Invalidate();
}

void Label::FontChanged() {
    AdjustSize();
    Control::FontChanged();
}

void Label::AdjustSize() {
    if (!autoSize_ || IsLoading()) return;
    const SIZE size = TextExtent(Caption(), Font());
    SetBounds(Left(), Top(), size.cx, size.cy);
}

bool Label::Describe(AccessibleInfo& info) const { return DescribeStaticText(info, StripAccelMarks(Caption())); }

void Label::Paint(Canvas& canvas) {
    if (!transparent_) canvas.FillRect(ClientRect(), BackColor());
    const Color textColor = Enabled() ? TextColor() : clGrayText;
    canvas.DrawText(Caption(), ClientRect(), DT_EXPANDTABS | DT_WORDBREAK, Font(), textColor);
}

// --- Image ---------------------------------------------------------------------------------------

Image::Image(Component* owner) : Control(owner) { SetBounds(0, 0, 105, 105); }

const ClassInfo& Image::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo ci("TImage", &Control::StaticClass(),
                     [](Component* owner) { return std::make_unique<Image>(owner); });
        Publish<Image>(ci)
            .Property<bool>("AutoSize", &Image::AutoSize, &Image::SetAutoSize)
            .Property<bool>("Proportional", &Image::Proportional, &Image::SetProportional)
            .Property<bool>("Stretch", &Image::Stretch, &Image::SetStretch)
            .Property<bool>("Transparent", &Image::Transparent, &Image::SetTransparent);
        // A stored picture names a bitmap resource of the program: Picture = LOGO.
        ci.Add("Picture",
               PropertyInfo{[](Component& c, const Value& v) {
                                static_cast<Image&>(c).SetPicture(v.kind == Value::Kind::String ? v.text
                                                                                                : ValueToIdentifier(v));
                            },
                            [](const Component& c) {
                                return Value{Value::Kind::Identifier, 0, static_cast<const Image&>(c).Picture(), {}};
                            },
                            {}});
        return ci;
    }();
    return info;
}

void Image::SetPicture(std::string resourceName) {
    if (resourceName == picture_) return;
    UniqueBitmap bitmap;
    if (!resourceName.empty()) bitmap = LoadBitmapResource(resourceName);
    picture_ = std::move(resourceName);
    bitmap_ = std::move(bitmap);
    AdjustSize();
    Invalidate();
}

SIZE Image::PictureSize() const { return BitmapSize(bitmap_.Get()); }

void Image::SetAutoSize(bool on) {
    if (!fw::Change(autoSize_, on)) return;
    AdjustSize();
}

void Image::SetTransparent(bool on) {
    if (!fw::Change(transparent_, on)) return;
    Invalidate();
}

void Image::AdjustSize() {
    if (!autoSize_ || !bitmap_) return;
    const SIZE size = PictureSize();
    SetBounds(Left(), Top(), size.cx, size.cy);
}

void Image::Paint(Canvas& canvas) {
    if (!bitmap_) return;
    const SIZE size = PictureSize();
    int w = size.cx, h = size.cy;
    if (stretch_ || (proportional_ && (w > Width() || h > Height()))) {
        if (proportional_ && w > 0 && h > 0) {
            const double scale = std::min(static_cast<double>(Width()) / w, static_cast<double>(Height()) / h);
            w = static_cast<int>(w * scale);
            h = static_cast<int>(h * scale);
        } else {
            w = Width();
            h = Height();
        }
    }
    UniqueMemoryDc source = NewMemoryDc(canvas.Dc());
    SelectScope select(source.Get(), bitmap_.Get());
    if (transparent_) {
        const COLORREF key = ::GetPixel(source.Get(), 0, size.cy - 1);
        ::TransparentBlt(canvas.Dc(), 0, 0, w, h, source.Get(), 0, 0, size.cx, size.cy, key);
    } else {
        ::StretchBlt(canvas.Dc(), 0, 0, w, h, source.Get(), 0, 0, size.cx, size.cy, SRCCOPY);
    }
}

void RegisterFrameworkClasses() {
    ClassRegistry::Register(Label::StaticClass());
    ClassRegistry::Register(Image::StaticClass());
}

}  // namespace fw
