// Counts the bytes the curses front writes to the terminal: for the title screen,
// and for a key press that changes nothing on the screen (the goal is none).
// Run it with a TERM set, e.g. TERM=xterm-256color ./terminal_bytes
#include <unistd.h>

#include <cstdio>

#include "console/curses_terminal.hpp"
#include "hero/game.hpp"
#include "hero/random.hpp"
#include "shell/opening.hpp"

namespace {

class Silence : public vov::Music {
public:
    void play(const std::string&) override {}
};

long written(std::FILE* out) {
    std::fflush(out);
    return std::ftell(out);
}

}  // namespace

int main() {
    int keys[2];
    if (pipe(keys) != 0) return 2;
    // Two keys for the music notice and the title screen, one that changes nothing.
    if (write(keys[1], "abc", 3) != 3) return 2;
    std::FILE* in = fdopen(keys[0], "r");
    std::FILE* out = std::tmpfile();
    if (in == nullptr || out == nullptr) return 2;

    long before_title = 0;
    long after_title = 0;
    long after_idle_key = 0;
    {
        vov::CursesTerminal terminal(out, in);
        Silence music;
        vov::SystemClock clock;
        vov::Game game(terminal.screen(), terminal, music, clock);
        vov::show_music_notice(game);  // draws the notice, reads 'a'
        before_title = written(out);
        vov::show_title_screen(game);  // draws the title over the notice, reads 'b', clears
        after_title = written(out);
        terminal.draw();
        const long cleared = written(out);
        terminal.read_key();  // 'c': the screen is already shown as it is
        after_idle_key = written(out) - cleared;
        terminal.restore();
    }
    std::printf("title screen: %ld bytes\n", after_title - before_title);
    std::printf("key press that changes nothing: %ld bytes\n", after_idle_key);
    return 0;
}
