// Thrown to leave the game from wherever it is (death, the quit keys, the end
// screen, closed input). main() catches it, restores the terminal, stops the music
// and exits with status 1; tests catch it to see that the game ended.
#pragma once

namespace vov {

struct GameOver {
    int status = 1;
};

}  // namespace vov
