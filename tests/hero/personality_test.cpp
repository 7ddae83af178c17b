#include <gtest/gtest.h>

#include "hero/creation.hpp"
#include "hero_script.hpp"

namespace vov::test {
namespace {

void create_and_answer(TestGame& t, const CreationKeys& keys, const std::string& answers) {
    t.keys.type(keys.script() + answers);
    create_hero(t.game);
    ask_personality(t.game);
    EXPECT_EQ(t.keys.left(), 0u);
}

// The two worked examples: health is five times vigour, energy four times
// intuition plus virtue.
TEST(Personality, WorkedExamples) {
    struct Case {
        CreationKeys keys;
        const char* answers;
        int vigour, intuition, virtue, hp, energy;
    };
    const Case cases[] = {
        {{.race = '1', .hero_class = '3'}, "332", 12, 9, 9, 60, 45},
        {{.race = '5', .height = "60", .hero_class = '1'}, "644", 6, 16, 12, 30, 76},
    };
    for (const Case& c : cases) {
        TestGame t;
        create_and_answer(t, c.keys, c.answers);
        const Hero& h = t.game.hero;
        EXPECT_EQ(h.vigour, c.vigour);
        EXPECT_EQ(h.intuition, c.intuition);
        EXPECT_EQ(h.virtue, c.virtue);
        EXPECT_EQ(h.hp, c.hp);
        EXPECT_EQ(h.max_hp, c.hp);
        EXPECT_EQ(h.energy, c.energy);
        EXPECT_EQ(h.max_energy, c.energy);
    }
}

// Every answer of every question raises the characteristic of the answer table.
TEST(Personality, EachAnswerRaisesItsCharacteristic) {
    using Field = int Hero::*;
    const Field a = &Hero::agility, p = &Hero::precision, r = &Hero::robustness, v = &Hero::vigour,
                i = &Hero::intuition, vt = &Hero::virtue, l = &Hero::luck;
    const Field table[3][7] = {
        {vt, p, v, l, a, i, r},
        {r, p, v, i, a, a, l},
        {r, v, l, i, p, vt, a},
    };
    for (int question = 0; question < 3; ++question) {
        for (int key = 0; key < 7; ++key) {
            SCOPED_TRACE(testing::Message() << "question " << question + 1 << " key " << key + 1);
            TestGame t;
            Hero& h = t.game.hero;
            for (Field f : {a, p, r, v, i, vt, l}) h.*f = 8;
            // '9' is ignored; the other two questions take an answer that raises agility.
            std::string keys = "557";
            keys[static_cast<std::size_t>(question)] = static_cast<char>('1' + key);
            t.keys.type("9" + keys);
            ask_personality(t.game);
            Hero expected;
            for (Field f : {a, p, r, v, i, vt, l}) expected.*f = 8;
            expected.agility += 2;
            expected.*table[question][key] += 1;
            for (Field f : {a, p, r, v, i, vt, l}) EXPECT_EQ(h.*f, expected.*f);
            EXPECT_EQ(h.hp, h.vigour * 5);
            EXPECT_EQ(h.energy, h.intuition * 4 + h.virtue);
        }
    }
}

// Each question fits a 44-row console without scrolling (its first row stays on
// top), no line reaches the last column, its seven options start rows of their
// own and three blank lines come before the prompt.
TEST(Personality, EachQuestionScreenFitsTheConsole) {
    const char* first_rows[] = {
        "Voici pour terminer l'élaboration de votre personnage quelques questions.",
        "Vous parcourez un donjon et tombez sur un vieil entrepôt d'armes abandonné.",
        "Vous vous trouvez au beau milieu d'une ville, votre bourse est remplie de"};
    TestGame t;
    std::size_t question = 0;
    t.keys.on_wait = [&] {
        SCOPED_TRACE(question + 1);
        ASSERT_LT(question, 3u);
        EXPECT_EQ(t.row(1), first_rows[question++]);
        int option = 1, last_option_row = 0;
        for (int y = 1; y <= 44; ++y) {
            EXPECT_EQ(t.screen.at(80, y).ch, ' ') << t.row(y);
            if (t.row(y).rfind(std::to_string(option) + ") ", 0) == 0) last_option_row = y, ++option;
        }
        EXPECT_EQ(option, 8);
        const int prompt = t.find_row("Votre choix:");
        EXPECT_GT(prompt, last_option_row + 3);
        EXPECT_EQ(t.row(prompt - 3) + t.row(prompt - 2) + t.row(prompt - 1), "");
    };
    t.keys.type("111");
    ask_personality(t.game);
    EXPECT_EQ(question, 3u);
}

}  // namespace
}  // namespace vov::test
