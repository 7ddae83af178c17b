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

TEST(Personality, HumanRangerWorkedExample) {
    TestGame t;
    create_and_answer(t, {.race = '1', .hero_class = '3'}, "332");
    const Hero& h = t.game.hero;
    EXPECT_EQ(h.vigour, 12);
    EXPECT_EQ(h.hp, 60);
    EXPECT_EQ(h.max_hp, 60);
    EXPECT_EQ(h.intuition, 9);
    EXPECT_EQ(h.virtue, 9);
    EXPECT_EQ(h.energy, 45);
    EXPECT_EQ(h.max_energy, 45);
}

TEST(Personality, FarfadelfeWizardWorkedExample) {
    TestGame t;
    create_and_answer(t, {.race = '5', .height = "60", .hero_class = '1'}, "644");
    const Hero& h = t.game.hero;
    EXPECT_EQ(h.intuition, 16);
    EXPECT_EQ(h.virtue, 12);
    EXPECT_EQ(h.energy, 76);
    EXPECT_EQ(h.max_energy, 76);
    EXPECT_EQ(h.vigour, 6);
    EXPECT_EQ(h.hp, 30);
    EXPECT_EQ(h.max_hp, 30);
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

// Each question fits a 44-row console without scrolling, no line reaches the last
// column, and its seven options start rows of their own.
TEST(Personality, EachQuestionScreenFitsTheConsole) {
    TestGame t;
    std::vector<std::vector<std::string>> screens;
    t.keys.on_wait = [&] {
        std::vector<std::string> rows;
        for (int y = 1; y <= 44; ++y) rows.push_back(t.row(y));
        screens.push_back(rows);
    };
    t.keys.type("111");
    ask_personality(t.game);
    ASSERT_EQ(screens.size(), 3u);
    const char* first_rows[] = {
        "Voici pour terminer l'élaboration de votre personnage quelques questions.",
        "Vous parcourez un donjon et tombez sur un vieil entrepôt d'armes abandonné.",
        "Vous vous trouvez au beau milieu d'une ville, votre bourse est remplie de"};
    for (std::size_t q = 0; q < 3; ++q) {
        SCOPED_TRACE(q + 1);
        const auto& rows = screens[q];
        EXPECT_EQ(rows[0], first_rows[q]);
        int option = 1;
        std::size_t last_option_row = 0;
        for (std::size_t y = 0; y < rows.size(); ++y) {
            std::size_t width = 0;  // characters, not UTF-8 bytes
            for (const char c : rows[y]) width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            EXPECT_LT(width, 80u) << rows[y];
            if (option <= 7 && rows[y].rfind(std::to_string(option) + ") ", 0) == 0) {
                ++option;
                last_option_row = y;
            }
        }
        EXPECT_EQ(option, 8);
        // Three blank lines, then the prompt.
        ASSERT_LT(last_option_row + 4, rows.size());
        std::size_t prompt = last_option_row + 1;
        while (prompt < rows.size() && rows[prompt] != "Votre choix:") ++prompt;
        ASSERT_LT(prompt, rows.size()) << "no prompt";
        EXPECT_EQ(rows[prompt - 1], "");
        EXPECT_EQ(rows[prompt - 2], "");
        EXPECT_EQ(rows[prompt - 3], "");
    }
    EXPECT_EQ(screens[0][7],
              "Vous avez vécu trop longtemps seul, vous décidez de vous marier, vers quel type");
    EXPECT_EQ(screens[0][8], "de femme vous tournerez vous?");
    EXPECT_EQ(screens[1][1],
              "Si vous choisiriez une arme qui s'y trouve, laquelle prendriez vous:");
    EXPECT_EQ(screens[2][1], "pièces d'or. Vers quel échoppe vous dirigerez vous ?");
}

}  // namespace
}  // namespace vov::test
