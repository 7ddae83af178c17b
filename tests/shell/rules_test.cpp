#include "shell/rules.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "test_game.hpp"

namespace vov {
namespace {

using test::ScriptExhausted;
using test::TestGame;

// What the player sees while a page waits for its key.
struct PageSeen {
    std::vector<std::string> rows;     // rows 1 to 44
    std::vector<std::string> colours;  // one colour digit per cell
};

std::vector<PageSeen> read_pages(TestGame& t, const std::function<void(Game&)>& rules, const std::string& keys) {
    std::vector<PageSeen> pages;
    t.keys.on_wait = [&] {
        PageSeen page;
        for (int y = 1; y <= t.screen.rows(); ++y) {
            page.rows.push_back(t.row(y));
            page.colours.push_back(t.colours(y));
        }
        pages.push_back(page);
    };
    t.keys.type(keys);
    rules(t.game);
    return pages;
}

std::size_t shown_length(const std::string& utf8) {
    std::size_t n = 0;
    for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

void expect_rows(const TestGame& t, const std::vector<std::pair<int, std::string>>& rows) {
    for (const auto& [y, text] : rows) EXPECT_EQ(t.row(y), text) << "row " << y;
}

TEST(RulesIntro, ShowsTheIntroductionWithItsKeyWordsInColour) {
    TestGame t;
    t.keys.type("x");
    show_rules_intro(t.game);
    expect_rows(t, {
        {1, "Introduction au jeu."},
        {4, "Vous allez jouer à un jeu dont VOUS êtes le héros : un jeu de rôle."},
        {5, "Votre discernement et vos choix mèneront la quête, dont une partie vous sera"},
        {10, "ni antique : vous voyagerez dans des temps médiévaux, faits de chevalerie"},
        {14, "Pour survivre, vous devrez vous équiper : de provisions pour vous nourrir,"},
        {20, "rencontrer la mort (au cours d'un combat ou en tombant dans un piège, par"},
        {21, "exemple)."},
    });
    EXPECT_EQ(t.row(22), "");
    EXPECT_EQ(t.colours(1).substr(0, 21), std::string(20, 'b') + "7");
    // A printf right after a colour change is plain again.
    EXPECT_EQ(t.colours(4).substr(0, 68), "7777777777777777777777777777777eeee77777777222222777777eeeeeeeeeee77");
    EXPECT_EQ(t.colours(10).substr(0, 74), "7777777777777777777777777777777777777777777eeeeeeeee7777777777eeeeeeeeeee7");
    EXPECT_EQ(t.colours(14).substr(0, 75), "777777777777777777777777777777777777777777777666666666667777777777777777777");
    EXPECT_EQ(t.colour_of("quête"), 2);
    EXPECT_EQ(t.colour_of("mort "), 12);
    EXPECT_EQ(t.colour_of("(au cours"), 7);
    EXPECT_EQ(t.screen.attr() & 0x0F, 7);  // the menu's later cprintf text is plain
}

// The races' last page, as the game has always written it.
TEST(RulesClassesRaces, LastPageShowsTheRacesAsTheGameHasAlwaysWrittenThem) {
    TestGame t;
    t.keys.type("abcd");
    show_rules_classes_races(t.game);
    expect_rows(t, {
        {1, "II) Races disponibles dans ce jeu. (suite)"},
        {4, "- Nain: les mines des nains se trouvent à l'est du royaume, et leurs alliés"},
        {8, "Classe disponible pour nain : toutes sauf barbare"},
        {9, "Avantages +4 vigueur,+2 robustesse,+2 défense"},
        {10, "Défauts rien"},
        {12, "- Demi-orque: peu nombreux à Vezerirer, où les orques sont les grands ennemis,"},
        {16, "Classe disponible pour demi-orque : toutes sauf barbare"},
        {18, "Défauts - 1 intuition, - 1 vertu, -2 réputation"},
        {23, "Classe disponible pour Farfadelfe : toutes sauf barbare et chevalier"},
        {24, "Avantages +4 intuition,+4 vertu,+3 résistance à la magie"},
        {25, "Défauts - 2 vigueur, - 2 robustesse - 2 défense"},
    });
    EXPECT_EQ(t.row(26), "");
    EXPECT_EQ(t.colour_of("- Nain:"), 2);
    EXPECT_EQ(t.colour_of(" les mines"), 7);
    EXPECT_EQ(t.colour_of("barbe."), 6);
    EXPECT_EQ(t.colour_of("force colossale"), 6);
    EXPECT_EQ(t.colours(8), std::string(49, '3') + std::string(31, '7'));
    EXPECT_EQ(t.colours(18), std::string(47, '3') + std::string(33, '7'));
}

TEST(RulesClassesRaces, HumanBonusesKeepTheirOldSpellingAndFitTheLine) {
    TestGame t;
    const auto pages = read_pages(t, show_rules_classes_races, "1234");
    ASSERT_EQ(pages.size(), 4u);
    const auto& races = pages[2].rows;
    EXPECT_EQ(races[12], "Avantages +1 précision,+1 agilité,+1 robustesse,+1 vigueur,+1intuition,+1vertue");
    EXPECT_EQ(races[13], "Défauts rien");
    EXPECT_EQ(races[5], "être un humain, un elfe, un nain, un demi-orque ou un farfadelfe.");
    EXPECT_EQ(pages[2].colours[5].substr(8, 6), "eeeeee");  // "humain" in yellow
    EXPECT_EQ(pages[2].colours[5].substr(0, 8), "77777777");
}

struct RulesSet {
    const char* name;
    std::function<void(Game&)> show;
    const char* track;
    std::vector<std::string> headings;
};

std::vector<RulesSet> all_sets() {
    return {
        {"intro", show_rules_intro, "themepetit.mp3", {"Introduction au jeu."}},
        {"characteristics",
         show_rules_characteristics,
         "thememoyen.mp3",
         {"I) Caractéristiques majeures du joueur.", "I) Caractéristiques majeures du joueur.(suite)",
          "II) Caractéristiques mineures du joueur."}},
        {"classes and races",
         show_rules_classes_races,
         "themelong.mp3",
         {"I) Classes disponibles dans ce jeu.", "I) Classes disponibles dans ce jeu.(suite)",
          "II) Races disponibles dans ce jeu.", "II) Races disponibles dans ce jeu. (suite)"}},
    };
}

TEST(RulesPages, EachSetTurnsOnePagePerKeyOfAnyKindAndPlaysItsTrackOnce) {
    for (const auto& set : all_sets()) {
        SCOPED_TRACE(set.name);
        TestGame t;
        const std::string keys = std::string("a \x1b" "9Z").substr(0, set.headings.size());
        const auto pages = read_pages(t, set.show, keys + "!");
        EXPECT_EQ(pages.size(), set.headings.size());
        EXPECT_EQ(t.keys.left(), 1u);  // the key after the last page is the menu's
        EXPECT_EQ(t.music.tracks, std::vector<std::string>{set.track});

        TestGame short_of_a_key;
        short_of_a_key.keys.type(keys.substr(1));
        EXPECT_THROW(set.show(short_of_a_key.game), ScriptExhausted);
    }
}

// Every page fits the 80x44 console as it is: the heading is still on row 1 when
// the page waits (nothing scrolled), the underline matches what the heading shows,
// the body starts on row 4, and no line reaches column 80, where the console
// would break a word in two.
TEST(RulesPages, EveryPageFitsTheConsoleWithoutScrollingOrBrokenWords) {
    for (const auto& set : all_sets()) {
        SCOPED_TRACE(set.name);
        TestGame t;
        const auto pages = read_pages(t, set.show, std::string(set.headings.size(), 'k'));
        ASSERT_EQ(pages.size(), set.headings.size());
        for (std::size_t p = 0; p < pages.size(); ++p) {
            SCOPED_TRACE("page " + std::to_string(p + 1));
            const auto& rows = pages[p].rows;
            EXPECT_EQ(rows[0], set.headings[p]);
            EXPECT_EQ(rows[1], std::string(shown_length(set.headings[p]), '-'));
            EXPECT_EQ(rows[2], "");
            EXPECT_NE(rows[3], "");
            EXPECT_EQ(rows.back(), "");  // room left below the text
            for (std::size_t y = 0; y < rows.size(); ++y) {
                EXPECT_LT(shown_length(rows[y]), 80u) << "row " << y + 1 << ": " << rows[y];
            }
        }
    }
}

TEST(RulesPages, EntryHeadingsAreGreenAndTheirKeyWordsBrown) {
    TestGame t;
    const auto pages = read_pages(t, show_rules_characteristics, "123");
    ASSERT_EQ(pages.size(), 3u);
    const auto& first = pages[0];
    EXPECT_EQ(first.rows[3].substr(0, 4), "Vos ");
    EXPECT_EQ(first.colours[3].substr(0, 22), "7777eeeeeeeeeeeeeeeee7");  // "caractéristiques "
    EXPECT_EQ(first.rows[6].substr(0, 14), "- santé: vos ");
    EXPECT_EQ(first.colours[6].substr(0, 25), "2222222277777666666666666");  // "points de vie"
    const auto& minor = pages[2];
    EXPECT_EQ(minor.rows[3], "- réputation: elle est toujours comprise dans l'intervalle [-10;10].");
    EXPECT_EQ(minor.colours[3].substr(58, 11), "76666666666");  // "[-10;10]. "
}

}  // namespace
}  // namespace vov
