// What the synthesizer's WAV files hold: exact lengths, the header, the peak, the
// period and shape of each waveform, envelopes, voices that do not pile up on
// themselves, and echoes.
#include <cmath>

#include "wav_file.hpp"

namespace vov::synth::test {
namespace {

constexpr double kRate = 44100.0;

// Peak level (0 to 1 of the voice's volume) over the period before `seconds`.
double level_at(const WavFile& wav, double seconds, double volume) {
    const auto end = static_cast<std::size_t>(seconds * kRate);
    int peak = 0;
    for (std::size_t i = end - 110; i < end && i < wav.samples.size(); ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(wav.samples[i])));
    }
    return peak / (32767.0 * volume);
}

TEST_F(SynthTest, OneNoteGivesTheExactLengthHeaderAndPeak) {
    // One second of A4, then 100 ms of release.
    const WavFile wav = render_text(
        "tempo 60\n"
        "voice lead square volume=0.5 attack=0 release=100\n"
        "lead A4/4\n");
    EXPECT_EQ(wav.samples.size(), 44100u + 4410u);
    EXPECT_EQ(wav.riff, "RIFF");
    EXPECT_EQ(wav.riff_size, 36u + 2u * 48510u);
    EXPECT_EQ(wav.wave, "WAVE");
    EXPECT_EQ(wav.fmt, "fmt ");
    EXPECT_EQ(wav.fmt_size, 16u);
    EXPECT_EQ(wav.format, 1);  // PCM
    EXPECT_EQ(wav.channels, 1);
    EXPECT_EQ(wav.rate, 44100u);
    EXPECT_EQ(wav.byte_rate, 88200u);
    EXPECT_EQ(wav.block_align, 2);
    EXPECT_EQ(wav.bits, 16);
    EXPECT_EQ(wav.data, "data");
    EXPECT_EQ(wav.data_size, 2u * 48510u);
    EXPECT_EQ(wav.peak(), 16384);  // half of full scale
    EXPECT_LT(std::abs(wav.samples.back()), 20) << "the release ends in silence";
    EXPECT_EQ(files(), (std::vector<std::string>{"out.wav", "tune.score"}));
}

struct Shape {
    const char* voice;
    const char* note;
    double frequency;
    double positive;  // part of the period above zero
    double rising;    // part of the samples higher than the one before
};

// One second of a note, with the first and last quarters left out.
Shape measure(const WavFile& wav) {
    int crossings = 0, positive = 0, rising = 0, counted = 0;
    for (std::size_t i = 11025; i < 33075; ++i, ++counted) {
        const int now = wav.samples[i], before = wav.samples[i - 1];
        crossings += before <= 0 && now > 0;
        positive += now > 0;
        rising += now > before;
    }
    return {"", "", crossings / 0.5, static_cast<double>(positive) / counted,
            static_cast<double>(rising) / counted};
}

TEST_F(SynthTest, WaveformsHaveTheirPeriodAndShape) {
    const Shape shapes[] = {
        {"square duty=0.5", "A4", 440, 0.5, 0.0},
        {"square duty=0.25", "A4", 440, 0.25, 0.0},
        {"square duty=0.125", "A2", 110, 0.125, 0.0},
        {"triangle", "A3", 220, 0.5, 0.5},
        {"saw", "A5", 880, 0.5, 0.96},
        {"saw", "C4", 261.63, 0.5, 0.99},
    };
    for (const Shape& want : shapes) {
        SCOPED_TRACE(std::string(want.voice) + " " + want.note);
        const WavFile wav = render_text(std::string("tempo 60\nvoice v ") + want.voice +
                                        " attack=0\nv " + want.note + "/4\n");
        const Shape got = measure(wav);
        EXPECT_NEAR(got.frequency, want.frequency, 2.0);
        EXPECT_NEAR(got.positive, want.positive, 0.02);
        EXPECT_NEAR(got.rising, want.rising, 0.03);
    }
}

// Correlation of the first 10000 samples with those `lag` samples later, from -1 to 1.
double correlation(const std::vector<std::int16_t>& s, std::size_t lag) {
    double both = 0, alone = 0;
    for (std::size_t i = 0; i < 10000; ++i) {
        both += static_cast<double>(s[i]) * s[i + lag];
        alone += static_cast<double>(s[i]) * s[i];
    }
    return both / alone;
}

