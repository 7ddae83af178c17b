// Drawing the main menu into the Screen, headless.
#include <benchmark/benchmark.h>

#include "shell/main_menu.hpp"
#include "test_game.hpp"

namespace {

void BM_DrawMainMenu(benchmark::State& state) {
    vov::test::TestGame t;
    const bool welcome = state.range(0) != 0;
    for (auto _ : state) {
        t.game.choice = welcome ? -1 : '1';
        t.keys.type("4");  // play: the menu returns at once
        vov::show_main_menu(t.game);
        benchmark::DoNotOptimize(t.screen.version());
        t.music.tracks.clear();
    }
}
BENCHMARK(BM_DrawMainMenu)->Arg(1)->Arg(0)->ArgName("welcome");

}  // namespace
