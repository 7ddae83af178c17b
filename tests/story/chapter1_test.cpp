// Chapter 1 played with scripted keys and a fixed clock. In the scripts 'x'
// stands for "any key" at an outcome screen or a pause.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "hero/random.hpp"
#include "story/chapters.hpp"
#include "story_play.hpp"

namespace vov::test {
namespace {

class ChapterOne : public ::testing::Test {
protected:
    void SetUp() override { make_hero(t.game); }

    // Plays until the script runs out, keeping every screen the player saw.
    void play_until_script_ends(const std::string& keys, std::vector<AfterFight> after_fights = {}) {
        StoryPlayer player(t, keys, std::move(after_fights));
        player.inspect = [&] { screens.push_back(t.text()); };
        EXPECT_THROW(play_chapter1(t.game), ScriptExhausted);
    }
    // Plays until the game ends; false when it did not.
    bool play_until_game_over(const std::string& keys, std::vector<AfterFight> after_fights = {}) {
        StoryPlayer player(t, keys, std::move(after_fights));
        player.inspect = [&] { screens.push_back(t.text()); };
        return t.ends_game([&] { play_chapter1(t.game); });
    }
    bool seen(const std::string& text) const {
        return std::any_of(screens.begin(), screens.end(),
                           [&](const std::string& s) { return s.find(text) != std::string::npos; });
    }
    int plays_of(const std::string& track) const {
        return static_cast<int>(std::count(t.music.tracks.begin(), t.music.tracks.end(), track));
    }

