#include "combat/hero_turn.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "fight_fixture.hpp"

namespace vov::test {
namespace {

struct HeroTurn : ::testing::Test {
    HeroTurn() {
        make_barbarian(t.game);
        make_wolf(t.game);
        start_working_copies(t.game);
    }
    TestGame t;
};

TEST_F(HeroTurn, BarbarianBlowRangesFrom4To19) {
    int lowest = 100, highest = 0;
    for (std::int64_t second = 1000; second < 1400; ++second) {
        t.clock.seconds = second;
        t.game.blow_avoided = 0;
        t.keys.type("xx");
        weapon_attack(t.game);
        const auto d = draws_after(second, 2);
        ASSERT_EQ(t.game.damage, d[0] % 16 + 1 + 2 + 1);
        ASSERT_EQ(t.game.blow_avoided, d[1] % 3 == 0 ? 1 : 0);
        ASSERT_EQ(t.game.spell_attack, 0);
        lowest = std::min(lowest, t.game.damage);
        highest = std::max(highest, t.game.damage);
    }
    EXPECT_EQ(lowest, 4);
    EXPECT_EQ(highest, 19);
}

TEST_F(HeroTurn, LoadedHeroWithoutWeaponDamageStrikesForTheMinimum) {
    for (const int broken : {0, -3}) {
        t.game.hero.weapon_damage = broken;
        t.keys.type("xx");
        weapon_attack(t.game);
        EXPECT_EQ(t.game.damage, 1 + 2 + 1);
    }
}

TEST_F(HeroTurn, BlowMessageAndTheMonstersAnswer) {
    const std::int64_t avoided = second_where(2, [](const auto& d) { return d[1] % 3 == 0; });
    const std::int64_t lands = second_where(2, [](const auto& d) { return d[1] % 3 != 0; });
    const int blow = draws_after(avoided, 1)[0] % 16 + 4;
    struct Case {
        int shield, parry;
        const char* answer;
        int damage_left;
    };
    const Case cases[] = {
        {1, 1, "Loup de la foret part votre coup avec son bouclier.", 0},
        {0, 1, "Loup de la foret part votre coup avec son arme.", blow},
        {0, 0, "Loup de la foret evite votre coup.", blow},
    };
    for (const Case& c : cases) {
        t.clock.seconds = avoided;
        t.game.monster.has_shield = c.shield;
        t.game.monster.weapon_parry = c.parry;
        t.game.blow_avoided = 0;
        t.game.clrscr();
        WaitLog log(t);
        t.keys.type("xx");
        weapon_attack(t.game);
        ASSERT_EQ(log.waits.size(), 2u);
        EXPECT_EQ(log.waits[0].rows[14],
                  "               Vous frappez Loup de la foret avec votre hache.");
        EXPECT_EQ(log.waits[0].y, 16);
        EXPECT_EQ(log.waits[1].rows[16], std::string(15, ' ') + c.answer);
        EXPECT_EQ(log.waits[1].y, 18);
        EXPECT_EQ(t.game.blow_avoided, 1);
        EXPECT_EQ(t.game.damage, c.damage_left);
    }
    EXPECT_EQ(t.colour_at(16, 14), 7);   // "Vous frappez" plain
    EXPECT_EQ(t.colour_at(29, 14), 10);  // the name
    EXPECT_EQ(t.colour_of("hache"), 11);
    EXPECT_EQ(t.colour_of("Loup de la foret evite"), 10);

    t.clock.seconds = lands;
    t.game.blow_avoided = 0;
    t.game.clrscr();
    t.keys.type("x");
    weapon_attack(t.game);
    EXPECT_EQ(t.game.blow_avoided, 0);
    EXPECT_EQ(t.row(16), "");
}

TEST_F(HeroTurn, WeaponDamageShowsTheSubtractionAndStopsAtZero) {
    t.game.monster.defense = 12;
    t.game.damage = 12;  // equal to the defence: reaches the monster, takes nothing
    t.keys.type("x");
    hit_monster(t.game);
    EXPECT_EQ(t.row(16),
              "               Loup de la foret, vient de perdre 12 - 12 , points de sante.");
    EXPECT_EQ(t.colour_of("12 - 12"), 14);
    EXPECT_EQ(t.colour_of(", points"), 7);
    EXPECT_EQ(t.game.fight.monster_hp, 20);

    t.game.monster.defense = 13;  // one above: intercepted
    t.keys.type("x");
    hit_monster(t.game);
    EXPECT_EQ(t.row(16).find("               Loup de la foret, intercepte votre coup."), 0u);
    EXPECT_EQ(t.game.fight.monster_hp, 20);

    t.game.monster.defense = 2;
    t.game.damage = 12;
    t.game.fight.monster_hp = 5;
    t.keys.type("x");
    hit_monster(t.game);
    EXPECT_NE(t.row(16).find("12 - 2 , points de sante."), std::string::npos);
    EXPECT_EQ(t.game.fight.monster_hp, 0);
    EXPECT_EQ(t.row(42).substr(48, 4), "0/20");
}

TEST_F(HeroTurn, SpellAbsorbedByMagicResistance) {
    t.game.spell_attack = 1;
    t.game.monster.magic_resistance = 6;
    t.game.damage = 5;
    t.keys.type("x");
    hit_monster(t.game);
    EXPECT_EQ(t.row(16), "               Loup de la foret, absorve votre sort.");
    EXPECT_EQ(t.game.fight.monster_hp, 20);
}

TEST_F(HeroTurn, VeryEffectiveSpellTakesTwoMoreLines) {
    t.game.spell_attack = 1;
    t.game.monster.magic_resistance = 2;
    t.game.damage = 10;
    t.game.roll = 6;
    WaitLog log(t);
    t.keys.type("xx");
    hit_monster(t.game);
    ASSERT_EQ(log.waits.size(), 2u);
    EXPECT_EQ(log.waits[0].y, 18);
    EXPECT_EQ(t.row(16),
              "               Loup de la foret, vient de perdre 10 - 2 , points de sante.");
    EXPECT_EQ(t.row(18),
              "               Le sort que vous venez d'utiliser est tres efficace contre");
    EXPECT_EQ(t.row(20), "               Loup de la foret : les degats sont presque doublés.");
    EXPECT_EQ(t.colour_of("degats"), 14);
    EXPECT_EQ(t.colour_of("doublés"), 14);
    EXPECT_EQ(t.colour_of(": les"), 7);
    EXPECT_EQ(log.waits[1].y, 22);
    EXPECT_EQ(t.game.roll, 7);
    EXPECT_EQ(t.game.fight.monster_hp, 12);
}

TEST_F(HeroTurn, DrainDamageWritesBelowTheDrainMessage) {
    t.game.spell_attack = 1;
    t.game.monster.magic_resistance = 4;
    t.game.damage = 9;
    t.game.roll = 8;
    WaitLog log(t);
    t.keys.type("x");
    hit_monster(t.game);
    EXPECT_EQ(t.row(16), "");
    EXPECT_EQ(t.row(18),
              "               Loup de la foret, vient de perdre 9 - 4 , points de sante.");
    EXPECT_EQ(log.waits[0].y, 20);
    EXPECT_EQ(t.game.roll, 7);
    EXPECT_EQ(t.game.fight.monster_hp, 15);
}

TEST_F(HeroTurn, AttackChoiceOnlyForPriestAndWizard) {
    choose_attack(t.game);  // a barbarian has no choice to make: no key is read
    EXPECT_EQ(t.row(2), "");

    make_caster(t.game, kPriest);
    WaitLog log(t);
    t.keys.type(
        "x2"
        "7"
        "1"
        "xx");  // spells, back, then the weapon
    choose_attack(t.game);
    EXPECT_EQ(log.waits[0].rows[2],
              "            Choisissez comment vous voulez attaquer Loup de la foret.");
    EXPECT_EQ(log.waits[0].rows[4], "                             1) Votre arme.");
    EXPECT_EQ(log.waits[0].rows[5], "                             2) Vos sortileges.");
    EXPECT_EQ(log.waits[0].x, 30);
    EXPECT_EQ(log.waits[0].y, 7);
    EXPECT_NE(log.waits[2].rows[2].find("magies de pretre"), std::string::npos);
    EXPECT_NE(log.waits[3].rows[2].find("Choisissez comment"), std::string::npos);
    EXPECT_NE(t.row(14).find("Vous frappez"), std::string::npos);
    EXPECT_EQ(t.game.spell_attack, 0);
}

}  // namespace
}  // namespace vov::test
