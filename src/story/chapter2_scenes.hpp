// The scenes of chapter 2 and what the chapter remembers while it runs. The road
// to the walls and the gate live in chapter2.cpp, the sewers in sewers.cpp; the
// loop of play_chapter2 drives them one scene after the other.
#pragma once

#include "hero/game.hpp"

namespace vov::chapter2 {

enum class Scene {
    // On the road.
    TitleCard,
    LeavingForest,
    Lancers,
    GuardBodies,
    FirstGuard,
    SecondGuard,
    CerealFields,
    SpiderFight,
    SpiderBody,
    BurningField,
    BeforeWalls,
    GateGuards,
    ThroughGate,
    // In the sewers.
    SewerEntrance,
    StraightCorridor,
    FirstRightBend,
    SecondRightBend,
    SewerCreature,
    ForkLeftOrStraight,
    LeftTurn,
    ForkLeftOrRight,
    BackAtEntrance,
    GreatHall,
    SnakeFight,
    AfterSnake,
    UpTheLadder,
    // The chapter has handed over to chapter 3.
    Done,
};

// The sewers count the hero's way in the fight roll (game.roll), which no fight
// reads before setting it: 31 at the sewer entrance, 30 once the creature is
// dead, one less for every wrong turn after that. Above 30 the creature is still
// waiting, below 30 the hero has wandered.

// Which bend led to the sewer creature, kept in monster_status.
inline constexpr int kFirstBend = 10;
inline constexpr int kSecondBend = 20;

struct Chapter2 {
    Game& game;
    // Set once the first guard has been searched, so that his helmet and gold are
    // given only once.
    bool first_guard_searched = false;
    // Set after the creature fight; the great hall clears it.
    bool creature_met = false;
};

// Plays one sewer scene and returns the next one.
Scene play_sewer_scene(Chapter2& chapter, Scene scene);

}  // namespace vov::chapter2
