// The real player plays a track that lies only in the player's music folder, into a
// WAV file standing in for the audio device.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <thread>

#include "console/mp3_player.hpp"
#include "scratch_folder.hpp"

namespace vov {
namespace {

namespace fs = std::filesystem;

// One second of a 440 Hz tone, 16-bit mono at 22050 Hz, written as a WAV file and
// encoded by lame.
void make_tone_mp3(const fs::path& mp3) {
    constexpr std::uint32_t kRate = 22050;
    std::string samples;
    for (std::uint32_t i = 0; i < kRate; ++i) {
        const double wave = std::sin(2 * std::numbers::pi * 440 * i / kRate);
        const auto sample = static_cast<std::uint16_t>(static_cast<std::int16_t>(12000 * wave));
        samples += {static_cast<char>(sample & 0xFF), static_cast<char>(sample >> 8)};
    }
    const auto little = [](std::uint32_t value, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
        return out;
    };
    const auto size = static_cast<std::uint32_t>(samples.size());
    const fs::path wav = mp3.parent_path() / "tone.wav";
    std::ofstream(wav, std::ios::binary)
        << "RIFF" << little(36 + size, 4) << "WAVEfmt " << little(16, 4) << little(1, 2)
        << little(1, 2) << little(kRate, 4) << little(kRate * 2, 4) << little(2, 2) << little(16, 2)
        << "data" << little(size, 4) << samples;
    const std::string command = "lame --quiet '" + wav.string() + "' '" + mp3.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << "lame is needed to make the test MP3";
}

bool grows_past(const fs::path& path, std::uintmax_t size) {
    for (int i = 0; i < 300; ++i) {
        std::error_code error;
        if (fs::file_size(path, error) > size && !error) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(PlayerFolders, PlaysATrackFoundOnlyInThePlayersMusicFolder) {
    const ScratchFolder scratch;
    const fs::path& root = scratch.path();
    const char* old_xdg = std::getenv("XDG_DATA_HOME");
    const std::string saved_xdg = old_xdg ? old_xdg : "";
    fs::create_directories(root / "work");
    fs::create_directories(root / "xdg/vovuzavo/music");
    make_tone_mp3(root / "xdg/vovuzavo/music/foret.mp3");
    const InFolder inside(root / "work");
    setenv("XDG_DATA_HOME", (root / "xdg").c_str(), 1);

    bool played = false;
    {
        Mp3Player player("wav", (root / "out.wav").string());
        player.play("foret.mp3");
        played = grows_past(root / "out.wav", 10000);
        player.play(kStopMusic);
    }

    if (old_xdg) {
        setenv("XDG_DATA_HOME", saved_xdg.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
    EXPECT_TRUE(played) << "the track of the player's music folder never reached the output";
}

}  // namespace
}  // namespace vov
