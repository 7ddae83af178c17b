// Vovuzavo in a web page: the game's core drawn into the page (web/index.html),
// with its saves in the browser's storage. Where the terminal version exits, the
// page says that the game is over and starts a new one when the player asks; the
// saves stay.
#include "console/game_over.hpp"
#include "hero/game.hpp"
#include "hero/random.hpp"
#include "shell/main_flow.hpp"
#include "web/page_screen.hpp"
#include "web/save_folder.hpp"
#include "web/web_keyboard.hpp"
#include "web/web_music.hpp"

namespace {

void play_one_game(vov::Music& music, vov::Clock& clock) {
    vov::Screen screen(vov::kConsoleColumns, vov::kConsoleRows);
    vov::web::WebKeyboard keyboard(screen);
    vov::Game game(screen, keyboard, music, clock);
    try {
        vov::run_game(game);
    } catch (const vov::GameOver&) {
    }
}

}  // namespace

int main() {
    vov::web::send_charset();
    vov::web::open_save_folder();
    vov::web::WebMusic music;
    vov::SystemClock clock;
    for (;;) {
        play_one_game(music, clock);
        music.play(vov::kStopMusic);
        vov::web::wait_for_new_game();
    }
}
