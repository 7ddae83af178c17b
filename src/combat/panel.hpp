// The status panel at the bottom of the combat screen (rows 37 to 43).
#pragma once

#include "hero/game.hpp"

namespace vov {

void draw_fight_panel(Game& game);

}  // namespace vov
