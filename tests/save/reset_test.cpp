// The adventure reset: item bonuses taken back, equipment and story flags
// emptied, full health and energy, and the hero back at chapter 1.
#include <gtest/gtest.h>

#include <vector>

#include "save/reset.hpp"
#include "test_game.hpp"

namespace vov::test {
namespace {

// A hero at the end of chapter 3 with 30 of 40 health and 3 of 12 energy.
void end_of_chapter3(TestGame& t, const std::vector<int>& items) {
    Hero& hero = t.game.hero;
    hero.hp = 30;
    hero.max_hp = 40;
    hero.energy = 3;
    hero.max_energy = 12;
    hero.defense = hero.base_defense = 6;
    hero.luck = 8;
    hero.robustness = 9;
    hero.reputation = -2;
    hero.gold = 17;
    hero.experience = 90;
    hero.level = hero.chapter = t.game.current_chapter = 3;
    hero.shield_parry = 1;
    hero.story_flags[0] = hero.story_flags[1] = 1;
    for (const int slot : items) hero.item_owned[slot] = 1;
    reset_adventure(t.game);
}

// The fang and the shield carry no bonus (the knight keeps parrying with his
// shield); the amulet's 5 health come off the health the hero ends with: 30 -> 25
// of 25. Whatever the items, only health, energy, items, flags and chapter change.
TEST(Reset, EachBonusItemTakesItsBonusBackAndTheRestIsKept) {
    struct Case {
        std::vector<int> items;
        int max_hp, defense, luck, robustness;
    };
    for (const Case& c : {Case{{kSlotObjects, kSlotShield}, 40, 6, 8, 9}, Case{{kSlotAmulet}, 25, 5, 8, 9},
                         Case{{kSlotRightRing}, 40, 6, 7, 9}, Case{{kSlotHead}, 40, 4, 8, 9},
                         Case{{kSlotBracelets}, 40, 6, 8, 8}}) {
        SCOPED_TRACE(c.items.front());
        TestGame t;
        end_of_chapter3(t, c.items);
        const Hero& hero = t.game.hero;
        EXPECT_EQ(hero.max_hp, c.max_hp);
        EXPECT_EQ(hero.hp, c.max_hp);
        EXPECT_EQ(hero.energy, 12);
        EXPECT_EQ(hero.defense, c.defense);
        EXPECT_EQ(hero.base_defense, c.defense);
        EXPECT_EQ(hero.luck, c.luck);
        EXPECT_EQ(hero.robustness, c.robustness);
        EXPECT_EQ(std::vector<int>({hero.reputation, hero.gold, hero.experience, hero.level, hero.shield_parry}),
                  std::vector<int>({-2, 17, 90, 3, 1}));
        for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_EQ(hero.item_owned[slot], 0) << slot;
        EXPECT_EQ(hero.story_flags[0] + hero.story_flags[1], 0);
        EXPECT_EQ(hero.chapter, 1);
        EXPECT_EQ(t.game.current_chapter, 1);
        EXPECT_EQ(t.music.tracks, std::vector<std::string>{"stopson.mp3"});
    }
}

}  // namespace
}  // namespace vov::test
