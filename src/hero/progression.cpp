#include "hero/progression.hpp"

namespace vov {

namespace {

// The hero at level `level` (1 to 7) reaches the next level past this experience.
constexpr int kThresholds[] = {20, 50, 100, 175, 275, 400, 550};
constexpr int kMaxLevel = 8;

struct LevelRolls {
    int health;  // range of the first roll: health and maximum health
    int energy;  // range of the second roll: magic energy and its maximum
};

LevelRolls rolls_for(int hero_class) {
    switch (hero_class) {
        case kBarbarian: return {10, 4};
        case kRanger: return {9, 6};
        case kKnight: return {10, 4};
        case kWizard: return {7, 8};
        case kThief: return {8, 7};
        default: return {8, 5};  // the priest
    }
}

struct CharacteristicChoice {
    const char* label;
    const char* confirmation;
    int Hero::*field;
};

// The level-up menu lists vigour before robustness.
constexpr CharacteristicChoice kChoices[] = {
    {"Agilit\x82", "agilit\x82 ", &Hero::agility},
    {"Pr\x82" "cision", "pr\x82" "cision ", &Hero::precision},
    {"Vigueur", "vigueur ", &Hero::vigour},
    {"Robustesse", "robustesse ", &Hero::robustness},
    {"Intuition", "intuition ", &Hero::intuition},
    {"Vertu", "vertu ", &Hero::virtue},
    {"Bonne fortune", nullptr, &Hero::luck},
};

void draw_level_up_banner(Game& game, int health_gain, int energy_gain) {
    game.clrscr();
    game.gotoxy(23, 10);
    game.textcolor(14);
    game.cprintf("VOUS ");
    game.printf("venez de gagner un ");
    game.cprintf("NIVEAU");
    game.printf(".");
    game.gotoxy(15, 15);
    game.printf("Vous %ctes d%csormais plus ", 136, 130);
    game.cprintf("fort ");
    game.printf("qu'auparavant.");

    game.textcolor(11);
    game.gotoxy(15, 20);
    game.printf("Vous gagnez ");
    game.cprintf("1 ");
    game.printf("point en ");
    game.cprintf("r%csistance %c la magie", 130, 133);
    game.printf(".");
    game.gotoxy(15, 21);
    game.printf("Vous gagnez ");
    game.cprintf("%d ", health_gain);
    game.printf("points de ");
    game.cprintf("sant%c", 130);
    game.printf(".");
    game.gotoxy(15, 22);
    game.printf("Vous gagnez ");
    game.cprintf("%d ", energy_gain);
    game.printf("points d'");
    game.cprintf("%cnergie magique", 130);
    game.printf(".");
    game.gotoxy(15, 23);
    game.printf("Vous gagnez ");
    game.cprintf("1 ");
    game.printf("point de ");
    game.cprintf("caract%cristique ", 130);
    game.printf("%c r%cpartir.", 133, 130);
}

void choose_characteristic(Game& game) {
    game.gotoxy(15, 27);
    game.printf("Choisissez ou vous voulez attribuer votre point :\n\n");
    for (int i = 0; i < 7; ++i) {
        game.gotoxy(30, 30 + i);
        game.printf("%d) ", i + 1);
        game.cprintf("%s", kChoices[i].label);
        game.printf(".");
    }
    game.gotoxy(30, 38);
    game.printf("Votre choix : ");

    const CharacteristicChoice& chosen = kChoices[game.read_choice("1234567") - '1'];
    game.hero.*chosen.field += 1;

    game.gotoxy(20, 41);
    game.printf("Votre ");
    if (chosen.confirmation != nullptr) {
        game.cprintf("%s", chosen.confirmation);
    } else {
        game.printf("bonne fortune ");
    }
    game.printf("a augment%c(e) de ", 130);
    game.cprintf("1 ");
    game.printf("point");
}

}  // namespace

void check_level_up(Game& game) {
    for (int level = 1; level < kMaxLevel; ++level) {
        if (game.hero.level == level && game.hero.experience > kThresholds[level - 1]) {
            level_up(game);
        }
    }
}

// Each roll raises one quantity together with its maximum, and each gain line of
// the screen shows its own roll: health gets the first, magic energy the second.
void level_up(Game& game) {
    Hero& hero = game.hero;
    hero.level += 1;
    hero.magic_resistance += 1;
    game.reseed();
    const LevelRolls rolls = rolls_for(hero.hero_class);
    const int health_gain = game.roll_mod(rolls.health) + 1;
    const int energy_gain = game.roll_mod(rolls.energy) + 1;
    hero.hp += health_gain;
    hero.max_hp += health_gain;
    hero.energy += energy_gain;
    hero.max_energy += energy_gain;

    draw_level_up_banner(game, health_gain, energy_gain);
    choose_characteristic(game);
    game.textcolor(7);
    game.getch();
}

void check_limits(Game& game) {
    Hero& hero = game.hero;
    if (hero.hp < 1 || game.fight.hero_hp < 1) death_screen(game);
    if (hero.hp > hero.max_hp) hero.hp = hero.max_hp;
    if (game.fight.hero_hp > hero.max_hp) game.fight.hero_hp = hero.max_hp;
    if (hero.reputation < -5) {
        hero.reputation = -5;
    } else if (hero.reputation > 5) {
        hero.reputation = 5;
    }
    if (hero.energy > hero.max_energy) hero.energy = hero.max_energy;
}

void death_screen(Game& game) {
    game.play(kStopMusic);
    game.clrscr();
    game.textcolor(4);
    game.gotoxy(20, 14);
    game.printf("Malheureusement votre aventure se termine ici.");
    game.gotoxy(10, 18);
    game.printf("Soit vous avez subi des ");
    game.cprintf("blessures fatales");
    game.printf(", soit vous %ctes tomb%c ", 136, 130);
    game.gotoxy(10, 20);
    game.printf("dans une ");
    game.cprintf("fosse");
    game.printf(", ou %ct%c ", 130, 130);
    game.cprintf("empoisonn%c,", 130);
    game.printf(" ou encore ");
    game.cprintf("d%cvor%c", 130, 130);
    game.printf(", ou peut-%ctre", 136);
    game.gotoxy(10, 22);
    game.cprintf("poignard%c", 130);
    game.printf(". Peut-%ctre avez vous %ct%c ", 136, 130, 130);
    game.cprintf("d%csint%cgr%c", 130, 130, 130);
    game.printf(",");
    game.cprintf("aval%c", 130);
    game.printf(", ");
    game.cprintf("assassin%c.", 130);
    game.textcolor(12);
    game.gotoxy(22, 26);
    game.printf("Bref vous l'avez compris ");
    game.cprintf("VOUS ");
    game.printf("%ctes ", 136);
    game.cprintf("MORT.");
    game.gotoxy(22, 28);
    game.printf("Peut %ctre retenterez vous une partie ?", 136);
    game.textcolor(7);
    game.getch();
    throw GameOver{};
}

}  // namespace vov
