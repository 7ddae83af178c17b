// A new hero: the seven creation screens (name, race, skin, hair, eyes, height,
// class) and the three personality questions that finish the characteristics and
// give health and magic energy.
#pragma once

#include "hero/game.hpp"

namespace vov {

void create_hero(Game& game);
void ask_personality(Game& game);

}  // namespace vov
