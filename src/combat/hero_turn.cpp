#include "combat/hero_turn.hpp"

#include <algorithm>

#include "combat/panel.hpp"
#include "combat/spells.hpp"

namespace vov {

namespace {

void draw_attack_choice(Game& game) {
    game.clrscr();
    draw_fight_panel(game);
    game.gotoxy(13, 2);
    game.textcolor(10);
    game.printf("Choisissez comment vous voulez attaquer ");
    game.cprintf("%s", game.monster_name);
    game.printf(".");
    game.gotoxy(30, 4);
    game.printf("1) Votre arme.");
    game.gotoxy(30, 5);
    game.printf("2) Vos sortileges.");
    game.gotoxy(30, 7);
    game.textcolor(7);
}

// The monster turns one blow in three aside; its equipment only picks the words.
void monster_answers_blow(Game& game) {
    if (game.roll_mod(3) != 0) return;
    game.textcolor(10);
    game.gotoxy(16, 16);
    game.cprintf("%s ", game.monster_name);
    if (game.monster.has_shield == 1 || game.monster.weapon_parry == 1) {
        const bool shield = game.monster.has_shield == 1;
        game.printf("part votre coup avec son ");
        game.cprintf(shield ? "bouclier" : "arme");
        game.printf(".\n\n");
        if (shield) game.damage = 0;
    } else {
        game.printf("evite votre coup.\n\n");
    }
    game.textcolor(7);
    game.blow_avoided = 1;
    game.gotoxy(16, 18);
    game.getch();
}

void lose_health(Game& game, int amount) {
    game.damage = std::max(amount, 0);
    game.fight.monster_hp = std::max(game.fight.monster_hp - game.damage, 0);
}

// A blow below the monster's defence, or a spell below its resistance, does nothing.
void shrug_off(Game& game, const char* words) {
    game.gotoxy(16, 16);
    game.cprintf("%s, ", game.monster_name);
    game.printf("%s", words);
    game.gotoxy(16, 18);
    game.textcolor(7);
    game.getch();
}

void weapon_hits_monster(Game& game) {
    const Monster& monster = game.monster;
    game.textcolor(10);
    game.gotoxy(16, 16);
    if (monster.defense > game.damage) {
        shrug_off(game, "intercepte votre coup.\n\n");
        return;
    }
    game.cprintf("%s", game.monster_name);
    game.printf(", vient de perdre ");
    game.textcolor(14);
    game.cprintf("%d - %d ", game.damage, monster.defense);
    game.printf(", points de sante.");
    game.textcolor(7);
    lose_health(game, game.damage - monster.defense);
    draw_fight_panel(game);
    game.gotoxy(16, 18);
    game.getch();
}

void show_very_effective(Game& game) {
    game.textcolor(7);
    game.gotoxy(16, 18);
    game.getch();
    game.printf("Le sort que vous venez d'utiliser est tres efficace contre");
    game.textcolor(10);
    game.gotoxy(16, 20);
    game.cprintf("%s ", game.monster_name);
    game.printf(": les ");
    game.textcolor(14);
    game.cprintf("degats ");
    game.printf("sont presque ");
    game.cprintf("doubl%cs", 130);
    game.printf(".");
    game.roll = 7;
}

// roll carries the spell's marker: 6 very effective, 8 a drain (its own message
// holds row 16), 7 the very-effective message has been shown.
void spell_hits_monster(Game& game) {
    const int resistance = game.monster.magic_resistance;
    game.textcolor(10);
    if (resistance > game.damage) {
        shrug_off(game, "absorve votre sort.\n\n");
        return;
    }
    game.gotoxy(16, game.roll == 8 ? 18 : 16);
    game.cprintf("%s", game.monster_name);
    game.printf(", vient de perdre ");
    game.textcolor(14);
    game.cprintf("%d - %d ", game.damage, resistance);
    game.printf(", points de sante.\n\n");
    game.textcolor(7);
    if (game.roll == 6) show_very_effective(game);
    lose_health(game, game.damage - resistance);
    draw_fight_panel(game);
    if (game.roll == 7) {
        game.gotoxy(16, 22);
    } else if (game.roll == 8) {
        game.gotoxy(16, 20);
        game.roll = 7;
    } else {
        game.gotoxy(16, 18);
    }
    game.textcolor(7);
    game.getch();
}

}  // namespace

void choose_attack(Game& game) {
    if (game.hero.hero_class != kPriest && game.hero.hero_class != kWizard) return;
    for (;;) {
        draw_attack_choice(game);
        if (game.read_choice("12") == '1') {
            game.blow_avoided = 0;
            weapon_attack(game);
            return;
        }
        game.spell_attack = 1;
        game.blow_avoided = 2;
        if (cast_spell(game)) return;
    }
}

void weapon_attack(Game& game) {
    const Hero& hero = game.hero;
    draw_fight_panel(game);
    game.textcolor(10);
    game.gotoxy(16, 14);
    game.printf("Vous frappez ");
    game.cprintf("%s ", game.monster_name);
    game.reseed();
    game.textcolor(11);
    game.printf("avec votre ");
    game.cprintf("%s", hero.weapon1_name);
    game.printf(".\n\n");
    // A hero loaded with no weapon damage at all still strikes for the minimum.
    const int range = std::max(hero.weapon_damage, 1);
    game.damage = game.roll_mod(range) + 1 + hero.robustness / 4 + hero.level;
    game.gotoxy(16, 16);
    game.textcolor(7);
    game.getch();
    monster_answers_blow(game);
    game.spell_attack = 0;
}

void hit_monster(Game& game) {
    if (game.spell_attack == 0) {
        weapon_hits_monster(game);
    } else {
        spell_hits_monster(game);
    }
}

}  // namespace vov
