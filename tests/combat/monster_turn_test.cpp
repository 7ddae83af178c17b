#include "combat/monster_turn.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "fight_fixture.hpp"

namespace vov::test {
namespace {

struct MonsterTurn : ::testing::Test {
    MonsterTurn() {
        make_barbarian(t.game);
        make_wolf(t.game);
        start_working_copies(t.game);
    }
    // A weapon blow as the driver runs it.
    void blow(const char* keys = "xx") {
        t.game.blow_avoided = 0;
        t.game.clrscr();
        t.keys.type(keys);
        monster_blow(t.game);
        if (t.game.blow_avoided != 1) hit_hero(t.game);
    }
    TestGame t;
};

const auto kAvoided = [](const std::vector<int>& d) { return d[1] % 3 == 0; };
const auto kLands = [](const std::vector<int>& d) { return d[1] % 3 != 0; };

TEST_F(MonsterTurn, WolfStrikesFor4To9) {
    int lowest = 100, highest = 0;
    for (std::int64_t second = 1000; second < 1200; ++second) {
        t.clock.seconds = second;
        t.game.blow_avoided = 0;
        t.keys.type("xx");
        monster_blow(t.game);
        ASSERT_EQ(t.game.damage, draws_after(second, 1)[0] % 6 + 1 + 2 + 1);
        lowest = std::min(lowest, t.game.damage);
        highest = std::max(highest, t.game.damage);
    }
    EXPECT_EQ(lowest, 4);
    EXPECT_EQ(highest, 9);
}

TEST_F(MonsterTurn, ArmourAndTheSubtraction) {
    t.clock.seconds = second_where(2, kLands);
    const int hit = draws_after(t.clock.seconds, 1)[0] % 6 + 4;

    t.game.hero.defense = hit + 1;
    blow();
    EXPECT_EQ(t.row(30), "               Loup de la foret vous frappe avec crocs et griffes.");
    EXPECT_EQ(t.colour_of("Loup"), 10);
    EXPECT_EQ(t.colour_of("crocs"), 12);
    EXPECT_EQ(t.colour_of("avec"), 7);
    EXPECT_EQ(t.row(32), "               Votre armure vous protege du coup.");
    EXPECT_EQ(t.game.fight.hero_hp, 30);

    t.game.hero.defense = hit;
    blow();
    const std::string shown = std::to_string(hit) + " - " + std::to_string(hit);
    EXPECT_EQ(t.row(32), "               Vous venez de perdre " + shown + " , points de sante.");
    EXPECT_EQ(t.colour_of(shown), 12);
    EXPECT_EQ(t.game.fight.hero_hp, 30);

    t.game.hero.defense = 2;
    blow();
    EXPECT_EQ(t.game.fight.hero_hp, 30 - (hit - 2));
    EXPECT_EQ(t.game.spell_attack, 0);
    EXPECT_EQ(t.game.roll, 0);
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
        {kKnight, 0, 0, "Vous evitez le coup de Loup de la foret.", ""},
    };
    t.clock.seconds = second_where(2, kAvoided);
    for (const Case& c : cases) {
        t.game.hero.hero_class = c.hero_class;
        t.game.hero.shield_parry = c.shield;
        t.game.hero.gold = c.gold;
        WaitLog log(t);
        blow();
        EXPECT_EQ(t.row(32), std::string(15, ' ') + c.row32);
        EXPECT_EQ(t.row(34), *c.row34 ? std::string(15, ' ') + c.row34 : "");
        EXPECT_EQ(log.waits.back().y, c.hero_class == kThief ? 36 : 34);
        EXPECT_EQ(t.game.blow_avoided, 1);
        EXPECT_EQ(t.game.fight.hero_hp, 30);
    }
    t.game.hero.hero_class = kThief;
    blow();
    EXPECT_EQ(t.colour_of("furtif"), 8);
    EXPECT_EQ(t.colour_of("Loup de la foret."), 10);
    t.game.hero.hero_class = kKnight;
    t.game.hero.shield_parry = 1;
    blow();
    EXPECT_EQ(t.colour_of("bouclier"), 11);
}

TEST_F(MonsterTurn, PoisonKillsOneLandedBlowInSix) {
    t.game.monster_kind = kPoisonousFighter;
    t.game.monster_name = "Serpent des catacombes";
    t.game.monster_weapon = "crochets venimeux";
    const auto deadly = [](const std::vector<int>& d) { return d[2] % 6 == 3; };

    t.clock.seconds = second_where(3, [&](const auto& d) { return kLands(d) && deadly(d); });
    WaitLog log(t);
    EXPECT_TRUE(t.ends_game([&] { blow("xxxx"); }));  // the death screen takes the last key
    const auto& poisoned = log.waits.at(2);
    EXPECT_EQ(poisoned.rows[32],
              "               Serpent des catacombes vous empoisonne avec crochets venimeux.");
    EXPECT_EQ(poisoned.rows[34], "               Vous mourrez sur le coup !");
    EXPECT_EQ(poisoned.y, 35);
    EXPECT_EQ(t.game.fight.hero_hp, 30);  // dead before the blow's damage
    EXPECT_NE(t.text().find("MORT."), std::string::npos);

    // An avoided blow never poisons; a landed one that rolls otherwise just hurts.
    t.clock.seconds = second_where(3, [&](const auto& d) { return kAvoided(d) && deadly(d); });
    EXPECT_FALSE(t.ends_game([&] { blow(); }));
    t.clock.seconds = second_where(3, [&](const auto& d) { return kLands(d) && !deadly(d); });
    EXPECT_FALSE(t.ends_game([&] { blow(); }));
    EXPECT_EQ(t.game.roll, draws_after(t.clock.seconds, 3)[2] % 6);
}

TEST_F(MonsterTurn, LastHealthPointLostEndsTheGame) {
    t.clock.seconds = second_where(2, kLands);
    t.game.fight.hero_hp = 1;
    t.game.hero.defense = 0;
    WaitLog log(t);
    EXPECT_TRUE(t.ends_game([&] { blow("xx"); }));
    EXPECT_EQ(t.game.fight.hero_hp, 0);
    EXPECT_NE(t.text().find("Malheureusement votre aventure se termine ici."), std::string::npos);
}

struct SpellCaster : MonsterTurn {
    // monster_spell reseeds: the first draw picks the spell by its parity.
    void cast_in_second_where(bool odd, const char* keys) {
        t.clock.seconds = second_where(2, [odd](const auto& d) { return (d[0] % 2 == 1) == odd; });
        t.game.blow_avoided = 0;
        t.game.clrscr();
        t.keys.type(keys);
        monster_spell(t.game);
    }
};

TEST_F(SpellCaster, SpiderWaveHurtsAgainstMagicResistance) {
    make_spider(t.game);
    start_working_copies(t.game);
    cast_in_second_where(false, "xx");
    const int wave = draws_after(t.clock.seconds, 2)[1] % 9 + 4;
    EXPECT_EQ(t.row(30), "               Araignee psychique lance un sort de vague psychique.");
    EXPECT_EQ(t.colour_of("sort de vague"), 3);
    EXPECT_EQ(t.game.damage, wave);
    EXPECT_EQ(t.game.fight.monster_energy, 16);
    EXPECT_EQ(t.game.blow_avoided, 0);
    hit_hero(t.game);
    EXPECT_NE(t.row(32).find(std::to_string(wave) + " - 1 , points de sante."), std::string::npos);
    EXPECT_EQ(t.game.fight.hero_hp, 30 - (wave - 1));

    t.game.hero.magic_resistance = 20;
    t.keys.type("x");
    hit_hero(t.game);
    EXPECT_EQ(t.row(32).find("               Votre resistance aux sorts absorbe la magie."), 0u);
}

TEST_F(SpellCaster, SpiderHealsBelowFullHealthAndIsConfusedOtherwise) {
    make_spider(t.game);
    start_working_copies(t.game);
    t.game.fight.monster_hp = 33;
    WaitLog log(t);
    cast_in_second_where(true, "xx");
    EXPECT_EQ(log.waits[0].rows[30],
              "               Araignee psychique lance un sort de guerison des araignees.");
    EXPECT_EQ(t.row(32), "               Araignee psychique se guerir de 5 points de sante.");
    EXPECT_EQ(log.waits[1].y, 34);
    EXPECT_EQ(t.game.fight.monster_hp, 35);
    EXPECT_EQ(t.game.fight.monster_energy, 15);
    EXPECT_EQ(t.game.blow_avoided, 1);
    EXPECT_EQ(t.row(42).substr(48, 5), "35/35");

    // At exactly 35 the heal is refused and the spider is confused, for free.
    cast_in_second_where(true, "x");
    EXPECT_EQ(t.row(30),
              "               Araignee psychique allait lancer un sort mais est confuse");
    EXPECT_EQ(t.row(32), "               et ne fait rien.");
    EXPECT_EQ(t.colour_of("confuse"), 3);
    EXPECT_EQ(t.game.fight.monster_energy, 15);
    EXPECT_EQ(t.game.blow_avoided, 1);

    // With 3 energy neither spell can be cast.
    t.game.fight.monster_energy = 3;
    t.game.fight.monster_hp = 20;
    for (const bool odd : {false, true}) {
        cast_in_second_where(odd, "x");
        EXPECT_NE(t.row(30).find("confuse"), std::string::npos);
        EXPECT_EQ(t.game.fight.monster_energy, 3);
    }
}

TEST_F(SpellCaster, SewerCreatureSpells) {
    make_sewer_creature(t.game);
    start_working_copies(t.game);
    t.game.fight.monster_energy = 5;  // enough for its unknown spell, which costs 4
    cast_in_second_where(false, "x");
    EXPECT_EQ(t.row(30), "               Creature des egouts lance un sort inconnu.");
    EXPECT_EQ(t.game.damage, draws_after(t.clock.seconds, 2)[1] % 6 + 4);
    EXPECT_EQ(t.game.fight.monster_energy, 1);

    t.game.fight.monster_energy = 25;
    t.game.fight.monster_hp = 30;
    WaitLog log(t);
    cast_in_second_where(true, "xx");
    EXPECT_EQ(t.row(30),
              "               Creature des egouts absorbe les detritus se trouvant autour");
    EXPECT_EQ(t.row(32), "               d'elle.");
    EXPECT_EQ(t.row(34), "               Creature des egouts se guerit de 6 points de sante.");
    EXPECT_EQ(log.waits[1].y, 35);
    EXPECT_EQ(t.game.fight.monster_hp, 36);
    EXPECT_EQ(t.game.fight.monster_energy, 19);

    t.game.fight.monster_hp = 40;
    cast_in_second_where(true, "x");
    EXPECT_EQ(t.row(30), "               Creature des egouts echoue le lancer d'un de ses sorts.");
    EXPECT_EQ(t.game.blow_avoided, 1);
    EXPECT_EQ(t.game.fight.monster_energy, 19);
}

}  // namespace
}  // namespace vov::test
