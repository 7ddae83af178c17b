// Chapter 3 played through: the crossroads, the fountain and its coins, the wishes,
// the beds, the equipment and sheet keys that lead back to the crossroads, and the
// adventure reset at the end of every road.
#include <gtest/gtest.h>

#include "anchored_keys.hpp"
#include "story/chapters.hpp"
#include "test_game.hpp"

namespace vov::test {
namespace {

using Script = std::deque<AnchoredKey>;

const char* const kCrossroads = "1) Allez jetez un coup d'oeil a cette fontaine.";
const char* const kFountain = "1) Prendre cet or.";
const char* const kWishOption = "5) Lancer de l'or dans la fontaine en souhaitant un voeu.";
const char* const kWish = "4) Vous ne souhaitez rien.";
const char* const kWhereToSleep = "Ou voulez vous dormir maintenant :";

class Chapter3Test : public ::testing::Test {
protected:
    Chapter3Test() {
        make_strong_hero(hero, kRanger);
        hero.chapter = 3;
        hero.hp = 120;
        t.game.current_chapter = 3;
        // What the last fight of chapter 2 left in the fight's working health.
        t.game.fight.hero_hp = hero.hp;
    }

    void play(Script script) {
        AnchoredKeys keys(t, std::move(script));
        keys.watch(kCrossroads);
        play_chapter3(t.game);
        EXPECT_EQ(keys.left(), 0u) << "not reached: " << keys.next_anchor() << "\n" << t.text();
        crossroads_shown = keys.screens_showing(kCrossroads);
        // Every road ends with the adventure reset.
        EXPECT_EQ(hero.chapter, 1);
        EXPECT_EQ(t.game.current_chapter, 1);
        EXPECT_EQ(hero.hp, hero.max_hp);
        EXPECT_EQ(t.music.tracks.front(), "nuit.mp3");
        EXPECT_EQ(t.music.tracks.back(), "stopson.mp3");
    }

    TestGame t;
    Hero& hero = t.game.hero;
    int crossroads_shown = 0;
};

TEST_F(Chapter3Test, EveryBedAtTheCrossroadsEndsTheAdventure) {
    for (const char bed : {'2', '3', '4'}) {
        TestGame game;
        make_strong_hero(game.game.hero, kRanger);
        AnchoredKeys keys(game, {{kCrossroads, bed}});
        play_chapter3(game.game);
        EXPECT_EQ(keys.left(), 0u);
        EXPECT_EQ(game.game.current_chapter, 1);
        EXPECT_EQ(game.game.hero.gold, 0);
    }
}

TEST_F(Chapter3Test, OneGoldPieceOffersNoWish) {
    hero.gold = 1;
    play({{kCrossroads, '1'},
          {kFountain, '5',
           [&] {
               EXPECT_EQ(t.find_row("5) Lancer"), 0);
               EXPECT_NE(t.find_row("4) Vous dirigez vers la grange."), 0);
           }},
          // Key 5 was ignored: the same fountain, then the barn.
          {kFountain, '4'}});
    EXPECT_EQ(hero.gold, 1);
}

TEST_F(Chapter3Test, TwoGoldPiecesBuyAWishForNothing) {
    hero.gold = 2;
    play({{kCrossroads, '1'},
          {kWishOption, '5'},
          {kWish, '4', [&] { EXPECT_EQ(hero.gold, 0); }},
          {"rien ne se passe", ' '},
          {kWhereToSleep, '1'}});
    EXPECT_EQ(hero.gold, 0);
}

TEST_F(Chapter3Test, TakingTheCoinsAtTheLowestReputation) {
    hero.gold = 3;
    hero.reputation = -5;
    play({{kCrossroads, '1'},
          {kFountain, '1'},
          {"1 point en reputation", ' ',
           [&] {
               EXPECT_EQ(t.colour_of("4 pieces d'or"), 11);
               EXPECT_EQ(t.colour_of("1 point en reputation"), 12);
           }}});
    EXPECT_EQ(hero.gold, 7);
    EXPECT_EQ(hero.reputation, -5);
}

TEST_F(Chapter3Test, TheExperienceWishGivesALevel) {
    hero.gold = 2;
    hero.experience = 11;
    const int agility = hero.agility;
    play({{kCrossroads, '1'},
          {kWishOption, '5'},
          {kWish, '2'},
          {"Choisissez ou vous voulez attribuer votre point", '1'},
          {"choisir l'endroit ou vous aller passer la nuit", ' ',
           [&] {
               // Written under the level-up screen, not across its last line.
               EXPECT_EQ(t.row(43), "Vous devez maintenant choisir l'endroit ou vous aller passer la nuit");
           }},
          {kWhereToSleep, '3'}});
    EXPECT_EQ(hero.experience, 21);
    EXPECT_EQ(hero.level, 2);
    EXPECT_EQ(hero.agility, agility + 1);
}

TEST_F(Chapter3Test, TheLuckWishGivesOnePoint) {
    hero.gold = 5;
    play({{kCrossroads, '1'},
          {kWishOption, '5'},
          {kWish, '3'},
          {"1 point en bonne fortune", ' '},
          {kWhereToSleep, '2'}});
    EXPECT_EQ(hero.luck, 9);
    EXPECT_EQ(hero.gold, 3);
}

// The equipment and the sheet, from any menu of the city, lead back to the
// crossroads; the coins of a wish left that way are spent.
TEST_F(Chapter3Test, EquipmentAndSheetLeadBackToTheCrossroads) {
    hero.gold = 4;
    play({{kCrossroads, '9'},
          {kCrossroads, '1'},
          {kFountain, '8'},
          {kCrossroads, '1'},
          {kWishOption, '5'},
          {kWish, '9'},
          {kCrossroads, '1'},
          {kWishOption, '5'},
          {kWish, '1', [&] { EXPECT_EQ(hero.gold, 0); }},
          {"la richesse", ' '},
          {kWhereToSleep, '8'},
          {kCrossroads, '4'}});
    EXPECT_EQ(hero.gold, 0);
    EXPECT_EQ(crossroads_shown, 5);
}

}  // namespace
}  // namespace vov::test
