#include "combat/fight.hpp"

#include "combat/hero_turn.hpp"
#include "combat/monster_turn.hpp"
#include "combat/panel.hpp"
#include "combat/spells.hpp"
#include "hero/progression.hpp"

namespace vov {

namespace {

constexpr const char* kCombatTracks[] = {"combat1.mp3", "combat2.mp3", "combat.mp3"};

void start_fight_state(Game& game) {
    const Hero& hero = game.hero;
    FightState& f = game.fight;
    f.hero_hp = hero.hp;
    f.hero_energy = hero.energy;
    f.monster_hp = game.monster.hp;
    f.monster_energy = game.monster.energy;
    f.hero_max_hp = hero.max_hp;
    f.hero_max_energy = hero.max_energy;
    f.hero_level = hero.level;
}

void start_combat_music(Game& game) {
    game.reseed();
    game.play(kCombatTracks[game.roll_mod(3)]);
}

// choice 50 gives the hero the first strike, 51 the monster; otherwise the faster
// one strikes first, the hero on a tie.
bool hero_strikes_first(const Game& game) {
    if (game.choice == kHeroFirst) return true;
    if (game.choice == kMonsterFirst) return false;
    return game.hero.agility >= game.monster.agility;
}

bool monster_alive(const Game& game) {
    return game.fight.monster_hp >= 1;
}

void hero_turn(Game& game) {
    const int hero_class = game.hero.hero_class;
    if (hero_class == kPriest || hero_class == kWizard) {
        choose_attack(game);
    } else {
        game.blow_avoided = 0;
        weapon_attack(game);
    }
}

void hero_deals_damage(Game& game) {
    if (monster_alive(game) && game.blow_avoided != 1) hit_monster(game);
}

// When the monster strikes first, its blow comes on a screen that has only the
// panel, so the panel is drawn before it.
void monster_weapon_blow(Game& game, bool hero_first) {
    if (!hero_first) draw_fight_panel(game);
    monster_blow(game);
    if (game.blow_avoided != 1) hit_hero(game);
}

// A spell caster strikes with its weapon one time in five, and always when it is
// short of energy in a fight that the hero opened.
void spell_caster_turn(Game& game, bool hero_first) {
    game.reseed();
    game.roll = game.roll_mod(5);
    if (game.roll == 0 || (hero_first && game.fight.monster_energy <= 5)) {
        game.monster_kind = kWeaponFighter;
        monster_weapon_blow(game, hero_first);
        game.monster_kind = kSpellCaster;
        return;
    }
    monster_spell(game);
    game.monster_kind = kSpellCaster;
    if (game.blow_avoided != 1) hit_hero(game);
}

void monster_turn(Game& game, bool hero_first) {
    game.blow_avoided = 0;
    if (game.monster_kind == kWeaponFighter || game.monster_kind == kPoisonousFighter) {
        monster_weapon_blow(game, hero_first);
    } else {
        spell_caster_turn(game, hero_first);
    }
    check_limits(game);
}

// Returns false when the fight was abandoned.
bool fight_hero_first(Game& game) {
    while (monster_alive(game)) {
        game.clrscr();
        hero_turn(game);
        if (game.monster_status == kFieldBurnt) {
            game.textcolor(7);
            return false;
        }
        hero_deals_damage(game);
        if (monster_alive(game)) monster_turn(game, true);
    }
    return true;
}

bool fight_monster_first(Game& game) {
    while (monster_alive(game)) {
        monster_turn(game, false);
        game.clrscr();
        hero_turn(game);
        if (game.monster_status == kFieldBurnt) return false;
        hero_deals_damage(game);
    }
    return true;
}

void show_ranger_healing(Game& game) {
    game.gotoxy(20, 25);
    game.printf("Vos talents de ");
    game.cprintf("rodeur ");
    game.printf("vous permettent ");
    game.gotoxy(22, 27);
    game.printf("de vous ");
    game.cprintf("soigner ");
    game.printf("a la fin du combat.");
    game.textcolor(14);
    game.gotoxy(20, 29);
    game.printf("Vous regagnez ");
    game.cprintf("tout ");
    game.printf("vos ");
    game.cprintf("points de sante");
    game.printf(".");
}

void victory(Game& game) {
    Hero& hero = game.hero;
    game.play(kStopMusic);
    game.clrscr();
    game.textcolor(10);
    game.gotoxy(14, 16);
    game.printf("Vous venez de vaincre ");
    game.cprintf("%s ", game.monster_name);
    game.printf(": felicitations !");
    game.textcolor(11);
    game.gotoxy(22, 19);
    game.printf("Vous gagnez ");
    game.cprintf("%d ", game.monster.experience_reward);
    game.printf("points d'experience.");
    if (hero.hero_class == kRanger) show_ranger_healing(game);
    hero.experience += game.monster.experience_reward;
    game.textcolor(7);
    hero.hp = game.fight.hero_hp;
    hero.energy = game.fight.hero_energy;
    game.getch();
    end_fight_recovery(game);
    check_level_up(game);
}

}  // namespace

void run_fight(Game& game) {
    start_fight_state(game);
    game.clrscr();
    start_combat_music(game);
    const bool hero_first = hero_strikes_first(game);
    const bool won = hero_first ? fight_hero_first(game) : fight_monster_first(game);
    if (won) victory(game);
}

void end_fight_recovery(Game& game) {
    Hero& hero = game.hero;
    hero.defense = hero.base_defense;
    game.defense_buff_used = kDefenseReset;
    if (hero.hero_class == kPriest || hero.hero_class == kWizard) {
        hero.energy += hero.max_energy / 3;
    } else if (hero.hero_class == kRanger) {
        hero.hp = hero.max_hp;
    } else {
        hero.hp += hero.max_hp / 3;
    }
    check_limits(game);
}

}  // namespace vov
