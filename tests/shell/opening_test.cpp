#include "shell/opening.hpp"

#include <gtest/gtest.h>

#include "test_game.hpp"

namespace vov {
namespace {

using test::TestGame;

TEST(MusicNotice, AsksForAPlayerAndFullScreenInThePlainColour) {
    TestGame t;
    t.keys.type("x");
    show_music_notice(t.game);
    EXPECT_EQ(t.row(16), "Si vous disposez d'un logiciel qui peut lire des musiques, veuillez le lancer");
    EXPECT_EQ(t.row(17), "s'il vous plait.");
    EXPECT_EQ(t.row(19), "Veuillez désactiver l'option -musique en boucle-. Ceci pour mieux profiter du");
    EXPECT_EQ(t.row(24), "Si cette fenêtre n'est pas affichée en plein écran, veuillez appuyer sur la");
    EXPECT_EQ(t.row(25), "touche alt (celle de gauche) de votre clavier et en même temps sur la touche");
    EXPECT_EQ(t.row(26), "entrée.");
    EXPECT_EQ(t.row(28), "Quand cette fenêtre sera en plein écran : appuyez sur une touche pour continuer.");
    for (int y = 1; y <= 44; ++y) EXPECT_EQ(t.colours(y), std::string(80, '7')) << "row " << y;
    EXPECT_EQ(t.keys.left(), 0u);
}

TEST(TitleScreen, Snapshot) {
    TestGame t;
    std::string rows[45];
    std::string colours[45];
    t.keys.on_wait = [&] {
        for (int y = 1; y <= 44; ++y) {
            rows[y] = t.row(y);
            colours[y] = t.colours(y);
        }
    };
    t.keys.type("x");
    show_title_screen(t.game);

    EXPECT_EQ(rows[1], "Equipe Vovuzavo                                                   Atelier C++");
    EXPECT_EQ(rows[2], " Projet ne en 2026                                           Annee 2026-2027");
    EXPECT_EQ(rows[20], "                        Projet de programmation (C++)");
    EXPECT_EQ(rows[21], "                        -----------------------------");
    EXPECT_EQ(rows[26], "                   Sujet : Un jeu dont VOUS êtes le héros");
    EXPECT_EQ(rows[44].substr(0, 27), "Relecture : equipe Vovuzavo");
    EXPECT_EQ(rows[44].substr(57), "examiné le : 06/12/26");
    // "Sujet : " and "VOUS " in yellow, the rest of the subject line plain.
    EXPECT_EQ(colours[26].substr(19, 40), "eeeeeeee777777777777eeeee777777777777777");
    EXPECT_EQ(colours[1].substr(0, 15), std::string(15, 'b'));
    EXPECT_EQ(colours[44].substr(57, 21), std::string(21, 'b'));
    // The screen is left cleared, in the normal colour, for the main menu.
    EXPECT_EQ(t.text(), "");
    EXPECT_EQ(t.screen.attr(), 7);
}

TEST(TitleScreen, OnAShortConsoleTheBottomLineGoesWhereTheCursorIs) {
    TestGame t(80, 25);
    std::string row22;
    t.keys.on_wait = [&] { row22 = t.row(22); };
    t.keys.type("x");
    show_title_screen(t.game);
    // Rows 26 and 44 do not exist: the subject line and both bottom texts follow
    // the underline where the cursor stands, wrapping at the right edge.
    EXPECT_EQ(t.screen.rows(), 25);
    EXPECT_EQ(row22, "es le hérosRelecture : equipe Vovuzavoexaminé le : 06/12/26");
}

TEST(EndScreen, ShowsTheEndThenTheCreditsAndEndsTheGame) {
    TestGame t;
    std::vector<std::string> seen;
    std::string plain_colours;
    t.keys.on_wait = [&] {
        seen.push_back(t.text());
        if (seen.size() == 1) plain_colours = t.colours(23);
    };
    t.keys.type("xy");
    EXPECT_TRUE(t.ends_game([&] { show_end_screen(t.game); }));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_NE(seen[0].find("Votre aventure se termine ici."), std::string::npos);
    EXPECT_NE(seen[0].find("Non vous n'êtes pas mort mais le scénario s'acheve pour"), std::string::npos);
    // The promise of a sequel stays plain between the yellow lines.
    EXPECT_EQ(plain_colours, std::string(80, '7'));
    EXPECT_NE(seen[1].find("Les musiques utilisées dans ce programme proviennent"), std::string::npos);
    EXPECT_NE(seen[1].find("Appuyez sur une touche pour quitter..."), std::string::npos);
    EXPECT_EQ(t.keys.left(), 0u);
}

}  // namespace
}  // namespace vov
