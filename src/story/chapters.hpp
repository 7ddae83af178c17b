// The three chapters of the adventure. Each returns through one of its endings
// after setting the hero's chapter and current_chapter to the next chapter
// (chapter 3 ends with the adventure reset).
#pragma once

#include "hero/game.hpp"

namespace vov {

void play_chapter1(Game& game);
void play_chapter2(Game& game);
void play_chapter3(Game& game);

}  // namespace vov
