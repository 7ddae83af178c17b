#include "hero/sheet.hpp"

#include <gtest/gtest.h>

#include "hero/creation.hpp"
#include "hero_script.hpp"

namespace vov::test {
namespace {

// A human ranger with blond hair, made through the creation screens.
void make_ranger(TestGame& t, CreationKeys keys = {.hair = '2', .hero_class = '3'}) {
    t.keys.type(keys.script() + "332");
    create_hero(t.game);
    ask_personality(t.game);
}

TEST(CharacterSheet, RightAfterCreationGreetsAndLeavesOutProvisions) {
    TestGame t;
    make_ranger(t);
    t.game.choice = kJustCreated;
    t.keys.type("x");
    EXPECT_EQ(show_character_sheet(t.game), 'x');
    EXPECT_EQ(t.text(), R"(Vous venez de terminer la création de votre personnage.

Voici vos caractéristiques :


Vous vous appelez Bob, vous êtes un humain.

Vous avez des yeux de couleur verts.
Votre peau est de couleur rose clair. Vos cheveux sont blond.
Vous mesurez 170 centimètres.


Vous êtes un rodeur de lvl 1.


Vous avez les caractéristiques suivantes :

Agilité : 10
Précision : 9
Robustesse : 9
Vigueur : 12
Intuition : 9
Vertu : 9
Bonne fortune : 8

Vous avez 60/60 points de santé.
Vous avez 45/45 points d'énergie magique.
Vous avez une classe d'armure de 0 et une résistance à la magie de 0.
Vous avez [0] en réputation

Vous avez 0 points d'expérience.
)");
    for (int y = 1; y <= 31; ++y) EXPECT_EQ(t.colours(y), std::string(80, '7')) << y;
}

// From a story key: no greeting, the provisions line, a bald hero's hair on the
// skin line and a negative reputation with its sign.
TEST(CharacterSheet, FromAStoryKeyShowsProvisionsAndNoGreeting) {
    TestGame t;
    make_ranger(t, {.race = '4', .skin = '4', .hair = '6', .hero_class = '3'});
    Hero& h = t.game.hero;
    h.gold = 12, h.meals = 3, h.water = 2, h.experience = 37, h.level = 2, h.hp = 41;
    t.game.choice = '9';
    t.keys.type(" ");
    show_character_sheet(t.game);
    EXPECT_EQ(t.row(1), "Voici vos caractéristiques :");
    EXPECT_EQ(t.row(4), "Vous vous appelez Bob, vous êtes un mi-orque mi-humain.");
    EXPECT_EQ(t.row(7), "Votre peau est de couleur marron clair. Vous n'avez pas de cheveux.");
    EXPECT_EQ(t.row(11), "Vous êtes un rodeur de lvl 2.");
    EXPECT_EQ(t.row(24), "Vous avez 41/60 points de santé.");
    EXPECT_EQ(t.row(27), "Vous possédez 12 pièces d'or, 3 repas et 2 rasades d'eau.");
    EXPECT_EQ(t.row(28), "");
    EXPECT_EQ(t.row(29), "Vous avez [-2] en réputation");
    EXPECT_EQ(t.row(31), "Vous avez 37 points d'expérience.");
}

TEST(Equipment, NewKnightCarriesHisShield) {
    TestGame t;
    make_ranger(t, {.hero_class = '5'});
    t.keys.type("k");
    EXPECT_EQ(show_equipment(t.game), 'k');
    EXPECT_EQ(t.text(), R"(Parties d'armures:

Tête:  rien
torse:  rien
jambes:  rien
bras:  rien
bottes:  rien


Bijoux:

bracelets:  rien
amulette:  rien
anneau droit:  rien
anneau gauche:  rien
boucle d'oreille:  rien


Autres:

cape:  rien
ceinture:  rien



Armes:

arme n° 1:  epee batarde
arme n° 2:  rien


bouclier : bouclier de novice


Objets :
)");
    // "Objets :  " keeps its two blanks: the cursor waits after them.
    EXPECT_EQ(t.screen.cursor_x(), 11);
    EXPECT_EQ(t.screen.cursor_y(), 35);
}

TEST(Equipment, OtherHeroesHaveNoShieldAndTheFangShowsOnTheObjectsLine) {
    TestGame t;
    make_ranger(t);
    t.keys.type("  ");
    show_equipment(t.game);
    EXPECT_EQ(t.row(28), "arme n° 1:  epee");
    EXPECT_EQ(t.row(32), "bouclier : rien");
    EXPECT_EQ(t.row(35), "Objets :");

    t.game.hero.item_owned[kSlotObjects] = 1;
    t.game.hero.item_name[kSlotAmulet] = "amulette du petit gnome";
    show_equipment(t.game);
    EXPECT_EQ(t.row(13), "amulette:  amulette du petit gnome");
    EXPECT_EQ(t.row(35), "Objets :  croc d'araignee psychique");
}

}  // namespace
}  // namespace vov::test
