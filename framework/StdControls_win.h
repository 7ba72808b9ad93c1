#pragma once
// The framework's plain windowless controls: a text label and a picture.
#include "framework/Change.h"
#include "framework/Control_win.h"
#include "framework/Handles_win.h"

namespace fw {

// A label that paints its caption on its background colour and, with AutoSize, takes the size of its text.
class Label : public Control {
public:
    explicit Label(Component* owner);
    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    void Paint(Canvas& canvas) override;
    void Loaded() override;
    bool Describe(AccessibleInfo& info) const override;

protected:
    void TextChanged() override;
    void FontChanged() override;

private:
    void AdjustSize();
    bool autoSize_ = true;
    bool transparent_ = false;
};

// A picture from a bitmap resource. Transparent leaves out every pixel of the colour of the
// picture's lower-left pixel; AutoSize gives the control the picture's size.
class Image : public Control {
public:
    explicit Image(Component* owner);
    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

    const std::string& Picture() const { return picture_; }
    void SetPicture(std::string resourceName);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool on) { fw::Change(proportional_, on, this, &Image::Invalidate); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on) { fw::Change(stretch_, on, this, &Image::Invalidate); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    SIZE PictureSize() const;
    void Paint(Canvas& canvas) override;

private:
    void AdjustSize();
    std::string picture_;
    UniqueBitmap bitmap_;
    bool autoSize_ = false;
    bool proportional_ = false;
    bool stretch_ = false;
    bool transparent_ = false;
};

void RegisterFrameworkClasses();

}  // namespace fw
