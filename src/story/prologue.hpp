// The prologue: four narration screens before chapter 1.
#pragma once

#include "hero/game.hpp"

namespace vov {

int play_prologue(Game& game);

}  // namespace vov
