#include "combat/panel.hpp"
#include "combat/spell_book.hpp"
#include "hero/progression.hpp"

namespace vov {

namespace {

// The priest's strength grows with level and virtue.
void smite(Game& game, const Spell& spell) {
    announce_cast(game, spell.name);
    game.fight.hero_energy -= spell.cost;
    game.damage = game.hero.level + game.hero.virtue / 4 + spell.power;
    pause_at(game, 16);
}

// Heals 5 to 15; the message shows the amount rolled even when the cap keeps part.
void heal(Game& game, const Spell& spell) {
    announce_cast(game, spell.name);
    pause_at(game, 16);
    game.fight.hero_energy -= spell.cost;
    game.damage = game.roll_mod(11) + 5;
    game.fight.hero_hp += game.damage;
    game.textcolor(11);
    game.gotoxy(16, 16);
    game.printf("Vous venez de gagnez ");
    game.cprintf("%d ", game.damage);
    game.printf("points de vie.");
    game.blow_avoided = 1;
    check_limits(game);
    draw_fight_panel(game);
    pause_at(game, 18);
}

// The priest pays for the defence once the cast has been announced.
void pray_for_defense(Game& game, const Spell& spell) {
    announce_cast(game, spell.name);
    pause_at(game, 16);
    game.fight.hero_energy -= spell.cost;
    raise_defense(game);
}

}  // namespace

const SpellBook& priest_spells() {
    static const SpellBook book{
        "Choisissez l'une de vos magies de pretre que vous voulez utilisez :",
        "7) retour au choix precedent.\n\n",
        true,
        {{
            {"1) Purification divine : coute 1 en energie magique.", "Purification divine", 1, 2,
             smite, false},
            {"2) Banissement des obscurs : coute 2 en energie magique.", "Banissement des obscurs",
             2, 5, smite, false},
            {"3) Rayon des cieux : coute 5 en energie magique.", "Rayon des cieux", 5, 13, smite,
             false},
            {"4) Aveuglement des banis : coute 4 en energie magique.", "Aveuglement des banis", 4,
             10, smite, false},
            {"5) Guerison des blessures  : coute 5 en energie magique.", "Guerison des blessures",
             5, 0, heal, false},
            {"6) Defense accrue : coute 2 en energie magique.", "Defense accrue", 2, 0,
             pray_for_defense, true},
        }},
    };
    return book;
}

}  // namespace vov
