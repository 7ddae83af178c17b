// The two screens that show the hero: the character sheet (with a greeting and
// without provisions right after creation, when choice is 20) and the equipment.
// Each waits for a key and returns it.
#pragma once

#include "hero/game.hpp"

namespace vov {

// The value of `choice` while the sheet is shown right after creation.
inline constexpr int kJustCreated = 20;

int show_character_sheet(Game& game);
int show_equipment(Game& game);

}  // namespace vov
