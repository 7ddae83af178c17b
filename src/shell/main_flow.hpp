// The run from the first screen to the last: opening screens, main menu, new game
// or loaded hero, the chapters from the saved one on with a save offer after each,
// and the end screen. Never returns: the game always ends by throwing GameOver.
#pragma once

#include "hero/game.hpp"

namespace vov {

[[noreturn]] void run_game(Game& game);

}  // namespace vov
