// The game's own music through the real player: a track that the build rendered
// from its score plays whole, to a WAV file standing in for the audio device.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "console/mp3_player.hpp"
#include "render.hpp"
#include "scratch.hpp"
#include "score.hpp"
#include "wav_file.hpp"

namespace vov {
namespace {

namespace fs = std::filesystem;

const fs::path kTracks = VOVUZAVO_TRACKS;   // build/music
const std::string kScore = VOVUZAVO_SCORE;  // music/attaque.score

// The WAV once the player has closed it: its header then counts every sample.
synth::test::WavFile finished_wav(const fs::path& path) {
    for (int i = 0; i < 500; ++i) {
        synth::test::WavFile wav = synth::test::read_wav(path);
        if (!wav.samples.empty() && wav.data_size == 2 * wav.samples.size()) return wav;
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
    const synth::test::WavFile wav = finished_wav(dir_.path() / "out.wav");
    ASSERT_FALSE(wav.samples.empty()) << "the player never finished the track";
    EXPECT_EQ(wav.channels, 1u) << "mono";
    EXPECT_EQ(wav.rate, 44100u);
    EXPECT_EQ(wav.bits, 16u);
    const std::size_t rendered = synth::rendered_length(synth::read_score(kScore));
    EXPECT_NEAR(static_cast<double>(wav.samples.size()), static_cast<double>(rendered), 0.02 * 44100)
        << "the track plays from start to end";
    const int peak = wav.peak();
    EXPECT_GT(peak, 32767 / 3) << "music, not silence";
    EXPECT_LT(peak, 32767) << "not clipped";
}

}  // namespace
}  // namespace vov
