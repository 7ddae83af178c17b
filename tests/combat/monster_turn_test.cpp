#include "combat/monster_turn.hpp"

#include <gtest/gtest.h>

#include "fight_fixture.hpp"

namespace vov::test {
namespace {

struct MonsterTurn : ::testing::Test {
    MonsterTurn() {
        make_hero(t.game);
        face_wolf(t.game);
    }
    // A weapon blow as the driver runs it.
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

TEST_F(MonsterTurn, ArmourStopsALowerBlowAndAnEqualOneTakesNothing) {
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

TEST_F(MonsterTurn, HeroAvoidsOneBlowInThreeWithTheWordsOfHisKind) {
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

TEST_F(MonsterTurn, PoisonKillsOneLandedBlowInSix) {
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

TEST_F(MonsterTurn, SpiderAndSewerCreatureSpells) {
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
