// Chapter 3 played through: the crossroads, the fountain and its coins, the wishes,
// the beds, the equipment and sheet keys that lead back to the crossroads, and the
// adventure reset at the end of every road.
#include <gtest/gtest.h>

#include "story_play.hpp"
#include "story/chapters.hpp"

namespace vov::test {
namespace {

const char* const kCrossroads = "1) Allez jetez un coup d'oeil a cette fontaine.";
const char* const kFountain = "1) Prendre cet or.";
const char* const kWishOffered = "5) Lancer de l'or dans la fontaine en souhaitant un voeu.";
const char* const kWish = "4) Vous ne souhaitez rien.";
const char* const kBeds = "Ou voulez vous dormir maintenant :";

void play_city(Playthrough& p, Script script) {
    p.hero.chapter = 3;
    p.hero.hp = 120;
    p.t.game.current_chapter = 3;
    p.watch(kCrossroads);
    p.play(play_chapter3, std::move(script));
    // Every road ends with the adventure reset.
    EXPECT_EQ(p.hero.chapter, 1);
    EXPECT_EQ(p.t.game.current_chapter, 1);
    EXPECT_EQ(p.hero.hp, p.hero.max_hp);
    EXPECT_EQ(p.t.music.tracks.front(), "nuit.mp3");
    EXPECT_EQ(p.t.music.tracks.back(), "stopson.mp3");
}

TEST(Chapter3, EveryBedAtTheCrossroadsEndsTheAdventure) {
    for (const char bed : {'2', '3', '4'}) {
        Playthrough p(kRanger);
        play_city(p, {{kCrossroads, bed}});
    }
}

// With one coin there is no wish and key 5 is ignored; stealing at the lowest
// reputation keeps it at -5.
TEST(Chapter3, OneCoinOffersNoWishAndTheTheftCostsReputation) {
    Playthrough p(kRanger);
    p.hero.gold = 1;
    p.hero.reputation = -5;
    play_city(p, {{kCrossroads, '1'},
                  {kFountain, '5', [&] { EXPECT_EQ(p.t.find_row("5) Lancer"), 0); }},
                  {kFountain, '1'},
                  {"1 point en reputation", ' ', [&] {
                       EXPECT_EQ(p.t.colour_of("4 pieces d'or"), 11);
                       EXPECT_EQ(p.t.colour_of("1 point en reputation"), 12);
                   }}});
    EXPECT_EQ(p.hero.gold, 5);
    EXPECT_EQ(p.hero.reputation, -5);
}

// Each wish costs two coins; experience can raise a level, luck gives a point.
// After a level-up the closing sentence goes under the level-up screen, not
// across its last line.
TEST(Chapter3, EveryWishCostsTwoCoins) {
    struct Case {
        char key;
        const char* outcome;
        int level, luck, experience;
    };
    for (const Case c : {Case{'1', "la richesse", 1, 8, 11}, Case{'2', "Vous devez maintenant choisir", 2, 8, 21},
                         Case{'3', "1 point en bonne fortune", 1, 9, 11},
                         Case{'4', "rien ne se passe", 1, 8, 11}}) {
        SCOPED_TRACE(c.outcome);
        Playthrough p(kPriest);
        p.hero.gold = 2;
        p.hero.experience = 11;
        auto closing_sentence = [&] {
            if (c.key == '2') {
                EXPECT_EQ(p.t.find_row("Vous devez maintenant"), 43);
            }
        };
        play_city(p, {{kCrossroads, '1'}, {kWishOffered, '5'}, {kWish, c.key},
                      {c.outcome, ' ', closing_sentence}, {kBeds, '3'}});
        EXPECT_EQ(p.hero.gold, 0);
        EXPECT_EQ(p.hero.level, c.level);
        EXPECT_EQ(p.hero.luck, c.luck);
        EXPECT_EQ(p.hero.experience, c.experience);
    }
}

// The equipment and the sheet, from every menu of the city, lead back to the
// crossroads; coins thrown before leaving the wish that way stay spent.
TEST(Chapter3, EquipmentAndSheetLeadBackToTheCrossroads) {
    Playthrough p(kRanger);
    p.hero.gold = 4;
    play_city(p, {{kCrossroads, '9'}, {kCrossroads, '1'}, {kFountain, '8'}, {kCrossroads, '1'},
                  {kWishOffered, '5'}, {kWish, '9'}, {kCrossroads, '1'}, {kWishOffered, '5'},
                  {kWish, '1', [&] { EXPECT_EQ(p.hero.gold, 0); }}, {kBeds, '8'},
                  {kCrossroads, '4'}});
    EXPECT_EQ(p.screens_showing(kCrossroads), 5);
}

}  // namespace
}  // namespace vov::test
