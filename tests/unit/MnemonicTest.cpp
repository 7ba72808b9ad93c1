#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "controls/RotatedText.h"
#include "framework/Component.h"
#include "framework/Mnemonic.h"
#include "framework/TabOrder.h"

namespace {

TEST(Mnemonic, AccelCharIsTheLetterAfterTheFirstLoneAmpersand) {
    struct Case {
        const char* caption;
        char accel;
    };
    const Case cases[] = {
        {"&Grab", 'G'},       {"Se&lect", 'L'}, {"E&xit &now", 'X'}, {"Fish && &Chips", 'C'},
        {"Fish && Chips", 0}, {"&&&Save", 'S'}, {"Grab", 0},         {"", 0},
        {"Trailing&", 0},     {"&", 0},         {"&1st", '1'},       {"&&", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(fw::AccelChar(c.caption), c.accel) << c.caption;
}

TEST(Mnemonic, IsAccelIgnoresCaseAndNeedsAMark) {
    EXPECT_TRUE(fw::IsAccel('g', "&Grab"));
    EXPECT_TRUE(fw::IsAccel('G', "&grab"));
    EXPECT_FALSE(fw::IsAccel('R', "&Grab")) << "only the marked letter";
    EXPECT_FALSE(fw::IsAccel('G', "Grab")) << "no mark, no accelerator";
    EXPECT_FALSE(fw::IsAccel('&', "A && B")) << "a doubled ampersand is text";
    EXPECT_FALSE(fw::IsAccel(0, "Trailing&"));
    EXPECT_EQ(fw::UpperLetter('z'), 'Z');
    EXPECT_EQ(fw::UpperLetter('7'), '7');
}

TEST(Mnemonic, StrippedCaptionShowsWhatTheMarksStandFor) {
    struct Case {
        const char* caption;
        const char* shown;
    };
    const Case cases[] = {
        {"&Grab", "Grab"}, {"Fish && &Chips", "Fish & Chips"}, {"Plain", "Plain"}, {"End&", "End"}, {"", ""},
        {"&&&&", "&&"},
    };
    for (const Case& c : cases) EXPECT_EQ(fw::StripAccelMarks(c.caption), c.shown) << c.caption;
}

TEST(TabSequence, AscendingTabOrderWithTiesInCreationOrder) {
    EXPECT_EQ(fw::TabSequence({3, 0, 2, 0, 1}), (std::vector<int>{1, 3, 4, 2, 0}));
    EXPECT_EQ(fw::TabSequence({-1, -1}), (std::vector<int>{0, 1}));
    EXPECT_TRUE(fw::TabSequence({}).empty());
}

TEST(RotatedText, BoxAndDrawingPointForEachQuarterAndBetween) {
    struct Case {
        int degrees;
        ecl::RotatedBox box;
    };
    // A 100 x 20 line turned counter-clockwise about its top-left corner.
    const Case cases[] = {
        {0, {100, 20, 0, 0}},   {90, {20, 100, 0, 100}}, {180, {100, 20, 100, 20}}, {270, {20, 100, 20, 0}},
        {360, {100, 20, 0, 0}}, {-90, {20, 100, 20, 0}}, {45, {85, 85, 0, 71}},
    };
    for (const Case& c : cases) {
        const ecl::RotatedBox b = ecl::RotatedTextBox(100, 20, c.degrees);
        EXPECT_EQ(b.width, c.box.width) << c.degrees;
        EXPECT_EQ(b.height, c.box.height) << c.degrees;
        EXPECT_EQ(b.originX, c.box.originX) << c.degrees;
        EXPECT_EQ(b.originY, c.box.originY) << c.degrees;
    }
}

TEST(RotatedText, TextCentreFallsOnTheBoxCentre) {
    for (int degrees : {10, 30, 60, 120, 200, 300, 359}) {
        const ecl::RotatedBox b = ecl::RotatedTextBox(80, 16, degrees);
        const double a = degrees * 3.14159265358979 / 180.0;
        const double cx = b.originX + 40 * std::cos(a) + 8 * std::sin(a);
        const double cy = b.originY - 40 * std::sin(a) + 8 * std::cos(a);
        EXPECT_NEAR(cx, b.width / 2.0, 1.0) << degrees;
        EXPECT_NEAR(cy, b.height / 2.0, 1.0) << degrees;
    }
}

class Watcher : public fw::Component {
public:
    using Component::Component;
    std::vector<const Component*> gone;

protected:
    void ComponentDestroyed(Component& c) override { gone.push_back(&c); }
};

TEST(FreeNotification, WatcherHearsOfTheDestructionOnceAndNotAfterRemoving) {
    Watcher watcher(nullptr);
    auto watched = std::make_unique<fw::Component>(nullptr);
    const fw::Component* address = watched.get();
    watched->AddFreeNotification(watcher);
    watched->AddFreeNotification(watcher);  // asking twice is one request
    watched.reset();
    EXPECT_EQ(watcher.gone, (std::vector<const fw::Component*>{address}));

    auto removed = std::make_unique<fw::Component>(nullptr);
    removed->AddFreeNotification(watcher);
    removed->RemoveFreeNotification(watcher);
    removed.reset();
    EXPECT_EQ(watcher.gone.size(), 1u) << "no word after the request was taken back";
}

TEST(FreeNotification, WatcherDestroyedFirstIsNotCalledLater) {
    fw::Component watched(nullptr);
    {
        Watcher watcher(nullptr);
        watched.AddFreeNotification(watcher);
    }
    // The watcher is gone: destroying the watched component must not reach it (ASan checks this).
    auto later = std::make_unique<Watcher>(nullptr);
    watched.AddFreeNotification(*later);
    EXPECT_TRUE(later->gone.empty());
}

}  // namespace
