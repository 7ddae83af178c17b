#include "combat/panel.hpp"

namespace vov {

namespace {

constexpr const char* kBlankRow =
    "                                                                                ";
constexpr const char* kRule =
    "--------------------------------------------------------------------------------";

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
    game.gotoxy(2, 40);
    game.cprintf("Votre sante :");
    game.gotoxy(6, 42);
    game.printf("%d/%d", f.hero_hp, f.hero_max_hp);
    game.gotoxy(17, 40);
    game.cprintf("Energie magique :");
    game.gotoxy(23, 42);
    game.printf("%d/%d", f.hero_energy, f.hero_max_energy);

    game.textcolor(10);
    game.gotoxy(44, 37);
    game.cprintf("Niveau de %s:  %d", game.monster_name, f.monster_level);
    game.gotoxy(46, 40);
    game.cprintf("Sa sante :");
    game.gotoxy(49, 42);
    game.printf("%d/%d", f.monster_hp, f.monster_max_hp);
    game.gotoxy(62, 40);
    game.cprintf("Energie magique :");
    game.gotoxy(68, 42);
    game.printf("%d/%d", f.monster_energy, f.monster_max_energy);

    game.gotoxy(1, 43);
    game.printf("%s", kRule);
    game.textcolor(7);
}

}  // namespace vov
