// Shortening a path for display: the examples of the browser's status line, the boundaries, and a
// measure other than characters.
#include <gtest/gtest.h>

#include <string>

#include "browse/ShortenPath.h"

namespace {

using ecl::CutFirstDirectory;
using ecl::ShortenPath;

TEST(ShortenPathTest, CutFirstDirectoryRemovesOneFolderAtATime) {
    const struct {
        const char* dir;
        const char* cut;
    } cases[] = {
        {"\\", ""},
        {"\\alpha\\bravo\\", "\\...\\bravo\\"},
        {"\\...\\bravo\\charlie\\", "\\...\\charlie\\"},
        {"\\...\\bravo\\", "\\...\\"},
        {"alpha\\bravo\\", "...\\bravo\\"},
        {"alpha", ""},
        {"\\\\server\\share\\", "\\...\\server\\share\\"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CutFirstDirectory(c.dir), c.cut) << c.dir;
}

TEST(ShortenPathTest, LeadingFoldersGiveWayUntilThePathFits) {
    const struct {
        const char* path;
        int max;
        const char* shown;
    } cases[] = {
        // 50 characters at 40: two cuts are not enough, the third is.
        {"C:\\alpha\\bravo\\charlie\\delta\\echo\\foxtrot\\golf.dat", 40, "C:\\...\\delta\\echo\\foxtrot\\golf.dat"},
        // The first cut of a UNC path makes it three characters longer; later cuts shorten it.
        {"\\\\server\\share\\some long folder name\\another long folder", 40, "\\...\\another long folder"},
        // At or under the limit nothing changes.
        {"C:\\Program Files\\Tillora\\Data\\Stock.dat", 40, "C:\\Program Files\\Tillora\\Data\\Stock.dat"},
        {"", 40, ""},
        // A name longer than the limit is all that is left, without its drive.
        {"C:\\folder\\a-name-that-is-longer-than-the-whole-limit.dat", 20,
         "a-name-that-is-longer-than-the-whole-limit.dat"},
        {"a-name-with-no-folder-and-longer-than-the-limit", 10, "a-name-with-no-folder-and-longer-than-the-limit"},
        // A drive root keeps its backslash while it fits.
        {"C:\\", 2, "C:"},
        {"C:\\", 3, "C:\\"},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortenPath(c.path, c.max), c.shown) << c.path << " at " << c.max;
}

TEST(ShortenPathTest, AnotherMeasureDecidesWhereToStop) {
    // Pixels of a font in which a backslash is 3 wide and every other character 7.
    const auto pixels = [](std::string_view text) {
        int width = 0;
        for (char c : text) width += c == '\\' ? 3 : 7;
        return width;
    };
    const std::string path = "D:\\Counts\\Brightwell\\Stock.dat";
    EXPECT_EQ(pixels(path), 198);
    EXPECT_EQ(ShortenPath(path, 198, pixels), path);
    EXPECT_EQ(ShortenPath(path, 197, pixels), "D:\\...\\Brightwell\\Stock.dat");  // 177
    EXPECT_EQ(ShortenPath(path, 176, pixels), "D:\\...\\Stock.dat");              // 104
    EXPECT_EQ(ShortenPath(path, 100, pixels), "...\\Stock.dat");                  // 87
}

}  // namespace
