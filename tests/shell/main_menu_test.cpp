#include "shell/main_menu.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_game.hpp"

namespace vov {
namespace {

using test::TestGame;

// The screens the player is asked a key on, in order.
std::vector<std::string> run_menu(TestGame& t, const std::string& keys) {
    std::vector<std::string> screens;
    t.keys.on_wait = [&] { screens.push_back(t.text()); };
    t.keys.type(keys);
    t.game.choice = -1;
    show_main_menu(t.game);
    return screens;
}

bool is_menu(const std::string& screen) { return screen.find("Votre choix:") != std::string::npos; }
bool has_welcome(const std::string& screen) { return screen.find("Bienvenue") != std::string::npos; }

// Keys the menu does not offer change nothing on the screen.
TEST(MainMenu, WelcomesAndIgnoresOtherKeysSilently) {
    TestGame t;
    const auto screens = run_menu(t, "a0 7\n9" "4");
    ASSERT_EQ(screens.size(), 7u);
    for (std::size_t i = 1; i < screens.size(); ++i) EXPECT_EQ(screens[i], screens[0]) << "after key " << i;
    EXPECT_EQ(t.row(1), "           Bienvenue sur la planète de Vovuzavo noble voyageur.");
    EXPECT_EQ(t.colours(1).substr(0, 53), std::string(39, '7') + std::string(9, 'e') + "77777");
    EXPECT_EQ(t.colour_of("Vezerirer"), 12);
    EXPECT_EQ(t.music.tracks, std::vector<std::string>{"accueildebut.mp3"});
    EXPECT_EQ(t.game.choice, '4');
}

TEST(MainMenu, RulesPagesComeBackToTheMenuWithoutTheWelcomeAndKeepTheirMusic) {
    TestGame t;
    // Each set, then its pages (any keys), then the menu again; '5' leaves it.
    const auto screens = run_menu(t, "1x" "2abc" "3defg" "5");
    int menus = 0;
    for (std::size_t i = 0; i < screens.size(); ++i) {
        if (!is_menu(screens[i])) continue;
        ++menus;
        EXPECT_EQ(has_welcome(screens[i]), i == 0) << "screen " << i;
    }
    EXPECT_EQ(menus, 4);
    EXPECT_EQ(screens.size(), 4u + 1 + 3 + 4);
    EXPECT_EQ(t.music.tracks,
              (std::vector<std::string>{"accueildebut.mp3", "themepetit.mp3", "thememoyen.mp3", "themelong.mp3"}));
    EXPECT_EQ(t.game.choice, '5');
    EXPECT_EQ(t.keys.left(), 0u);
}

TEST(MainMenu, QuitStopsTheMusicAndEndsTheGame) {
    TestGame t;
    EXPECT_TRUE(t.ends_game([&] { run_menu(t, "6"); }));
    EXPECT_EQ(t.music.tracks, (std::vector<std::string>{"accueildebut.mp3", "stopson.mp3"}));
}

}  // namespace
}  // namespace vov
