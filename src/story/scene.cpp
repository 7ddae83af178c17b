#include "story/scene.hpp"

#include <string>

#include "combat/fight.hpp"
#include "hero/sheet.hpp"

namespace vov {

void show_title_card(Game& game, int column, const char* title, int dashes) {
    game.clrscr();
    game.textcolor(13);
    game.gotoxy(column, 20);
    game.cprintf("%s", title);
    game.gotoxy(column, 21);
    game.cprintf("%s", std::string(static_cast<std::size_t>(dashes), '-').c_str());
    game.gotoxy(column, 23);
    game.textcolor(7);
    game.getch();
}

void show_scene_footer(Game& game) {
    game.gotoxy(1, 42);
    game.printf("8) Voir votre equipement.");
    game.gotoxy(1, 43);
    game.printf("9) Voir les caracteristiques de votre personnage.");
    game.gotoxy(1, 44);
    game.printf("0) Quitter le jeu.");
    game.gotoxy(1, 1);
}

int read_story_key(Game& game, std::string_view option_keys) {
    std::string keys(option_keys);
    keys += "890";
    const int key = game.read_choice(keys);
    if (key == '0') game.quit();
    if (key == '8') show_equipment(game);
    if (key == '9') show_character_sheet(game);
    return key;
}

int menu_scene(Game& game, const std::function<void()>& draw, std::string_view option_keys) {
    for (;;) {
        game.clrscr();
        show_scene_footer(game);
        draw();
        const int key = read_story_key(game, option_keys);
        if (key != '8' && key != '9') return key;
    }
}

void wait_key(Game& game) { game.getch(); }

void show_gain(Game& game, const char* lead_in, const char* what, const char* tail) {
    game.textcolor(11);
    game.printf("%s", lead_in);
    game.cprintf("%s", what);
    game.printf("%s", tail);
}

void show_loss(Game& game, const char* lead_in, const char* what, const char* tail) {
    game.textcolor(12);
    game.printf("%s", lead_in);
    game.cprintf("%s", what);
    game.printf("%s", tail);
}

bool luck_draw(Game& game, int n, bool reseed) {
    if (reseed) game.reseed();
    return game.roll_mod(n) + game.hero.luck >= 11;
}

void start_fight(Game& game, const FightSetup& setup) {
    const int spell_power = game.monster.spell_power;
    game.monster = setup.monster;
    if (!setup.sets_spell_power) game.monster.spell_power = spell_power;
    game.fight.monster_max_hp = setup.monster.hp;
    game.fight.monster_max_energy = setup.monster.energy;
    game.fight.monster_level = setup.monster.level;
    game.monster_name = setup.name;
    game.monster_weapon = setup.weapon;
    game.monster_kind = setup.kind;
    if (setup.first_strike >= 0) game.choice = setup.first_strike;
    run_fight(game);
}

void hand_over(Game& game, int next) {
    game.hero.chapter = next;
    game.current_chapter = next;
}

}  // namespace vov
