// Keeping the hero's numbers within the rules: levels gained from experience, the
// limits check after every change of health, energy or reputation, and death.
#pragma once

#include "hero/game.hpp"

namespace vov {

void check_level_up(Game& game);
void level_up(Game& game);
// Death when health (or the fight's working health) is below 1; caps health and
// energy at their maximums and reputation within -5 to 5.
void check_limits(Game& game);
// The death screen; ends the game.
[[noreturn]] void death_screen(Game& game);

}  // namespace vov
