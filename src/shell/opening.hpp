// The screens that frame a run: the music notice and the title screen before the
// main menu, the end page and the credits after the last chapter.
#pragma once

#include "hero/game.hpp"

namespace vov {

void show_music_notice(Game& game);
void show_title_screen(Game& game);
// The end page, then the credits; ends the game.
[[noreturn]] void show_end_screen(Game& game);

}  // namespace vov
