#include "console/input.hpp"

#include <gtest/gtest.h>

#include "console/game_over.hpp"
#include "test_game.hpp"

namespace vov {
namespace {

using test::ScriptedKeyboard;
using test::ScriptExhausted;

struct InputTest : ::testing::Test {
    Screen screen{80, 44};
    ScriptedKeyboard keys;
    Input input{keys, screen};
};

TEST_F(InputTest, GetchReturnsKeysAndEndsTheGameWhenInputCloses) {
    keys.type("a");
    keys.key(kSpecialKey + 5);
    keys.close();
    EXPECT_EQ(input.getch(), 'a');
    EXPECT_EQ(input.getch(), kSpecialKey + 5);
    EXPECT_THROW(input.getch(), GameOver);
    EXPECT_EQ(screen.row_text(1), "");  // getch echoes nothing
}

TEST_F(InputTest, AWordLeavesTheRestOfTheLinePendingForTheNumber) {
    keys.type("Bob Marley\n");
    EXPECT_EQ(input.scan_word(), "Bob");
    EXPECT_EQ(screen.row_text(1), "Bob Marley");  // the typed line is echoed
    // "Marley" is not a number: the rest of the line is dropped, a new line is read.
    EXPECT_FALSE(input.scan_int().has_value());
    keys.type("175\n");
    EXPECT_EQ(input.scan_int(), 175);
    EXPECT_EQ(screen.row_text(2), "175");
}

TEST_F(InputTest, NumbersRefuseEmptyLinesAndLeaveTheirRestPending) {
    keys.type("\n  \n -42 120\n");
    EXPECT_EQ(input.scan_int(), std::nullopt);
    EXPECT_EQ(input.scan_int(), std::nullopt);
    EXPECT_EQ(input.scan_int(), -42);
    EXPECT_EQ(input.scan_int(), 120);
    keys.type("99999999999\n");
    EXPECT_EQ(input.scan_int(), INT_MAX);
}

TEST_F(InputTest, ReadLineDropsPendingInputAndKeepsBlanks) {
    keys.type("one two\n  save 1\n");
    EXPECT_EQ(input.scan_word(), "one");
    EXPECT_EQ(input.read_line(), "  save 1");
    keys.type("\n");
    EXPECT_EQ(input.read_line(), "");
}

TEST_F(InputTest, BackspaceEditsAndControlOrSpecialKeysAreNotTyped) {
    keys.type("Abx\bc");
    keys.key(kSpecialKey + 3);
    keys.type("\x01");
    keys.key(127);
    keys.type("d\n");
    EXPECT_EQ(input.read_line(), "Abd");
    EXPECT_EQ(screen.row_text(1), "Abd");
}

TEST_F(InputTest, ALineNeverGrowsPastItsLimit) {
    keys.type(std::string(500, 'z') + "\n");
    EXPECT_EQ(input.read_line().size(), Input::kMaxLine);
}

TEST_F(InputTest, ClosedInputInsideALineEndsTheGame) {
    keys.type("abc");
    keys.close();
    EXPECT_THROW(input.scan_word(), GameOver);
}

TEST_F(InputTest, AnExhaustedScriptFailsLoudly) { EXPECT_THROW(input.getch(), ScriptExhausted); }

}  // namespace
}  // namespace vov
