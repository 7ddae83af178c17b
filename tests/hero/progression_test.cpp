#include "hero/progression.hpp"

#include <gtest/gtest.h>

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
        int experience;
        int screens;
        int level;
    };
    for (const Case c :
         {Case{20, 0, 1}, Case{21, 1, 2}, Case{60, 2, 3}, Case{100, 2, 3}, Case{101, 3, 4},
          Case{550, 6, 7}, Case{551, 7, 8}, Case{600, 7, 8}, Case{100000, 7, 8}}) {
        SCOPED_TRACE(c.experience);
        TestGame t;
        make_barbarian(t.game, 1, c.experience);
        EXPECT_EQ(level_up_screens(t), c.screens);
        EXPECT_EQ(t.game.hero.level, c.level);
        EXPECT_EQ(t.game.hero.magic_resistance, c.screens);
        EXPECT_EQ(t.game.hero.agility, 8 + c.screens);
        EXPECT_EQ(t.game.hero.experience, c.experience);  // never spent
    }
    TestGame top;
    make_barbarian(top.game, 8, 5000);
    EXPECT_EQ(level_up_screens(top), 0);
    EXPECT_EQ(top.game.hero.level, 8);
}

// Each roll raises one quantity together with its maximum and is the number on
// its own line of the screen.
TEST(LevelUp, RollsComeFromTheClockAndRaiseHealthThenEnergy) {
    const struct {
        int hero_class;
        int first, second;
    } classes[] = {{kBarbarian, 10, 4}, {kRanger, 9, 6}, {kKnight, 10, 4},
                   {kWizard, 7, 8},     {kThief, 8, 7},  {kPriest, 8, 5}};
    for (const auto& c : classes) {
        for (const std::int64_t now : {1000, 1234567}) {
            SCOPED_TRACE(testing::Message() << c.hero_class << " at " << now);
            TestGame t;
            t.clock.seconds = now;
            make_barbarian(t.game, 1, 0);
            t.game.hero.hero_class = c.hero_class;
            t.game.hero.hp = 30;
            t.game.dice.seed(1);  // reseeding must override this
            Random r;
            r.seed(static_cast<std::uint32_t>(now));
            const int health = r.draw() % c.first + 1;
            const int energy = r.draw() % c.second + 1;
            t.keys.type("5 ");
            level_up(t.game);
            const Hero& h = t.game.hero;
            EXPECT_EQ(h.hp, 30 + health);
            EXPECT_EQ(h.max_hp, 50 + health);
            EXPECT_EQ(h.energy, 20 + energy);
            EXPECT_EQ(h.max_energy, 20 + energy);
            EXPECT_EQ(h.intuition, 9);
            EXPECT_EQ(t.game.choice, '5');
            EXPECT_EQ(t.row(21),
                      "              Vous gagnez " + std::to_string(health) + " points de santé.");
            EXPECT_EQ(t.row(22), "              Vous gagnez " + std::to_string(energy) +
                                     " points d'énergie magique.");
        }
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
    EXPECT_EQ(t.find_row("a augment"), 41);
    EXPECT_EQ(before_choice.find("a augment"), std::string::npos);

    const std::string pad15(14, ' ');
    EXPECT_EQ(t.row(10), std::string(22, ' ') + "VOUS venez de gagner un NIVEAU.");
    EXPECT_EQ(t.row(15), pad15 + "Vous êtes désormais plus fort qu'auparavant.");
    EXPECT_EQ(t.row(20), pad15 + "Vous gagnez 1 point en résistance à la magie.");
    EXPECT_EQ(t.row(23), pad15 + "Vous gagnez 1 point de caractéristique à répartir.");
    EXPECT_EQ(t.row(27), pad15 + "Choisissez ou vous voulez attribuer votre point :");
    const char* labels[] = {"Agilité",   "Précision", "Vigueur",      "Robustesse",
                            "Intuition", "Vertu",     "Bonne fortune"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(t.row(30 + i),
                  std::string(29, ' ') + std::to_string(i + 1) + ") " + labels[i] + ".");
        EXPECT_EQ(t.colour_at(30, 30 + i), 7);
        EXPECT_EQ(t.colour_at(33, 30 + i), 11);
    }
    EXPECT_EQ(t.row(38), std::string(29, ' ') + "Votre choix :");
    EXPECT_EQ(t.row(41), std::string(19, ' ') + "Votre vigueur a augmenté(e) de 1 point");

    // Yellow banner words, light cyan gains, everything else plain.
    EXPECT_EQ(t.colours(10).substr(22, 31),
              std::string(5, 'e') + std::string(19, '7') + std::string(6, 'e') + "7");
    EXPECT_EQ(t.colour_of("fort "), 14);
    EXPECT_EQ(t.colour_of("qu'auparavant"), 7);
    EXPECT_EQ(t.colour_of("1 point en"), 11);
    EXPECT_EQ(t.colour_of("point en"), 7);
    EXPECT_EQ(t.colour_of("résistance à la magie"), 11);
    EXPECT_EQ(t.colour_of("santé"), 11);
    EXPECT_EQ(t.colour_of("points de santé"), 7);
    EXPECT_EQ(t.colour_of("énergie magique"), 11);
    EXPECT_EQ(t.colour_of("caractéristique à"), 11);
    EXPECT_EQ(t.colour_of("à répartir"), 7);
    EXPECT_EQ(t.colour_of("vigueur a"), 11);
    EXPECT_EQ(t.colour_at(51, 41), 11);  // the "1 " of the confirmation
    EXPECT_EQ(t.colour_at(53, 41), 7);
    EXPECT_EQ(t.screen.attr() & 0x0F, 7);
    EXPECT_EQ(t.game.hero.vigour, 9);
    EXPECT_EQ(t.game.hero.robustness, 8);
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
            EXPECT_EQ(t.row(41),
                      std::string(19, ' ') + "Votre bonne fortune a augmenté(e) de 1 point");
            EXPECT_EQ(t.colour_of("bonne fortune"), 7);
        }
    }
}

