// What the priest's and the wizard's spell menus share: the menu with its
// refusals, the cast message, the pause after it and the defence spell.
#pragma once

#include <array>

#include "hero/game.hpp"

namespace vov {

struct Spell {
    const char* menu_line;
    const char* name;  // as the cast message names it
    int cost;          // magic energy
    int power;         // added to the caster's base for a damaging spell
    void (*cast)(Game& game, const Spell& spell);
    bool once_per_fight;
};

struct SpellBook {
    const char* title;
    const char* back_line;
    bool reseeds;  // the priest's menu seeds the dice each time it is drawn
    std::array<Spell, 6> spells;
};

const SpellBook& priest_spells();
const SpellBook& wizard_spells();

// Colour 11, "Vous lancez le sort <name>." at (16, 14).
void announce_cast(Game& game, const char* name);
// Colour 7, cursor to (16, row), waits for a key.
void pause_at(Game& game, int row);
// "Defense accrue", once announced and paid: defense + 3 until the end of the fight.
void raise_defense(Game& game);

}  // namespace vov