TEST_F(SynthTest, NoiseHasNoPeriodAndFollowsItsPitch) {
    const WavFile hiss = render_text("tempo 60\nvoice v noise attack=0 release=0\nv A7/4\n");
    for (std::size_t lag = 1; lag < 1000; ++lag) {
        ASSERT_LT(std::abs(correlation(hiss.samples, lag)), 0.05)
            << "a period of " << lag << " samples";
    }
    const WavFile rumble = render_text("tempo 60\nvoice v noise attack=0 release=0\nv A2/4\n");
    EXPECT_GT(correlation(rumble.samples, 1), 0.9) << "low noise changes slowly";
    EXPECT_GT(measure(hiss).frequency, 8 * measure(rumble).frequency);
}

TEST_F(SynthTest, EnvelopesRiseDecayAndFall) {
    struct Point {
        const char* sound;
        const char* note;  // at tempo 120: a quarter lasts 0.5 s
        double seconds;
        double level;
    };
    const Point points[] = {
        // 100 ms of attack, 200 ms of release after the half second.
        {"attack=100 release=200", "A4/4", 0.025, 0.25},
        {"attack=100 release=200", "A4/4", 0.050, 0.50},
        {"attack=100 release=200", "A4/4", 0.300, 1.00},
        {"attack=100 release=200", "A4/4", 0.500, 1.00},
        {"attack=100 release=200", "A4/4", 0.550, 0.75},
        {"attack=100 release=200", "A4/4", 0.650, 0.25},
        // Straight to the peak, then 200 ms down to the sustain level of 0.4.
        {"attack=0 decay=200 sustain=0.4 release=0", "A4/2", 0.100, 0.70},
        {"attack=0 decay=200 sustain=0.4 release=0", "A4/2", 0.800, 0.40},
        // Held for half of its length, then released from the sustain level.
        {"attack=0 sustain=0.8 gate=0.5 release=100", "A4/4", 0.240, 0.80},
        {"attack=0 sustain=0.8 gate=0.5 release=100", "A4/4", 0.300, 0.40},
    };
    for (const Point& point : points) {
        SCOPED_TRACE(std::string(point.sound) + " at " + std::to_string(point.seconds));
        const WavFile wav = render_text(std::string("tempo 120\nvoice v square volume=0.5 ") +
                                        point.sound + "\nv " + point.note + "\n");
        EXPECT_NEAR(level_at(wav, point.seconds, 0.5), point.level, 0.03);
    }
    EXPECT_EQ(
        render_text("tempo 120\nvoice v square attack=100 release=200\nv A4/4\n").samples.size(),
        22050u + 8820u);
}

TEST_F(SynthTest, ANoteCutsTheReleaseOfTheOneBeforeButARestLetsItRing) {
    // Eighths of 125 ms, each with two seconds of release, then a chord of two notes.
    const WavFile run = render_text(
        "tempo 240\nvoice v square volume=0.5 attack=0 release=2000\n"
        "v A4/8 C5 E5 A5 [C4 E4]/2\n");
    const auto peak_between = [&](double from, double to) {
        int peak = 0;
        const auto end = static_cast<std::size_t>(to * kRate);
        for (auto i = static_cast<std::size_t>(from * kRate); i < end; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(run.samples[i])));
        }
        return peak;
    };
    EXPECT_LE(peak_between(0.0, 0.5), 16384) << "one note at a time";
    EXPECT_LT(peak_between(0.125 - 0.001, 0.125), 16384 / 4) << "faded out, not cut with a click";
    EXPECT_GT(peak_between(0.5, 1.0), 30000) << "both notes of the chord";

    const WavFile rest =
        render_text("tempo 60\nvoice v square volume=0.5 attack=0 release=500\nv A4/8 r/8\n");
    EXPECT_NEAR(level_at(rest, 0.75, 0.5), 0.5, 0.03) << "half way through the release";
}

TEST_F(SynthTest, EchoesRepeatAfterTheirDelayAndFade) {
    // A 50 ms blip heard again every 200 ms at half the level before, until it is
    // below a thousandth: ten echoes.
    const WavFile wav = render_text(
        "tempo 300\nvoice v square volume=0.5 attack=0 release=0 echo=200 feedback=0.5\nv A4/16\n");
    EXPECT_EQ(wav.samples.size(), 2205u + 10u * 8820u);
    EXPECT_NEAR(level_at(wav, 0.045, 0.5), 1.0, 0.03);
    EXPECT_NEAR(level_at(wav, 0.150, 0.5), 0.0, 0.01);
    EXPECT_NEAR(level_at(wav, 0.245, 0.5), 0.5, 0.03);
    EXPECT_NEAR(level_at(wav, 0.445, 0.5), 0.25, 0.03);
}

}  // namespace
}  // namespace vov::synth::test
