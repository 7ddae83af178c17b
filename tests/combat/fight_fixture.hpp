// Shared set-up for the fight tests: a hero, the story's monsters, the rolls that a
// fixed clock gives and a log of the screen at every key wait.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "hero/game.hpp"
#include "test_game.hpp"

namespace vov::test {

// The first `n` draws after seeding with `second`, as the game's dice give them.
inline std::vector<int> draws_after(std::int64_t second, int n) {
    Random r;
    r.seed(static_cast<std::uint32_t>(second));
    std::vector<int> out;
    for (int i = 0; i < n; ++i) out.push_back(r.draw());
    return out;
}

// The first second from 1000 on whose first three draws satisfy `wanted`.
inline std::int64_t second_where(const std::function<bool(const std::vector<int>&)>& wanted) {
    std::int64_t s = 1000;
    while (!wanted(draws_after(s, 3))) ++s;
    return s;
}
// The second draw decides whether a blow is avoided (one in three).
inline bool second_draw_avoids(const std::vector<int>& d) { return d[1] % 3 == 0; }
inline bool second_draw_lands(const std::vector<int>& d) { return d[1] % 3 != 0; }

inline std::string at16(const std::string& text) { return std::string(15, ' ') + text; }

// A level-1 barbarian (axe 16, robustness 8: blows of 4 to 19), or a caster with
// virtue and intuition 9 and 20 magic energy.
inline void make_hero(Game& game, int hero_class = kBarbarian) {
    Hero& h = game.hero;
    h.hero_class = hero_class;
    h.weapon1_name = "hache";
    h.level = 1;
    h.hp = h.max_hp = 30;
    h.energy = h.max_energy = hero_class == kBarbarian ? 0 : 20;
    h.defense = h.base_defense = 2;
    h.magic_resistance = 1;
    h.agility = 10;
    h.robustness = 8;
    h.virtue = h.intuition = 9;
    h.weapon_damage = 16;
}

// The Monster record and fight globals as a scene sets them, the working
// numbers as run_fight does.
inline void face(Game& game, const Monster& m, int kind, const char* name, const char* weapon) {
    const Hero& h = game.hero;
    game.monster = m;
    game.monster_kind = kind;
    game.monster_name = name;
    game.monster_weapon = weapon;
    game.fight = {h.hp, h.energy, m.hp, m.energy, h.max_hp, h.max_energy,
                  m.hp, m.energy, h.level, m.level, 0};
}
inline void face_wolf(Game& game) {
    face(game, {20, 0, 0, 0, 5, 7, 0, 2, 0, 0, 6, 7}, kWeaponFighter, "Loup de la foret",
         "crocs et griffes");
}
inline void face_spider(Game& game) {
    face(game, {35, 20, 1, 5, 8, 8, 9, 3, 0, 0, 7, 18}, kSpellCaster, "Araignee psychique",
         "crocs et venin");
}
inline void face_sewer_creature(Game& game) {
    face(game, {40, 25, 1, 4, 8, 8, 6, 4, 0, 0, 8, 25}, kSpellCaster, "Creature", "tentacules");
}

// The screen rows (rows[y] is row y) and the cursor at every key wait.
struct WaitLog {
    struct Wait {
        int x, y;
        std::vector<std::string> rows;
    };
    explicit WaitLog(TestGame& t) : test(t) {
        t.keys.on_wait = [this] {
            Wait w{test.screen.cursor_x(), test.screen.cursor_y(), {""}};
            for (int y = 1; y <= test.screen.rows(); ++y) w.rows.push_back(test.row(y));
            waits.push_back(w);
        };
    }
    ~WaitLog() { test.keys.on_wait = nullptr; }
    bool any_row_has(int y, const std::string& text) const {
        return std::any_of(waits.begin(), waits.end(), [&](const Wait& w) {
            return w.rows[static_cast<std::size_t>(y)].find(text) != std::string::npos;
        });
    }
    TestGame& test;
    std::vector<Wait> waits;
};

}  // namespace vov::test
