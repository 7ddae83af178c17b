// Whole fights, headless: a strong barbarian against the forest wolf and the
// psychic spider, every pause answered at once, the clock one second further at
// every reading so that the rolls vary from fight to fight.
#include <benchmark/benchmark.h>

#include "combat/fight.hpp"
#include "hero/game.hpp"

namespace {

using namespace vov;

class AnyKey : public Keyboard {
  public:
    int read_key() override { return 'x'; }
};

class Silence : public Music {
  public:
    void play(const std::string&) override {}
};

class SteppingClock : public Clock {
  public:
    std::int64_t now() override { return ++seconds_; }

  private:
    std::int64_t seconds_ = 1000;
};

// Level 8 has no level-up left, so the victory never stops at the level-up menu.
Hero strong_barbarian() {
    Hero h;
    h.hero_class = kBarbarian;
    h.weapon1_name = "hache";
    h.level = 8;
    h.hp = h.max_hp = 200;
    h.defense = h.base_defense = 5;
    h.magic_resistance = 5;
    h.agility = 10;
    h.robustness = 12;
    h.weapon_damage = 16;
    return h;
}

struct Opponent {
    const char* name;
    const char* weapon;
    int kind;
    Monster monster;
};

const Opponent kWolf{"Loup de la foret", "crocs et griffes", kWeaponFighter,
                     Monster{20, 0, 0, 0, 5, 7, 0, 2, 0, 0, 6, 7}};
const Opponent kSpider{"Araignee psychique", "crocs et venin", kSpellCaster,
                       Monster{35, 20, 1, 5, 8, 8, 9, 3, 0, 0, 7, 18}};

void fight(benchmark::State& state, const Opponent& opponent) {
    Screen screen(80, 44);
    AnyKey keys;
    Silence music;
    SteppingClock clock;
    Game game(screen, keys, music, clock);
    const Hero hero = strong_barbarian();
    for (auto _ : state) {
        game.hero = hero;
        game.monster = opponent.monster;
        game.monster_kind = opponent.kind;
        game.monster_name = opponent.name;
        game.monster_weapon = opponent.weapon;
        game.fight.monster_max_hp = opponent.monster.hp;
        game.fight.monster_max_energy = opponent.monster.energy;
        game.fight.monster_level = opponent.monster.level;
        game.choice = '1';  // agility decides
        run_fight(game);
        if (game.fight.monster_hp != 0) state.SkipWithError("the fight did not end in victory");
        benchmark::DoNotOptimize(game.hero.experience);
    }
    state.counters["fights_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_WolfFight(benchmark::State& state) {
    fight(state, kWolf);
}
void BM_SpiderFight(benchmark::State& state) {
    fight(state, kSpider);
}

BENCHMARK(BM_WolfFight);
BENCHMARK(BM_SpiderFight);

}  // namespace

BENCHMARK_MAIN();
