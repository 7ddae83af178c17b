#include "combat/fight.hpp"

#include <gtest/gtest.h>

#include "combat/monster_turn.hpp"
#include "combat/panel.hpp"
#include "combat/spells.hpp"
#include "fight_fixture.hpp"

namespace vov::test {
namespace {

// The row of the first action shown: 14 for the hero's blow, 30 for the wolf's.
int first_action_row(int choice, int hero_agility, int monster_agility) {
    TestGame t;
    make_hero(t.game);
    face_wolf(t.game);
    t.game.hero.agility = hero_agility;
    t.game.monster.agility = monster_agility;
    t.game.choice = choice;
    WaitLog log(t);
    EXPECT_THROW(run_fight(t.game), ScriptExhausted);
    if (log.any_row_has(14, "Vous frappez Loup de la foret avec votre hache.")) return 14;
    return log.any_row_has(30, "Loup de la foret vous frappe avec crocs et griffes.") ? 30 : 0;
}

TEST(RunFight, InitiativeFromChoiceThenAgilityWithTheHeroWinningTies) {
    EXPECT_EQ(first_action_row(kHeroFirst, 3, 9), 14);
    EXPECT_EQ(first_action_row(kMonsterFirst, 9, 3), 30);
    EXPECT_EQ(first_action_row('1', 5, 5), 14);
    EXPECT_EQ(first_action_row('1', 4, 5), 30);
}

// A wolf with no health is beaten at once: victory screen, experience, the
// "Defense accrue" bonus taken off, then each class recovers in its own way.
TEST(RunFight, MonsterWithNoHealthIsBeatenAtOnceAndEachClassRecovers) {
    struct Case {
        int hero_class, hp, energy, want_hp, want_energy;
    };
    const Case cases[] = {{kBarbarian, 10, 5, 20, 5}, {kKnight, 25, 5, 30, 5},
                          {kThief, 1, 5, 11, 5},      {kRanger, 1, 5, 30, 5},
                          {kPriest, 10, 5, 10, 11},   {kWizard, 10, 19, 10, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hero_class);
        TestGame t;
        make_hero(t.game, c.hero_class);
        t.game.hero.hp = c.hp;
        t.game.hero.energy = c.energy;
        t.game.hero.max_energy = 20;
        face_wolf(t.game);
        t.game.monster.hp = 0;
        t.game.hero.defense = 5;
        t.game.defense_buff_used = kDefenseRaised;
        t.game.current_chapter = 2;
        t.keys.type("x");
        run_fight(t.game);
        EXPECT_EQ(t.row(16), "             Vous venez de vaincre Loup de la foret : felicitations !");
        EXPECT_EQ(t.row(19), "                     Vous gagnez 7 points d'experience.");
        EXPECT_EQ(t.colour_of("7 points"), 11);
        EXPECT_EQ(t.find_row("Vous regagnez tout vos points de sante."),
                  c.hero_class == kRanger ? 29 : 0);
        EXPECT_EQ(t.game.hero.hp, c.want_hp);
        EXPECT_EQ(t.game.hero.energy, c.want_energy);
        EXPECT_EQ(t.game.hero.experience, 7);
        EXPECT_EQ(t.game.hero.defense, 2);
        EXPECT_EQ(t.game.defense_buff_used, kDefenseReset);
        EXPECT_EQ(t.game.current_chapter, 2);
        const char* const tracks[] = {"combat1.mp3", "combat2.mp3", "combat.mp3"};
        EXPECT_EQ(t.music.tracks, (std::vector<std::string>{
                                      tracks[draws_after(1000, 1)[0] % 3], "stopson.mp3"}));
    }
}

TEST(RunFight, FireInTheFieldAbandonsTheFightWithoutWritingBack) {
    TestGame t;
    make_hero(t.game, kWizard);
    t.game.hero.hp = 17;
    t.game.hero.energy = 12;
    face_wolf(t.game);
    t.game.monster_status = kFieldAblaze;
    t.game.choice = kHeroFirst;
    t.keys.type("26xxxx21");  // Defense accrue, the wolf's blow, the fire ball
    run_fight(t.game);
    EXPECT_EQ(t.game.monster_status, kFieldBurnt);
    EXPECT_EQ(t.game.fight.hero_energy, 8);
    EXPECT_EQ(t.game.hero.hp, 17);
    EXPECT_EQ(t.game.hero.energy, 12);
    EXPECT_EQ(t.game.hero.defense, 5);  // the scene removes the bonus
    EXPECT_EQ(t.game.hero.experience, 0);
    EXPECT_EQ(t.music.tracks.size(), 1u);
}

// Short of energy, a spell caster strikes with its weapon in a fight the hero
// opened, but keeps trying spells when it struck first.
TEST(RunFight, SpellCasterShortOfEnergy) {
    for (const int first : {kHeroFirst, kMonsterFirst}) {
        TestGame t;
        t.clock.seconds = second_where([](const auto& d) { return d[0] % 5 != 0; });
        make_hero(t.game);
        face_spider(t.game);
        t.game.monster.energy = 3;
        t.game.choice = first;
        WaitLog log(t);
        t.keys.type("xxxxxxxx");
        EXPECT_THROW(run_fight(t.game), ScriptExhausted);
        EXPECT_EQ(log.any_row_has(30, "Araignee psychique vous frappe"), first == kHeroFirst);
        EXPECT_EQ(log.any_row_has(30, "mais est confuse"), first == kMonsterFirst);
    }
}

const std::string kRule(80, '-');
const std::string kLabels =
    " Votre sante :  Energie magique :            Sa sante :      Energie magique :";

// One round of the wolf's fight as the player sees it, the hero's health going
// from 10 to 9 and the wolf's from two digits to one.
TEST(Panel, RoundSnapshotWithShrinkingNumbers) {
    TestGame t;
    make_hero(t.game);
    t.game.hero.hp = 10;
    face_wolf(t.game);
    t.game.choice = kHeroFirst;
    t.clock.seconds =
        second_where([](const auto& d) { return second_draw_lands(d) && d[0] % 16 >= 7; });
    const int draw = draws_after(t.clock.seconds, 1)[0];
    const int hero_blow = draw % 16 + 4, wolf_blow = draw % 6 + 4;
    t.game.hero.defense = wolf_blow - 1;
    std::vector<std::string> seen, paint;  // text and colours of rows 1 to 44
    t.keys.on_wait = [&] {
        if (t.screen.cursor_y() != 34) return;
        for (int y = 1; y <= 44; ++y) seen.push_back(t.row(y)), paint.push_back(t.colours(y));
    };
    t.keys.type("xxxx");
    EXPECT_THROW(run_fight(t.game), ScriptExhausted);
    ASSERT_EQ(seen.size(), 44u);

    std::vector<std::string> want(45);
    want[14] = at16("Vous frappez Loup de la foret avec votre hache.");
    want[16] = at16("Loup de la foret, vient de perdre " + std::to_string(hero_blow) +
                    " - 0 , points de sante.");
    want[30] = at16("Loup de la foret vous frappe avec crocs et griffes.");
    want[32] = at16("Vous venez de perdre " + std::to_string(wolf_blow) + " - " +
                    std::to_string(wolf_blow - 1) + " , points de sante.");
    want[37] = "          Votre niveau :  1                Niveau de Loup de la foret:  2";
    want[39] = want[43] = kRule;
    want[40] = kLabels;
    want[42] = "     9/30             0/0                       " + std::to_string(20 - hero_blow) +
               "/20               0/0";
    for (int y = 1; y <= 44; ++y) {
        EXPECT_EQ(seen[static_cast<std::size_t>(y - 1)], want[static_cast<std::size_t>(y)])
            << "row " << y;
    }
    // The hero's labels light cyan, the monster's light green, numbers and rules plain.
    EXPECT_EQ(paint[36].substr(10, 17), std::string(17, 'b'));
    EXPECT_EQ(paint[36].substr(43, 30), std::string(30, 'a'));
    EXPECT_EQ(paint[39].substr(16, 17), std::string(17, 'b'));
    EXPECT_EQ(paint[39].substr(45, 10), std::string(10, 'a'));
    EXPECT_EQ(paint[41], std::string(80, '7'));
    // Plain "Vous frappez ", the name light green, plain "avec votre ", the weapon light cyan.
    EXPECT_EQ(paint[13].substr(15, 47),
              std::string(13, '7') + std::string(17, 'a') + std::string(11, '7') + "bbbbb7");
    // The name light green, plain "vous frappe avec ", the weapon light red.
    EXPECT_EQ(paint[29].substr(15, 51),
              std::string(17, 'a') + std::string(17, '7') + std::string(16, 'c') + "7");
}

}  // namespace
}  // namespace vov::test
