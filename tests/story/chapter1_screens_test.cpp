// The footer keys at every story menu of chapter 1 (the layout of every screen
// is checked by each playthrough).
#include <gtest/gtest.h>

#include "story/chapters.hpp"
#include "story_play.hpp"

namespace vov::test {
namespace {

struct Route {
    Script to_menu;
    const char* menu;  // a text of the menu's own
};

// The way to each story menu of the chapter (a farfadelfe of 60 cm, so that the
// gnome's door lets the hero in).
const Route kRoutes[] = {
    {{}, "3) Avant toute chose fouiller les decombres."},
    {{{"3) Avant toute chose", '2'}}, "3) Ou poursuivre votre route mais"},
    {{{"3) Avant toute chose", '2'}, {"3) Ou poursuivre", '1'}}, "1) Les attaquer."},
    {{{"3) Avant toute chose", '2'}, {"3) Ou poursuivre", '2'}}, "1) Charger."},
    {{{"3) Avant toute chose", '1'}}, "2) Continuez votre route en le contournant."},
    {{{"3) Avant toute chose", '1'}, {"en le contournant", '1'}}, "2) Vous en approchez."},
    {{{"3) Avant toute chose", '1'}, {"en le contournant", '1'}, {"2) Vous en approchez", '2'}},
     "1) Combattre le gnome."},
    {{{"3) Avant toute chose", '1'},
      {"en le contournant", '1'},
      {"2) Vous en approchez", '2'},
      {"1) Combattre le gnome", '2'}},
     "1) Prendre l'anneau que vous tend le petit gnome."},
    {{{"3) Avant toute chose", '1'}, {"en le contournant", '2'}},
     "1) Essayez de retirer la plante avec votre arme."},
};

// Keys a menu does not offer are ignored; '8' and '9' show the equipment and the
// sheet, then the menu again; '0' quits.
TEST(ChapterOneMenus, EveryMenuIgnoresOtherKeysAndShowsItselfAgainAfterEightAndNine) {
    for (const Route& route : kRoutes) {
        SCOPED_TRACE(route.menu);
        Playthrough p;
        p.hero.race = kFarfadelfe;
        p.hero.height_cm = 60;
        p.hero.magic_resistance = 0;
        std::string first;
        auto same = [&] {
            if (first.empty()) first = p.t.text();
            EXPECT_EQ(p.t.text(), first);
        };
        const std::string m = route.menu;
        EXPECT_TRUE(p.play(play_chapter1,
                           route.to_menu + Script{{m, '4', same},
                                                  {m, '7', same},
                                                  {m, 'a', same},
                                                  {m, '8', same},
                                                  {"Parties d'armures:", 'x'},
                                                  {m, '9', same},
                                                  {"Voici vos caract", 'x'},
                                                  {m, '0', same}}));
        EXPECT_EQ(p.t.music.tracks.back(), "stopson.mp3");
    }
}

}  // namespace
}  // namespace vov::test
