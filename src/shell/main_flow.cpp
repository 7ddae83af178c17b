#include "shell/main_flow.hpp"

#include "hero/creation.hpp"
#include "hero/sheet.hpp"
#include "save/save_file.hpp"
#include "shell/main_menu.hpp"
#include "shell/opening.hpp"
#include "story/chapters.hpp"
#include "story/prologue.hpp"

namespace vov {

namespace {

// choice is -1 only before the main menu is first shown.
constexpr int kFirstMenu = -1;

// The main menu until the player plays ('4') or a save is loaded ('5' then '9').
void choose_game(Game& game) {
    game.choice = kFirstMenu;
    for (;;) {
        show_main_menu(game);
        if (game.choice != '5') return;
        load_game(game);
        if (game.choice != '0') return;
    }
}

void new_hero(Game& game) {
    create_hero(game);
    ask_personality(game);
    game.choice = kJustCreated;
    show_character_sheet(game);
    show_equipment(game);
    offer_save(game);
}

}  // namespace

// Each step is tested on the chapter that the previous one left, so a run goes on
// from where it starts to the end of the adventure. A loaded chapter outside 0 to
// 3 runs nothing and goes to the end screen.
void run_game(Game& game) {
    game.current_chapter = 0;
    show_music_notice(game);
    show_title_screen(game);
    choose_game(game);
    if (game.current_chapter == 0) new_hero(game);
    if (game.current_chapter == 1) {
        play_prologue(game);
        play_chapter1(game);
        offer_save(game);
    }
    if (game.current_chapter == 2) {
        play_chapter2(game);
        offer_save(game);
    }
    if (game.current_chapter == 3) {
        play_chapter3(game);
        offer_save(game);
    }
    show_end_screen(game);
}

}  // namespace vov
