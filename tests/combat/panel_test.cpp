#include "combat/panel.hpp"

#include <gtest/gtest.h>

#include "combat/fight.hpp"
#include "combat/monster_turn.hpp"
#include "fight_fixture.hpp"

namespace vov::test {
namespace {

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
