// The hero's turn: the priest's and wizard's choice between weapon and spells, the
// weapon blow with the monster's parry or dodge, and the damage dealt to it.
#pragma once

#include "hero/game.hpp"

namespace vov {

void choose_attack(Game& game);
void weapon_attack(Game& game);
void hit_monster(Game& game);

}  // namespace vov
