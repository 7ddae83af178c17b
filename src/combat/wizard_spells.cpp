#include "combat/fight.hpp"
#include "combat/panel.hpp"
#include "combat/spell_book.hpp"
#include "hero/progression.hpp"

namespace vov {

namespace {

// The wizard's strength grows with level and intuition.
int base_amount(const Game& game) {
    return game.hero.level + game.hero.intuition / 4;
}

bool facing(const Game& game, int max_hp, int max_energy) {
    return game.fight.monster_max_hp == max_hp && game.fight.monster_max_energy == max_energy;
}

bool facing_sinuous_plant(const Game& game) {
    return facing(game, 25, 0);
}
bool facing_sewer_creature(const Game& game) {
    return facing(game, 40, 25);
}

// The damage step shows that the spell is very effective when roll is 6.
constexpr int kVeryEffective = 6;
constexpr int kDrained = 8;

void fire_ball(Game& game, const Spell& spell) {
    announce_cast(game, spell.name);
    game.damage = base_amount(game) + spell.power;
    if (facing_sinuous_plant(game)) {
        game.roll = kVeryEffective;
        game.damage *= 2;
    }
    game.fight.hero_energy -= spell.cost;
    if (game.monster_status == kFieldAblaze) {
        game.monster_status = kFieldBurnt;
        return;
    }
    pause_at(game, 16);
}

void lightning(Game& game, const Spell& spell) {
    announce_cast(game, spell.name);
    game.damage = base_amount(game) + spell.power;
    if (facing_sewer_creature(game)) {
        game.roll = kVeryEffective;
        game.damage = game.damage * 3 / 2;
    }
    game.fight.hero_energy -= spell.cost;
    pause_at(game, 16);
}

void storm(Game& game, const Spell& spell) {
    announce_cast(game, spell.name);
    game.damage = base_amount(game) + spell.power;
    game.fight.hero_energy -= spell.cost;
    pause_at(game, 16);
}

// One time in four the monster is gone; the energy is spent either way.
void disintegrate(Game& game, const Spell& spell) {
    game.fight.hero_energy -= spell.cost;
    announce_cast(game, spell.name);
    pause_at(game, 16);
    game.roll = game.roll_mod(4);
    game.gotoxy(16, 16);
    if (game.roll == 3) {
        game.textcolor(10);
        game.printf("Vous venez de desintegrez ");
        game.cprintf("%s ", game.monster_name);
        game.printf("!");
        game.fight.monster_hp = 0;
    } else {
        game.textcolor(11);
        game.printf("Vous echouez le lancement du sort ");
        game.cprintf("Desintegration");
        game.printf(".");
        game.blow_avoided = 1;
    }
    pause_at(game, 18);
}

// Moves health from the monster to the hero, never more than the monster has. The
// damage step then takes the same amount from the monster.
void drain(Game& game, const Spell& spell) {
    FightState& f = game.fight;
    const int resistance = game.monster.magic_resistance;
    announce_cast(game, spell.name);
    game.damage = base_amount(game) + spell.power;
    pause_at(game, 16);
    int drained = game.damage - resistance;
    if (drained > f.monster_hp) {
        game.damage = resistance + f.monster_hp;
        drained = f.monster_hp;
    }
    game.textcolor(11);
    game.gotoxy(16, 16);
    game.printf("Vous venez d'absorbez ");
    game.cprintf("%d ", drained);
    game.printf("points de sante a ");
    f.hero_hp += drained;
    check_limits(game);
    game.textcolor(10);
    game.cprintf("%s", game.monster_name);
    f.hero_energy -= spell.cost;
    game.textcolor(7);
    draw_fight_panel(game);
    game.blow_avoided = 0;
    game.roll = kDrained;
    pause_at(game, 18);
}

// The wizard pays for the shield before casting it.
void psychic_shield(Game& game, const Spell& spell) {
    game.fight.hero_energy -= spell.cost;
    announce_cast(game, spell.name);
    pause_at(game, 16);
    raise_defense(game);
}

}  // namespace

// The shield of the menu is cast as "Defense accrue", like the priest's.
const SpellBook& wizard_spells() {
    static const SpellBook book{
        "Choisissez l'une de vos magies de sorcier que vous voulez utiliser:",
        "7) retour au choix precedent.",
        false,
        {{
            {"1) Boule de feu mineure : coute 1 en energie magique.", "Boule de feu mineure", 1, 2,
             fire_ball, false},
            {"2) Eclair percutant : coute 4 en energie magique.", "Eclair percutant", 4, 9,
             lightning, false},
            {"3) Tempete primordial : coute 10 en energie magique.", "Tempete primordial", 10, 12,
             storm, false},
            {"4) Desintegration : coute 15 en energie magique.", "Desintegration", 15, 0,
             disintegrate, false},
            {"5) Drain de vie superficiel : coute 4 en energie magique.",
             "Drain de vie superficiel", 4, 6, drain, false},
            {"6) Bouclier Psychique : coute 3 en energie magique.", "Defense accrue", 3, 0,
             psychic_shield, true},
        }},
    };
    return book;
}

}  // namespace vov
