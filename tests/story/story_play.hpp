// Helpers for playing story scenes in tests: a hero ready for chapter 1, and a
// player that types the script of each stretch of the story, answers every key
// of a fight with '1' (attack, and any key for the fight's pauses), and lets a
// test look at every story screen.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "test_game.hpp"

namespace vov::test {

// A human knight of 175 cm, strong enough to win the chapter's fights (100
// health) and lucky enough (11) to pull the plant off at the first try, on his
// way into chapter 1.
void make_hero(Game& game, int hero_class = kKnight, int race = kHuman);

// The keys typed once the fight before them is over and `marker` is on screen.
struct AfterFight {
    std::string marker;
    std::string keys;
};

class StoryPlayer {
public:
    StoryPlayer(TestGame& t, const std::string& keys, std::vector<AfterFight> after_fights = {});
    ~StoryPlayer() { t_.keys.on_wait = nullptr; }
    StoryPlayer(const StoryPlayer&) = delete;
    StoryPlayer& operator=(const StoryPlayer&) = delete;

    // Called at every key wait outside fights, with the screen as the player sees it.
    std::function<void()> inspect;

private:
    void on_wait();
    bool fight_started() const;

    TestGame& t_;
    std::vector<AfterFight> legs_;
    std::size_t next_ = 0;
    int fight_keys_ = 0;
    std::size_t tracks_seen_ = 0;
};

}  // namespace vov::test
