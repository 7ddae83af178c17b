#include "hero/game.hpp"

namespace vov {

void Game::cprintf(const char* fmt, ...) {
    std::va_list args;
    va_start(args, fmt);
    screen.vcprintf(fmt, args);
    va_end(args);
}

void Game::printf(const char* fmt, ...) {
    std::va_list args;
    va_start(args, fmt);
    screen.vprintf(fmt, args);
    va_end(args);
}

int Game::read_choice(std::string_view keys) {
    do {
        choice = getch();
    } while (choice < 0 || choice > 255 || keys.find(static_cast<char>(choice)) == std::string_view::npos);
    return choice;
}

void Game::quit() {
    play(kStopMusic);
    throw GameOver{};
}

}  // namespace vov
