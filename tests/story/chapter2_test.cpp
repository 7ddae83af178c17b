// Chapter 2 played through with a fixed clock and a hero who wins every fight with
// one blow: the guards' pockets, the spider and the burning field, the gate's
// bribes and the ways through the sewers.
#include <gtest/gtest.h>

#include <algorithm>

#include "anchored_keys.hpp"
#include "story/chapters.hpp"
#include "test_game.hpp"

namespace vov::test {
namespace {

using Script = std::deque<AnchoredKey>;

// A clock second at which the hero's first blow is not avoided: the blow
// reseeds, rolls its damage, then one roll in three lets the monster avoid it.
std::int64_t clock_where_blows_land() {
    for (std::int64_t seconds = 1000;; ++seconds) {
        Random r;
        r.seed(static_cast<std::uint32_t>(seconds));
        r.draw();
        if (r.draw() % 3 != 0) return seconds;
    }
}

// The luck draw of the gate: seeded from the clock, one roll modulo 5.
int gate_draw(std::int64_t seconds) {
    Random r;
    r.seed(static_cast<std::uint32_t>(seconds));
    return r.draw() % 5;
}

// The anchors of the road's menus.
const char* const kGuardBodies = "1) Fouillez les depouilles";
const char* const kFirstGuard = "1) Fouillez le deuxieme garde";
const char* const kCerealFields = "3) Courir en direction de Voderuri.";
const char* const kSpiderBody = "1) Examiner le corps de l'arachnide.";
const char* const kWalls = "2) Essayer d'entrer dans la ville en passant";
const char* const kGate = "4) Leur donner 10 pieces d'or.";
const char* const kNotEnoughGold = "Vous n'avez pas assez d'or pour faire cela.";
// The anchors of the sewers' forks.
const char* const kEntrance = "soit aller a droite.";
const char* const kCorridor = "Vous pouvez aller a droite ou a gauche";
const char* const kForkLeftOrStraight = "Vous pouvez aller tout droit ou a gauche.";
const char* const kLeftTurn = "Vous vous retrouvez plus loin a un embranchement.";
const char* const kForkLeftOrRight = "Vous continuez votre route.";
const char* const kBackAtEntrance = "vous voici de retour a la premiere bifurcation";
const char* const kGreatHall = "3) Examiner la cavite.";
const char* const kAfterSnake = "Deux chois s'offrent maintenant a vous:";
const char* const kCreatureFight = "celebre ecole de magie";
const char* const kLostInSewers = "Le fait de vous etre egare dans ces egouts";

Script operator+(Script first, const Script& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// Straight to the walls: no search, weapon out in the fields, no fang.
Script road_to_walls() {
    return {{kGuardBodies, '2'}, {kCerealFields, '1'}, {kSpiderBody, '2'}};
}

// From the sewer entrance, straight on and left to the hall, then up the ladder.
Script shortest_sewers() {
    return {{kEntrance, '1'}, {kCorridor, '1'}, {kGreatHall, '1'}, {kAfterSnake, '1'}};
}

int count_tracks(const TestGame& t, const std::string& track) {
    return static_cast<int>(std::count(t.music.tracks.begin(), t.music.tracks.end(), track));
}

class Chapter2Test : public ::testing::Test {
protected:
    Chapter2Test() {
        make_strong_hero(t.game.hero, kBarbarian);
        t.clock.seconds = clock_where_blows_land();
        t.game.current_chapter = 2;
    }

    // Plays the whole chapter; every anchor must have been reached and the
    // chapter must hand over to chapter 3.
    void play(Script script) {
        AnchoredKeys keys(t, std::move(script));
        for (const char* text : {kCreatureFight, kLostInSewers}) keys.watch(text);
        play_chapter2(t.game);
        EXPECT_EQ(keys.left(), 0u) << "not reached: " << keys.next_anchor() << "\n" << t.text();
        creature_fights = keys.screens_showing(kCreatureFight);
        wandering_losses = keys.screens_showing(kLostInSewers);
        EXPECT_EQ(t.game.hero.chapter, 3);
        EXPECT_EQ(t.game.current_chapter, 3);
    }

    Hero& hero = t.game.hero;
    TestGame t;
    int creature_fights = 0;
    int wandering_losses = 0;
};

// ---- The guards' pockets ----

TEST_F(Chapter2Test, BarbarianGetsHelmetAndGoldOnceAndIsBittenByTheRatTrap) {
    play(Script{{kGuardBodies, '1'},
          {kFirstGuard, '9'},
          {kFirstGuard, '1',
           [&] {
               // Shown again after the sheet: same lines, no second grant.
               EXPECT_NE(t.find_row("casque d'ecailles noire"), 0);
               EXPECT_EQ(hero.defense, 42);
               EXPECT_EQ(hero.base_defense, 42);
               EXPECT_EQ(hero.gold, 5);
               EXPECT_EQ(t.colour_of("5 pieces d'or"), 11);
           }},
          {"Tordevis", ' ',
           [&] {
               EXPECT_EQ(hero.hp, 298);
               EXPECT_NE(t.find_row("2 points de sante"), 0);
               EXPECT_EQ(t.colour_of("Tordevis"), 13);
               EXPECT_EQ(t.colour_of("Que cela te serve de lecon miserable voleur !"), 6);
           }},
          {kCerealFields, '1'},
          {kSpiderBody, '2'},
          {kWalls, '2'}} +
         shortest_sewers());
    EXPECT_EQ(hero.item_owned[kSlotHead], 1);
    EXPECT_STREQ(hero.item_name[kSlotHead], "casque en ecailles noires");
    EXPECT_EQ(hero.defense, 42);
    EXPECT_EQ(hero.gold, 5);
    // The way through the second guard starts no countryside track.
    EXPECT_EQ(count_tracks(t, "campagne.mp3"), 0);
}

TEST_F(Chapter2Test, WizardAndPriestFindNoHelmetButTheGold) {
    for (const int hero_class : {kWizard, kPriest}) {
        TestGame game;
        make_strong_hero(game.game.hero, hero_class);
        game.clock.seconds = t.clock.seconds;
        AnchoredKeys keys(game, Script{{kGuardBodies, '1'},
                                 {kFirstGuard, '2',
                                  [&] { EXPECT_EQ(game.find_row("casque"), 0); }},
                                 {kCerealFields, '1'},
                                 {kSpiderBody, '2'},
                                 {kWalls, '2'}} +
                                    shortest_sewers());
        play_chapter2(game.game);
        EXPECT_EQ(keys.left(), 0u);
        EXPECT_EQ(game.game.hero.item_owned[kSlotHead], 0);
        EXPECT_EQ(game.game.hero.base_defense, 40);
        EXPECT_EQ(game.game.hero.gold, 5);
        EXPECT_EQ(count_tracks(game, "campagne.mp3"), 1);
    }
}

TEST_F(Chapter2Test, ThiefPullsTheRatTrapOutUnharmed) {
    hero.hero_class = kThief;
    play(Script{{kGuardBodies, '1'},
          {kFirstGuard, '1'},
          {"Tordevis", ' ',
           [&] {
               EXPECT_EQ(hero.hp, 300);
               EXPECT_NE(t.find_row("piege a rat"), 0);
               EXPECT_EQ(t.find_row("points de sante"), 0);
           }},
          {kCerealFields, '1'},
          {kSpiderBody, '2'},
          {kWalls, '2'}} +
         shortest_sewers());
}

// ---- The spider ----

TEST_F(Chapter2Test, FangTakenFromTheSpider) {
    play(Script{{kGuardBodies, '2'}, {kCerealFields, '1'}, {kSpiderBody, '1'}, {kWalls, '2'}} +
         shortest_sewers());
    EXPECT_EQ(hero.item_owned[kSlotObjects], 1);
    EXPECT_STREQ(hero.item_name[kSlotObjects], "croc d'araignee psychique ");
}

TEST_F(Chapter2Test, CrouchingInTheCerealsCostsFourHealth) {
    play(Script{{kGuardBodies, '2'},
          {kCerealFields, '2'},
          {"4 points de sante", ' ', [&] { EXPECT_EQ(hero.hp, 296); }},
          {kSpiderBody, '2'},
          {kWalls, '2'}} +
         shortest_sewers());
}

TEST_F(Chapter2Test, WizardsFireballSetsTheFieldOnFireAndEndsTheFight) {
    hero.hero_class = kWizard;
    hero.gold = 10;
    play(Script{{kGuardBodies, '2'},
          {kCerealFields, '1'},
          {"2) Vos sortileges.", '2'},
          {"1) Boule de feu mineure", '1'},
          {"1 point de reputation", ' ',
           [&] {
               EXPECT_NE(t.find_row("s'embrase"), 0);
               EXPECT_EQ(t.colour_of("1 point de reputation"), 12);
               EXPECT_EQ(t.music.tracks.back(), "stopson.mp3");
           }},
          {kWalls, '1'},
          {kGate, '4'}});
    EXPECT_EQ(hero.reputation, -1);
    EXPECT_EQ(hero.experience, 15);  // the lancers only
    EXPECT_EQ(hero.item_owned[kSlotObjects], 0);
    EXPECT_EQ(hero.energy, 30);  // the spent fireball is not written back
    EXPECT_EQ(hero.defense, hero.base_defense);
    EXPECT_EQ(t.game.defense_buff_used, 20);
}

// ---- The gate ----

TEST_F(Chapter2Test, FiveGoldBuysNothingAndTheGuardsLaughAtThree) {
    play(Script{{kGuardBodies, '1'}, {kFirstGuard, '2'}, {kCerealFields, '1'},
                {kSpiderBody, '2'}, {kWalls, '1'},
                {kGate, '3'}, {kNotEnoughGold, ' '},
                {kGate, '4'}, {kNotEnoughGold, ' '},
                {kGate, '2'},
                {"rient au nez", ' ', [&] { EXPECT_EQ(hero.gold, 5); }}} +
         shortest_sewers());
    EXPECT_EQ(hero.gold, 5);
    EXPECT_EQ(count_tracks(t, "egouts.mp3"), 1);
}

TEST_F(Chapter2Test, TenGoldOpensTheGateAndStaysInThePurse) {
    hero.gold = 10;
    play(road_to_walls() + Script{{kWalls, '1'},
                                  {kGate, '4'},
                                  {"grande avenue", ' ',
                                   [&] {
                                       EXPECT_NE(t.find_row("Mon seigneur : la ville est a vous"), 0);
                                   }}});
    EXPECT_EQ(hero.gold, 10);
    EXPECT_EQ(count_tracks(t, "egouts.mp3"), 0);
}

// The offer of 6 is a luck test: one draw modulo 5 plus luck, at least 11.
TEST_F(Chapter2Test, SixGoldOpensTheGateOnlyWhenLuckHolds) {
    const int draw = gate_draw(t.clock.seconds);
    for (const bool lucky : {true, false}) {
        SCOPED_TRACE(lucky ? "accepted" : "refused");
        TestGame game;
        make_strong_hero(game.game.hero, kBarbarian);
        game.clock.seconds = t.clock.seconds;
        game.game.hero.gold = 6;
        game.game.hero.luck = (lucky ? 11 : 10) - draw;
        Script script = road_to_walls() + Script{{kWalls, '1'}, {kGate, '3'}};
        if (!lucky) script = script + shortest_sewers();
        AnchoredKeys keys(game, script);
        play_chapter2(game.game);
        EXPECT_EQ(keys.left(), 0u);
        EXPECT_EQ(game.game.hero.gold, lucky ? 0 : 6);
        EXPECT_EQ(count_tracks(game, "egouts.mp3"), lucky ? 0 : 1);
        EXPECT_EQ(game.game.current_chapter, 3);
    }
}

// ---- The sewers ----

TEST_F(Chapter2Test, StraightThenLeftMeetsNoCreatureAndCostsNothing) {
    play(road_to_walls() + Script{{kWalls, '2'},
                                  {kEntrance, '8'},
                                  {kEntrance, '1'},
                                  {kCorridor, '1'},
                                  {kGreatHall, '1', [&] { EXPECT_EQ(hero.hp, hero.max_hp); }},
                                  {kAfterSnake, '1'}});
    EXPECT_EQ(creature_fights, 0);
    EXPECT_EQ(wandering_losses, 0);
    // The equipment screen at the entrance starts the sewer track again.
    EXPECT_EQ(count_tracks(t, "egouts.mp3"), 2);
}

TEST_F(Chapter2Test, CreatureThenStraightOnCostsNothingAndTheBonesHoldBracelets) {
    play(road_to_walls() + Script{{kWalls, '2'},
                                  {kEntrance, '2'},
                                  {kForkLeftOrStraight, '2'},
                                  {kGreatHall, '1', [&] { EXPECT_EQ(hero.hp, hero.max_hp); }},
                                  {kAfterSnake, '2'}});
    EXPECT_EQ(creature_fights, 1);
    EXPECT_EQ(wandering_losses, 0);
    EXPECT_EQ(hero.gold, 10);
    EXPECT_EQ(hero.robustness, 201);
    EXPECT_EQ(hero.item_owned[kSlotBracelets], 1);
    EXPECT_STREQ(hero.item_name[kSlotBracelets], "bracelet de force de geant");
}

TEST_F(Chapter2Test, TwoLoopsTheLongWayCostOneHealthOnce) {
    play(road_to_walls() + Script{{kWalls, '2'},
                                  {kEntrance, '1'},
                                  {kCorridor, '2'},                        // the creature
                                  {kForkLeftOrRight, '2'},                 // back to the corridor
                                  {kCorridor, '2'},
                                  {"impression de deja vu", ' '},
                                  {kForkLeftOrRight, '1'},
                                  {kBackAtEntrance, '1'},
                                  {kCorridor, '1'},
                                  {kGreatHall, '1',
                                   [&] { EXPECT_EQ(hero.hp, hero.max_hp - 1); }},
                                  {kAfterSnake, '1'}});
    EXPECT_EQ(creature_fights, 1);
    EXPECT_EQ(wandering_losses, 1);
}

TEST_F(Chapter2Test, TheFirstBendRevisitedNeverStartsASecondFight) {
    play(road_to_walls() + Script{{kWalls, '2'},
                                  {kEntrance, '2'},                  // the creature
                                  {kForkLeftOrStraight, '1'},
                                  {kLeftTurn, '1',
                                   [&] { EXPECT_NE(t.find_row("Vous esperez ne pas"), 0); }},
                                  {"Vous etes deja passer par cet endroit", ' '},
                                  {kForkLeftOrStraight, '1'},
                                  {kLeftTurn, '2'},
                                  {kBackAtEntrance, '2'},
                                  {kForkLeftOrStraight, '2'},
                                  {kGreatHall, '1',
                                   [&] { EXPECT_EQ(hero.hp, hero.max_hp - 1); }},
                                  {kAfterSnake, '1'}});
    EXPECT_EQ(creature_fights, 1);
    EXPECT_EQ(wandering_losses, 1);
}

}  // namespace
}  // namespace vov::test
