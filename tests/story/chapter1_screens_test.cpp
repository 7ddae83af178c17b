// Every screen of chapter 1: the footer keys at every story menu, and the layout
// of every scene (menus above the footer, nothing scrolled, no word cut in half).
#include <gtest/gtest.h>

#include <cctype>

#include "story/chapters.hpp"
#include "story_play.hpp"

namespace vov::test {
namespace {

struct Route {
    const char* scene;
    std::string keys;
    std::vector<AfterFight> after_fights;
};

// The keys that lead to each story menu of the chapter (a farfadelfe of 60 cm, so
// that the gnome's door lets the hero in).
std::vector<Route> menu_routes() {
    return {
        {"beside the path", "x", {}},
        {"the guards", "x2", {}},
        {"greeting the guards", "x21", {}},
        {"the ambush", "x22", {}},
        {"into the forest", "x1", {}},
        {"the campfire", "x11", {}},
        {"the wolf and the gnome", "x112", {}},
        {"the gnome's house", "x1122", {{"Votre dernier coup", "x"}}},
        {"the plant", "x12x", {}},
    };
}

void make_small_hero(Game& game) {
    make_hero(game, kKnight, kFarfadelfe);
    game.hero.height_cm = 60;
}

TEST(ChapterOneMenus, EveryMenuIgnoresOtherKeysAndShowsItselfAgainAfterEightAndNine) {
    for (Route route : menu_routes()) {
        SCOPED_TRACE(route.scene);
        TestGame t;
        make_small_hero(t.game);
        std::vector<std::string> screens;
        const std::string footer_keys = "47a" "8x" "9x" "0";
        if (route.after_fights.empty()) {
            route.keys += footer_keys;
        } else {
            route.after_fights.back().keys += footer_keys;
        }
        StoryPlayer player(t, route.keys, route.after_fights);
        player.inspect = [&] { screens.push_back(t.text()); };
        EXPECT_TRUE(t.ends_game([&] { play_chapter1(t.game); }));
        EXPECT_EQ(t.music.tracks.back(), "stopson.mp3");
        ASSERT_GE(screens.size(), 7u);
        const std::size_t menu = screens.size() - 7;  // waits for '4', '7', 'a', '8', x, '9', x, '0'
        EXPECT_EQ(screens[menu - 1], screens[menu]);
        EXPECT_EQ(screens[menu], screens[menu + 1]);
        EXPECT_EQ(screens[menu + 1], screens[menu + 2]);
        EXPECT_NE(screens[menu + 3].find("Parties d'armures:"), std::string::npos);
        EXPECT_EQ(screens[menu + 4], screens[menu]);
        EXPECT_NE(screens[menu + 5].find("Voici vos caract"), std::string::npos);
        EXPECT_EQ(screens[menu + 6], screens[menu]);
    }
}

TEST(ChapterOneMenus, EightAtTheAmbushTakesTheFireballAgain) {
    TestGame t;
    make_hero(t.game);
    t.game.hero.hp = 100;
    t.keys.type("x22" "8x" "8x");
    EXPECT_THROW(play_chapter1(t.game), ScriptExhausted);
    EXPECT_EQ(t.game.hero.hp, 85);
}

// The whole chapter by several roads, so that every scene is shown at least once.
struct Walk {
    const char* name;
    void (*setup)(Game&);
    std::string keys;
    std::vector<AfterFight> after_fights;
};

std::vector<Walk> walks() {
    return {
        {"rubble, wolf, too tall, meal, waiting for the plant, failed tries",
         [](Game& g) {
             make_hero(g);
             g.hero.luck = 8;  // two failed tries with the clock at 1006
         },
         "x3x122",
         {{"Votre dernier coup", "xx"}, {"Vous marchez des heures", "x2xxxx"}, {"La plante git", "xxx"}}},
        {"guards, greeting, ambush, the dwarf kills the gnome, hunger, wizard's fireball",
         [](Game& g) {
             make_hero(g, kWizard, kDwarf);
             g.hero.height_cm = 85;
         },
         "x2112121x",
         {{"Vous marchez des heures", "x3xx"}}},
        {"black elf", [](Game& g) {
             make_hero(g, kKnight, kElf);
             g.hero.skin = 6;
         },
         "x1122",
         {{"Votre dernier coup", "xx"}, {"Vous marchez des heures", "x1x"}, {"La plante git", "xxx"}}},
        {"the ring", make_small_hero, "x1122", {{"Votre dernier coup", "x1xx1x"}, {"La plante git", "xxx"}}},
        {"the medallion", make_small_hero, "x1122",
         {{"Votre dernier coup", "x2xx1x"}, {"La plante git", "xxx"}}},
        {"the charge", [](Game& g) { make_hero(g); }, "x221x", {}},
    };
}

bool is_letter(std::uint8_t ch) { return std::isalnum(ch) != 0 || ch >= 0x80; }

// The one quoted sentence of the chapter that is longer than a line.
bool quoted_long_line(const TestGame& t, int y) {
    return t.row(y).rfind("Vous essayez d'enlever la plante", 0) == 0;
}

void check_layout(const TestGame& t) {
    const int rows = t.screen.rows();
    const int prompt = t.find_row("Votre choix");
    if (prompt != 0) {
        EXPECT_EQ(t.row(42), "8) Voir votre equipement.");
        EXPECT_EQ(t.row(43), "9) Voir les caracteristiques de votre personnage.");
        EXPECT_EQ(t.row(44), "0) Quitter le jeu.");
        EXPECT_NE(t.row(1), "");
        EXPECT_LE(prompt, 41) << t.text();
    } else if (t.row(1) != "" && t.find_row("Malheureusement") == 0) {
        int last = rows;
        while (last > 0 && t.row(last).empty()) --last;
        EXPECT_LE(last, 42) << t.text();
    }
    for (int y = 1; y < rows; ++y) {
        const bool cut = is_letter(t.screen.at(80, y).ch) && is_letter(t.screen.at(1, y + 1).ch);
        EXPECT_FALSE(cut && !quoted_long_line(t, y)) << "word cut on row " << y << ":\n" << t.text();
    }
}

TEST(ChapterOneScreens, EveryScreenFitsAboveTheFooterWithoutScrollingOrCuttingWords) {
    int menus = 0;
    int screens = 0;
    for (const Walk& walk : walks()) {
        SCOPED_TRACE(walk.name);
        TestGame t;
        t.clock.seconds = 1006;
        walk.setup(t.game);
        StoryPlayer player(t, walk.keys, walk.after_fights);
        player.inspect = [&] {
            ++screens;
            if (t.find_row("Votre choix")) ++menus;
            check_layout(t);
        };
        try {
            play_chapter1(t.game);
        } catch (const GameOver&) {
        }
        EXPECT_EQ(t.keys.left(), 0u);
    }
    EXPECT_GE(menus, 20);
    EXPECT_GE(screens, 50);
}

}  // namespace
}  // namespace vov::test
