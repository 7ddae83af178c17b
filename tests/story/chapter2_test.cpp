// Chapter 2 played through by every road, with a fixed clock and a hero who wins
// every fight with one blow: the guards' pockets, the spider and the burning
// field, the gate's offers and the ways through the sewers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "story_play.hpp"
#include "story/chapters.hpp"

namespace vov::test {
namespace {

// The menus of the road and of the sewers, by a text of their own.
const char* const kGuardBodies = "1) Fouillez les depouilles";
const char* const kFirstGuard = "1) Fouillez le deuxieme garde";
const char* const kCerealFields = "3) Courir en direction de Voderuri.";
const char* const kSpiderBody = "1) Examiner le corps de l'arachnide.";
const char* const kWalls = "2) Essayer d'entrer dans la ville en passant";
const char* const kGate = "4) Leur donner 10 pieces d'or.";
const char* const kNoGold = "Vous n'avez pas assez d'or pour faire cela.";
const char* const kEntrance = "soit aller a droite.";
const char* const kCorridor = "Vous pouvez aller a droite ou a gauche";
const char* const kLeftOrStraight = "Vous pouvez aller tout droit ou a gauche.";
const char* const kLeftTurn = "Vous vous retrouvez plus loin a un embranchement.";
const char* const kLeftOrRight = "Vous continuez votre route.";
const char* const kBackAtEntrance = "vous voici de retour a la premiere bifurcation";
const char* const kHall = "3) Examiner la cavite.";
const char* const kAfterSnake = "Deux chois s'offrent maintenant a vous:";
// Screens counted on the way.
const char* const kCreature = "celebre ecole de magie";
const char* const kWandered = "Le fait de vous etre egare dans ces egouts";

// No search, weapon out in the fields, no fang.
const Script kToTheWalls = {{kGuardBodies, '2'}, {kCerealFields, '1'}, {kSpiderBody, '2'}};
// Straight on and left to the hall, then up the ladder.
const Script kShortestSewers = {{kEntrance, '1'}, {kCorridor, '1'}, {kHall, '1'}, {kAfterSnake, '1'}};

void play_chapter(Playthrough& p, Script script) {
    p.watch(kCreature);
    p.watch(kWandered);
    p.play(play_chapter2, std::move(script));
    EXPECT_EQ(p.hero.chapter, 3);
    EXPECT_EQ(p.t.game.current_chapter, 3);
}

// Both guards searched, the sheet viewed at the first; the crouch in the fields;
// the fang; the guards left alone; then the creature at the first bend and two
// wrong loops back to it before the hall, the bones and the bracelets.
TEST(Chapter2, BarbarianSearchesEverythingAndWandersInTheSewers) {
    Playthrough p(kBarbarian);
    Hero& hero = p.hero;
    auto helmet_and_gold_once = [&] {
        EXPECT_NE(p.t.find_row("casque d'ecailles noire"), 0);
        EXPECT_EQ(hero.defense, 42);
        EXPECT_EQ(hero.base_defense, 42);
        EXPECT_EQ(hero.gold, 5);
        EXPECT_EQ(p.t.colour_of("5 pieces d'or"), 11);
    };
    auto rat_trap = [&] {
        EXPECT_EQ(hero.hp, 298);
        EXPECT_EQ(p.t.colour_of("Tordevis"), 13);
        EXPECT_EQ(p.t.colour_of("Que cela te serve de lecon miserable voleur !"), 6);
    };
    auto one_health_lost = [&] { EXPECT_EQ(hero.hp, hero.max_hp - 1); };
    play_chapter(p, {{kGuardBodies, '1'}, {kFirstGuard, '9'},
                     {kFirstGuard, '1', helmet_and_gold_once},
                     {"Tordevis", ' ', rat_trap},
                     {kCerealFields, '2'},
                     {"4 points de sante", ' ', [&] { EXPECT_EQ(hero.hp, 294); }},
                     {kSpiderBody, '1'}, {kWalls, '1'}, {kGate, '1'},
                     {kEntrance, '2'}, {kLeftOrStraight, '1'},
                     {kLeftTurn, '1', [&] { EXPECT_NE(p.t.find_row("Vous esperez ne pas"), 0); }},
                     {"Vous etes deja passer par cet endroit", ' '},
                     {kLeftOrStraight, '1'}, {kLeftTurn, '2'}, {kBackAtEntrance, '2'},
                     {kLeftOrStraight, '2'}, {kHall, '2', one_health_lost}, {kAfterSnake, '2'}});
    EXPECT_EQ(p.screens_showing(kCreature), 1);
    EXPECT_EQ(p.screens_showing(kWandered), 1);
    EXPECT_EQ(std::string(hero.item_name[kSlotHead]) + "/" + hero.item_name[kSlotObjects] + "/" +
                  hero.item_name[kSlotBracelets],
              "casque en ecailles noires/croc d'araignee psychique /bracelet de force de geant");
    EXPECT_EQ(hero.item_owned[kSlotHead] + hero.item_owned[kSlotObjects] + hero.item_owned[kSlotBracelets], 3);
    EXPECT_EQ(std::vector<int>({hero.defense, hero.robustness, hero.gold}), std::vector<int>({42, 201, 15}));
    EXPECT_EQ(p.plays_of("campagne.mp3"), 0);  // the way by the second guard has no cue
}

// No helmet for a wizard; his fireball burns the field; with 5 gold only the
// offer of 3 is open; the creature at the second bend, then the long way round.
TEST(Chapter2, WizardBurnsTheFieldIsLaughedAtAndTakesTheLongWay) {
    Playthrough p(kWizard);
    Hero& hero = p.hero;
    auto field_on_fire = [&] {
        EXPECT_NE(p.t.find_row("s'embrase"), 0);
        EXPECT_EQ(hero.reputation, -1);
        EXPECT_EQ(hero.experience, 15);  // the lancers only
        EXPECT_EQ(hero.energy, 30);      // the fight's spent energy is not written back
        EXPECT_EQ(hero.defense, hero.base_defense);
        EXPECT_EQ(p.t.game.defense_buff_used, 20);
        EXPECT_EQ(p.t.music.tracks.back(), "stopson.mp3");
    };
    play_chapter(p, {{kGuardBodies, '1'},
                     {kFirstGuard, '2', [&] { EXPECT_EQ(p.t.find_row("casque"), 0); }},
                     {kCerealFields, '1'}, {"2) Vos sortileges.", '2'},
                     {"1) Boule de feu mineure", '1'}, {"1 point de reputation", ' ', field_on_fire},
                     {kWalls, '1'}, {kGate, '3'}, {kNoGold, ' '}, {kGate, '4'}, {kNoGold, ' '},
                     {kGate, '2'}, {"rient au nez", ' ', [&] { EXPECT_EQ(hero.gold, 5); }},
                     {kEntrance, '1'}, {kCorridor, '2'}, {kLeftOrRight, '2'}, {kCorridor, '2'},
                     {"impression de deja vu", ' '}, {kLeftOrRight, '1'}, {kBackAtEntrance, '2'},
                     {"Vous etes deja passer", ' '}, {kLeftOrStraight, '2'},
                     {kHall, '3', [&] { EXPECT_EQ(hero.hp, hero.max_hp - 1); }},
                     {kAfterSnake, '1'}});
    EXPECT_EQ(p.screens_showing(kCreature), 1);
    EXPECT_EQ(p.screens_showing(kWandered), 1);
    EXPECT_EQ(hero.item_owned[kSlotHead] + hero.item_owned[kSlotObjects], 0);
    EXPECT_EQ(hero.gold, 5);
}

// A priest runs into the spider and goes straight to the sewers, where the
// straight-left way meets nothing; the equipment at the entrance restarts its track.
TEST(Chapter2, PriestTakesTheShortestWayThroughTheSewers) {
    Playthrough p(kPriest);
    play_chapter(p, Script{{kGuardBodies, '2'}, {kCerealFields, '3'}, {kSpiderBody, '2'},
                           {kWalls, '2'}, {kEntrance, '8'}} +
                        kShortestSewers);
    EXPECT_EQ(p.screens_showing(kCreature), 0);
    EXPECT_EQ(p.screens_showing(kWandered), 0);
    EXPECT_EQ(p.hero.hp, p.hero.max_hp);
    EXPECT_EQ(p.plays_of("egouts.mp3"), 2);
    EXPECT_EQ(p.plays_of("campagne.mp3"), 1);
}

// The thief's instinct spares his hand; the 5 gold of the guard make 10, which
// open the gate and stay in his purse.
TEST(Chapter2, ThiefAvoidsTheTrapAndOpensTheGateWithTenGold) {
    Playthrough p(kThief);
    p.hero.gold = 5;
    play_chapter(p, {{kGuardBodies, '1'}, {kFirstGuard, '1'},
                     {"Tordevis", ' ', [&] { EXPECT_EQ(p.hero.hp, 300); }},
                     {kCerealFields, '1'}, {kSpiderBody, '2'}, {kWalls, '1'}, {kGate, '4'},
                     {"Mon seigneur : la ville est a vous", ' '}, {"grande avenue", ' '}});
    EXPECT_EQ(p.hero.gold, 10);
    EXPECT_EQ(p.plays_of("egouts.mp3"), 0);
}

// The offer of 6 is a luck test, one roll modulo 5 plus luck, at least 11. Refused,
// it sends the hero into the sewers, here to the creature and then straight on.
TEST(Chapter2, SixGoldOpenTheGateOnlyWhenLuckHolds) {
    for (const bool lucky : {true, false}) {
        SCOPED_TRACE(lucky ? "accepted" : "refused");
        Playthrough p(kKnight);
        p.hero.gold = 6;
        p.hero.luck = (lucky ? 11 : 10) - first_roll(p.t.clock.seconds, 5);
        Script script = kToTheWalls + Script{{kWalls, '1'}, {kGate, '3'}};
        if (!lucky) {
            script = script + Script{{kEntrance, '2'}, {kLeftOrStraight, '2'},
                                     {kHall, '1', [&] { EXPECT_EQ(p.hero.hp, p.hero.max_hp); }},
                                     {kAfterSnake, '1'}};
        }
        play_chapter(p, script);
        EXPECT_EQ(p.hero.gold, lucky ? 0 : 6);
        EXPECT_EQ(p.screens_showing(kCreature), lucky ? 0 : 1);
        EXPECT_EQ(p.screens_showing(kWandered), 0);
    }
}

}  // namespace
}  // namespace vov::test
