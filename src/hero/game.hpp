// Everything a run of the game holds: the hero, the opponent of the next fight,
// the globals that screens share (the last key, the chapter to run, the fight's
// working numbers), and the console, keyboard, music, clock and dice they use.
// One Game lives for the whole run; tests build a fresh one in one line.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "console/game_over.hpp"
#include "console/input.hpp"
#include "console/keyboard.hpp"
#include "console/music.hpp"
#include "console/screen.hpp"
#include "hero/random.hpp"

namespace vov {

// Equipment slots.
enum Slot : int {
    kSlotHead = 0,
    kSlotTorso = 1,
    kSlotLegs = 2,
    kSlotArms = 3,
    kSlotBoots = 4,
    kSlotBracelets = 5,
    kSlotAmulet = 6,
    kSlotRightRing = 7,
    kSlotLeftRing = 8,
    kSlotEarring = 9,
    kSlotCloak = 10,
    kSlotBelt = 11,
    kSlotObjects = 12,
    kSlotShield = 13,
    kSlotCount = 14,
};

// Class codes.
enum HeroClass : int {
    kBarbarian = 1,
    kRanger = 2,
    kKnight = 3,
    kWizard = 4,
    kThief = 5,
    kPriest = 6,
};

// Race codes.
enum Race : int {
    kHuman = 1,
    kDwarf = 2,
    kElf = 3,
    kHalfOrc = 4,
    kFarfadelfe = 5,
};

// A number of the hero or of the fight, with the name it goes by.
struct NamedNumber {
    const char* name;
    int* value;
};

// The hero, field by field in the order of the record (the save file keeps this
// order). Texts point at constant strings of the program and are rebuilt from the
// codes after loading; names and texts are in code page 850.
struct Hero {
    char name[12] = {};
    const char* weapon2_name = "rien";
    const char* race_name = "";
    const char* skin_name = "";
    const char* hair_name = "";
    const char* eyes_name = "";
    const char* class_name = "";
    const char* weapon1_name = "";
    int race = 0;
    int skin = 0;
    int hair = 0;
    int eyes = 0;
    int hero_class = 0;
    int reserved[3] = {0, 0, 0};  // never used by the game, kept in saves as they are
    int max_hp = 0;
    int max_energy = 0;
    int base_defense = 0;
    int shield_parry = 0;
    int spare_flag = 0;
    int weapon1_kind = 0;
    int weapon2_kind = 0;
    int chapter = 0;
    int hp = 0;
    int energy = 0;
    int defense = 0;
    int magic_resistance = 0;
    int agility = 0;
    int precision = 0;
    int robustness = 0;
    int vigour = 0;
    int intuition = 0;
    int virtue = 0;
    int luck = 0;
    int reputation = 0;
    int gold = 0;
    int meals = 0;
    int water = 0;
    int height_cm = 0;
    int experience = 0;
    int level = 0;
    int weapon_damage = 0;
    int item_owned[kSlotCount] = {};
    const char* item_name[kSlotCount] = {"rien", "rien", "rien", "rien", "rien", "rien", "rien",
                                         "rien", "rien", "rien", "rien", "rien", "rien", "rien"};
    int story_flags[2] = {0, 0};

