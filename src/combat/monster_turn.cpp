#include "combat/monster_turn.hpp"

#include <algorithm>

#include "combat/panel.hpp"
#include "hero/progression.hpp"

namespace vov {

namespace {

bool strikes_with_weapon(const Game& game) {
    return game.monster_kind == kWeaponFighter || game.monster_kind == kPoisonousFighter;
}

void avoid_blow(Game& game, int wait_row) {
    game.textcolor(7);
    game.blow_avoided = 1;
    game.gotoxy(16, wait_row);
    game.getch();
}

void turn_furtive(Game& game) {
    game.textcolor(10);
    game.gotoxy(16, 32);
    game.textcolor(8);
    game.printf("Vous passez en mode ");
    game.cprintf("furtif ");
    game.printf(": vous disparaissez !");
    game.gotoxy(16, 34);
    game.textcolor(10);
    game.printf("Vous evitez donc le coup de");
    game.cprintf("%s", game.monster_name);
    game.printf(".\n\n");
    avoid_blow(game, 36);
}

void parry_with(Game& game, const char* what) {
    game.textcolor(10);
    game.gotoxy(16, 32);
    game.printf("Vous parez le coup de ");
    game.cprintf("%s ", game.monster_name);
    game.textcolor(11);
    game.printf("avec votre ");
    game.cprintf("%s", what);
    game.printf(".\n\n");
    avoid_blow(game, 34);
}

void dodge(Game& game) {
    game.textcolor(10);
    game.gotoxy(16, 32);
    game.printf("Vous evitez le coup de ");
    game.cprintf("%s", game.monster_name);
    game.printf(".\n\n");
    avoid_blow(game, 34);
}

// The hero avoids one blow in three; class and equipment only pick the words. A
// hero with exactly 1 gold parries with the weapon, any other one dodges.
void hero_answers_blow(Game& game) {
    if (game.roll_mod(3) != 0) return;
    const Hero& hero = game.hero;
    if (hero.hero_class == kThief) {
        turn_furtive(game);
    } else if (hero.shield_parry == 1) {
        parry_with(game, "bouclier");
    } else if (hero.gold == 1) {
        parry_with(game, "arme");
    } else {
        dodge(game);
    }
}

void strike(Game& game) {
    const Monster& monster = game.monster;
    game.reseed();
    game.textcolor(10);
    game.gotoxy(16, 30);
    game.cprintf("%s ", game.monster_name);
    game.printf("vous frappe ");
    game.textcolor(12);
    game.printf("avec ");
    game.cprintf("%s", game.monster_weapon);
    game.printf(".\n\n");
    game.damage = game.roll_mod(monster.weapon_damage) + 1 + game.fight.monster_level +
                  monster.robustness / 4;
    game.textcolor(7);
    game.gotoxy(16, 32);
    game.getch();
    hero_answers_blow(game);
}

// One landed blow in six of a poisonous monster kills outright.
void poison(Game& game) {
    game.roll = game.roll_mod(6);
    if (game.roll != 3) return;
    game.gotoxy(16, 32);
    game.textcolor(7);
    game.getch();
    game.textcolor(10);
    game.cprintf("%s ", game.monster_name);
    game.printf("vous empoisonne avec ");
    game.cprintf("%s", game.monster_weapon);
    game.printf(".");
    game.gotoxy(16, 34);
    game.textcolor(12);
    game.cprintf("Vous mourrez sur le coup !");
    game.gotoxy(16, 35);
    game.textcolor(7);
    game.getch();
    death_screen(game);
}

void announce_spell(Game& game, const char* lead_in, const char* spell) {
    draw_fight_panel(game);
    game.textcolor(10);
    game.gotoxy(16, 30);
    game.cprintf("%s ", game.monster_name);
    game.printf("%s", lead_in);
    game.textcolor(3);
    game.cprintf("%s", spell);
    game.printf(".");
}

// A damaging spell: hit_hero follows, against magic resistance.
void cast_damaging(Game& game, const char* spell, int cost, int damage) {
    announce_spell(game, "lance un ", spell);
    game.fight.monster_energy -= cost;
    game.damage = damage;
    game.textcolor(7);
    game.gotoxy(16, 32);
    game.getch();
}

// Each heal costs as much magic energy as the health it gives.
void heal_monster(Game& game, int amount, const char* verb, int message_row, int wait_row) {
    game.fight.monster_hp += amount;
    game.gotoxy(16, message_row);
    game.getch();
    game.textcolor(10);
    game.cprintf("%s ", game.monster_name);
    game.printf("%s", verb);
    game.textcolor(3);
    game.cprintf("%d ", amount);
    game.printf("points de sante.");
    game.fight.monster_hp = std::min(game.fight.monster_hp, game.fight.monster_max_hp);
    game.fight.monster_energy -= amount;
    game.blow_avoided = 1;
    game.textcolor(7);
    draw_fight_panel(game);
    game.gotoxy(16, wait_row);
    game.getch();
}

void spider_heals(Game& game) {
    draw_fight_panel(game);
    game.textcolor(10);
    game.gotoxy(16, 30);
    game.cprintf("%s ", game.monster_name);
    game.textcolor(3);
    game.printf("lance un ");
    game.cprintf("sort de guerison des araignees");
    game.printf(".");
    heal_monster(game, 5, "se guerir de ", 32, 34);
}

void spider_confused(Game& game) {
    draw_fight_panel(game);
    game.gotoxy(16, 30);
    game.textcolor(10);
    game.cprintf("%s ", game.monster_name);
    game.printf("allait lancer un sort mais est ");
    game.textcolor(3);
    game.cprintf("confuse ");
    game.gotoxy(16, 32);
    game.printf("et ne fait rien.");
    game.blow_avoided = 1;
    game.textcolor(7);
    game.gotoxy(16, 34);
    game.getch();
}

void psychic_spider_spell(Game& game) {
    const FightState& f = game.fight;
    game.roll = game.roll_mod(2);
    if (game.roll == 0 && f.monster_energy >= 4) {
        const int damage = game.roll_mod(game.monster.spell_power) + 4;
        cast_damaging(game, "sort de vague psychique", 4, damage);
    } else if (game.roll == 1 && f.monster_energy >= 5 && f.monster_hp != 35) {
        spider_heals(game);
    } else {
        spider_confused(game);
    }
}

void creature_absorbs_rubbish(Game& game) {
    draw_fight_panel(game);
    game.textcolor(10);
    game.gotoxy(16, 30);
    game.cprintf("%s ", game.monster_name);
    game.textcolor(3);
    game.printf("absorbe ");
    game.cprintf("les detritus ");
    game.printf("se trouvant autour");
    game.gotoxy(16, 32);
    game.printf("d'elle.");
    heal_monster(game, 6, "se guerit de ", 34, 35);
}

void creature_fails(Game& game) {
    draw_fight_panel(game);
    game.gotoxy(16, 30);
    game.textcolor(10);
    game.cprintf("%s ", game.monster_name);
    game.textcolor(3);
    game.cprintf("echoue le lancer ");
    game.printf("d'un de ses sorts.");
    game.gotoxy(16, 32);
    game.blow_avoided = 1;
    game.textcolor(7);
    game.getch();
}

// Its unknown spell needs 5 energy but costs 4.
void sewer_creature_spell(Game& game) {
    const FightState& f = game.fight;
    game.roll = game.roll_mod(2);
    if (game.roll == 0 && f.monster_energy >= 5) {
        const int damage = game.roll_mod(game.monster.spell_power) + game.monster.level;
        cast_damaging(game, "sort inconnu", 4, damage);
    } else if (game.roll == 1 && f.monster_energy >= 6 && f.monster_hp != 40) {
        creature_absorbs_rubbish(game);
    } else {
        creature_fails(game);
    }
}

}  // namespace

void monster_blow(Game& game) {
    if (strikes_with_weapon(game)) strike(game);
    game.spell_attack = 0;
    game.roll = 0;
    if (game.monster_kind == kPoisonousFighter && game.blow_avoided != 1) poison(game);
}

void monster_spell(Game& game) {
    game.reseed();
    const FightState& f = game.fight;
    if (f.monster_max_hp == 35 && f.monster_max_energy == 20) {
        psychic_spider_spell(game);
    } else if (f.monster_max_hp == 40 && f.monster_max_energy == 25) {
        sewer_creature_spell(game);
    }
}

void hit_hero(Game& game) {
    const bool blow = strikes_with_weapon(game);
    const int guard = blow ? game.hero.defense : game.hero.magic_resistance;
    if (guard > game.damage) {
        game.gotoxy(16, 32);
        game.printf(blow ? "Votre armure vous protege du coup.\n\n"
                         : "Votre resistance aux sorts absorbe la magie.\n\n");
        game.gotoxy(16, 34);
        game.getch();
        return;
    }
    game.textcolor(12);
    game.gotoxy(16, 32);
    game.printf("Vous venez de perdre ");
    game.cprintf("%d - %d ", game.damage, guard);
    game.printf(", points de sante.\n\n");
    game.textcolor(7);
    game.damage = std::max(game.damage - guard, 0);
    game.fight.hero_hp = std::max(game.fight.hero_hp - game.damage, 0);
    check_limits(game);
    draw_fight_panel(game);
    game.gotoxy(16, 34);
    game.getch();
}

}  // namespace vov
