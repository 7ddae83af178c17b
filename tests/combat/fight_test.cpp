#include "combat/fight.hpp"

#include <gtest/gtest.h>

#include "combat/spells.hpp"
#include "fight_fixture.hpp"

namespace vov::test {
namespace {

// The row of the first action shown: 14 when the hero strikes first, 30 when the
// monster does.
int first_action_row(int choice, int hero_agility, int monster_agility) {
    TestGame t;
    make_barbarian(t.game);
    make_wolf(t.game);
    t.game.hero.agility = hero_agility;
    t.game.monster.agility = monster_agility;
    t.game.choice = choice;
    WaitLog log(t);
    EXPECT_THROW(run_fight(t.game), ScriptExhausted);
    const auto& rows = log.waits.at(0).rows;
    if (rows[14].find("Vous frappez Loup de la foret avec votre hache.") != std::string::npos)
        return 14;
    if (rows[30].find("Loup de la foret vous frappe avec crocs et griffes.") != std::string::npos)
        return 30;
    return 0;
}

TEST(Initiative, ChoiceOverridesAgilityAndTheHeroWinsTies) {
    EXPECT_EQ(first_action_row(kHeroFirst, 3, 9), 14);     // faster monster, hero still first
    EXPECT_EQ(first_action_row(kMonsterFirst, 9, 3), 30);  // slower monster, monster still first
    EXPECT_EQ(first_action_row('1', 5, 5), 14);            // equal agility
    EXPECT_EQ(first_action_row('1', 4, 5), 30);            // slower hero
    EXPECT_EQ(first_action_row('1', 6, 5), 14);
}

TEST(RunFight, BeatenMonsterShowsVictoryAndGivesExperienceAndRecovery) {
    TestGame t;
    make_barbarian(t.game);
    make_wolf(t.game);
    t.game.hero.hp = 10;
    t.game.hero.defense = 5;  // a "Defense accrue" left over
    t.game.hero.experience = 3;
    t.game.monster.hp = 0;
    t.game.defense_buff_used = kDefenseRaised;
    t.game.current_chapter = 2;
    WaitLog log(t);
    t.keys.type("x");
    run_fight(t.game);

    ASSERT_EQ(log.waits.size(), 1u);  // no turn at all: straight to the victory screen
    const auto& rows = log.waits[0].rows;
    EXPECT_EQ(rows[16], "             Vous venez de vaincre Loup de la foret : felicitations !");
    EXPECT_EQ(rows[19], "                     Vous gagnez 7 points d'experience.");
    EXPECT_EQ(t.find_row("rodeur"), 0);
    EXPECT_EQ(t.colour_of("Loup de la foret :"), 10);
    EXPECT_EQ(t.colour_of("7 points"), 11);
    EXPECT_EQ(t.colour_of("points d'exp"), 7);

    const Hero& h = t.game.hero;
    EXPECT_EQ(h.experience, 10);
    EXPECT_EQ(h.hp, 20);  // 10 written back, then a third of 30
    EXPECT_EQ(h.defense, 2);
    EXPECT_EQ(t.game.defense_buff_used, kDefenseReset);
    EXPECT_EQ(t.game.current_chapter, 2);
    const char* tracks[] = {"combat1.mp3", "combat2.mp3", "combat.mp3"};
    const std::vector<std::string> expected{tracks[draws_after(1000, 1)[0] % 3], "stopson.mp3"};
    EXPECT_EQ(t.music.tracks, expected);
}

TEST(RunFight, FightsStartedInTheSameSecondPickTheSameTrack) {
    std::vector<std::string> first_tracks;
    for (const std::int64_t second : {1000, 1000, 1001, 1002}) {
        TestGame t;
        t.clock.seconds = second;
        make_barbarian(t.game);
        make_wolf(t.game);
        t.game.monster.hp = 0;
        t.keys.type("x");
        run_fight(t.game);
        first_tracks.push_back(t.music.tracks.at(0));
    }
    EXPECT_EQ(first_tracks[0], first_tracks[1]);
    const char* tracks[] = {"combat1.mp3", "combat2.mp3", "combat.mp3"};
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(first_tracks[static_cast<std::size_t>(i)],
                  tracks[draws_after(999 + i, 1)[0] % 3]);
    }
}

TEST(RunFight, RangerIsToldOfHisHealing) {
    TestGame t;
    make_barbarian(t.game);
    t.game.hero.hero_class = kRanger;
    t.game.hero.hp = 4;
    make_wolf(t.game);
    t.game.monster.hp = 0;
    t.keys.type("x");
    run_fight(t.game);
    EXPECT_EQ(t.row(25), "                   Vos talents de rodeur vous permettent");
    EXPECT_EQ(t.row(27), "                     de vous soigner a la fin du combat.");
    EXPECT_EQ(t.row(29), "                   Vous regagnez tout vos points de sante.");
    EXPECT_EQ(t.colour_of("rodeur"), 11);
    EXPECT_EQ(t.colour_of("tout"), 14);
    EXPECT_EQ(t.colour_of("Vous regagnez"), 7);
    EXPECT_EQ(t.game.hero.hp, 30);
}

TEST(EndFightRecovery, EachClassRecoversItsOwnWay) {
    struct Case {
        int hero_class, hp, energy, want_hp, want_energy;
    };
    // max_hp 30, max_energy 20.
    const Case cases[] = {
        {kBarbarian, 10, 5, 20, 5}, {kKnight, 25, 5, 30, 5},  {kThief, 1, 5, 11, 5},
        {kRanger, 1, 5, 30, 5},     {kPriest, 10, 5, 10, 11}, {kWizard, 10, 19, 10, 20},
    };
    for (const Case& c : cases) {
        TestGame t;
        make_caster(t.game, c.hero_class);
        t.game.hero.hp = c.hp;
        t.game.hero.energy = c.energy;
        t.game.fight.hero_hp = c.hp;
        t.game.hero.defense = 7;
        end_fight_recovery(t.game);
        EXPECT_EQ(t.game.hero.hp, c.want_hp) << "class " << c.hero_class;
        EXPECT_EQ(t.game.hero.energy, c.want_energy) << "class " << c.hero_class;
        EXPECT_EQ(t.game.hero.defense, 2);
        EXPECT_EQ(t.game.defense_buff_used, kDefenseReset);
    }
}

TEST(RunFight, FireInTheFieldAbandonsTheFightAndKeepsTheHerosNumbers) {
    TestGame t;
    make_caster(t.game, kWizard);
    t.game.hero.hp = 17;
    t.game.hero.energy = 12;
    make_wolf(t.game);
    t.game.monster_status = kFieldAblaze;
    t.game.choice = kHeroFirst;
    t.keys.type(
        "26xx"
        "xx"
        "21");  // Defense accrue, the wolf strikes, then the fire ball
    WaitLog log(t);
    run_fight(t.game);

    EXPECT_EQ(t.game.monster_status, kFieldBurnt);
    EXPECT_EQ(t.keys.left(), 0u);
    EXPECT_EQ(t.game.hero.hp, 17);
    EXPECT_EQ(t.game.hero.energy, 12);
    EXPECT_EQ(t.game.hero.defense, 5);  // the bonus stays until the scene removes it
    EXPECT_EQ(t.game.hero.experience, 0);
    EXPECT_EQ(t.music.tracks.size(), 1u);  // no "stopson.mp3"
    EXPECT_EQ(t.screen.attr() & 0x0F, 7);
    EXPECT_LT(t.game.fight.hero_energy, 12);  // the working copy was spent, and dropped
}

// The clock moves on one second at every key, as when a player reads the messages.
void play_whole_fight(TestGame& t) {
    t.keys.on_wait = [&t] { ++t.clock.seconds; };
    for (int i = 0; i < 400; ++i) t.keys.type("x");
    run_fight(t.game);
}

TEST(RunFight, WholeFightEndsInVictoryWithTheWorkingHealthWrittenBack) {
    TestGame t;
    make_barbarian(t.game);
    t.game.hero.max_hp = 60;
    t.game.hero.hp = 60;
    make_wolf(t.game);
    play_whole_fight(t);
    EXPECT_EQ(t.game.fight.monster_hp, 0);
    EXPECT_EQ(t.game.hero.experience, 7);
    // The victory wrote hero_hp back, then a third of max_hp came back (capped).
    EXPECT_EQ(t.game.hero.hp, std::min(60, t.game.fight.hero_hp + 20));
    EXPECT_EQ(t.music.tracks.back(), "stopson.mp3");
}

// A spell caster short of energy strikes with its weapon when the hero opened the
// fight, but keeps trying its spells when it struck first.
TEST(RunFight, SpellCasterShortOfEnergy) {
    const std::int64_t spell_second = second_where(1, [](const auto& d) { return d[0] % 5 != 0; });
    for (const int first : {kHeroFirst, kMonsterFirst}) {
        TestGame t;
        t.clock.seconds = spell_second;
        make_barbarian(t.game);
        make_spider(t.game);
        t.game.monster.energy = 3;
        t.game.choice = first;
        WaitLog log(t);
        t.keys.type("xxxxxxxx");
        EXPECT_THROW(run_fight(t.game), ScriptExhausted);
        const bool strikes =
            log.any_row_has(30, "Araignee psychique vous frappe avec crocs et venin.");
        const bool confused = log.any_row_has(30, "allait lancer un sort mais est confuse");
        EXPECT_EQ(strikes, first == kHeroFirst);
        EXPECT_EQ(confused, first == kMonsterFirst);
        EXPECT_EQ(t.game.monster_kind, kSpellCaster);
    }
}

}  // namespace
}  // namespace vov::test
