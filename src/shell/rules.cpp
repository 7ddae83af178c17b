#include "shell/rules.hpp"

// Provisional: the rules pages are being written.
namespace vov {

void show_rules_intro(Game& game) {
    game.play("themepetit.mp3");
    game.clrscr();
    game.getch();
}
void show_rules_characteristics(Game& game) {
    game.play("thememoyen.mp3");
    game.clrscr();
    game.getch();
}
void show_rules_classes_races(Game& game) {
    game.play("themelong.mp3");
    game.clrscr();
    game.getch();
}

}  // namespace vov