TEST(Limits, DeathWhenHealthOrFightHealthIsGone) {
    struct Case {
        int hp, fight_hp;
        bool dies;
    };
    for (const Case c :
         {Case{0, 5, true}, Case{-3, 5, true}, Case{5, 0, true}, Case{1, 1, false}}) {
        SCOPED_TRACE(testing::Message() << c.hp << " " << c.fight_hp);
        TestGame t;
        t.game.hero.hp = c.hp;
        t.game.hero.max_hp = 10;
        t.game.fight.hero_hp = c.fight_hp;
        t.keys.type(" ");
        EXPECT_EQ(t.ends_game([&] { check_limits(t.game); }), c.dies);
        EXPECT_EQ(t.find_row("Malheureusement") != 0, c.dies);
    }
}

TEST(Limits, CapsHealthEnergyAndReputation) {
    struct Case {
        int reputation, expected;
    };
    for (const Case c : {Case{7, 5}, Case{5, 5}, Case{-5, -5}, Case{-6, -5}, Case{0, 0}}) {
        TestGame t;
        Hero& h = t.game.hero;
        h.hp = 40, h.max_hp = 30, h.energy = 25, h.max_energy = 20, h.reputation = c.reputation;
        t.game.fight.hero_hp = 35;
        check_limits(t.game);
        EXPECT_EQ(h.hp, 30);
        EXPECT_EQ(t.game.fight.hero_hp, 30);
        EXPECT_EQ(h.energy, 20);
        EXPECT_EQ(h.reputation, c.expected);
    }
    TestGame low;
    Hero& h = low.game.hero;
    h.hp = 10, h.max_hp = 30, h.energy = -4, h.max_energy = 20;
    low.game.fight.hero_hp = 1;
    low.game.fight.hero_energy = 99;
    check_limits(low.game);
    EXPECT_EQ(h.hp, 10);
    EXPECT_EQ(h.energy, -4);
    EXPECT_EQ(low.game.fight.hero_energy, 99);
}

TEST(Death, ScreenStopsTheMusicWaitsForAKeyAndEndsTheGame) {
    TestGame t;
    bool waited = false;
    t.keys.on_wait = [&] { waited = true; };
    t.keys.type("q");
    EXPECT_TRUE(t.ends_game([&] { death_screen(t.game); }));
    EXPECT_TRUE(waited);
    EXPECT_EQ(t.keys.left(), 0u);
    EXPECT_EQ(t.music.tracks, std::vector<std::string>{"stopson.mp3"});
    EXPECT_EQ(t.row(14), std::string(19, ' ') + "Malheureusement votre aventure se termine ici.");
    EXPECT_EQ(t.row(18), std::string(9, ' ') +
                             "Soit vous avez subi des blessures fatales, soit vous êtes tombé");
    EXPECT_EQ(t.row(20), std::string(9, ' ') +
                             "dans une fosse, ou été empoisonné, ou encore dévoré, ou peut-être");
    EXPECT_EQ(t.row(22), std::string(9, ' ') +
                             "poignardé. Peut-être avez vous été désintégré,avalé, assassiné.");
    EXPECT_EQ(t.row(26), std::string(21, ' ') + "Bref vous l'avez compris VOUS êtes MORT.");
    EXPECT_EQ(t.row(28), std::string(21, ' ') + "Peut être retenterez vous une partie ?");
    for (const char* red : {"blessures fatales", "fosse", "empoisonné,", "dévoré", "poignardé",
                            "désintégré", "avalé", "assassiné."}) {
        EXPECT_EQ(t.colour_of(red), 4) << red;
    }
    EXPECT_EQ(t.colour_of("Malheureusement"), 7);
    EXPECT_EQ(t.colour_of(", soit"), 7);
    EXPECT_EQ(t.colour_of("VOUS"), 12);
    EXPECT_EQ(t.colour_of("MORT."), 12);
    EXPECT_EQ(t.colour_of("êtes MORT"), 7);
    EXPECT_EQ(t.screen.attr() & 0x0F, 7);
}

}  // namespace
}  // namespace vov::test