    TestGame t;
    Hero& hero = t.game.hero;
    std::vector<std::string> screens;
};

using Tracks = std::vector<std::string>;

// The Monster fields a fight reads, in record order, spell power left out.
using FightValues = std::array<int, 11>;
FightValues fight_values(const Monster& m) {
    return {m.hp, m.energy, m.defense, m.magic_resistance, m.agility, m.robustness,
            m.level, m.has_shield, m.weapon_parry, m.weapon_damage, m.experience_reward};
}

// The path out of the forest and the meal on the bench.

TEST_F(ChapterOne, RubbleGivesPurseAndProvisionsAndTheBenchAMeal) {
    hero.hp = 80;
    int meal_colour = -1;
    StoryPlayer player(t, "x3x2x");
    player.inspect = [&] {
        if (t.find_row("Vous venez de recuperer")) meal_colour = t.colour_of("5 points de sante");
    };
    EXPECT_THROW(play_chapter1(t.game), ScriptExhausted);
    EXPECT_EQ(hero.gold, 10);
    EXPECT_EQ(hero.meals, 1);
    EXPECT_EQ(hero.water, 4);
    EXPECT_EQ(hero.hp, 85);
    EXPECT_EQ(meal_colour, 11);
    EXPECT_EQ(t.music.tracks, (Tracks{"stopson.mp3", "foret.mp3", "foretprofonde.mp3"}));
}

TEST_F(ChapterOne, PathPastTheGuardsLeavesTheHeroHungryAtTheBench) {
    hero.hp = 80;
    int hunger_colour = -1;
    std::string hunger_row;
    StoryPlayer player(t, "x23x2x");
    player.inspect = [&] {
        if (t.find_row("Vous mourez de faim") == 0) return;
        hunger_colour = t.colour_of("3 points de sante");
        hunger_row = t.row(t.find_row("3 points de sante"));
    };
    EXPECT_THROW(play_chapter1(t.game), ScriptExhausted);
    EXPECT_EQ(hero.hp, 77);
    EXPECT_EQ(hero.gold, 0);
    EXPECT_EQ(hero.meals, 0);
    EXPECT_EQ(hunger_colour, 12);
    EXPECT_EQ(hunger_row, "3 points de sante");
    EXPECT_EQ(t.music.tracks, (Tracks{"stopson.mp3", "foret.mp3", "foretprofonde.mp3"}));
}

TEST_F(ChapterOne, WholeChapterFightsTheWolfAndThePlantAndHandsOverToChapterTwo) {
    const int experience = hero.experience;
    Monster wolf;
    std::string wolf_name;
    StoryPlayer player(t, "x3x122", {{"Votre dernier coup", "xx"}, {"Vous marchez des heures", "x1x"},
                                     {"La plante git", "xxx"}});
    player.inspect = [&] {
        if (t.find_row("Votre dernier coup") == 0) return;
        wolf = t.game.monster;
        wolf_name = t.game.monster_name;
    };
    EXPECT_FALSE(t.ends_game([&] { play_chapter1(t.game); }));
    EXPECT_EQ(t.keys.left(), 0u);
    EXPECT_EQ(hero.chapter, 2);
    EXPECT_EQ(t.game.current_chapter, 2);
    EXPECT_EQ(hero.experience, experience + 7 + 10);
    EXPECT_EQ(t.music.tracks.back(), "grognement.mp3");
    EXPECT_EQ(std::count_if(t.music.tracks.begin(), t.music.tracks.end(),
                            [](const std::string& track) { return track.rfind("combat", 0) == 0; }),
              2);

    EXPECT_EQ(wolf_name, "Loup de la foret");
    EXPECT_EQ(fight_values(wolf), (FightValues{20, 0, 0, 0, 5, 7, 2, 0, 0, 6, 7}));
    EXPECT_EQ(std::string(t.game.monster_name), "Plante sinueuse");
    EXPECT_EQ(std::string(t.game.monster_weapon), "epines et lianes");
    EXPECT_EQ(t.game.monster_kind, kWeaponFighter);
    EXPECT_EQ(fight_values(t.game.monster), (FightValues{25, 0, 1, 2, 8, 7, 2, 0, 0, 7, 10}));
    EXPECT_EQ(t.game.fight.monster_max_hp, 25);
    EXPECT_EQ(t.game.fight.monster_level, 2);
}

// The guards' ambush.

TEST_F(ChapterOne, FireballStrikesAgainWithEveryShowingAndTheChargeIsFatal) {
    hero.hp = 100;
    EXPECT_TRUE(play_until_game_over("x22" "8x" "9x" "1" "x"));
    EXPECT_EQ(hero.hp, 85);
    EXPECT_EQ(plays_of("attaque.mp3"), 3);
    EXPECT_TRUE(seen("Vous perdez 5 - 0 points de sante."));
    EXPECT_NE(t.find_row("Malheureusement votre aventure se termine ici."), 0);
    EXPECT_EQ(t.keys.left(), 0u);
}

TEST_F(ChapterOne, MagicResistanceSoftensTheFireballAndFleeingLeadsIntoTheForest) {
    hero.magic_resistance = 7;
    hero.hp = 99;
    play_until_script_ends("x21" "1" "2");
    EXPECT_EQ(hero.hp, 100);
    EXPECT_TRUE(seen("Vous perdez 5 - 7 points de sante."));
    EXPECT_EQ(t.music.tracks, (Tracks{"stopson.mp3", "attaque.mp3", "foret.mp3"}));
    EXPECT_NE(t.find_row("apercevez la lueur d'un feu"), 0);

    hero.magic_resistance = 5;
    hero.hp = 50;
    screens.clear();
    play_until_script_ends("x22");
    EXPECT_EQ(hero.hp, 50);
}

// The wolf and the gnome.

TEST_F(ChapterOne, DwarfLosesTwoReputationForTheGnomeOthersOneAndNeverBelowMinusFive) {
    hero.race = kDwarf;
    play_until_script_ends("x1121x", {{"Vous marchez des heures", ""}});
    EXPECT_EQ(hero.reputation, -2);
    EXPECT_EQ(t.game.fight.fight_result, 8);
    EXPECT_TRUE(seen("2 points de reputation."));
    EXPECT_TRUE(seen("Il est en effet inadmissible pour un nain\nde tuer un de leur allie gnome."));
    EXPECT_FALSE(seen("Votre dernier coup"));

    TestGame other;
    make_hero(other.game);
    other.game.hero.reputation = -5;
    StoryPlayer player(other, "x1121x", {{"Vous marchez des heures", ""}});
    EXPECT_THROW(play_chapter1(other.game), ScriptExhausted);
    EXPECT_EQ(other.game.hero.reputation, -5);
}

TEST_F(ChapterOne, GnomeKilledInAnEarlierRunIsNeverMetAfterTheWolf) {
    t.game.fight.fight_result = 8;
    play_until_script_ends("x1122", {{"Vous marchez des heures", ""}});
    EXPECT_FALSE(seen("Votre dernier coup"));
    EXPECT_EQ(hero.reputation, 0);
}

TEST_F(ChapterOne, LeavingTheWolfAndTheGnomeGoesOnToTheBench) {
    play_until_script_ends("x1123");
    EXPECT_NE(t.find_row("Vous marchez des heures"), 0);
    EXPECT_EQ(t.game.fight.fight_result, 1);
    EXPECT_EQ(t.music.tracks, (Tracks{"stopson.mp3", "foret.mp3", "foretprofonde.mp3"}));
}

TEST_F(ChapterOne, BlackElfIsTurnedAwayFromTheGnomesDoor) {
    hero.race = kElf;
    hero.skin = 6;
    hero.height_cm = 80;
    int speech_colour = -1;
    StoryPlayer player(t, "x1122", {{"Votre dernier coup", "xx"}, {"Vous marchez des heures", ""}});
    player.inspect = [&] {
        screens.push_back(t.text());
        if (t.find_row("elfe noir")) speech_colour = t.colour_of("cela ne sert a rien");
    };
    EXPECT_THROW(play_chapter1(t.game), ScriptExhausted);
    EXPECT_TRUE(seen("Le gnome bondit soudain sur place et vous hurle dessus:"));
    EXPECT_EQ(speech_colour, 6);
    EXPECT_FALSE(seen("Celui-ci vous lance alors"));
    EXPECT_EQ(hero.item_owned[kSlotAmulet] + hero.item_owned[kSlotRightRing], 0);
}

TEST_F(ChapterOne, GnomesDoorAdmitsNinetyCentimetresButNotNinetyOne) {
    hero.race = kDwarf;
    hero.height_cm = 90;
    play_until_script_ends("x1122", {{"Votre dernier coup", "x"}});
    EXPECT_NE(t.find_row("1) Prendre l'anneau que vous tend le petit gnome."), 0);

    TestGame tall;
    make_hero(tall.game, kKnight, kDwarf);
    tall.game.hero.height_cm = 91;
    StoryPlayer player(tall, "x1122", {{"Votre dernier coup", "x"}});
    EXPECT_THROW(play_chapter1(tall.game), ScriptExhausted);
    EXPECT_NE(tall.find_row("Vous etes bien trop grand pour passer par cette porte."), 0);
}

TEST_F(ChapterOne, RingGivesLuckAndTheMedallionMakesTheCurrentHealthTheMaximum) {
    hero.race = kFarfadelfe;
    hero.height_cm = 60;
    const int luck = hero.luck;
    play_until_script_ends("x1122", {{"Votre dernier coup", "x1x"}});
    EXPECT_EQ(hero.luck, luck + 1);
    EXPECT_EQ(std::string(hero.item_name[kSlotRightRing]), "anneau des dryades perdues");
    EXPECT_EQ(hero.item_owned[kSlotRightRing], 1);
    EXPECT_EQ(hero.item_owned[kSlotAmulet], 0);

    TestGame wounded;
    make_hero(wounded.game, kKnight, kFarfadelfe);
    Hero& h = wounded.game.hero;
    h.height_cm = 60;
    h.defense = h.base_defense = 3;
    int hp_with_medallion = 0;
    int max_hp_with_medallion = 0;
    StoryPlayer player(wounded, "x1122", {{"Votre dernier coup", "x2x"}});
    player.inspect = [&] {
        if (wounded.find_row("Prendre l'anneau")) {
            h.hp = 10;  // the hero comes into the house wounded
            h.max_hp = 20;
        }
        if (wounded.find_row("medaillon du petit gnome")) {
            hp_with_medallion = h.hp;
            max_hp_with_medallion = h.max_hp;
        }
    };
    EXPECT_THROW(play_chapter1(wounded.game), ScriptExhausted);
    EXPECT_EQ(hp_with_medallion, 15);
    EXPECT_EQ(max_hp_with_medallion, 15);
    EXPECT_EQ(h.defense, 4);
    EXPECT_EQ(h.base_defense, 4);
    EXPECT_EQ(h.item_owned[kSlotAmulet], 1);
    EXPECT_EQ(std::string(h.item_name[kSlotAmulet]), "amulette du petit gnome");
    EXPECT_EQ(h.luck, luck);
}

// The sinuous plant.

TEST_F(ChapterOne, WizardsFireballAtThePlantIsFatalAndKeyThreeIsIgnoredForOthers) {
    hero.hero_class = kWizard;
    EXPECT_TRUE(play_until_game_over("x12x" "3" "x" "x"));
    EXPECT_TRUE(seen("3) Lancez un sort de boule de feu mineure sur la plante."));
    EXPECT_TRUE(seen("votre boule de feu embrase"));
    EXPECT_NE(t.find_row("Malheureusement"), 0);

    TestGame knight;
    make_hero(knight.game);
    StoryPlayer player(knight, "x12x" "3" "1");
    EXPECT_THROW(play_chapter1(knight.game), ScriptExhausted);
    EXPECT_NE(knight.find_row("Vous parvenez enfin a arracher la plante"), 0);
}

// These heroes reach the plant without provisions: the bench costs them 3 health.

TEST_F(ChapterOne, PlantStranglesAHeroWithLuckFive) {
    hero.luck = 5;
    hero.hp = hero.max_hp = 20;
    EXPECT_TRUE(play_until_game_over("x12x1" + std::string(30, 'x')));
    EXPECT_LT(hero.hp, 1);
    EXPECT_NE(t.find_row("Malheureusement"), 0);
}

TEST_F(ChapterOne, PlantComesOffWithLuckEightOnADrawOfThreeOrMore) {
    hero.luck = 8;
    hero.hp = 53;
    t.clock.seconds = 1006;
    Random dice;
    dice.seed(1006);
    int failures = 0;
    while (dice.draw() % 6 + 8 < 11) ++failures;
    ASSERT_GT(failures, 0);

    play_until_script_ends("x12x1" + std::string(static_cast<std::size_t>(failures), 'x'));
    EXPECT_EQ(hero.hp, 50 - 2 * failures);
    EXPECT_NE(t.find_row("Vous parvenez enfin"), 0);
    const std::string& last_try = screens[screens.size() - 2];
    std::size_t tries = 0;
    for (std::size_t at = last_try.find("Vous devez reessayez"); at != std::string::npos;
         at = last_try.find("Vous devez reessayez", at + 1)) {
        ++tries;
    }
    EXPECT_EQ(tries, static_cast<std::size_t>(failures));  // all on the same screen
}

}  // namespace
}  // namespace vov::test
