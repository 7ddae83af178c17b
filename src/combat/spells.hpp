// The spell menus of the priest and the wizard.
#pragma once

#include "hero/game.hpp"

namespace vov {

// defense_buff_used: "Defense accrue" has been cast in this fight (priest or
// wizard alike); a won fight sets it back to kDefenseReset.
inline constexpr int kDefenseRaised = 10;
inline constexpr int kDefenseReset = 20;

// Shows the class's spell menu and casts the chosen spell. Returns false when the
// player picks "7) retour au choix precedent." (the attack choice is shown again).
bool cast_spell(Game& game);

}  // namespace vov
