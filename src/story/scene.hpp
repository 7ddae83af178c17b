// What every chapter scene shares: the title card, the footer with keys 8, 9 and
// 0, the menu scene that shows itself again after the equipment or the sheet, the
// luck tests, the fight setup and the hand-over to the next chapter.
#pragma once

#include <functional>
#include <string_view>

#include "hero/game.hpp"

namespace vov {

// Clears the screen, writes the title and its underline of `dashes` '-' in light
// magenta at `column`, rows 20 and 21, and waits for a key.
void show_title_card(Game& game, int column, const char* title, int dashes);

// "8) ...", "9) ..." and "0) ..." on rows 42 to 44, then the cursor back to (1, 1).
void show_scene_footer(Game& game);

// Reads keys until one of `option_keys` or '8', '9', '0' arrives. '0' stops the
// music and ends the game; '8' shows the equipment and '9' the character sheet,
// and the key is returned so that the caller shows the scene again.
int read_story_key(Game& game, std::string_view option_keys);

// A menu scene: clears the screen, writes the footer, runs `draw` (opening work,
// narration, heading, options and prompt), then reads the key. After '8' or '9'
// and their screen the scene is run again from the top. Returns the option key.
int menu_scene(Game& game, const std::function<void()>& draw, std::string_view option_keys);

// An outcome screen or a pause: waits for any key.
void wait_key(Game& game);

// Announces a gain in light cyan: `lead_in` plain, `what` coloured, then `tail`.
void show_gain(Game& game, const char* lead_in, const char* what, const char* tail = ".\n\n");
// Announces a loss in light red the same way.
void show_loss(Game& game, const char* lead_in, const char* what, const char* tail = ".\n\n");

// A luck draw: the generator is seeded from the clock first when `reseed` is set;
// succeeds when the draw modulo n plus the hero's luck is at least 11.
bool luck_draw(Game& game, int n, bool reseed);

// The values a scene sets before a fight.
struct FightSetup {
    const char* name;            // monster_name
    const char* weapon;          // monster_weapon
    int kind;                    // monster_kind: 10, 11 or 30
    int first_strike;            // put in `choice`; -1 leaves the key the player pressed
    Monster monster;             // hp, energy, defense, ... experience_reward
    bool sets_spell_power;       // only spell casters set Monster.spell_power
};

// Fills the Monster record and the fight globals from `setup` and runs the fight.
void start_fight(Game& game, const FightSetup& setup);

// The last step of a chapter: the hero's chapter and current_chapter become `next`.
void hand_over(Game& game, int next);

}  // namespace vov