    // The numbers from race to weapon_damage, in the order of the save file.
    static constexpr std::size_t kNumberCount = 35;
    std::array<NamedNumber, kNumberCount> numbers() {
        return {{{"race", &race},
                 {"skin", &skin},
                 {"hair", &hair},
                 {"eyes", &eyes},
                 {"hero_class", &hero_class},
                 {"reserved[0]", &reserved[0]},
                 {"reserved[1]", &reserved[1]},
                 {"reserved[2]", &reserved[2]},
                 {"max_hp", &max_hp},
                 {"max_energy", &max_energy},
                 {"base_defense", &base_defense},
                 {"shield_parry", &shield_parry},
                 {"spare_flag", &spare_flag},
                 {"weapon1_kind", &weapon1_kind},
                 {"weapon2_kind", &weapon2_kind},
                 {"chapter", &chapter},
                 {"hp", &hp},
                 {"energy", &energy},
                 {"defense", &defense},
                 {"magic_resistance", &magic_resistance},
                 {"agility", &agility},
                 {"precision", &precision},
                 {"robustness", &robustness},
                 {"vigour", &vigour},
                 {"intuition", &intuition},
                 {"virtue", &virtue},
                 {"luck", &luck},
                 {"reputation", &reputation},
                 {"gold", &gold},
                 {"meals", &meals},
                 {"water", &water},
                 {"height_cm", &height_cm},
                 {"experience", &experience},
                 {"level", &level},
                 {"weapon_damage", &weapon_damage}}};
    }
};

// The opponent of the next fight; every scene fills the fields its fight reads.
struct Monster {
    int hp = 0;
    int energy = 0;
    int defense = 0;
    int magic_resistance = 0;
    int agility = 0;
    int robustness = 0;
    int spell_power = 0;
    int level = 0;
    int has_shield = 0;
    int weapon_parry = 0;
    int weapon_damage = 0;
    int experience_reward = 0;
};

// The fighters' working numbers, saved with the hero. fight_result is chapter 1's
// gnome marker.
struct FightState {
    int hero_hp = 0;
    int hero_energy = 0;
    int monster_hp = 0;
    int monster_energy = 0;
    int hero_max_hp = 0;
    int hero_max_energy = 0;
    int monster_max_hp = 0;
    int monster_max_energy = 0;
    int hero_level = 0;
    int monster_level = 0;
    int fight_result = 0;

    static constexpr std::size_t kCount = 11;
    std::array<NamedNumber, kCount> fields() {
        return {{{"hero_hp", &hero_hp},
                 {"hero_energy", &hero_energy},
                 {"monster_hp", &monster_hp},
                 {"monster_energy", &monster_energy},
                 {"hero_max_hp", &hero_max_hp},
                 {"hero_max_energy", &hero_max_energy},
                 {"monster_max_hp", &monster_max_hp},
                 {"monster_max_energy", &monster_max_energy},
                 {"hero_level", &hero_level},
                 {"monster_level", &monster_level},
                 {"fight_result", &fight_result}}};
    }
};

// Who strikes first, handed to run_fight in `choice`.
inline constexpr int kHeroFirst = 50;       // the key code of '2'
inline constexpr int kMonsterFirst = 51;    // the key code of '3'
inline constexpr int kAgilityDecides = 30;  // the faster one strikes first, the hero on a tie

// Kinds of opponents.
inline constexpr int kWeaponFighter = 10;
inline constexpr int kSpellCaster = 11;
inline constexpr int kPoisonousFighter = 30;

class Game {
  public:
    Game(Screen& console, Keyboard& keyboard, Music& player, Clock& time_source)
        : screen(console), input(keyboard, console), music(player), clock(time_source) {}

    Screen& screen;
    Input input;
    Music& music;
    Clock& clock;
    Random dice;

    Hero hero;
    Monster monster;
    FightState fight;
    int choice = 0;           // the last key read by a menu; also a marker and counter
    int current_chapter = 0;  // the chapter the main flow runs next; 0 for a new game
    std::string save_name;    // the last save file name typed

    // Fight globals.
    int damage = 0;
    int blow_avoided = 0;
    int spell_attack = 0;
    int roll = 0;
    int monster_kind = 0;
    int defense_buff_used = 0;
    int monster_status = 0;
    const char* monster_name = "";
    const char* monster_weapon = "";

    // Console shorthands.
    void clrscr() { screen.clrscr(); }
    void gotoxy(int x, int y) { screen.gotoxy(x, y); }
    void textcolor(int colour) { screen.textcolor(colour); }
    void cprintf(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    void printf(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    int getch() { return input.getch(); }
    void play(const char* track) { music.play(track); }

    // Reads keys into `choice` until one of `keys` arrives; other keys are ignored.
    int read_choice(std::string_view keys);
    // Seeds the dice with the clock.
    void reseed() { dice.seed(static_cast<std::uint32_t>(clock.now())); }
    // A roll from 0 to n - 1.
    int roll_mod(int n) { return dice.draw() % n; }
    // Stops the music and ends the game (exit status 1).
    [[noreturn]] void quit();
};

}  // namespace vov
