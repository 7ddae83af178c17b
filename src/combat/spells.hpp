// The spell menus of the priest and the wizard.
#pragma once

#include "hero/game.hpp"

namespace vov {

void cast_spell(Game& game);

}  // namespace vov
