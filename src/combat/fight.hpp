// A fight between the hero and the Monster that the scene filled: working copies,
// combat music, initiative (choice 50: hero first, 51: monster first, otherwise
// agility), turns until the monster falls, then victory, experience, recovery and
// the level check. Death ends the game inside the fight; chapter 2's burning field
// (monster_status 3) ends it without a victory.
#pragma once

#include "hero/game.hpp"

namespace vov {

// monster_status in chapter 2's cereal field: a fire ball there sets it ablaze,
// and the fight is abandoned once it has burnt.
inline constexpr int kFieldAblaze = 5;
inline constexpr int kFieldBurnt = 3;

void run_fight(Game& game);
void end_fight_recovery(Game& game);

}  // namespace vov
