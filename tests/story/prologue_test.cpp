#include <gtest/gtest.h>

#include <cstring>

#include "story/prologue.hpp"
#include "story_play.hpp"

namespace vov::test {
namespace {

// Four screens, each laid out without scrolling or cut words: the hero's name in
// yellow after a plain "Vous", the place in light magenta, the tutor's speech in
// brown, the question in light cyan.
TEST(Prologue, FourScreensWithTheHeroNameInYellowAfterVous) {
    Playthrough p;
    std::strcpy(p.hero.name, "Arthur");
    p.play([](Game& game) { play_prologue(game); },
           {{"Vous, Arthur", ' ', [&] {
                 EXPECT_EQ(p.t.row(1).substr(0, 12), "Vous, Arthur");
                 EXPECT_EQ(p.t.colours(1).substr(0, 12), "777777eeeeee");
                 EXPECT_EQ(p.t.colour_of("Vevoduz"), 13);
                 EXPECT_EQ(p.t.colour_of("je pars"), 6);
                 EXPECT_TRUE(p.seen("ne vous inquiétez pas, je ne serai pas long  mon retour sera proche."));
             }},
            {"Qu'est", ' ', [&] { EXPECT_EQ(p.t.colour_of("Qu'est"), 11); }}});
    ASSERT_EQ(p.screens.size(), 4u);
    EXPECT_EQ(p.t.music.tracks, std::vector<std::string>{"introduction.mp3"});
    EXPECT_NE(p.screens[0].find("!!!! DEBUT DE VOTRE AVENTURE !!!!"), std::string::npos);
    EXPECT_NE(p.screens[2].find("Voderuri"), std::string::npos);
    EXPECT_NE(p.screens[3].find("Mais une question se présente tout à coup à votre esprit :"), std::string::npos);
}

}  // namespace
}  // namespace vov::test
