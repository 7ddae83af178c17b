// A game for tests: scripted keys, a recording music player, a fixed clock, and
// helpers to read the screen.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/game_over.hpp"
#include "console/keyboard.hpp"
#include "console/music.hpp"
#include "console/screen.hpp"
#include "hero/game.hpp"
#include "hero/random.hpp"

namespace vov::test {

// Thrown when the game waits for a key that the script does not have: the test
// fails loudly instead of hanging.
struct ScriptExhausted : std::runtime_error {
    ScriptExhausted() : std::runtime_error("the game asked for a key the script does not have") {}
};

class ScriptedKeyboard : public Keyboard {
public:
    // Keys are given as text: each byte is one key; typed lines end with '\n'.
    void type(const std::string& keys);
    void key(int code) { keys_.push_back(code); }
    void close() { keys_.push_back(kInputClosed); }
    int read_key() override;
    std::size_t left() const { return keys_.size(); }
    // Called before each key is handed out, with the screen as the player sees it.
    std::function<void()> on_wait;

private:
    std::deque<int> keys_;
};

class RecordingMusic : public Music {
public:
    void play(const std::string& track) override { tracks.push_back(track); }
    std::vector<std::string> tracks;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(std::int64_t start = 1000) : seconds(start) {}
    std::int64_t now() override { return seconds; }
    std::int64_t seconds;
};

// Everything a test game needs, in one object.
struct TestGame {
    explicit TestGame(int cols = kConsoleColumns, int rows = kConsoleRows)
        : screen(cols, rows), game(screen, keys, music, clock) {}

    // The rows of the screen, decoded to UTF-8 (row 1 first).
    std::string row(int y) const { return screen.row_text(y); }
    std::string colours(int y) const { return screen.row_colours(y); }
    // The whole screen, one line per row, trailing blank rows dropped.
    std::string text() const;
    // The first row that contains `needle`, or 0.
    int find_row(const std::string& needle) const;
    // The foreground colour of the cell at (x, y).
    int colour_at(int x, int y) const { return screen.at(x, y).attr & 0x0F; }
    // The colour of the first cell of `needle` on the screen, or -1.
    int colour_of(const std::string& needle) const;

    // Runs `step`; returns true when the game ended (GameOver) inside it.
    bool ends_game(const std::function<void()>& step);

    Screen screen;
    ScriptedKeyboard keys;
    RecordingMusic music;
    FixedClock clock;
    Game game;
};

// Turns a UTF-8 text into the CP850 bytes the game stores.
std::string cp850(const std::string& utf8);

}  // namespace vov::test
