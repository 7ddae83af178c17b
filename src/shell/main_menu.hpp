// The main menu: the welcome lines on its first display (choice -1), six options.
// Returns with choice '4' (play) or '5' (load); options 1 to 3 show a rules set and
// come back; option 6 stops the music and ends the game.
#pragma once

#include "hero/game.hpp"

namespace vov {

void show_main_menu(Game& game);

}  // namespace vov
