// 16-bit mono PCM WAV files at 44.1 kHz.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace vov::synth {

void write_wav(std::ostream& out, const std::vector<std::int16_t>& samples);
// Writes under a temporary name beside `path` and renames it into place only once
// complete, so a failed write never leaves a half-made file and keeps any old one.
// Throws std::runtime_error naming the file.
void save_wav(const std::string& path, const std::vector<std::int16_t>& samples);

}  // namespace vov::synth
