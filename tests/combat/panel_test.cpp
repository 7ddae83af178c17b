#include "combat/panel.hpp"

#include <gtest/gtest.h>

#include "combat/fight.hpp"
#include "combat/monster_turn.hpp"
#include "fight_fixture.hpp"

namespace vov::test {
namespace {

const std::string kRule(80, '-');

TEST(Panel, ShowsBothFightersInTheirColours) {
    TestGame t;
    make_barbarian(t.game);
    make_spider(t.game);
    start_working_copies(t.game);
    t.game.textcolor(12);
    draw_fight_panel(t.game);
    EXPECT_EQ(t.row(37),
              "          Votre niveau :  1                Niveau de Araignee psychique:  3");
    EXPECT_EQ(t.row(38), "");
    EXPECT_EQ(t.row(39), kRule);
    EXPECT_EQ(t.row(40),
              " Votre sante :  Energie magique :            Sa sante :      Energie magique :");
    EXPECT_EQ(t.row(41), "");
    EXPECT_EQ(t.row(42),
              "     30/30            0/0                       35/35              20/20");
    EXPECT_EQ(t.row(43), kRule);
    EXPECT_EQ(t.colours(37).substr(10, 17), std::string(17, 'b'));
    EXPECT_EQ(t.colours(37).substr(43, 32), std::string(32, 'a'));
    EXPECT_EQ(t.colours(40).substr(1, 13), std::string(13, 'b'));
    EXPECT_EQ(t.colours(40).substr(16, 17), std::string(17, 'b'));
    EXPECT_EQ(t.colours(40).substr(45, 10), std::string(10, 'a'));
    EXPECT_EQ(t.colours(40).substr(61, 17), std::string(17, 'a'));
    EXPECT_EQ(t.colours(42), std::string(80, '7'));
    EXPECT_EQ(t.colours(43), std::string(80, '7'));
    EXPECT_EQ(t.screen.attr() & 0x0F, 7);
}

// A health of 10 falling to 9 leaves no "0" behind on the row of numbers.
TEST(Panel, ShorterNumberLeavesNoStrayDigit) {
    TestGame t;
    make_barbarian(t.game);
    make_wolf(t.game);
    t.game.hero.hp = 10;
    start_working_copies(t.game);
    t.clock.seconds = second_where(2, [](const auto& d) { return d[1] % 3 != 0; });
    t.game.hero.defense = draws_after(t.clock.seconds, 1)[0] % 6 + 4 - 1;  // the blow takes 1
    t.game.fight.monster_hp = 10;
    draw_fight_panel(t.game);
    EXPECT_EQ(t.row(42), "     10/30            0/0                       10/20              0/0");

    t.game.fight.monster_hp = 7;
    t.keys.type("xx");
    monster_blow(t.game);
    hit_hero(t.game);
    EXPECT_EQ(t.row(42), "     9/30             0/0                       7/20               0/0");
}

// One round of the wolf's fight as the player sees it when the wolf strikes back.
TEST(CombatScreen, RoundSnapshot) {
    TestGame t;
    make_barbarian(t.game);
    make_wolf(t.game);
    t.game.choice = kHeroFirst;
    // Both blows land; the hero's and the wolf's come from the same draw.
    t.clock.seconds = second_where(2, [](const auto& d) { return d[1] % 3 != 0; });
    const int draw = draws_after(t.clock.seconds, 1)[0];
    const int hero_blow = draw % 16 + 4;
    const int wolf_blow = draw % 6 + 4;
    std::vector<std::string> seen;
    std::string colours14, colours30;
    t.keys.on_wait = [&] {
        if (t.screen.cursor_y() != 34) return;
        for (int y = 1; y <= 44; ++y) seen.push_back(t.row(y));
        colours14 = t.colours(14);
        colours30 = t.colours(30);
    };
    t.keys.type("xxxx");
    EXPECT_THROW(run_fight(t.game), ScriptExhausted);
    ASSERT_EQ(seen.size(), 44u);

    const int wolf_left = 20 - hero_blow;
    const int hero_left = 30 - (wolf_blow - 2);
    const std::string pad(15, ' ');
    std::vector<std::string> want(44);
    want[13] = pad + "Vous frappez Loup de la foret avec votre hache.";
    want[15] = pad + "Loup de la foret, vient de perdre " + std::to_string(hero_blow) +
               " - 0 , points de sante.";
    want[29] = pad + "Loup de la foret vous frappe avec crocs et griffes.";
    want[31] =
        pad + "Vous venez de perdre " + std::to_string(wolf_blow) + " - 2 , points de sante.";
    want[36] = "          Votre niveau :  1                Niveau de Loup de la foret:  2";
    want[38] = kRule;
    want[39] = " Votre sante :  Energie magique :            Sa sante :      Energie magique :";
    std::string numbers(80, ' ');
    const std::string hero_hp = std::to_string(hero_left) + "/30";
    const std::string wolf_hp = std::to_string(std::max(wolf_left, 0)) + "/20";
    numbers.replace(5, hero_hp.size(), hero_hp);
    numbers.replace(22, 3, "0/0");
    numbers.replace(48, wolf_hp.size(), wolf_hp);
    numbers.replace(67, 3, "0/0");
    want[41] = numbers.substr(0, numbers.find_last_not_of(' ') + 1);
    want[42] = kRule;
    for (int y = 0; y < 44; ++y) {
        EXPECT_EQ(seen[static_cast<std::size_t>(y)], want[static_cast<std::size_t>(y)])
            << "row " << y + 1;
    }
    // "Vous frappez " plain, the name light green, "avec votre " plain, the weapon light cyan.
    EXPECT_EQ(colours14.substr(15, 47),
              std::string(13, '7') + std::string(17, 'a') + std::string(11, '7') + "bbbbb" + "7");
    // The name light green, "vous frappe avec " plain, the weapon light red.
    EXPECT_EQ(colours30.substr(15, 51),
              std::string(17, 'a') + std::string(17, '7') + std::string(16, 'c') + "7");
}

}  // namespace
}  // namespace vov::test
