// Every score of the game's music renders, without clipping, to within a tenth of
// the length it states, and every track the game plays has its score.
#include <regex>
#include <set>

#include "score.hpp"
#include "wav_file.hpp"

namespace vov::synth::test {
namespace {

const fs::path kScores = VOVUZAVO_SCORES;    // the music/ folder
const fs::path kSources = VOVUZAVO_SOURCES;  // the game's src/ folder

std::vector<std::string> score_names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kScores)) {
        if (entry.path().extension() == ".score") names.push_back(entry.path().stem());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class EveryScore : public SynthTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(EveryScore, RendersToItsLengthWithoutClipping) {
    const std::string score = (kScores / (GetParam() + ".score")).string();
    std::ostringstream out, err;
    ASSERT_EQ(run_synth({score, (dir_.path() / "track.wav").string()}, out, err), 0) << err.str();
    const WavFile wav = read_wav(dir_.path() / "track.wav");
    const std::optional<double> stated = read_score(score).length;
    ASSERT_TRUE(stated) << "the score states no length";
    EXPECT_NEAR(wav.seconds(), *stated, *stated * 0.1);
    // Below full scale, with a tenth to spare: decoding the MP3 overshoots a little.
    EXPECT_LT(wav.peak(), 0.9 * 32767) << "too close to clipping";
    EXPECT_GT(wav.peak(), 32767 / 3) << "too quiet beside the other tracks";
}

INSTANTIATE_TEST_SUITE_P(Music, EveryScore, ::testing::ValuesIn(score_names()),
                         [](const auto& param) { return param.param; });

TEST(GameMusic, EveryTrackTheGamePlaysHasAScore) {
    const std::regex track_name(R"re("([a-z0-9]+)\.mp3")re");
    std::set<std::string> played;
    for (const auto& entry : fs::recursive_directory_iterator(kSources)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path());
        std::ostringstream text;
        text << in.rdbuf();
        const std::string code = text.str();
        for (std::sregex_iterator m(code.begin(), code.end(), track_name), end; m != end; ++m) {
            played.insert((*m)[1]);
        }
    }
    played.erase("stopson");  // it only stops the music
    const std::vector<std::string> scores = score_names();
    EXPECT_EQ(played, std::set<std::string>(scores.begin(), scores.end()));
    EXPECT_EQ(played.size(), 16u);
}

}  // namespace
}  // namespace vov::synth::test
