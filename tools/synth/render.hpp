// Turns a score into sound: mono 16-bit samples at 44.1 kHz. Each note is an
// oscillator (a square of the voice's duty, a triangle, a saw, or noise) shaped by
// the voice's envelope; a voice with an echo hears itself again after the delay.
// The voices are summed at their volumes with no limiter: a sum past full scale is
// clipped, so a score keeps its own headroom.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "score.hpp"

namespace vov::synth {

// The sample at which a time in ticks falls, at the score's tempo.
std::int64_t sample_at(std::int64_t ticks, int tempo);
// Samples the render lasts: up to the last note's release, the last rest or the
// last audible echo, whichever ends latest.
std::size_t rendered_length(const Score& score);
std::vector<std::int16_t> render(const Score& score);

}  // namespace vov::synth
