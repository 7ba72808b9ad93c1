// The effects label's text measuring: turned text, tracing and the TrueType rules of turned text.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ControlHost.h"
#include "TextMeasure.h"
#include "controls/FxText_win.h"
#include "controls/Label_win.h"
#include "controls/RotatedText.h"

namespace {

// The host window: client 400 x 300 at (60, 60).
class EclLabelText : public wintest::ControlHostTest {
protected:
    EclLabelText() : ControlHostTest({60, 60, 400, 300}) {}
    void SetUp() override {
        ControlHostTest::SetUp();
        Load("");
    }
    // A new self-sizing label on the host: "Stock &count" in Arial, character height 16.
    TEclLabel& Made(int angle = 0, int tracing = 0) {
        auto& label = form_.Create<TEclLabel>();
        label.SetParent(&form_);
        fw::FontSpec font;
        font.name = "Arial";
        font.height = -16;
        label.SetFont(font);
        label.SetCaption("Stock &count");
        label.FontFX().SetTracing(tracing);
        label.FontFX().SetAngle(angle);
        return label;
    }
};

TEST_F(EclLabelText, TurnedLabelIsTheTurnedTextsBoxWithTheTextCentred) {
    const SIZE line = wintest::TextSize("Stock count", "Arial", -16, false);
    for (int angle : {0, 90, 180, 270, 45, 330}) {
        TEclLabel& label = Made(angle);
        const ecl::RotatedBox box = ecl::RotatedTextBox(line.cx, line.cy, angle);
        EXPECT_EQ(label.Width(), box.width + 2) << angle;
        EXPECT_EQ(label.Height(), box.height + 2) << angle;
        EXPECT_EQ(label.FontFX().PosX(), box.originX) << angle;
        EXPECT_EQ(label.FontFX().PosY(), box.originY) << angle;
        EXPECT_EQ(label.Font().name, "Arial") << "a TrueType face keeps its name";
    }
}

TEST_F(EclLabelText, TracingWidensTheMeasuredSizeByItsPixelsPerCharacter) {
    const SIZE line = wintest::TextSize("Stock count", "Arial", -16, false);
    struct Case {
        int tracing;
        int angle;
        int width, height;
    };
    const int n = static_cast<int>(std::string("Stock count").size());
    const Case cases[] = {
        {0, 0, line.cx + 2, line.cy + 2},
        {3, 0, line.cx + 3 * n + 2, line.cy + 2},
        {3, 90, line.cy + 2, line.cx + 3 * n + 2},
    };
    for (const Case& c : cases) {
        TEclLabel& label = Made(c.angle, c.tracing);
        EXPECT_EQ(label.Width(), c.width) << c.tracing << " at " << c.angle;
        EXPECT_EQ(label.Height(), c.height) << c.tracing << " at " << c.angle;
    }
}

TEST_F(EclLabelText, TurnedTextTakesATrueTypeFaceAndAFaceThatCannotTurnDropsTheAngle) {
    fw::FontSpec bitmap;
    bitmap.name = "System";
    bitmap.height = -16;
    ASSERT_FALSE(ecl::IsTrueTypeFont(bitmap)) << "the test needs a face that is not TrueType";

    TEclLabel& label = Made();
    label.SetFont(bitmap);
    label.FontFX().SetAngle(90);
    EXPECT_EQ(label.FontFX().Angle(), 90);
    EXPECT_EQ(label.Font().name, ecl::kTrueTypeFace) << "the angle brings in a TrueType face";
    EXPECT_TRUE(ecl::IsTrueTypeFont(label.Font()));

    label.SetFont(bitmap);
    EXPECT_EQ(label.FontFX().Angle(), 0) << "a face that cannot turn takes the angle away";
    EXPECT_EQ(label.Font().name, "System");
}

}  // namespace
