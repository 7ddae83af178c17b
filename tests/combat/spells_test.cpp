#include "combat/spells.hpp"

#include <gtest/gtest.h>

#include "combat/hero_turn.hpp"
#include "fight_fixture.hpp"

namespace vov::test {
namespace {

struct Spells : ::testing::Test {
    void caster(int hero_class) {
        make_caster(t.game, hero_class);
        make_wolf(t.game);
        start_working_copies(t.game);
        t.game.spell_attack = 1;
        t.game.blow_avoided = 2;
    }
    // Casts the spell of `key` and answers the pauses that follow it.
    void cast(char key, const char* pauses = "x") {
        t.keys.type(std::string(1, key) + pauses);
        EXPECT_TRUE(cast_spell(t.game));
    }
    TestGame t;
};

TEST_F(Spells, PriestMenuAndWorkedExamples) {
    caster(kPriest);
    WaitLog log(t);
    cast('1');
    const auto& menu = log.waits[0].rows;
    EXPECT_EQ(menu[2], "      Choisissez l'une de vos magies de pretre que vous voulez utilisez :");
    EXPECT_EQ(menu[8], "        5) Guerison des blessures  : coute 5 en energie magique.");
    EXPECT_EQ(menu[11], "        7) retour au choix precedent.");
    EXPECT_EQ(log.waits[0].y, 13);
    EXPECT_EQ(t.row(14), "               Vous lancez le sort Purification divine.");
    EXPECT_EQ(t.colour_at(36, 14), 11);  // the name
    EXPECT_EQ(t.colour_at(16, 14), 7);
    EXPECT_EQ(log.waits[1].y, 16);
    EXPECT_EQ(t.game.damage, 5);
    EXPECT_EQ(t.game.fight.hero_energy, 19);
    EXPECT_EQ(t.game.blow_avoided, 2);  // the damage step follows

    cast('3');
    EXPECT_EQ(t.game.damage, 16);
    EXPECT_EQ(t.game.fight.hero_energy, 14);
    cast('2');
    EXPECT_EQ(t.game.damage, 8);
}

TEST_F(Spells, PriestWithFourEnergyIsRefusedHealAndRayButBlinds) {
    caster(kPriest);
    t.game.fight.hero_energy = 4;
    WaitLog log(t);
    t.keys.type(
        "5x"
        "3x");
    cast('4');
    EXPECT_EQ(log.waits[1].rows[13],
              "        Vous n'avez pas assez d'energie magique pour lancer ce sort.");
    EXPECT_EQ(log.waits[1].y, 15);
    EXPECT_EQ(t.game.damage, 1 + 2 + 10);
    EXPECT_EQ(t.game.fight.hero_energy, 0);
    EXPECT_EQ(t.game.fight.hero_hp, 30);
}

TEST_F(Spells, PriestHealRollsFiveToFifteenAndShowsTheRoll) {
    caster(kPriest);
    t.game.fight.hero_hp = 10;
    cast('5', "xx");
    const int healed = draws_after(1000, 1)[0] % 11 + 5;
    EXPECT_EQ(t.game.fight.hero_hp, std::min(30, 10 + healed));
    EXPECT_EQ(t.row(16),
              "               Vous venez de gagnez " + std::to_string(healed) + " points de vie.");
    EXPECT_EQ(t.game.blow_avoided, 1);
    EXPECT_EQ(t.game.fight.hero_energy, 15);

    // The menu reseeds each time it is drawn: a heal in the same second rolls the same.
    t.game.fight.hero_hp = 29;
    cast('5', "xx");
    EXPECT_EQ(t.game.fight.hero_hp, 30);
    EXPECT_NE(t.row(16).find(" " + std::to_string(healed) + " points de vie."), std::string::npos);
    EXPECT_EQ(t.row(42).substr(5, 5), "30/30");
}

TEST_F(Spells, DefenseAccrueOncePerFightSharedByBothClasses) {
    caster(kPriest);
    cast('6', "xx");
    EXPECT_EQ(t.row(16), "               Votre defense vient d'augmenter de 3 points.");
    EXPECT_EQ(t.colour_of("3 points"), 11);
    EXPECT_EQ(t.game.hero.defense, 5);
    EXPECT_EQ(t.game.fight.hero_energy, 18);
    EXPECT_EQ(t.game.blow_avoided, 1);
    EXPECT_EQ(t.game.defense_buff_used, kDefenseRaised);

    WaitLog log(t);
    t.keys.type("6x7");
    EXPECT_FALSE(cast_spell(t.game));  // refused, then back to the attack choice
    EXPECT_EQ(log.waits[1].rows[13],
              "        Vous ne pouvez lancer ce sort qu'une seule fois par combat.");
    EXPECT_EQ(t.game.fight.hero_energy, 18);
    EXPECT_EQ(t.game.hero.defense, 5);

    // Energy is tested first.
    t.game.fight.hero_energy = 1;
    log.waits.clear();
    t.keys.type("6x7");
    EXPECT_FALSE(cast_spell(t.game));
    EXPECT_NE(log.waits[1].rows[13].find("pas assez d'energie"), std::string::npos);

    // The wizard's shield is the same spell, and the same rule.
    make_caster(t.game, kWizard);
    t.game.fight.hero_energy = 10;
    log.waits.clear();
    t.keys.type("6x7");
    EXPECT_FALSE(cast_spell(t.game));
    EXPECT_EQ(log.waits[0].rows[9], "        6) Bouclier Psychique : coute 3 en energie magique.");
    EXPECT_NE(log.waits[1].rows[13].find("qu'une seule fois"), std::string::npos);

    t.game.defense_buff_used = kDefenseReset;
    cast('6', "xx");
    EXPECT_EQ(t.row(14), "               Vous lancez le sort Defense accrue.");
    EXPECT_EQ(t.row(16), "               Votre defense vient d'augmenter de 3 points.");
    EXPECT_EQ(t.game.fight.hero_energy, 7);
    EXPECT_EQ(t.game.hero.defense, 5);
}

TEST_F(Spells, WizardBoltsAndTheMonstersWeakAgainstThem) {
    caster(kWizard);
    WaitLog log(t);
    cast('1');
    EXPECT_EQ(log.waits[0].rows[2],
              "      Choisissez l'une de vos magies de sorcier que vous voulez utiliser:");
    EXPECT_EQ(t.game.damage, 5);
    EXPECT_EQ(t.game.roll, 0);
    cast('2');
    EXPECT_EQ(t.game.damage, 12);
    cast('3');
    EXPECT_EQ(t.game.damage, 15);
    EXPECT_EQ(t.game.fight.hero_energy, 20 - 1 - 4 - 10);

    // The sinuous plant takes the fire ball twice over, with the message.
    set_monster(t.game, Monster{25, 0, 1, 2, 8, 7, 0, 2, 0, 0, 7, 10}, kWeaponFighter,
                "Plante sinueuse", "lianes");
    start_working_copies(t.game);
    cast('1');
    EXPECT_EQ(t.game.damage, 10);
    EXPECT_EQ(t.game.roll, 6);
    t.keys.type("xx");
    hit_monster(t.game);
    EXPECT_EQ(t.row(18),
              "               Le sort que vous venez d'utiliser est tres efficace contre");
    EXPECT_EQ(t.game.fight.monster_hp, 25 - 8);

    // The sewer creature takes half again from the lightning.
    make_sewer_creature(t.game);
    start_working_copies(t.game);
    t.game.roll = 0;
    cast('2');
    EXPECT_EQ(t.game.damage, 18);
    EXPECT_EQ(t.game.roll, 6);
}

TEST_F(Spells, WizardWithNineEnergyIsRefusedTheStorm) {
    caster(kWizard);
    t.game.fight.hero_energy = 9;
    t.keys.type("3x");
    cast('2');
    EXPECT_EQ(t.game.damage, 12);
    EXPECT_EQ(t.game.fight.hero_energy, 5);
}

TEST_F(Spells, DisintegrationSucceedsOneTimeInFour) {
    int successes = 0;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        caster(kWizard);
        t.game.fight.hero_energy = 15;
        t.game.dice.seed(seed);  // the wizard's menu does not reseed
        Random expected;
        expected.seed(seed);
        const bool wins = expected.draw() % 4 == 3;
        cast('4', "xx");
        ASSERT_EQ(t.game.fight.hero_energy, 0);
        if (wins) {
            ++successes;
            ASSERT_EQ(t.game.fight.monster_hp, 0);
            ASSERT_EQ(t.row(16), "               Vous venez de desintegrez Loup de la foret !");
        } else {
            ASSERT_EQ(t.game.fight.monster_hp, 20);
            ASSERT_EQ(t.game.blow_avoided, 1);
            ASSERT_EQ(t.row(16),
                      "               Vous echouez le lancement du sort Desintegration.");
        }
    }
    EXPECT_GT(successes, 30);
    EXPECT_LT(successes, 70);
}

TEST_F(Spells, DrainNeverTakesMoreThanTheMonsterHas) {
    caster(kWizard);
    t.game.monster.magic_resistance = 4;
    t.game.fight.monster_hp = 3;
    t.game.fight.hero_hp = 10;
    WaitLog log(t);
    cast('5', "xx");
    EXPECT_EQ(t.row(16),
              "               Vous venez d'absorbez 3 points de sante a Loup de la foret");
    EXPECT_EQ(t.colour_of("3 points"), 11);
    EXPECT_EQ(t.colour_of("Loup de la foret"), 10);
    EXPECT_EQ(t.game.fight.hero_hp, 13);
    EXPECT_EQ(t.game.fight.hero_energy, 16);
    EXPECT_EQ(t.game.blow_avoided, 0);

    t.keys.type("x");
    hit_monster(t.game);
    EXPECT_EQ(t.row(18),
              "               Loup de la foret, vient de perdre 7 - 4 , points de sante.");
    EXPECT_EQ(t.game.fight.monster_hp, 0);

    // A full drain is capped at the hero's maximum health.
    t.game.fight.monster_hp = 20;
    t.game.fight.hero_hp = 28;
    cast('5', "xx");
    EXPECT_EQ(t.game.fight.hero_hp, 30);
    EXPECT_EQ(t.game.damage, 9);
}

}  // namespace
}  // namespace vov::test
