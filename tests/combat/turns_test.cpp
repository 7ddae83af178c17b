#include <gtest/gtest.h>

#include <algorithm>

#include "combat/hero_turn.hpp"
#include "combat/monster_turn.hpp"
#include "fight_fixture.hpp"

namespace vov::test {
namespace {

// The barbarian against the wolf; each step as the fight driver runs it.
struct Turn : ::testing::Test {
    Turn() {
        make_hero(t.game);
        face_wolf(t.game);
    }
    void strike() {
        t.game.clrscr();
        t.game.blow_avoided = 0;
        t.keys.type("xx");
        weapon_attack(t.game);
    }
    void blow(const char* keys = "xx") {
        t.game.blow_avoided = 0;
        t.game.clrscr();
        t.keys.type(keys);
        monster_blow(t.game);
        if (t.game.blow_avoided != 1) hit_hero(t.game);
    }
    // A spell in a second whose first draw is odd or even (the spell's choice).
    void spell(bool odd, const char* keys) {
        t.clock.seconds = second_where([odd](const auto& d) { return d[0] % 2 == (odd ? 1 : 0); });
        t.game.blow_avoided = 0;
        t.game.clrscr();
        t.keys.type(keys);
        monster_spell(t.game);
    }
    TestGame t;
};

TEST_F(Turn, HeroBarbarianBlowRangesFrom4To19) {
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
TEST_F(Turn, HeroStrikesButMonsterTurnsOneBlowInThreeAside) {
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
TEST_F(Turn, HeroWeaponDamageShowsTheSubtraction) {
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

TEST_F(Turn, HeroSpellDamageVeryEffectiveOrAfterADrain) {
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
TEST_F(Turn, HeroAttackChoiceForPriestAndWizardOnly) {
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

TEST_F(Turn, MonsterArmourStopsALowerBlowAndAnEqualOneTakesNothing) {
    t.clock.seconds = second_where(second_draw_lands);
    const int hit = draws_after(t.clock.seconds, 1)[0] % 6 + 4;
    t.game.hero.defense = hit + 1;
    blow();
    EXPECT_EQ(t.row(30), at16("Loup de la foret vous frappe avec crocs et griffes."));
    EXPECT_EQ(t.row(32), at16("Votre armure vous protege du coup."));
    t.game.hero.defense = hit;
    blow();
    const std::string shown = std::to_string(hit) + " - " + std::to_string(hit);
    EXPECT_EQ(t.row(32), at16("Vous venez de perdre " + shown + " , points de sante."));
    EXPECT_EQ(t.game.fight.hero_hp, 30);
    t.game.hero.defense = 2;
    blow();
    EXPECT_EQ(t.game.fight.hero_hp, 32 - hit);
    t.game.fight.hero_hp = 1;
    EXPECT_TRUE(t.ends_game([&] { blow(); }));
    EXPECT_EQ(t.game.fight.hero_hp, 0);
}

TEST_F(Turn, MonsterStrikesButHeroAvoidsOneBlowInThreeWithTheWordsOfHisKind) {
    struct Case {
        int hero_class, shield, gold;
        const char* row32;
        const char* row34;
    };
    const Case cases[] = {
        {kThief, 1, 1, "Vous passez en mode furtif : vous disparaissez !",
         "Vous evitez donc le coup deLoup de la foret."},
        {kKnight, 1, 1, "Vous parez le coup de Loup de la foret avec votre bouclier.", ""},
        {kKnight, 0, 1, "Vous parez le coup de Loup de la foret avec votre arme.", ""},
        {kKnight, 0, 2, "Vous evitez le coup de Loup de la foret.", ""},
    };
    t.clock.seconds = second_where(second_draw_avoids);
    for (const Case& c : cases) {
        t.game.hero.hero_class = c.hero_class;
        t.game.hero.shield_parry = c.shield;
        t.game.hero.gold = c.gold;
        blow();
        EXPECT_EQ(t.row(32), at16(c.row32));
        EXPECT_EQ(t.row(34), *c.row34 ? at16(c.row34) : "");
        EXPECT_EQ(t.game.fight.hero_hp, 30);
    }
}

TEST_F(Turn, MonsterPoisonKillsOneLandedBlowInSix) {
    t.game.monster_kind = kPoisonousFighter;
    const auto deadly = [](const std::vector<int>& d) { return d[2] % 6 == 3; };
    t.clock.seconds =
        second_where([&](const auto& d) { return second_draw_avoids(d) && deadly(d); });
    EXPECT_FALSE(t.ends_game([&] { blow(); }));  // an avoided blow never poisons
    t.clock.seconds =
        second_where([&](const auto& d) { return second_draw_lands(d) && deadly(d); });
    WaitLog log(t);
    EXPECT_TRUE(t.ends_game([&] { blow("xxxx"); }));
    EXPECT_EQ(log.waits[2].rows[32],
              at16("Loup de la foret vous empoisonne avec crocs et griffes."));
    EXPECT_EQ(log.waits[2].rows[34], at16("Vous mourrez sur le coup !"));
    EXPECT_EQ(t.game.fight.hero_hp, 30);  // before any damage
}

TEST_F(Turn, MonsterSpiderAndSewerCreatureSpells) {
    face_spider(t.game);
    spell(false, "xx");
    const int wave = draws_after(t.clock.seconds, 2)[1] % 9 + 4;
    EXPECT_EQ(t.row(30), at16("Araignee psychique lance un sort de vague psychique."));
    EXPECT_EQ(t.game.fight.monster_energy, 16);
    hit_hero(t.game);  // against magic resistance 1
    EXPECT_EQ(t.game.fight.hero_hp, 31 - wave);

    t.game.fight.monster_hp = 33;
    spell(true, "xx");
    EXPECT_EQ(t.row(32), at16("Araignee psychique se guerir de 5 points de sante."));
    EXPECT_EQ(t.game.fight.monster_hp, 35);
    EXPECT_EQ(t.game.fight.monster_energy, 11);
    EXPECT_EQ(t.game.blow_avoided, 1);

    spell(true, "x");  // refused at exactly 35
    EXPECT_EQ(t.row(30), at16("Araignee psychique allait lancer un sort mais est confuse"));
    EXPECT_EQ(t.row(32), at16("et ne fait rien."));
    t.game.fight.monster_energy = 3;
    t.game.fight.monster_hp = 20;
    spell(false, "x");
    EXPECT_NE(t.row(30).find("confuse"), std::string::npos);
    EXPECT_EQ(t.game.fight.monster_energy, 3);

    face_sewer_creature(t.game);
    t.game.fight.monster_energy = 5;  // needs 5, costs 4
    spell(false, "x");
    EXPECT_EQ(t.row(30), at16("Creature lance un sort inconnu."));
    EXPECT_EQ(t.game.fight.monster_energy, 1);
    t.game.fight.monster_energy = 25;
    t.game.fight.monster_hp = 30;
    spell(true, "xx");
    EXPECT_EQ(t.row(34), at16("Creature se guerit de 6 points de sante."));
    EXPECT_EQ(t.game.fight.monster_hp, 36);
}

}  // namespace
}  // namespace vov::test
