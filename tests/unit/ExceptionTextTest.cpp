#include "framework/ExceptionText.h"

#include <gtest/gtest.h>

namespace {

using fw::ExceptionMessageText;

TEST(ExceptionText, AddsFullStopAfterCharactersSortingAfterIt) {
    EXPECT_EQ(ExceptionMessageText("Out of memory"), "Out of memory.");
    EXPECT_EQ(ExceptionMessageText("Error 5"), "Error 5.");
    EXPECT_EQ(ExceptionMessageText("x"), "x.");
    EXPECT_EQ(ExceptionMessageText("Why?"), "Why?.");
    EXPECT_EQ(ExceptionMessageText("C:\\Data/"), "C:\\Data/.");
    EXPECT_EQ(ExceptionMessageText("Caf\xE9"), "Caf\xE9.");  // a byte above 127 is not negative here
}

TEST(ExceptionText, KeepsMessagesEndingInOrBeforeTheFullStop) {
    EXPECT_EQ(ExceptionMessageText(""), "");
    EXPECT_EQ(ExceptionMessageText("Done."), "Done.");
    EXPECT_EQ(ExceptionMessageText("Stop!"), "Stop!");
    EXPECT_EQ(ExceptionMessageText("(see above)"), "(see above)");
    EXPECT_EQ(ExceptionMessageText("a, b,"), "a, b,");
    EXPECT_EQ(ExceptionMessageText("range 1-"), "range 1-");
    EXPECT_EQ(ExceptionMessageText("trailing "), "trailing ");
    EXPECT_EQ(ExceptionMessageText("two lines\r\n"), "two lines\r\n");
}

TEST(ExceptionText, LooksOnlyAtTheLastCharacter) {
    EXPECT_EQ(ExceptionMessageText("a.b"), "a.b.");
    EXPECT_EQ(ExceptionMessageText("Z!"), "Z!");
    EXPECT_EQ(ExceptionMessageText(std::string("a\0", 2)), std::string("a\0", 2));
}

}  // namespace
