// The game's one random generator and its clock. Rolls are known exactly: the
// generator is the classic 32-bit linear congruential one, seeded from the clock in
// whole seconds at fixed points of the game, so two seedings within one second
// give the same rolls.
#pragma once

#include <cstdint>

namespace vov {

class Clock {
public:
    virtual ~Clock() = default;
    // The current time in whole seconds.
    virtual std::int64_t now() = 0;
};

class SystemClock : public Clock {
public:
    std::int64_t now() override;
};

class Random {
public:
    // Sets the seed and makes one draw, whose value is dropped.
    void seed(std::uint32_t value) {
        state_ = value;
        draw();
    }
    // A value from 0 to 32767: bits 16 to 30 of the new seed.
    int draw() {
        state_ = state_ * 22695477u + 1u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }
    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_ = 1;
};

}  // namespace vov
