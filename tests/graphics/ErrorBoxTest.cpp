#include "graphics/ErrorBox.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace vantor::test {
namespace {

using graphics::ErrorBox;

TEST(ErrorBoxTest, ALongMessageIsBrokenAtBlanksIntoLinesOfTheWidth) {
    const std::string text = "The game's pictures and sounds are not all in /home/player/a "
                             "folder with a long name: none of its 77 files is there "
                             "(SectorBackground.bmp, Background01.png, Background02.jpg).";
    const std::string lines = ErrorBox::Lines(text, 30);
    std::string rejoined = lines;
    for (char& c : rejoined) {
        c = c == '\n' ? ' ' : c;
    }
    EXPECT_EQ(rejoined, text); // only blanks became breaks
    std::istringstream each(lines);
    int count = 0;
    for (std::string line; std::getline(each, line); ++count) {
        EXPECT_LE(line.size(), 30u) << line;
        EXPECT_FALSE(line.empty());
    }
    EXPECT_GE(count, 5);
}

TEST(ErrorBoxTest, ShortLinesLongWordsAndGivenBreaksStayAsTheyAre) {
    EXPECT_EQ(ErrorBox::Lines("short enough", 30), "short enough");
    EXPECT_EQ(ErrorBox::Lines("first line\nsecond line", 12), "first line\nsecond line");
    EXPECT_EQ(ErrorBox::Lines("a /a/very/long/folder/name/indeed b", 10),
              "a\n/a/very/long/folder/name/indeed\nb");
    EXPECT_EQ(ErrorBox::Lines("", 10), "");
}

} // namespace
} // namespace vantor::test
