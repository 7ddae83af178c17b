#include "shell/main_flow.hpp"

#include "shell/main_menu.hpp"
#include "shell/opening.hpp"

namespace vov {

void run_game(Game& game) {
    game.current_chapter = 0;
    show_music_notice(game);
    show_title_screen(game);
    game.choice = -1;
    // Loading comes with the save games; until then option 5 shows the menu again.
    do {
        show_main_menu(game);
    } while (game.choice == '5');
    show_end_screen(game);
}

}  // namespace vov
