#include "shell/rules.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "test_game.hpp"

namespace vov {
namespace {

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

// Each page waits for one key of any kind and fits the 80x44 console as it is:
// the heading is still on row 1 when the page waits (nothing scrolled), the
// underline matches what the heading shows, the body starts on row 4, and no line
// reaches column 80, where the console would break a word in two.
TEST(RulesPages, EachSetTurnsOnePagePerKeyAndEveryPageFitsTheConsole) {
    for (const auto& set : all_sets()) {
        SCOPED_TRACE(set.name);
        TestGame t;
        const std::string keys = std::string("a \x1b" "9Z").substr(0, set.headings.size());
        const auto pages = read_pages(t, set.show, keys + "!");
        ASSERT_EQ(pages.size(), set.headings.size());
        EXPECT_EQ(t.keys.left(), 1u);  // the key after the last page is the menu's
        EXPECT_EQ(t.music.tracks, std::vector<std::string>{set.track});
        EXPECT_EQ(t.screen.attr() & 0x0F, 7);  // the menu's later cprintf text is plain
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

// Whole rows with their colours: headings light cyan, key words yellow, entry
// headings green and their key words brown; a printf right after a colour change
// is plain again. The races keep the game's old spellings.
TEST(RulesPages, RowsAndTheirColours) {
    struct Row {
        std::size_t set, page, y;
        const char* text;
        std::string colours;  // of the row's first cells
    };
    const Row rows[] = {
        {0, 0, 1, "Introduction au jeu.", std::string(20, 'b') + "7"},
        {0, 0, 4, "Vous allez jouer à un jeu dont VOUS êtes le héros : un jeu de rôle.",
         "7777777777777777777777777777777eeee77777777222222777777eeeeeeeeeee77"},
        {0, 0, 10, "ni antique : vous voyagerez dans des temps médiévaux, faits de chevalerie",
         "7777777777777777777777777777777777777777777eeeeeeeee7777777777eeeeeeeeeee7"},
        {0, 0, 14, "Pour survivre, vous devrez vous équiper : de provisions pour vous nourrir,",
         "777777777777777777777777777777777777777777777666666666667777777777777777777"},
        {0, 0, 20, "rencontrer la mort (au cours d'un combat ou en tombant dans un piège, par",
         "77777777777777ccccc7"},
        {1, 0, 4, "Vos caractéristiques reflètent la force, l'endurance et l'intelligence de votre",
         "7777eeeeeeeeeeeeeeeee7"},
        {1, 0, 7, "", "2222222277777666666666666"},
        {1, 2, 4, "- réputation: elle est toujours comprise dans l'intervalle [-10;10].",
         std::string(13, '2') + std::string(45, '7') + "76666666666"},
        {2, 2, 6, "être un humain, un elfe, un nain, un demi-orque ou un farfadelfe.", "77777777eeeeee"},
        {2, 2, 13, "Avantages +1 précision,+1 agilité,+1 robustesse,+1 vigueur,+1intuition,+1vertue", ""},
        {2, 2, 14, "Défauts rien", ""},
        {2, 3, 4, "- Nain: les mines des nains se trouvent à l'est du royaume, et leurs alliés",
         "22222227"},
        {2, 3, 8, "Classe disponible pour nain : toutes sauf barbare", std::string(49, '3') + std::string(31, '7')},
        {2, 3, 18, "Défauts - 1 intuition, - 1 vertu, -2 réputation", std::string(47, '3') + std::string(33, '7')},
        {2, 3, 23, "Classe disponible pour Farfadelfe : toutes sauf barbare et chevalier", ""},
        {2, 3, 25, "Défauts - 2 vigueur, - 2 robustesse - 2 défense", ""},
    };
    std::vector<std::vector<PageSeen>> pages;
    for (const auto& set : all_sets()) {
        TestGame t;
        pages.push_back(read_pages(t, set.show, std::string(set.headings.size(), 'k')));
    }
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "set " << r.set << " page " << r.page + 1 << " row " << r.y);
        const PageSeen& page = pages[r.set].at(r.page);
        if (*r.text != '\0') {
            EXPECT_EQ(page.rows[r.y - 1], r.text);
        }
        EXPECT_EQ(page.colours[r.y - 1].substr(0, r.colours.size()), r.colours);
    }
}

}  // namespace
}  // namespace vov
