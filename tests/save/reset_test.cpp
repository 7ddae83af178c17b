// The adventure reset: item bonuses taken back, equipment and story flags
// emptied, full health and energy, and the hero back at chapter 1.
#include <gtest/gtest.h>

#include "save/reset.hpp"
#include "test_game.hpp"

namespace vov::test {
namespace {

class ResetTest : public ::testing::Test {
protected:
    ResetTest() {
        hero.hp = 30;
        hero.max_hp = 40;
        hero.energy = 3;
        hero.max_energy = 12;
        hero.defense = hero.base_defense = 6;
        hero.luck = 8;
        hero.robustness = 9;
        hero.agility = 11;
        hero.reputation = -2;
        hero.gold = 17;
        hero.meals = 2;
        hero.water = 1;
        hero.experience = 90;
        hero.level = 3;
        hero.chapter = 3;
        hero.shield_parry = 1;
        hero.story_flags[0] = hero.story_flags[1] = 1;
        t.game.current_chapter = 3;
    }

    void own(int slot) { hero.item_owned[slot] = 1; }

    TestGame t;
    Hero& hero = t.game.hero;
};

TEST_F(ResetTest, WithoutBonusItemsOnlyHealthEnergyAndChapterChange) {
    own(kSlotObjects);
    own(kSlotShield);
    reset_adventure(t.game);
    EXPECT_EQ(hero.hp, 40);
    EXPECT_EQ(hero.max_hp, 40);
    EXPECT_EQ(hero.energy, 12);
    EXPECT_EQ(hero.max_energy, 12);
    EXPECT_EQ(hero.defense, 6);
    EXPECT_EQ(hero.base_defense, 6);
    EXPECT_EQ(hero.luck, 8);
    EXPECT_EQ(hero.robustness, 9);
    EXPECT_EQ(hero.reputation, -2);
    EXPECT_EQ(hero.gold, 17);
    EXPECT_EQ(hero.meals, 2);
    EXPECT_EQ(hero.experience, 90);
    EXPECT_EQ(hero.level, 3);
    // The knight keeps parrying with his shield even without it in his slots.
    EXPECT_EQ(hero.shield_parry, 1);
    for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_EQ(hero.item_owned[slot], 0) << slot;
    EXPECT_EQ(hero.story_flags[0], 0);
    EXPECT_EQ(hero.story_flags[1], 0);
    EXPECT_EQ(hero.chapter, 1);
    EXPECT_EQ(t.game.current_chapter, 1);
    EXPECT_EQ(t.music.tracks, std::vector<std::string>{"stopson.mp3"});
}

// The amulet's health is taken from the health the hero ends with.
TEST_F(ResetTest, AmuletTakesFiveFromTheHealthLeftAndOneDefence) {
    own(kSlotAmulet);
    reset_adventure(t.game);
    EXPECT_EQ(hero.max_hp, 25);
    EXPECT_EQ(hero.hp, 25);
    EXPECT_EQ(hero.defense, 5);
    EXPECT_EQ(hero.base_defense, 5);
}

TEST_F(ResetTest, RingHelmetAndBraceletsTakeTheirBonusesBack) {
    struct Case {
        int slot;
        int Hero::*field;
        int expected;
    };
    for (const Case c : {Case{kSlotRightRing, &Hero::luck, 7}, Case{kSlotHead, &Hero::defense, 4},
                         Case{kSlotHead, &Hero::base_defense, 4},
                         Case{kSlotBracelets, &Hero::robustness, 8}}) {
        TestGame game;
        game.game.hero = hero;
        game.game.hero.item_owned[c.slot] = 1;
        reset_adventure(game.game);
        EXPECT_EQ(game.game.hero.*c.field, c.expected) << "slot " << c.slot;
        EXPECT_EQ(game.game.hero.max_hp, 40) << "slot " << c.slot;
    }
}

TEST_F(ResetTest, AllFourItemsTogether) {
    for (const int slot : {kSlotAmulet, kSlotRightRing, kSlotHead, kSlotBracelets}) own(slot);
    reset_adventure(t.game);
    EXPECT_EQ(hero.hp, 25);
    EXPECT_EQ(hero.max_hp, 25);
    EXPECT_EQ(hero.defense, 3);
    EXPECT_EQ(hero.base_defense, 3);
    EXPECT_EQ(hero.luck, 7);
    EXPECT_EQ(hero.robustness, 8);
}

}  // namespace
}  // namespace vov::test
