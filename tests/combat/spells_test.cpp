#include "combat/spells.hpp"

#include <gtest/gtest.h>

#include "combat/hero_turn.hpp"
#include "fight_fixture.hpp"

namespace vov::test {
namespace {

struct Spells : ::testing::Test {
    void caster(int hero_class, int energy = 20) {
        make_hero(t.game, hero_class);
        t.game.hero.energy = energy;
        face_wolf(t.game);
        t.game.spell_attack = 1;  // as the attack choice leaves it
    }
    // Menu keys (refusals included), then the pauses after the spell.
    bool cast(const std::string& keys, const char* pauses = "x") {
        t.keys.type(keys + pauses);
        return cast_spell(t.game);
    }
    TestGame t;
};

// The heal shows its roll even when capped; the menu reseeds, so the same second
// heals the same.
TEST_F(Spells, PriestWorkedExamplesAndTheRefusalsAtFourEnergy) {
    caster(kPriest);
    const int healed = draws_after(1000, 1)[0] % 11 + 5;
    t.game.fight.hero_hp = 29;
    cast("5", "xx");
    EXPECT_EQ(t.row(16),
              at16("Vous venez de gagnez " + std::to_string(healed) + " points de vie."));
    EXPECT_EQ(t.game.fight.hero_hp, 30);
    t.game.fight.hero_hp = 10;
    cast("5", "xx");
    EXPECT_EQ(t.game.fight.hero_hp, 10 + healed);
    EXPECT_EQ(t.game.fight.hero_energy, 10);
    t.game.fight.hero_energy = 20;
    EXPECT_TRUE(cast("1"));
    EXPECT_EQ(t.row(8), "        5) Guerison des blessures  : coute 5 en energie magique.");
    EXPECT_EQ(t.row(14), at16("Vous lancez le sort Purification divine."));
    EXPECT_EQ(t.game.damage, 5);
    cast("3");
    EXPECT_EQ(t.game.damage, 16);
    t.game.fight.hero_energy = 4;
    WaitLog log(t);
    cast("5x3x4");
    EXPECT_EQ(log.waits[1].rows[13],
              "        Vous n'avez pas assez d'energie magique pour lancer ce sort.");
    EXPECT_EQ(t.game.damage, 13);
    EXPECT_EQ(t.game.fight.hero_energy, 0);
}

TEST_F(Spells, DefenseAccrueOncePerFightForPriestAndWizardAlike) {
    caster(kPriest);
    cast("6", "xx");
    EXPECT_EQ(t.row(16), at16("Votre defense vient d'augmenter de 3 points."));
    EXPECT_EQ(t.game.hero.defense, 5);
    WaitLog log(t);
    EXPECT_FALSE(cast("6x7", ""));
    EXPECT_EQ(log.waits[1].rows[13],
              "        Vous ne pouvez lancer ce sort qu'une seule fois par combat.");
    EXPECT_EQ(t.game.fight.hero_energy, 18);
    t.game.hero.hero_class = kWizard;
    EXPECT_FALSE(cast("6x7", ""));  // the wizard's shield shares the rule
    EXPECT_EQ(log.waits[3].rows[9], "        6) Bouclier Psychique : coute 3 en energie magique.");
    t.game.defense_buff_used = kDefenseReset;
    cast("6", "xx");
    EXPECT_EQ(t.row(14), at16("Vous lancez le sort Defense accrue."));
    EXPECT_EQ(t.game.fight.hero_energy, 15);
    EXPECT_EQ(t.game.hero.defense, 8);
}

TEST_F(Spells, WizardBoltsAndTheMonstersWeakAgainstThem) {
    caster(kWizard, 9);
    cast("3x2");  // the storm is refused at 9 energy
    EXPECT_EQ(t.game.damage, 12);
    cast("1");
    EXPECT_EQ(t.game.damage, 5);
    face(t.game, {25, 0, 1, 2, 8, 7, 0, 2, 0, 0, 7, 10}, kWeaponFighter, "Plante", "lianes");
    cast("1");
    EXPECT_EQ(t.game.damage, 10);
    t.keys.type("xx");
    hit_monster(t.game);
    EXPECT_EQ(t.row(18), at16("Le sort que vous venez d'utiliser est tres efficace contre"));
    EXPECT_EQ(t.game.fight.monster_hp, 17);
    face_sewer_creature(t.game);
    cast("2");
    EXPECT_EQ(t.game.damage, 18);
    EXPECT_EQ(t.game.roll, 6);
}

TEST_F(Spells, DisintegrationSucceedsOneTimeInFour) {
    int successes = 0;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        caster(kWizard, 15);
        t.game.dice.seed(seed);  // the wizard's menu does not reseed
        const bool wins = draws_after(seed, 1)[0] % 4 == 3;
        cast("4", "xx");
        ASSERT_EQ(t.game.fight.hero_energy, 0);
        ASSERT_EQ(t.game.fight.monster_hp, wins ? 0 : 20);
        ASSERT_EQ(t.row(16), at16(wins ? "Vous venez de desintegrez Loup de la foret !"
                                       : "Vous echouez le lancement du sort Desintegration."));
        successes += wins;
    }
    EXPECT_NEAR(successes, 50, 20);
}

TEST_F(Spells, DrainTakesNoMoreThanTheMonsterHas) {
    caster(kWizard);
    t.game.monster.magic_resistance = 4;
    t.game.fight.monster_hp = 3;
    t.game.fight.hero_hp = 10;
    cast("5", "xxx");
    EXPECT_EQ(t.row(16), at16("Vous venez d'absorbez 3 points de sante a Loup de la foret"));
    EXPECT_EQ(t.game.fight.hero_hp, 13);
    hit_monster(t.game);
    EXPECT_EQ(t.row(18), at16("Loup de la foret, vient de perdre 7 - 4 , points de sante."));
    EXPECT_EQ(t.game.fight.monster_hp, 0);
}

}  // namespace
}  // namespace vov::test
