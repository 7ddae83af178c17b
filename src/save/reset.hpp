// The end of the adventure: item bonuses taken back, equipment emptied, health and
// energy full, and the hero back at chapter 1.
#pragma once

#include "hero/game.hpp"

namespace vov {

void reset_adventure(Game& game);

}  // namespace vov
