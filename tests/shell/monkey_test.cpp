// Thousands of games played with random keys and a random clock: every game must
// end through the game's own way out (status 1), never crash or hang, and the
// hero's numbers must stay within the rules at every key wait.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "scratch.hpp"
#include "shell/main_flow.hpp"
#include "test_game.hpp"

namespace vov {
namespace {

// Mostly menu digits, some letters, blanks and line ends, a few special keys.
int random_key(std::mt19937& rng) {
    const int kind = static_cast<int>(rng() % 100);
    if (kind < 70) return '1' + static_cast<int>(rng() % 9);  // '1' to '9'
    if (kind < 72) return '0';
    if (kind < 84) return '\n';
    if (kind < 92) return 'a' + static_cast<int>(rng() % 26);
    if (kind < 96) return ' ';
    if (kind < 98) return 130;  // é
    return kSpecialKey + static_cast<int>(rng() % 100);
}

TEST(Monkey, RandomGamesAlwaysEndTheOrderlyWay) {
    const ScratchFolder folder;
    const InFolder inside(folder.path());
    const int games = std::getenv("VOVUZAVO_MONKEY_GAMES") ? std::atoi(std::getenv("VOVUZAVO_MONKEY_GAMES")) : 300;
    std::mt19937 rng(12345);
    int ended = 0;
    for (int i = 0; i < games; ++i) {
        test::TestGame t;
        t.clock.seconds = static_cast<std::int64_t>(rng());
        for (int k = 0; k < 4000; ++k) t.keys.key(random_key(rng));
        bool broken = false;
        t.keys.on_wait = [&] {
            const Hero& h = t.game.hero;
            if (h.level == 0) return;  // no hero yet
            if (h.reputation < -5 || h.reputation > 5 || h.level > 8 || h.name[11] != '\0') broken = true;
            if (t.screen.cursor_x() < 1 || t.screen.cursor_y() < 1) broken = true;
            t.clock.seconds += static_cast<std::int64_t>(rng() % 2);
        };
        try {
            run_game(t.game);
        } catch (const GameOver& over) {
            EXPECT_EQ(over.status, 1);
            ++ended;
        } catch (const test::ScriptExhausted&) {
            // A long game: still running when its keys ran out.
        }
        ASSERT_FALSE(broken) << "game " << i;
    }
    EXPECT_GT(ended, games / 2);
}

}  // namespace
}  // namespace vov
