#include <gtest/gtest.h>

#include <cstring>

#include "story/prologue.hpp"
#include "test_game.hpp"

namespace vov::test {
namespace {

struct Shot {
    std::string text;
    int name_colour;
    int greeting_colour;
    int place_colour;
    int tutor_colour;
    int question_colour;
};

// Plays the prologue and keeps each screen as it stood at its key wait.
std::vector<Shot> play_prologue_screens(TestGame& t) {
    std::vector<Shot> shots;
    t.keys.on_wait = [&] {
        shots.push_back({t.text(), t.colour_of("Arthur"), t.colour_at(1, 1), t.colour_of("Vevoduz"),
                         t.colour_of("je pars"), t.colour_of("Qu'est")});
    };
    t.keys.type("a1b9");
    EXPECT_EQ(play_prologue(t.game), '9');
    return shots;
}

TEST(Prologue, FourScreensWithTheHeroNameInYellowAfterVous) {
    TestGame t;
    std::strcpy(t.game.hero.name, "Arthur");
    const auto shots = play_prologue_screens(t);
    ASSERT_EQ(shots.size(), 4u);
    EXPECT_EQ(t.music.tracks, std::vector<std::string>{"introduction.mp3"});
    EXPECT_NE(shots[0].text.find("!!!! DEBUT DE VOTRE AVENTURE !!!!"), std::string::npos);
    const Shot& origins = shots[1];
    EXPECT_EQ(origins.text.substr(0, origins.text.find('\n')), "Vous, Arthur");
    EXPECT_EQ(origins.greeting_colour, 7);
    EXPECT_EQ(origins.name_colour, 14);
    EXPECT_EQ(origins.place_colour, 13);
    EXPECT_EQ(origins.tutor_colour, 6);
    EXPECT_NE(origins.text.find("ne vous inquiétez pas, je ne serai pas long  mon retour sera proche."),
              std::string::npos);
    EXPECT_NE(shots[2].text.find("Voderuri"), std::string::npos);
    EXPECT_NE(shots[3].text.find("Mais une question se présente tout à coup à votre esprit :"),
              std::string::npos);
    EXPECT_EQ(shots[3].question_colour, 11);
}

TEST(Prologue, NarrationFitsTheScreenWithoutCuttingWords) {
    TestGame t;
    std::strcpy(t.game.hero.name, "Arthur");
    t.keys.type("xxxx");
    t.keys.on_wait = [&] {
        int last = t.screen.rows();
        while (last > 0 && t.row(last).empty()) --last;
        EXPECT_LE(last, 42) << t.text();
        for (int y = 1; y < t.screen.rows(); ++y) {
            const bool cut = t.screen.at(80, y).ch != ' ' && t.screen.at(1, y + 1).ch != ' ';
            EXPECT_FALSE(cut) << "row " << y << ": " << t.row(y);
        }
    };
    play_prologue(t.game);
}

}  // namespace
}  // namespace vov::test
