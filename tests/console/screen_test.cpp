#include "console/screen.hpp"

#include <gtest/gtest.h>

namespace vov {
namespace {

TEST(Screen, PrintfKeepsTheDefaultColourWhateverTextcolorSet) {
    Screen s(80, 44);
    s.textcolor(14);
    s.printf("plain ");
    s.cprintf("yellow");
    EXPECT_EQ(s.row_text(1), "plain yellow");
    EXPECT_EQ(s.at(1, 1).attr, 0x07);
    EXPECT_EQ(s.at(7, 1).attr, 0x0E);
    EXPECT_EQ(s.at(12, 1).attr, 0x0E);
}

TEST(Screen, LineEndsDifferBetweenPrintfAndCprintf) {
    Screen s(80, 44);
    s.cprintf("abc\n");
    s.cprintf("def");
    EXPECT_EQ(s.row_text(2), "   def");  // one row down, same column

    s.clrscr();
    s.cprintf("abc\r\n");
    s.cprintf("def");
    EXPECT_EQ(s.row_text(2), "def");

    s.clrscr();
    s.gotoxy(10, 5);
    s.printf("abc\ndef");
    EXPECT_EQ(s.row_text(6), "def");  // printf starts the new line at column 1
}

TEST(Screen, GotoxyOutsideTheAreaIsIgnored) {
    Screen s(80, 24);
    s.gotoxy(5, 3);
    s.gotoxy(1, 44);  // below a 24-row console
    s.gotoxy(81, 1);
    s.gotoxy(0, 1);
    EXPECT_EQ(s.cursor_x(), 5);
    EXPECT_EQ(s.cursor_y(), 3);
    s.printf("here");
    EXPECT_EQ(s.row_text(3), "    here");
}

TEST(Screen, TextWrapsAtTheRightEdgeAndScrollsAtTheBottom) {
    Screen s(10, 3);
    s.printf("0123456789AB");
    EXPECT_EQ(s.row_text(1), "0123456789");
    EXPECT_EQ(s.row_text(2), "AB");

    // A full last row moves the cursor past the bottom: the area scrolls up.
    s.gotoxy(1, 3);
    s.printf("abcdefghij");
    EXPECT_EQ(s.row_text(1), "AB");
    EXPECT_EQ(s.row_text(2), "abcdefghij");
    EXPECT_EQ(s.row_text(3), "");
    EXPECT_EQ(s.cursor_y(), 3);

    s.cprintf("x\n");
    EXPECT_EQ(s.row_text(1), "abcdefghij");
    EXPECT_EQ(s.row_text(2), "x");
}

// The echo of a typed line erases with "\b \b", across a wrap as well.
TEST(Screen, BackspaceErasesAcrossTheWrap) {
    Screen s(10, 3);
    s.printf("0123456789AB");
    for (int i = 0; i < 3; ++i) s.printf("\b \b");
    EXPECT_EQ(s.row_text(1), "012345678");
    EXPECT_EQ(s.row_text(2), "");
    EXPECT_EQ(s.cursor_x(), 10);
    EXPECT_EQ(s.cursor_y(), 1);
    s.gotoxy(1, 1);
    s.printf("\b");  // nowhere to go back to
    EXPECT_EQ(s.cursor_x(), 1);
    EXPECT_EQ(s.cursor_y(), 1);
}

TEST(Screen, TextcolorKeepsTheBackgroundAndClrscrUsesTheCurrentColour) {
    Screen s(80, 44, 0x17);  // light grey on blue at start
    s.textcolor(12);
    EXPECT_EQ(s.attr(), 0x1C);
    s.textcolor(0x8F);  // blink bit and white
    EXPECT_EQ(s.attr(), 0x9F);
    s.textcolor(3);
    s.gotoxy(30, 30);
    s.clrscr();
    EXPECT_EQ(s.at(80, 44).attr, 0x13);
    EXPECT_EQ(s.at(80, 44).ch, ' ');
    EXPECT_EQ(s.cursor_x(), 1);
    EXPECT_EQ(s.cursor_y(), 1);
}

TEST(Screen, CodePage850IsShownAsUnicode) {
    Screen s(80, 44);
    s.printf("Vous %ctes le h%cros, arme n%c 1, %cil", 136, 130, 248, 145);
    EXPECT_EQ(s.row_text(1), "Vous êtes le héros, arme n° 1, æil");
}

TEST(Screen, FormatsNumbersAndLongTexts) {
    Screen s(80, 44);
    s.printf("%d/%d [%d]", 7, 12, -2);
    EXPECT_EQ(s.row_text(1), "7/12 [-2]");
    s.gotoxy(1, 2);
    s.printf("%s", std::string(200, 'x').c_str());
    EXPECT_EQ(s.row_text(4), std::string(40, 'x'));
}

TEST(Screen, VersionChangesWithEveryVisibleChange) {
    Screen s(80, 44);
    const auto v0 = s.version();
    s.textcolor(3);  // no visible change yet
    EXPECT_EQ(s.version(), v0);
    s.printf("a");
    EXPECT_GT(s.version(), v0);
}

}  // namespace
}  // namespace vov
