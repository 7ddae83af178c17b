#include "combat/spells.hpp"

#include "combat/panel.hpp"
#include "combat/spell_book.hpp"

namespace vov {

namespace {

void draw_menu(Game& game, const SpellBook& book) {
    game.clrscr();
    draw_fight_panel(game);
    game.gotoxy(7, 2);
    game.printf("%s", book.title);
    for (int i = 0; i < 6; ++i) {
        game.gotoxy(9, 4 + i);
        game.printf("%s", book.spells[static_cast<std::size_t>(i)].menu_line);
    }
    game.gotoxy(9, 11);
    game.printf("%s", book.back_line);
    game.gotoxy(9, 13);
}

void refuse(Game& game, const char* reason) {
    game.gotoxy(9, 13);
    game.printf("%s", reason);
    game.gotoxy(9, 15);
    game.getch();
}

// Energy is tested before the once-per-fight rule; a refused spell costs nothing.
bool refused(Game& game, const Spell& spell) {
    if (game.fight.hero_energy < spell.cost) {
        refuse(game, "Vous n'avez pas assez d'energie magique pour lancer ce sort.");
        return true;
    }
    if (spell.once_per_fight && game.defense_buff_used == kDefenseRaised) {
        refuse(game, "Vous ne pouvez lancer ce sort qu'une seule fois par combat.");
        return true;
    }
    return false;
}

bool run_spell_menu(Game& game, const SpellBook& book) {
    for (;;) {
        if (book.reseeds) game.reseed();
        draw_menu(game, book);
        const int key = game.read_choice("1234567");
        if (key == '7') return false;
        const Spell& spell = book.spells[static_cast<std::size_t>(key - '1')];
        if (refused(game, spell)) continue;
        spell.cast(game, spell);
        return true;
    }
}

}  // namespace

bool cast_spell(Game& game) {
    return run_spell_menu(game,
                          game.hero.hero_class == kWizard ? wizard_spells() : priest_spells());
}

void announce_cast(Game& game, const char* name) {
    game.textcolor(11);
    game.gotoxy(16, 14);
    game.printf("Vous lancez le sort ");
    game.cprintf("%s", name);
    game.printf(".");
}

void pause_at(Game& game, int row) {
    game.textcolor(7);
    game.gotoxy(16, row);
    game.getch();
}

void raise_defense(Game& game) {
    game.textcolor(11);
    game.gotoxy(16, 16);
    game.printf("Votre defense vient d'augmenter de ");
    game.cprintf("3 ");
    game.printf("points.");
    game.hero.defense += 3;
    game.defense_buff_used = kDefenseRaised;
    game.blow_avoided = 1;
    pause_at(game, 18);
}

}  // namespace vov
