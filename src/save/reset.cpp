#include "save/reset.hpp"

#include <algorithm>

namespace vov {

namespace {

// The items found on the way take their bonuses back with them. The amulet's
// health goes with it, but a hero who ends the adventure nearly dead keeps a
// maximum of at least 1 and does not die at the first check after loading.
void take_back_item_bonuses(Hero& hero) {
    if (hero.item_owned[kSlotAmulet] != 0) {
        hero.hp -= 5;
        hero.max_hp = std::max(hero.hp, 1);
        hero.defense -= 1;
        hero.base_defense = hero.defense;
    }
    if (hero.item_owned[kSlotRightRing] != 0) hero.luck -= 1;
    if (hero.item_owned[kSlotHead] != 0) {
        hero.defense -= 2;
        hero.base_defense = hero.defense;
    }
    if (hero.item_owned[kSlotBracelets] != 0) hero.robustness -= 1;
}

}  // namespace

void reset_adventure(Game& game) {
    Hero& hero = game.hero;
    take_back_item_bonuses(hero);
    for (int& owned : hero.item_owned) owned = 0;
    for (int& flag : hero.story_flags) flag = 0;
    hero.hp = hero.max_hp;
    hero.energy = hero.max_energy;
    hero.chapter = 1;
    game.current_chapter = 1;
    game.play(kStopMusic);
}

}  // namespace vov
