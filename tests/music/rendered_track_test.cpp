// The game's own music through the real player: a track that the build rendered
// from its score plays whole, to a WAV file standing in for the audio device.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "console/mp3_player.hpp"
#include "render.hpp"
#include "scratch.hpp"
#include "score.hpp"

namespace vov {
namespace {

namespace fs = std::filesystem;

const fs::path kTracks = VOVUZAVO_TRACKS;   // build/music
const std::string kScore = VOVUZAVO_SCORE;  // music/attaque.score

std::string bytes_of(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::error_code error;
    const auto size = fs::file_size(path, error);  // none yet while the player starts
    if (error) return {};
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) bytes.clear();
    return bytes;
}

std::uint32_t field(const std::string& bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// The WAV once the player has closed it: its header then counts every byte.
std::string finished_wav(const fs::path& path) {
    for (int i = 0; i < 500; ++i) {
        const std::string bytes = bytes_of(path);
        if (bytes.size() > 44 && field(bytes, 40, 4) == bytes.size() - 44) return bytes;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {};
}

// Runs in the folder of the rendered tracks, where the game finds a track first,
// and writes the played sound into a scratch folder of its own.
class RenderedTrack : public ::testing::Test {
  protected:
    ScratchFolder dir_;
    InFolder inside_{kTracks};
};

TEST_F(RenderedTrack, PlaysWholeThroughTheRealPlayer) {
    Mp3Player player("wav", (dir_.path() / "out.wav").string());
    player.play("attaque.mp3");
    const std::string wav = finished_wav(dir_.path() / "out.wav");
    ASSERT_FALSE(wav.empty()) << "the player never finished the track";
    EXPECT_EQ(field(wav, 22, 2), 1u) << "mono";
    EXPECT_EQ(field(wav, 24, 4), 44100u);
    EXPECT_EQ(field(wav, 34, 2), 16u);
    const std::size_t played = (wav.size() - 44) / 2;
    const std::size_t rendered = synth::rendered_length(synth::read_score(kScore));
    EXPECT_NEAR(static_cast<double>(played), static_cast<double>(rendered), 0.02 * 44100)
        << "the track plays from start to end";
    int peak = 0;
    for (std::size_t i = 44; i + 1 < wav.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(field(wav, i, 2));
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    EXPECT_GT(peak, 32767 / 3) << "music, not silence";
    EXPECT_LT(peak, 32767) << "not clipped";
}

}  // namespace
}  // namespace vov
