#include "hero/progression.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "test_game.hpp"

namespace vov::test {
namespace {

void make_barbarian(Game& g, int level, int experience) {
    Hero& h = g.hero;
    h.hero_class = kBarbarian;
    h.level = level;
    h.experience = experience;
    h.hp = h.max_hp = 50;
    h.energy = h.max_energy = 20;
    h.agility = h.precision = h.robustness = h.vigour = h.intuition = h.virtue = h.luck = 8;
}

// Runs check_level_up answering '1' on every level-up screen; returns the screens.
int level_up_screens(TestGame& t) {
    int screens = 0;
    t.keys.on_wait = [&] {
        if (t.find_row("Votre choix :") != 0 && t.find_row("a augment") == 0) ++screens;
    };
    for (int i = 0; i < 20; ++i) t.keys.type("1 ");
    check_level_up(t.game);
    t.keys.on_wait = nullptr;
    return screens;
}

TEST(LevelUp, ThresholdsAreStrictAndOneCallClimbsSeveralLevels) {
    struct Case {
        int experience, screens;
    };
    for (const Case c : {Case{20, 0}, Case{21, 1}, Case{60, 2}, Case{101, 3}, Case{551, 7},
                         Case{100000, 7}}) {
        SCOPED_TRACE(c.experience);
        TestGame t;
        make_barbarian(t.game, 1, c.experience);
        EXPECT_EQ(level_up_screens(t), c.screens);
        EXPECT_EQ(t.game.hero.level, 1 + c.screens);
        EXPECT_EQ(t.game.hero.magic_resistance, c.screens);
        EXPECT_EQ(t.game.hero.experience, c.experience);  // never spent
    }
    TestGame top;
    make_barbarian(top.game, 8, 5000);
    EXPECT_EQ(level_up_screens(top), 0);
    EXPECT_EQ(top.game.hero.level, 8);
}

// Each roll raises one quantity together with its maximum; the dice are seeded
// from the clock whatever was drawn before.
TEST(LevelUp, RollsComeFromTheClockAndRaiseHealthThenEnergy) {
    const struct {
        int hero_class;
        int first, second;
    } classes[] = {{kBarbarian, 10, 4}, {kRanger, 9, 6}, {kKnight, 10, 4},
                   {kWizard, 7, 8},     {kThief, 8, 7},  {kPriest, 8, 5}};
    for (const auto& c : classes) {
        SCOPED_TRACE(c.hero_class);
        TestGame t;
        t.clock.seconds = 1234567;
        make_barbarian(t.game, 1, 0);
        t.game.hero.hero_class = c.hero_class;
        t.game.hero.hp = 30;
        t.game.dice.seed(1);
        Random r;
        r.seed(1234567);
        const int health = r.draw() % c.first + 1;
        const int energy = r.draw() % c.second + 1;
        t.keys.type("5 ");
        level_up(t.game);
        EXPECT_EQ(t.game.hero.hp, 30 + health);
        EXPECT_EQ(t.game.hero.max_hp, 50 + health);
        EXPECT_EQ(t.game.hero.energy, 20 + energy);
        EXPECT_EQ(t.game.hero.max_energy, 20 + energy);
    }
}

TEST(LevelUp, ScreenLayoutAndColours) {
    TestGame t;
    make_barbarian(t.game, 1, 0);
    std::string before_choice;
    t.keys.on_wait = [&] {
        if (before_choice.empty()) before_choice = t.text();
    };
    t.keys.type("x3 ");
    level_up(t.game);
    EXPECT_EQ(before_choice.find("a augment"), std::string::npos);
    const std::string pad(14, ' ');
    EXPECT_EQ(t.row(10), std::string(22, ' ') + "VOUS venez de gagner un NIVEAU.");
    EXPECT_EQ(t.row(20), pad + "Vous gagnez 1 point en résistance à la magie.");
    EXPECT_EQ(t.row(21), pad + "Vous gagnez 3 points de santé.");
    EXPECT_EQ(t.row(22), pad + "Vous gagnez 4 points d'énergie magique.");
    EXPECT_EQ(t.row(23), pad + "Vous gagnez 1 point de caractéristique à répartir.");
    EXPECT_EQ(t.row(36), std::string(29, ' ') + "7) Bonne fortune.");
    EXPECT_EQ(t.row(38), std::string(29, ' ') + "Votre choix :");
    EXPECT_EQ(t.row(41), std::string(19, ' ') + "Votre vigueur a augmenté(e) de 1 point");
    // Yellow banner words, light cyan gains and numbers, everything else plain.
    EXPECT_EQ(t.colours(10).substr(22, 31),
              std::string(5, 'e') + std::string(19, '7') + std::string(6, 'e') + "7");
    EXPECT_EQ(t.colours(20).substr(14, 45), std::string(12, '7') + "bb" + std::string(9, '7') +
                                                std::string(21, 'b') + "7");
    EXPECT_EQ(t.colours(30).substr(29, 13), "777bbbbbbb777");
    EXPECT_EQ(t.colours(21), std::string(26, '7') + "bb" + std::string(10, '7') + "bbbbb" + std::string(37, '7'));
    EXPECT_EQ(t.colours(41), std::string(25, '7') + std::string(8, 'b') + std::string(17, '7') + "bb" +
                                 std::string(28, '7'));
    EXPECT_EQ(t.colour_of("fort "), 14);
    EXPECT_EQ(t.screen.attr() & 0x0F, 7);
}

TEST(LevelUp, EachKeyRaisesItsCharacteristicAndLuckIsConfirmedPlain) {
    int Hero::*fields[] = {&Hero::agility,   &Hero::precision, &Hero::vigour, &Hero::robustness,
                           &Hero::intuition, &Hero::virtue,    &Hero::luck};
    for (int key = 0; key < 7; ++key) {
        TestGame t;
        make_barbarian(t.game, 1, 0);
        t.keys.type(std::string(1, static_cast<char>('1' + key)) + " ");
        level_up(t.game);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(t.game.hero.*fields[i], i == key ? 9 : 8) << key << " " << i;
        if (key == 6) {
            EXPECT_EQ(t.colour_of("bonne fortune"), 7);
        }
    }
}

// No health or no fight health is death; health, fight health and energy are
// capped at their maximum (30 and 20), reputation at +-5; nothing is raised from below.
TEST(Limits, DeathOrCaps) {
    struct Case {
        int hp, fight_hp, energy, reputation;
        bool dies;
        int capped_hp, capped_fight_hp, capped_energy, capped_reputation;
    };
    for (const Case c : {Case{0, 5, 0, 0, true, 0, 0, 0, 0}, Case{-3, 5, 0, 0, true, 0, 0, 0, 0},
                         Case{5, 0, 0, 0, true, 0, 0, 0, 0},
                         Case{40, 35, 25, 7, false, 30, 30, 20, 5}, Case{10, 1, -4, -6, false, 10, 1, -4, -5},
                         Case{1, 1, 20, 5, false, 1, 1, 20, 5}}) {
        SCOPED_TRACE(testing::Message() << c.hp << " " << c.fight_hp);
        TestGame t;
        Hero& h = t.game.hero;
        h.hp = c.hp, h.max_hp = 30, h.energy = c.energy, h.max_energy = 20, h.reputation = c.reputation;
        t.game.fight.hero_hp = c.fight_hp;
        t.keys.type(" ");
        EXPECT_EQ(t.ends_game([&] { check_limits(t.game); }), c.dies);
        if (c.dies) continue;
        EXPECT_EQ(std::vector<int>({h.hp, t.game.fight.hero_hp, h.energy, h.reputation}),
                  std::vector<int>({c.capped_hp, c.capped_fight_hp, c.capped_energy, c.capped_reputation}));
    }
}

TEST(Death, ScreenStopsTheMusicWaitsForAKeyAndEndsTheGame) {
    TestGame t;
    bool waited = false;
    t.keys.on_wait = [&] { waited = true; };
    t.keys.type("q");
    EXPECT_TRUE(t.ends_game([&] { death_screen(t.game); }));
    EXPECT_TRUE(waited);
    EXPECT_EQ(t.music.tracks, std::vector<std::string>{"stopson.mp3"});
    EXPECT_EQ(t.row(14), std::string(19, ' ') + "Malheureusement votre aventure se termine ici.");
    EXPECT_EQ(t.row(22), std::string(9, ' ') +
                             "poignardé. Peut-être avez vous été désintégré,avalé, assassiné.");
    EXPECT_EQ(t.row(26), std::string(21, ' ') + "Bref vous l'avez compris VOUS êtes MORT.");
    EXPECT_EQ(t.row(28), std::string(21, ' ') + "Peut être retenterez vous une partie ?");
    // Red fates, light red VOUS and MORT.
    EXPECT_EQ(t.colours(22).substr(9, 63), std::string(9, '4') + std::string(26, '7') +
                                               std::string(10, '4') + "7" + std::string(5, '4') +
                                               "77" + std::string(10, '4'));
    EXPECT_EQ(t.colours(26).substr(21, 40), std::string(25, '7') + "ccccc77777ccccc");
    EXPECT_EQ(t.colour_of("fosse"), 4);
    EXPECT_EQ(t.screen.attr() & 0x0F, 7);
}

}  // namespace
}  // namespace vov::test
