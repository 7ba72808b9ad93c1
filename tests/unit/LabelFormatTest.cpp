// The effects label's text-drawing formats and self-sizing, and the room and layers of the 3-D
// text effects that the label, the buttons and the radio group share.
#include <gtest/gtest.h>

#include <string>

#include "controls/FxCaption.h"
#include "controls/LabelFormat.h"

namespace {

using ecl::LabelMeasureFormat;
using ecl::LabelPaintFormat;
using ecl::LabelPaintSettings;
using LO = TEclLabelOption;

constexpr unsigned kWordBreak = 0x10, kSingleLine = 0x20, kExpandTabs = 0x40, kNoPrefix = 0x800;
constexpr unsigned kEditControl = 0x2000, kPathEllipsis = 0x4000, kEndEllipsis = 0x8000;

TEST(LabelFormat, EachOptionAddsItsFlag) {
    EXPECT_EQ(ecl::LabelOptionFlags({}), 0u);
    EXPECT_EQ(ecl::LabelOptionFlags({LO::loPathEllipsis}), kPathEllipsis);
    EXPECT_EQ(ecl::LabelOptionFlags({LO::loEndEllipsis}), kEndEllipsis);
    EXPECT_EQ(ecl::LabelOptionFlags({LO::loEditControl}), kEditControl);
    EXPECT_EQ(ecl::LabelOptionFlags({LO::loPathEllipsis, LO::loEndEllipsis, LO::loEditControl}),
              kPathEllipsis | kEndEllipsis | kEditControl);
}

TEST(LabelFormat, MeasuringExpandsTabsAndWrapsOnlyWhenMultiLine) {
    EXPECT_EQ(LabelMeasureFormat({}, false, true), kExpandTabs);
    EXPECT_EQ(LabelMeasureFormat({}, true, true), kExpandTabs | kWordBreak);
    EXPECT_EQ(LabelMeasureFormat({}, false, false), kExpandTabs | kNoPrefix);
    EXPECT_EQ(LabelMeasureFormat({LO::loEndEllipsis}, true, false),
              kExpandTabs | kWordBreak | kNoPrefix | kEndEllipsis);
}

TEST(LabelFormat, BannerPaintsWrappedTabExpandedAndVerticallyCentredFlags) {
    // The main window's banner: agCenterLeft, multi-line, sized to its text, no options.
    LabelPaintSettings banner;
    banner.alignment = TEclAlignment::agCenterLeft;
    banner.multiLine = true;
    EXPECT_EQ(LabelPaintFormat(banner), kWordBreak | kExpandTabs | 0x4u);
}

TEST(LabelFormat, PaintingAlwaysWrapsAndCarriesAlignmentAndOptions) {
    LabelPaintSettings s;
    s.alignment = TEclAlignment::agBottomRight;
    s.options = {LO::loPathEllipsis};
    s.showAccelChar = false;
    EXPECT_EQ(LabelPaintFormat(s), kWordBreak | kExpandTabs | 0xAu | kPathEllipsis | kNoPrefix);
}

struct SingleLineCase {
    bool autoSize;
    bool multiLine;
    int angle;
    bool singleLine;
};

class LabelSingleLine : public testing::TestWithParam<SingleLineCase> {};

TEST_P(LabelSingleLine, OnlyAFixedSizeLabelThatIsNotMultiLineOrIsRotatedIsSingleLine) {
    LabelPaintSettings s;
    s.autoSize = GetParam().autoSize;
    s.multiLine = GetParam().multiLine;
    s.angle = GetParam().angle;
    EXPECT_EQ((LabelPaintFormat(s) & kSingleLine) != 0, GetParam().singleLine);
}

INSTANTIATE_TEST_SUITE_P(Combinations, LabelSingleLine,
                         testing::Values(SingleLineCase{true, false, 0, false}, SingleLineCase{true, true, 0, false},
                                         SingleLineCase{true, false, 90, false}, SingleLineCase{false, false, 0, true},
                                         SingleLineCase{false, true, 0, false}, SingleLineCase{false, true, 45, true},
                                         SingleLineCase{false, false, 270, true}));

TEST(LabelFormat, BlankStandsInForNothingToMeasure) {
    EXPECT_EQ(ecl::LabelMeasuredText("", true), " ");
    EXPECT_EQ(ecl::LabelMeasuredText("", false), " ");
    EXPECT_EQ(ecl::LabelMeasuredText("&", true), " ") << "a lone accelerator mark shows nothing";
    EXPECT_EQ(ecl::LabelMeasuredText("&", false), "&") << "shown literally without accelerators";
    EXPECT_EQ(ecl::LabelMeasuredText("&&", true), "&&");
    const std::string banner = "BRIGHTWELL STOCKDRAW\r\nFOR TALLYBOARD LAPTOP ONLY";
    EXPECT_EQ(ecl::LabelMeasuredText(banner, true), banner) << "line breaks are measured as they are";
}

TEST(LabelFormat, AutoSizeAddsEffectRoomAndOnePixelBeyondTheBevelOnEachSide) {
    // The banner: no effect, bevel extent 0: two pixels wider and taller than its text.
    const ecl::LabelSize banner = ecl::LabelAutoSize(371, 58, 0, 0);
    EXPECT_EQ(banner.width, 373);
    EXPECT_EQ(banner.height, 60);
    // A Windows bevel (2) and a sunken effect of depth 1: 1 + 2 x 3 each way.
    const ecl::LabelSize framed = ecl::LabelAutoSize(40, 13, 1, 2);
    EXPECT_EQ(framed.width, 47);
    EXPECT_EQ(framed.height, 20);
}

// --- 3-D caption effects ---

struct RoomCase {
    TEclThreeDStyle style;
    int room;  // with LightDepth 2 and ShadowDepth 5
};

class FxTextRoom : public testing::TestWithParam<RoomCase> {};

TEST_P(FxTextRoom, EffectTakesRoomByItsLayers) {
    TEcl3DCaption fx;
    fx.SetLightDepth(2);
    fx.SetShadowDepth(5);
    fx.SetStyle(GetParam().style);
    EXPECT_EQ(fx.TextRoom(), GetParam().room);
}

using TD = TEclThreeDStyle;
INSTANTIATE_TEST_SUITE_P(AllStyles, FxTextRoom,
                         testing::Values(RoomCase{TD::tdNone, 0}, RoomCase{TD::tdSunken, 2}, RoomCase{TD::tdRaised, 2},
                                         RoomCase{TD::tdSunkenShadow, 7}, RoomCase{TD::tdRaisedShadow, 7},
                                         RoomCase{TD::tdPColorSunken, 7}, RoomCase{TD::tdPColorRaised, 7},
                                         RoomCase{TD::tdShadow, 5}, RoomCase{TD::tdOutline, 5},
                                         RoomCase{TD::tdExtrude, 5}, RoomCase{TD::tdExtrudeEnh, 5}));

TEST(FxCaption, DefaultsDrawPlainText) {
    const TEclFxCaption fx;
    EXPECT_EQ(fx.Style(), TD::tdNone);
    EXPECT_EQ(fx.DisabledStyle(), TEclDisabledStyle::dsAuto);
    EXPECT_EQ(fx.LightDepth(), 1);
    EXPECT_EQ(fx.ShadowDepth(), 1);
    EXPECT_EQ(fx.LightColor(), fw::clBtnHighlight);
    EXPECT_EQ(fx.ShadowColor(), fw::clBtnShadow);
    EXPECT_EQ(fx.Orientation(), TEclTextOrientation::toTopLeft);
    EXPECT_EQ(fx.TextRoom(), 0);
}

TEST(FxCaption, AngleOfAFullTurnIsStoredAsZero) {
    TEclFxCaption fx;
    fx.SetAngle(359);
    EXPECT_EQ(fx.Angle(), 359);
    fx.SetAngle(360);
    EXPECT_EQ(fx.Angle(), 0);
    fx.SetAngle(90);
    EXPECT_EQ(fx.Angle(), 90);
}

TEST(FxCaption, PositionsAreSixteenBitUnsigned) {
    TEclFxCaption fx;
    fx.SetPosX(65536 + 4);
    fx.SetPosY(-1);
    EXPECT_EQ(fx.PosX(), 4);
    EXPECT_EQ(fx.PosY(), 65535);
}

TEST(FxCaption, ChangesReachTheOwnerOnlyWhenSomethingChanged) {
    TEclFxCaption fx;
    int changes = 0;
    fx.SetOnChange([&] { ++changes; });
    fx.SetStyle(TD::tdNone);
    fx.SetLightColor(fw::clBtnHighlight);
    EXPECT_EQ(changes, 0);
    fx.SetLightColor(fw::clCaptionText);
    fx.SetShadowColor(fw::clGrayText);
    EXPECT_EQ(changes, 2);

    TEclFxCaption copy;
    int copyChanges = 0;
    copy.SetOnChange([&] { ++copyChanges; });
    copy.Assign(fx);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_EQ(copy.LightColor(), fw::clCaptionText);
    EXPECT_EQ(copy.ShadowColor(), fw::clGrayText);
}

struct DisabledCase {
    TEclDisabledStyle disabled;
    bool want3d;
    TD own;
    TD drawn;
};

class FxDisabledText : public testing::TestWithParam<DisabledCase> {};

TEST_P(FxDisabledText, SunkenWhenAskedForOrInsistedOn) {
    TEcl3DCaption fx;
    fx.SetDisabledStyle(GetParam().disabled);
    fx.SetStyle(GetParam().own);
    EXPECT_EQ(ecl::DisabledTextStyle(fx, GetParam().want3d), GetParam().drawn);
}

using DS = TEclDisabledStyle;
INSTANTIATE_TEST_SUITE_P(Styles, FxDisabledText,
                         testing::Values(
                             // Buttons and radio items ask for the 3-D disabled look, the label does not.
                             DisabledCase{DS::dsAuto, true, TD::tdNone, TD::tdSunken},
                             DisabledCase{DS::dsAuto, false, TD::tdNone, TD::tdNone},
                             DisabledCase{DS::dsAuto, false, TD::tdShadow, TD::tdShadow},
                             DisabledCase{DS::ds3d, false, TD::tdNone, TD::tdSunken},
                             DisabledCase{DS::ds3d, true, TD::tdRaised, TD::tdSunken},
                             DisabledCase{DS::dsStandard, true, TD::tdNone, TD::tdNone},
                             DisabledCase{DS::dsStandard, true, TD::tdRaised, TD::tdRaised}));

// Offsets of the layer of one kind, relative to the face layer.
struct Relative {
    bool found = false;
    int dx = 0, dy = 0;
};
Relative LayerFromFace(const TEcl3DCaption& fx, TD style, ecl::FxLayerKind kind) {
    ecl::FxLayer layers[3];
    const int n = ecl::FxLayers(fx, style, layers);
    const ecl::FxLayer& face = layers[n - 1];
    for (int i = 0; i < n - 1; ++i)
        if (layers[i].kind == kind) return {true, layers[i].dx - face.dx, layers[i].dy - face.dy};
    return {};
}

TEST(FxLayers, FaceIsDrawnLastOverTheOtherLayers) {
    TEcl3DCaption fx;
    for (TD style : {TD::tdNone, TD::tdSunken, TD::tdRaised, TD::tdSunkenShadow, TD::tdRaisedShadow, TD::tdShadow}) {
        ecl::FxLayer layers[3];
        const int n = ecl::FxLayers(fx, style, layers);
        ASSERT_GE(n, 1);
        EXPECT_EQ(layers[n - 1].kind, ecl::FxLayerKind::Face) << static_cast<int>(style);
    }
    ecl::FxLayer layers[3];
    EXPECT_EQ(ecl::FxLayers(fx, TD::tdNone, layers), 1) << "plain text is one pass";
}

TEST(FxLayers, LightAndShadowCopiesLieOffsetByTheirDepth) {
    TEcl3DCaption fx;
    fx.SetLightDepth(2);
    fx.SetShadowDepth(3);
    // Sunken text catches the light at its bottom right, raised text at its top left.
    Relative r = LayerFromFace(fx, TD::tdSunken, ecl::FxLayerKind::Light);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.dx, 2);
    EXPECT_EQ(r.dy, 2);
    r = LayerFromFace(fx, TD::tdRaised, ecl::FxLayerKind::Light);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.dx, -2);
    EXPECT_EQ(r.dy, -2);
    // A shadow falls to the bottom right by the shadow depth.
    r = LayerFromFace(fx, TD::tdShadow, ecl::FxLayerKind::Shadow);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.dx, 3);
    EXPECT_EQ(r.dy, 3);
    // The combined styles draw both copies.
    EXPECT_TRUE(LayerFromFace(fx, TD::tdSunkenShadow, ecl::FxLayerKind::Light).found);
    EXPECT_TRUE(LayerFromFace(fx, TD::tdSunkenShadow, ecl::FxLayerKind::Shadow).found);
    EXPECT_TRUE(LayerFromFace(fx, TD::tdRaisedShadow, ecl::FxLayerKind::Light).found);
    EXPECT_TRUE(LayerFromFace(fx, TD::tdRaisedShadow, ecl::FxLayerKind::Shadow).found);
}

}  // namespace
