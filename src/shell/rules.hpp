// The three rules sets of the main menu, read page by page with any key.
#pragma once

#include "hero/game.hpp"

namespace vov {

void show_rules_intro(Game& game);            // option 1, one page
void show_rules_characteristics(Game& game);  // option 2, three pages
void show_rules_classes_races(Game& game);    // option 3, four pages

}  // namespace vov
