// Whole-game transcripts: a scripted path (keys, clock, save files) played through
// the whole game, and everything a player could notice at each key wait written as
// plain text: the screen rows, their colours, the cursor, the tracks started, the
// key or line given, and every named number or text of the game that changed.
//
// A path file holds one directive per line ('#' starts a comment; the first comment
// is the path's title):
//   clock 1000        the clock stands at 1000 s; "clock 1000 +1" also moves it on
//                     one second at each key wait. A clock line between keys lines
//                     takes effect at the wait of the next key.
//   console 80x25     the console's size (80x44 when not given)
//   save bob FILE     before the game starts, the saves/ folder's FILE is put in the
//                     working directory as bob_save.txt ("save bob folder" makes
//                     bob_save.txt a folder, which no save can replace)
//   keys 1 a Space "Arthur" 1*3
//                     keys: one character; Space, Enter, Backspace, special+N; a
//                     quoted typed line (its keys, then Enter); X*N repeats X.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "console/screen.hpp"

namespace vov::test {

struct PathKey {
    std::vector<int> keys;  // one key, or the keys of a typed line
    bool line = false;
    std::string shown;      // how the transcript names it
    bool sets_clock = false;
    long long clock = 0;     // when sets_clock: the clock from this wait on
    long long clock_step = 0;
};

struct Path {
    std::string title;
    long long clock = 1000;
    long long clock_step = 0;
    int cols = kConsoleColumns;
    int rows = kConsoleRows;
    std::vector<std::pair<std::string, std::string>> saves;  // save name, fixture file
    std::vector<PathKey> keys;
};

// Reads a path file; throws std::runtime_error naming the line of a bad directive.
Path read_path(const std::filesystem::path& file);

// Plays the path through the whole game in a fresh temporary working directory
// (fixtures are looked up in `saves_dir`) and returns its transcript.
std::string record_transcript(const Path& path, const std::filesystem::path& saves_dir);

}  // namespace vov::test
