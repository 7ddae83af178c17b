// Test helpers for the synthesizer: a scratch folder, a score written into it and
// rendered with the vovuzavo-synth command, and the WAV read back byte by byte.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli.hpp"
#include "scratch.hpp"

namespace vov::synth::test {

namespace fs = std::filesystem;

struct WavFile {
    std::string riff, wave, fmt, data;  // chunk tags
    std::uint32_t riff_size = 0, fmt_size = 0, data_size = 0;
    std::uint16_t format = 0, channels = 0, block_align = 0, bits = 0;
    std::uint32_t rate = 0, byte_rate = 0;
    std::vector<std::int16_t> samples;

    int peak() const {
        int peak = 0;
        for (std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        return peak;
    }
    double seconds() const { return static_cast<double>(samples.size()) / 44100.0; }
};

inline WavFile read_wav(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::error_code error;
    const auto size = fs::file_size(path, error);
    std::string bytes(error ? 0 : static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) bytes.clear();
    WavFile wav;
    if (bytes.size() < 44) return wav;
    const auto u8 = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]));
    };
    const auto u16 = [&](std::size_t i) {
        return static_cast<std::uint16_t>(u8(i) | u8(i + 1) << 8);
    };
    const auto u32 = [&](std::size_t i) {
        return u16(i) | static_cast<std::uint32_t>(u16(i + 2)) << 16;
    };
    wav.riff = bytes.substr(0, 4);
    wav.riff_size = u32(4);
    wav.wave = bytes.substr(8, 4);
    wav.fmt = bytes.substr(12, 4);
    wav.fmt_size = u32(16);
    wav.format = u16(20);
    wav.channels = u16(22);
    wav.rate = u32(24);
    wav.byte_rate = u32(28);
    wav.block_align = u16(32);
    wav.bits = u16(34);
    wav.data = bytes.substr(36, 4);
    wav.data_size = u32(40);
    wav.samples.resize((bytes.size() - 44) / 2);
    for (std::size_t i = 0; i < wav.samples.size(); ++i) {
        wav.samples[i] = static_cast<std::int16_t>(u16(44 + 2 * i));
    }
    return wav;
}

class SynthTest : public ::testing::Test {
  protected:
    // Writes `text` as a score and runs the command on it; the WAV is dir/out.wav.
    int run(const std::string& text, const std::string& out = "out.wav") {
        std::ofstream(dir_.path() / "tune.score") << text;
        std::ostringstream ignored;
        errors_.str("");
        return run_synth({(dir_.path() / "tune.score").string(), (dir_.path() / out).string()}, ignored, errors_);
    }

    // The WAV of a score that must render.
    WavFile render_text(const std::string& text) {
        EXPECT_EQ(run(text), 0) << errors_.str();
        return read_wav(dir_.path() / "out.wav");
    }

    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_.path())) {
            names.push_back(entry.path().filename());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchFolder dir_;
    std::ostringstream errors_;
};

}  // namespace vov::synth::test
