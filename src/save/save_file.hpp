// Save games: the offer to save after creation and after each chapter, the load
// screen of the main menu, and the texts rebuilt from the codes after loading.
// A save is the typed name followed by "_save.txt" in the working directory: the
// hero's name and 62 numbers, one per line.
#pragma once

#include "hero/game.hpp"

namespace vov {

void offer_save(Game& game);
// Leaves choice '0' when nothing was loaded.
void load_game(Game& game);
void rebuild_texts(Hero& hero);

}  // namespace vov
