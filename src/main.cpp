// Vovuzavo: wires the real terminal, the music and the clock, and runs the game.
// Every way out (quitting, death, the end of the adventure, closed input, a signal)
// restores the terminal, stops the music and exits with status 1. A terminal that
// cannot show the game is refused with a message on stderr, status 1 as well.
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "console/curses_terminal.hpp"
#include "console/game_over.hpp"
#include "console/mp3_player.hpp"
#include "hero/game.hpp"
#include "hero/random.hpp"
#include "shell/main_flow.hpp"

namespace {

// Where stderr goes while the game runs: nowhere, since libraries must not print
// over the screen. A sanitizer build keeps it in $VOVUZAVO_STDERR_DIR/stderr.PID
// when that is set, so that the tests see every sanitizer report.
std::string stderr_sink() {
#ifdef VOVUZAVO_SANITIZE
    if (const char* dir = std::getenv("VOVUZAVO_STDERR_DIR")) {
        return std::string(dir) + "/stderr." + std::to_string(getpid());
    }
#endif
    return "/dev/null";
}

void silence_stderr() {
    const int sink = open(stderr_sink().c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (sink >= 0) {
        dup2(sink, STDERR_FILENO);
        close(sink);
    }
}

// Plays in the real terminal; throws TerminalUnusable when it cannot show the game.
void play_game() {
    vov::Mp3Player music;
    vov::SystemClock clock;
    vov::CursesTerminal terminal;
    vov::Game game(terminal.screen(), terminal, music, clock);
    try {
        vov::run_game(game);
    } catch (const vov::GameOver&) {
    }
    terminal.restore();
    music.stop();
    if (music.stuck()) {
        // An audio library that does not stop may also hang or crash in its exit
        // handlers: leave without them.
        std::fflush(nullptr);
        _exit(1);
    }
}

}  // namespace

int main() {
    // Past a file size limit (ulimit -f), a write fails with EFBIG and the save
    // reports it, instead of the signal killing the game in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    const int saved_stderr = dup(STDERR_FILENO);
    silence_stderr();
    std::string refusal;
    try {
        play_game();
    } catch (const vov::TerminalUnusable& unusable) {
        refusal = unusable.what();
    }
    if (saved_stderr >= 0) dup2(saved_stderr, STDERR_FILENO);
    if (!refusal.empty()) std::fprintf(stderr, "%s\n", refusal.c_str());
    return 1;
}
