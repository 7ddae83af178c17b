#include "shell/main_menu.hpp"

#include "shell/rules.hpp"

namespace vov {

namespace {

// choice is -1 only before the menu is first shown.
constexpr int kFirstDisplay = -1;

void draw_welcome(Game& game) {
    game.play("accueildebut.mp3");
    game.gotoxy(12, 1);
    game.textcolor(14);
    game.printf("Bienvenue sur la plan%cte de ", 138);
    game.cprintf("Vovuzavo ");
    game.printf("noble voyageur.");
    game.textcolor(12);
    game.gotoxy(7, 5);
    game.printf("Etes vous pr%ct %c commencer votre p%criple %c travers les terres \n\n", 136, 133, 130, 133);
    game.printf("                        du royaume de ");
    game.cprintf("Vezerirer ");
    game.printf("?\n\n\n\n\n\n");
}

void draw_options(Game& game) {
    game.textcolor(7);
    game.printf("Votre aventure va commencer, que voulez vous faire ?:\n\n\n");
    game.printf("1) Lire l'introduction : de quel jeu s'agit'il ?\n\n");
    game.printf("2) Lire le syst%cme de caract%cristiques que b%cnificiera votre personnage.\n\n", 130, 138, 130);
    game.printf("3) Lire les races et les classes de personnages disponibles dans ce jeu.\n\n");
    game.printf("4) Jouer.\n\n");
    game.printf("5) Charger une sauvegarde.\n\n");
    game.printf("6) Quitter.\n\n\n");
    game.printf("Votre choix:");
}

}  // namespace

// The rules pages come back here; the menu is then shown again without its
// welcome lines, since choice holds the page's key.
void show_main_menu(Game& game) {
    for (;;) {
        game.clrscr();
        if (game.choice == kFirstDisplay) draw_welcome(game);
        draw_options(game);
        switch (game.read_choice("123456")) {
            case '1': show_rules_intro(game); break;
            case '2': show_rules_characteristics(game); break;
            case '3': show_rules_classes_races(game); break;
            case '6': game.quit();
            default: return;  // '4' and '5'
        }
    }
}

}  // namespace vov
