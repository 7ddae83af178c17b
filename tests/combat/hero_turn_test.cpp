#include "combat/hero_turn.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "fight_fixture.hpp"

namespace vov::test {
namespace {

struct HeroTurn : ::testing::Test {
    HeroTurn() {
        make_hero(t.game);
        face_wolf(t.game);
    }
    void strike() {
        t.game.clrscr();
        t.game.blow_avoided = 0;
        t.keys.type("xx");
        weapon_attack(t.game);
    }
    TestGame t;
};

TEST_F(HeroTurn, BarbarianBlowRangesFrom4To19) {
    int lowest = 100, highest = 0;
    for (t.clock.seconds = 1000; t.clock.seconds < 1300; ++t.clock.seconds) {
        strike();
        const auto d = draws_after(t.clock.seconds, 2);
        ASSERT_EQ(t.game.damage, d[0] % 16 + 4);
        ASSERT_EQ(t.game.blow_avoided, second_draw_avoids(d) ? 1 : 0);
        lowest = std::min(lowest, t.game.damage);
        highest = std::max(highest, t.game.damage);
    }
    EXPECT_EQ(lowest, 4);
    EXPECT_EQ(highest, 19);
    t.game.hero.weapon_damage = 0;  // only an edited save gives this: strikes as 1
    strike();
    EXPECT_EQ(t.game.damage, 4);
}

// The monster dodges, parries with its weapon (damage kept, step skipped) or with
// its shield (damage wiped).
TEST_F(HeroTurn, MonsterTurnsOneBlowInThreeAside) {
    t.clock.seconds = second_where(second_draw_avoids);
    const int blow = draws_after(t.clock.seconds, 1)[0] % 16 + 4;
    WaitLog log(t);
    strike();
    EXPECT_EQ(log.waits[0].rows[14], at16("Vous frappez Loup de la foret avec votre hache."));
    EXPECT_EQ(t.row(16), at16("Loup de la foret evite votre coup."));
    EXPECT_EQ(log.waits[1].y, 18);
    t.game.monster.weapon_parry = 1;
    strike();
    EXPECT_EQ(t.row(16), at16("Loup de la foret part votre coup avec son arme."));
    EXPECT_EQ(t.game.damage, blow);
    t.game.monster.has_shield = 1;
    strike();
    EXPECT_EQ(t.row(16), at16("Loup de la foret part votre coup avec son bouclier."));
    EXPECT_EQ(t.game.damage, 0);
    EXPECT_EQ(t.game.blow_avoided, 1);
}

// Defence one above the blow intercepts it, an equal one lets it through for
// nothing; the message shows the subtraction, and health stops at 0.
TEST_F(HeroTurn, WeaponDamageShowsTheSubtraction) {
    t.game.damage = 12;
    t.keys.type("xxx");
    t.game.monster.defense = 13;
    hit_monster(t.game);
    EXPECT_EQ(t.row(16), at16("Loup de la foret, intercepte votre coup."));
    t.game.monster.defense = 12;
    hit_monster(t.game);
    EXPECT_EQ(t.row(16), at16("Loup de la foret, vient de perdre 12 - 12 , points de sante."));
    EXPECT_EQ(t.colour_of("12 - 12"), 14);
    EXPECT_EQ(t.game.fight.monster_hp, 20);
    t.game.monster.defense = 2;
    t.game.fight.monster_hp = 5;
    t.game.damage = 12;
    hit_monster(t.game);
    EXPECT_EQ(t.row(16).substr(49, 6), "12 - 2");
    EXPECT_EQ(t.game.fight.monster_hp, 0);
}

TEST_F(HeroTurn, SpellDamageVeryEffectiveOrAfterADrain) {
    t.game.spell_attack = 1;
    t.game.monster.magic_resistance = 4;
    WaitLog log(t);
    t.keys.type("xxx");
    t.game.damage = 10;
    t.game.roll = 6;
    hit_monster(t.game);
    EXPECT_EQ(t.row(18), at16("Le sort que vous venez d'utiliser est tres efficace contre"));
    EXPECT_EQ(t.row(20), at16("Loup de la foret : les degats sont presque doublés."));
    EXPECT_EQ(t.colour_of("doublés"), 14);
    EXPECT_EQ(log.waits[0].y, 18);
    EXPECT_EQ(log.waits[1].y, 22);
    EXPECT_EQ(t.game.fight.monster_hp, 14);
    t.game.clrscr();
    t.game.damage = 9;
    t.game.roll = 8;
    hit_monster(t.game);
    EXPECT_EQ(t.row(18), at16("Loup de la foret, vient de perdre 9 - 4 , points de sante."));
    EXPECT_EQ(log.waits[2].y, 20);
    EXPECT_EQ(t.game.roll, 7);
}

// A barbarian reads no key; a priest opens the spell menu, backs out, strikes.
TEST_F(HeroTurn, AttackChoiceForPriestAndWizardOnly) {
    choose_attack(t.game);
    make_hero(t.game, kPriest);
    WaitLog log(t);
    t.keys.type("x271xx");
    choose_attack(t.game);
    EXPECT_EQ(log.waits[0].rows[2],
              "            Choisissez comment vous voulez attaquer Loup de la foret.");
    EXPECT_EQ(log.waits[0].y, 7);
    EXPECT_NE(log.waits[2].rows[2].find("magies de pretre"), std::string::npos);
    EXPECT_EQ(log.waits[3].rows[2], log.waits[0].rows[2]);
    EXPECT_EQ(t.find_row("Vous frappez"), 14);
}

}  // namespace
}  // namespace vov::test
