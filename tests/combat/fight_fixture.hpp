// Shared set-up for the fight tests: a hero, the story's monsters, and the rolls
// that a fixed clock gives.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "hero/game.hpp"
#include "hero/random.hpp"
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

// The first second from 1000 on whose first `n` draws satisfy `wanted`.
inline std::int64_t second_where(int n,
                                 const std::function<bool(const std::vector<int>&)>& wanted) {
    for (std::int64_t s = 1000;; ++s) {
        if (wanted(draws_after(s, n))) return s;
    }
}

// A level-1 barbarian who strikes for 4 to 19 with his axe.
inline void make_barbarian(Game& game) {
    Hero& h = game.hero;
    h.hero_class = kBarbarian;
    h.class_name = "barbare";
    h.weapon1_name = "hache";
    h.level = 1;
    h.hp = h.max_hp = 30;
    h.energy = h.max_energy = 0;
    h.defense = h.base_defense = 2;
    h.magic_resistance = 1;
    h.agility = 10;
    h.robustness = 8;
    h.weapon_damage = 16;
}

// A level-1 spell caster with virtue and intuition 9 (a base of 3 for spells).
inline void make_caster(Game& game, int hero_class) {
    make_barbarian(game);
    Hero& h = game.hero;
    h.hero_class = hero_class;
    h.class_name = hero_class == kWizard ? "sorcier" : "pretre";
    h.weapon1_name = "baton";
    h.energy = h.max_energy = 20;
    h.virtue = 9;
    h.intuition = 9;
}

// Fills the Monster record and the fight globals the way a scene does.
inline void set_monster(Game& game, const Monster& m, int kind, const char* name,
                        const char* weapon) {
    game.monster = m;
    game.monster_kind = kind;
    game.monster_name = name;
    game.monster_weapon = weapon;
    game.fight.monster_max_hp = m.hp;
    game.fight.monster_max_energy = m.energy;
    game.fight.monster_level = m.level;
}

inline void make_wolf(Game& game) {
    set_monster(game, Monster{20, 0, 0, 0, 5, 7, 0, 2, 0, 0, 6, 7}, kWeaponFighter,
                "Loup de la foret", "crocs et griffes");
}

inline void make_spider(Game& game) {
    set_monster(game, Monster{35, 20, 1, 5, 8, 8, 9, 3, 0, 0, 7, 18}, kSpellCaster,
                "Araignee psychique", "crocs et venin");
}

inline void make_sewer_creature(Game& game) {
    set_monster(game, Monster{40, 25, 1, 4, 8, 8, 6, 4, 0, 0, 8, 25}, kSpellCaster,
                "Creature des egouts", "tentacules");
}

// The working numbers as run_fight sets them when the fight starts.
inline void start_working_copies(Game& game) {
    FightState& f = game.fight;
    f.hero_hp = game.hero.hp;
    f.hero_energy = game.hero.energy;
    f.hero_max_hp = game.hero.max_hp;
    f.hero_max_energy = game.hero.max_energy;
    f.hero_level = game.hero.level;
    f.monster_hp = game.monster.hp;
    f.monster_energy = game.monster.energy;
}

// Remembers the screen rows and the cursor at every key wait.
struct WaitLog {
    struct Wait {
        int x, y;
        std::vector<std::string> rows;  // rows[y] is screen row y
    };
    explicit WaitLog(TestGame& t) : test(t) {
        t.keys.on_wait = [this] {
            Wait w{test.screen.cursor_x(), test.screen.cursor_y(), {""}};
            for (int y = 1; y <= test.screen.rows(); ++y) w.rows.push_back(test.row(y));
            waits.push_back(w);
        };
    }
    ~WaitLog() { test.keys.on_wait = nullptr; }
    WaitLog(const WaitLog&) = delete;
    WaitLog& operator=(const WaitLog&) = delete;

    bool any_row_has(int y, const std::string& text) const {
        for (const auto& w : waits) {
            if (w.rows[static_cast<std::size_t>(y)].find(text) != std::string::npos) return true;
        }
        return false;
    }
    TestGame& test;
    std::vector<Wait> waits;
};

}  // namespace vov::test
