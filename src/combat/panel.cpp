#include "combat/panel.hpp"

namespace vov {

namespace {

constexpr const char* kBlankRow =
    "                                                                                ";
constexpr const char* kRule =
    "--------------------------------------------------------------------------------";

// A label in the current colour on row 40, its value and maximum plain on row 42.
void show_figure(Game& game, int label_x, const char* label, int value_x, int value, int max) {
    game.gotoxy(label_x, 40);
    game.cprintf("%s", label);
    game.gotoxy(value_x, 42);
    game.printf("%d/%d", value, max);
}

}  // namespace

void draw_fight_panel(Game& game) {
    const FightState& f = game.fight;
    // Blank the row of numbers first, so that a shorter number leaves no old digit.
    game.gotoxy(1, 42);
    game.printf("%s", kBlankRow);

    game.textcolor(11);
    game.gotoxy(11, 37);
    game.cprintf("Votre niveau :  %d", f.hero_level);
    game.gotoxy(1, 39);
    game.printf("%s", kRule);
    show_figure(game, 2, "Votre sante :", 6, f.hero_hp, f.hero_max_hp);
    show_figure(game, 17, "Energie magique :", 23, f.hero_energy, f.hero_max_energy);

    game.textcolor(10);
    game.gotoxy(44, 37);
    game.cprintf("Niveau de %s:  %d", game.monster_name, f.monster_level);
    show_figure(game, 46, "Sa sante :", 49, f.monster_hp, f.monster_max_hp);
    show_figure(game, 62, "Energie magique :", 68, f.monster_energy, f.monster_max_energy);

    game.gotoxy(1, 43);
    game.printf("%s", kRule);
    game.textcolor(7);
}

}  // namespace vov
