// The monster's turn: its weapon blow (with the hero's parry or dodge and the
// poison), the spells of the psychic spider and the sewer creature, and the damage
// dealt to the hero.
#pragma once

#include "hero/game.hpp"

namespace vov {

void monster_blow(Game& game);
void monster_spell(Game& game);
void hit_hero(Game& game);

}  // namespace vov
