// Chapter 1 played with scripted choices and a fixed clock.
#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "hero/random.hpp"
#include "story/chapters.hpp"
#include "story_play.hpp"

namespace vov::test {
namespace {

// The menus of the chapter, by a text of their own.
const char* const kPath = "3) Avant toute chose fouiller les decombres.";
const char* const kGuards = "3) Ou poursuivre votre route mais";
const char* const kGreeting = "1) Les attaquer.";
const char* const kAmbush = "1) Charger.";
const char* const kFireLight = "2) Continuez votre route en le contournant.";
const char* const kBrawl = "2) Vous en approchez.";
const char* const kWolfAndGnome = "1) Combattre le gnome.";
const char* const kGnomeHouse = "1) Prendre l'anneau que vous tend le petit gnome.";
const char* const kPlant = "1) Essayez de retirer la plante avec votre arme.";
// Screens on the way.
const char* const kBench = "Vous marchez des heures";
const char* const kWolfDead = "Votre dernier coup";

using Tracks = std::vector<std::string>;

// Through the forest to the wolf and the gnome, then the wolf's fight.
const Script kToTheWolf = {{kPath, '1'}, {kFireLight, '1'}, {kBrawl, '2'}};
const Script kWolf = kToTheWolf + Script{{kWolfAndGnome, '2'}};
const Script kToThePlant = {{kPath, '1'}, {kFireLight, '2'}};

// The Monster fields a fight reads, in record order, spell power left out.
using FightValues = std::array<int, 11>;
FightValues fight_values(const Monster& m) {
    return {m.hp, m.energy, m.defense, m.magic_resistance, m.agility, m.robustness,
            m.level, m.has_shield, m.weapon_parry, m.weapon_damage, m.experience_reward};
}

// The rubble gives the purse and provisions and the bench a meal; past the
// guards the hero comes to the bench hungry.
TEST(ChapterOne, RubbleOrGuardsToTheBench) {
    for (const bool rubble : {true, false}) {
        SCOPED_TRACE(rubble ? "rubble" : "guards");
        Playthrough p;
        p.hero.hp = 80;
        const char* gain = rubble ? "5 points de sante" : "3 points de sante";
        int colour = -1;
        const Script start = rubble ? Script{{kPath, '3'}} : Script{{kPath, '2'}, {kGuards, '3'}};
        p.play(play_chapter1, start + Script{{kFireLight, '2'},
                                             {kBench, '1', [&] { colour = p.t.colour_of(gain); }},
                                             {kPlant, kStop}});
        EXPECT_EQ(p.hero.hp, rubble ? 85 : 77);
        EXPECT_EQ(p.hero.gold, rubble ? 10 : 0);
        EXPECT_EQ(p.hero.meals, rubble ? 1 : 0);
        EXPECT_EQ(p.hero.water, rubble ? 4 : 0);
        EXPECT_EQ(colour, rubble ? 11 : 12);
        EXPECT_EQ(p.t.music.tracks, (Tracks{"stopson.mp3", "foret.mp3", "foretprofonde.mp3"}));
    }
}

TEST(ChapterOne, WholeChapterFightsTheWolfAndThePlantAndHandsOverToChapterTwo) {
    Playthrough p;
    Monster wolf;
    std::string wolf_name;
    auto keep_wolf = [&] {
        wolf = p.t.game.monster;
        wolf_name = p.t.game.monster_name;
    };
    p.hero.luck = 11;
    EXPECT_FALSE(p.play(play_chapter1, kWolf + Script{{kBench, '1', keep_wolf}, {kPlant, '1'}}));
    EXPECT_EQ(p.hero.chapter, 2);
    EXPECT_EQ(p.t.game.current_chapter, 2);
    EXPECT_EQ(p.hero.experience, 7 + 10);
    EXPECT_EQ(p.t.music.tracks.back(), "grognement.mp3");
    EXPECT_EQ(p.fights(), 2);
    EXPECT_EQ(wolf_name, "Loup de la foret");
    EXPECT_EQ(fight_values(wolf), (FightValues{20, 0, 0, 0, 5, 7, 2, 0, 0, 6, 7}));
    EXPECT_EQ(std::string(p.t.game.monster_name), "Plante sinueuse");
    EXPECT_EQ(std::string(p.t.game.monster_weapon), "epines et lianes");
    EXPECT_EQ(p.t.game.monster_kind, kWeaponFighter);
    EXPECT_EQ(fight_values(p.t.game.monster), (FightValues{25, 0, 1, 2, 8, 7, 2, 0, 0, 7, 10}));
    EXPECT_EQ(p.t.game.fight.monster_max_hp, 25);
}

// The guards' ambush: the fire ball strikes again each time the menu is shown
// after '8' or '9', and the charge is fatal.
TEST(ChapterOne, FireballStrikesAgainWithEveryShowingAndTheChargeIsFatal) {
    Playthrough p;
    p.hero.hp = p.hero.max_hp = 100;
    p.hero.magic_resistance = 0;
    EXPECT_TRUE(p.play(play_chapter1, {{kPath, '2'}, {kGuards, '2'}, {kAmbush, '8'},
                                       {"Parties d'armures", 'x'}, {kAmbush, '9'},
                                       {"Voici vos caract", 'x'}, {kAmbush, '1'}}));
    EXPECT_EQ(p.hero.hp, 85);
    EXPECT_EQ(p.plays_of("attaque.mp3"), 3);
    EXPECT_TRUE(p.seen("Vous perdez 5 - 0 points de sante."));
    EXPECT_NE(p.t.find_row("Malheureusement votre aventure se termine ici."), 0);
}

// Resistance above 5 heals (up to the maximum) instead of burning.
TEST(ChapterOne, MagicResistanceSoftensTheFireballAndFleeingLeadsIntoTheForest) {
    Playthrough p;
    p.hero.magic_resistance = 7;
    p.hero.hp = 99;
    p.hero.max_hp = 100;
    p.play(play_chapter1, {{kPath, '2'}, {kGuards, '1'}, {kGreeting, '1'}, {kAmbush, '2'},
                           {kFireLight, kStop}});
    EXPECT_EQ(p.hero.hp, 100);
    EXPECT_TRUE(p.seen("Vous perdez 5 - 7 points de sante."));
    EXPECT_EQ(p.t.music.tracks, (Tracks{"stopson.mp3", "attaque.mp3", "foret.mp3"}));
}

// Killing the gnome costs a dwarf two reputation, others one, never below -5.
TEST(ChapterOne, GnomeKillCostsReputation) {
    struct Case {
        int race, reputation, after;
    };
    for (const Case c : {Case{kDwarf, 0, -2}, Case{kHuman, 0, -1}, Case{kHuman, -5, -5}}) {
        SCOPED_TRACE(testing::Message() << c.race << " " << c.reputation);
        Playthrough p;
        p.hero.race = c.race;
        p.hero.reputation = c.reputation;
        p.play(play_chapter1, kToTheWolf + Script{{kWolfAndGnome, '1'}, {kBench, kStop}});
        EXPECT_EQ(p.hero.reputation, c.after);
        EXPECT_EQ(p.t.game.fight.fight_result, 8);
        EXPECT_FALSE(p.seen(kWolfDead));
        EXPECT_EQ(p.seen("Il est en effet inadmissible pour un nain\nde tuer un de leur allie gnome."),
                  c.race == kDwarf);
    }
}

// A gnome killed in an earlier run is never met after the wolf; leaving them
// both goes on to the bench.
TEST(ChapterOne, NoGnomeAfterAnEarlierKillOrWhenLeft) {
    Playthrough p;
    p.t.game.fight.fight_result = 8;
    p.play(play_chapter1, kWolf + Script{{kBench, kStop}});
    EXPECT_FALSE(p.seen(kWolfDead));
    EXPECT_EQ(p.hero.reputation, 0);

    Playthrough left;
    left.play(play_chapter1, kToTheWolf + Script{{kWolfAndGnome, '3'}, {kBench, kStop}});
    EXPECT_EQ(left.t.game.fight.fight_result, 1);
    EXPECT_EQ(left.fights(), 0);
}

// The gnome's door admits 90 cm but not 91; the gnome shouts a black-skinned elf
// away whatever his height.
TEST(ChapterOne, GnomesDoorByHeightAndSkin) {
    struct Case {
        int race, skin, height;
        const char* seen;
        bool admitted;
    };
    for (const Case c : {Case{kDwarf, 1, 90, kGnomeHouse, true},
                         Case{kDwarf, 1, 91, "Vous etes bien trop grand pour passer par cette porte.", false},
                         Case{kElf, 6, 80, "Le gnome bondit soudain sur place et vous hurle dessus:", false}}) {
        SCOPED_TRACE(c.height);
        Playthrough p;
        p.hero.race = c.race;
        p.hero.skin = c.skin;
        p.hero.height_cm = c.height;
        int speech_colour = -1;
        const Script elf = {{"elfe noir", '1', [&] { speech_colour = p.t.colour_of("cela ne sert a rien"); }}};
        p.play(play_chapter1, kWolf + (c.skin == 6 ? elf : Script{}) + Script{{kBench, kStop}});
        EXPECT_TRUE(p.seen(c.seen));
        EXPECT_EQ(p.seen(kGnomeHouse), c.admitted);
        EXPECT_EQ(speech_colour, c.skin == 6 ? 6 : -1);
        EXPECT_EQ(p.hero.item_owned[kSlotAmulet] + p.hero.item_owned[kSlotRightRing], c.admitted ? 1 : 0);
    }
}

// The ring gives luck; the medallion raises defence and makes the current
// health the maximum.
TEST(ChapterOne, RingOrMedallion) {
    Playthrough p;
    p.hero.race = kFarfadelfe;
    p.hero.height_cm = 60;
    p.play(play_chapter1, kWolf + Script{{kGnomeHouse, '1'}, {kBench, kStop}});
    EXPECT_EQ(p.hero.luck, 9);
    EXPECT_EQ(std::string(p.hero.item_name[kSlotRightRing]), "anneau des dryades perdues");
    EXPECT_EQ(p.hero.item_owned[kSlotRightRing], 1);
    EXPECT_EQ(p.hero.item_owned[kSlotAmulet], 0);

    Playthrough m;
    Hero& h = m.hero;
    h.race = kFarfadelfe;
    h.height_cm = 60;
    h.defense = h.base_defense = 3;
    int hp = 0, max_hp = 0;
    auto wounded = [&] { h.hp = 10, h.max_hp = 20; };
    m.play(play_chapter1,
           kWolf + Script{{kGnomeHouse, '2', wounded},
                          {"medaillon du petit gnome", '1', [&] { hp = h.hp, max_hp = h.max_hp; }},
                          {kBench, kStop}});
    EXPECT_EQ(hp, 15);
    EXPECT_EQ(max_hp, 15);
    EXPECT_EQ(h.defense, 4);
    EXPECT_EQ(h.base_defense, 4);
    EXPECT_EQ(std::string(h.item_name[kSlotAmulet]), "amulette du petit gnome");
    EXPECT_EQ(h.luck, 8);
}

// Every story menu of the chapter ignores keys it does not offer; '8' and '9'
// show the equipment and the sheet, then the menu again; '0' quits. (A farfadelfe
// of 60 cm, so that the gnome's door lets the hero in.)
TEST(ChapterOne, EveryMenuIgnoresOtherKeysAndShowsItselfAgainAfterEightAndNine) {
    const std::pair<Script, const char*> routes[] = {
        {{}, kPath},
        {{{kPath, '2'}}, kGuards},
        {{{kPath, '2'}, {kGuards, '1'}}, kGreeting},
        {{{kPath, '2'}, {kGuards, '2'}}, kAmbush},
        {{{kPath, '1'}}, kFireLight},
        {{{kPath, '1'}, {kFireLight, '1'}}, kBrawl},
        {kToTheWolf, kWolfAndGnome},
        {kWolf, kGnomeHouse},
        {kToThePlant, kPlant},
    };
    for (const auto& [to_menu, menu] : routes) {
        SCOPED_TRACE(menu);
        Playthrough p;
        p.hero.race = kFarfadelfe;
        p.hero.height_cm = 60;
        p.hero.magic_resistance = 0;
        std::string first;
        auto same = [&] {
            if (first.empty()) first = p.t.text();
            EXPECT_EQ(p.t.text(), first);
        };
        const std::string m = menu;
        EXPECT_TRUE(p.play(play_chapter1, to_menu + Script{{m, '4', same}, {m, '7', same}, {m, 'a', same},
                                                           {m, '8', same}, {"Parties d'armures:", 'x'},
                                                           {m, '9', same}, {"Voici vos caract", 'x'},
                                                           {m, '0', same}}));
        EXPECT_EQ(p.t.music.tracks.back(), "stopson.mp3");
    }
}

TEST(ChapterOne, WizardsFireballAtThePlantIsFatalAndKeyThreeIsIgnoredForOthers) {
    Playthrough wizard(kWizard);
    EXPECT_TRUE(wizard.play(play_chapter1, kToThePlant + Script{{kPlant, '3'}}));
    EXPECT_TRUE(wizard.seen("3) Lancez un sort de boule de feu mineure sur la plante."));
    EXPECT_TRUE(wizard.seen("votre boule de feu embrase"));

    Playthrough knight;
    knight.hero.luck = 11;
    knight.play(play_chapter1, kToThePlant + Script{{kPlant, '3'}, {kPlant, '1'},
                                                    {"Vous parvenez enfin", kStop}});
    EXPECT_FALSE(knight.seen("3) Lancez un sort"));
}

// The plant's luck test: luck + d6 must reach 11, each failure costs 2 health
// and is told on the same screen. Without provisions the bench costs 3 health.
TEST(ChapterOne, PlantLuckTest) {
    Playthrough doomed;
    doomed.hero.luck = 5;
    doomed.hero.hp = doomed.hero.max_hp = 6;  // two tries: more would scroll
    EXPECT_TRUE(doomed.play(play_chapter1, kToThePlant + Script{{kPlant, '1'}}));
    EXPECT_LT(doomed.hero.hp, 1);

    Playthrough p;
    p.hero.hp = 53;
    p.t.clock.seconds = 1006;
    Random dice;
    dice.seed(1006);
    int failures = 0;
    while (dice.draw() % 6 + 8 < 11) ++failures;
    ASSERT_GT(failures, 0);
    p.play(play_chapter1, kToThePlant + Script{{kPlant, '1'}, {"Vous parvenez enfin", kStop}});
    const std::string& last_try = p.screens[p.screens.size() - 2];
    int tries = 0;
    for (auto at = last_try.find("Vous devez reessayez"); at != std::string::npos;
         at = last_try.find("Vous devez reessayez", at + 1))
        ++tries;
    EXPECT_EQ(tries, failures);  // all on the same screen
    EXPECT_EQ(p.hero.hp, 50 - 2 * failures);
}

}  // namespace
}  // namespace vov::test
