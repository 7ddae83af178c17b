// Save games: the offer to save after creation and after each chapter, the load
// screen of the main menu, and the texts rebuilt from the codes after loading.
// A save is the typed name followed by "_save.txt" in the working directory: the
// hero's name and 62 numbers, one per line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hero/game.hpp"

namespace vov {

void offer_save(Game& game);
// Leaves choice '0' when nothing was loaded.
void load_game(Game& game);
void rebuild_texts(Hero& hero);

// What a save file holds: the hero's name and the 62 numbers in file order.
struct SaveData {
    std::string name;
    std::vector<int> numbers;
};
// The contents of a save file, checked whole: nothing when it is short, damaged
// or holds a number that no game could have saved.
std::optional<SaveData> parse_save(const std::string& text);
// Puts a checked save into the game: the hero, the fight's numbers, the chapter
// to play and the hero's texts.
void apply_save(Game& game, const SaveData& data);

}  // namespace vov
