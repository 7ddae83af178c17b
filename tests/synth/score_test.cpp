// The score language: what a score says and when each note plays, the errors of a
// malformed score (file, line and column, and no file written), and garbage in.
#include "score.hpp"

#include <random>
#include <tuple>

#include "render.hpp"
#include "wav_file.hpp"

namespace vov::synth::test {
namespace {

using Laid = std::tuple<std::int64_t, std::int64_t, int, double>;  // start, length, pitch, level

std::vector<Laid> laid_out(const Voice& voice) {
    std::vector<Laid> notes;
    for (const Note& n : voice.notes) notes.emplace_back(n.start, n.length, n.pitch, n.level);
    return notes;
}

TEST(ScoreLanguage, NotesLengthsChordsRepeatsPhrasesAndDynamics) {
    const Score score = parse_score(
        "tempo 90   # quarter notes a minute\n"
        "meter 4/4\n"
        "length 1:05.5\n"
        "voice v triangle attack=20 release=300 volume=0.3 echo=250\n"
        "phrase turn C4/16 D4 C4 B3\n"
        "phrase bar $turn E4/8. F#4/16 [G4 B4]/4 Bb4/8t Cb5 E#4\n"
        "v | p $bar |\n"
        "v |: mf $turn+12 r/2. :|x2 | ff $bar-2 |\n",
        "tune.score");
    EXPECT_EQ(score.tempo, 90);
    EXPECT_EQ(score.length, 65.5);
    ASSERT_EQ(score.voices.size(), 1u);
    const Voice& v = score.voices[0];
    EXPECT_EQ(v.sound.wave, Wave::triangle);
    EXPECT_DOUBLE_EQ(v.sound.attack, 0.020);
    EXPECT_DOUBLE_EQ(v.sound.release, 0.300);
    EXPECT_DOUBLE_EQ(v.sound.volume, 0.3);
    EXPECT_DOUBLE_EQ(v.sound.echo, 0.250);
    // A whole note is 7680 ticks: a quarter 1920, a sixteenth 480, a triplet eighth 640.
    // clang-format off
    const std::vector<Laid> expected = {
        // Bar 1, piano: the turn, a dotted eighth, a chord, three triplet eighths.
        {0, 480, 60, 0.4}, {480, 480, 62, 0.4}, {960, 480, 60, 0.4}, {1440, 480, 59, 0.4},
        {1920, 1440, 64, 0.4}, {3360, 480, 66, 0.4},
        {3840, 1920, 67, 0.4}, {3840, 1920, 71, 0.4},
        {5760, 640, 70, 0.4}, {6400, 640, 71, 0.4}, {7040, 640, 65, 0.4},
        // Bars 2 and 3: the turn an octave up and a dotted half rest, twice.
        {7680, 480, 72, 0.75}, {8160, 480, 74, 0.75}, {8640, 480, 72, 0.75},
        {9120, 480, 71, 0.75},
        {15360, 480, 72, 0.75}, {15840, 480, 74, 0.75}, {16320, 480, 72, 0.75},
        {16800, 480, 71, 0.75},
        // Bar 4, fortissimo: bar 1 a tone lower.
        {23040, 480, 58, 1.25}, {23520, 480, 60, 1.25}, {24000, 480, 58, 1.25},
        {24480, 480, 57, 1.25},
        {24960, 1440, 62, 1.25}, {26400, 480, 64, 1.25},
        {26880, 1920, 65, 1.25}, {26880, 1920, 69, 1.25},
        {28800, 640, 68, 1.25}, {29440, 640, 69, 1.25}, {30080, 640, 63, 1.25},
    };
    // clang-format on
    EXPECT_EQ(laid_out(v), expected);
    EXPECT_EQ(v.end, 30720);
}

TEST(ScoreLanguage, LengthsAddUpAndTicksBecomeSamples) {
    const Score score =
        parse_score("tempo 120\nvoice v square\nv C4/2+8 D4/4.. E4/1 r/16.\n", "tune.score");
    EXPECT_EQ(
        laid_out(score.voices[0]),
        (std::vector<Laid>{{0, 4800, 60, 1.0}, {4800, 3360, 62, 1.0}, {8160, 7680, 64, 1.0}}));
    EXPECT_EQ(score.voices[0].end, 8160 + 7680 + 720);
    // A bar line closes whole bars: one, or several under a long note.
    EXPECT_EQ(
        parse_score("tempo 60\nmeter 3/4\nvoice v saw\nv C4/2. | D4/2.+2. | r/4 E4/2 |\n", "t")
            .voices[0]
            .end,
        4 * 5760);
    EXPECT_EQ(sample_at(1920, 120), 22050);  // a quarter at 120 lasts half a second
    EXPECT_EQ(sample_at(640, 90), 9800);     // a triplet eighth at 90 lasts 2/9 of a second
    EXPECT_EQ(sample_at(1, 400), 3);         // 3.45 samples
    EXPECT_EQ(sample_at(1, 20), 69);         // 68.9 samples
}

struct Malformed {
    const char* text;
    int line;
    int column;
    const char* message;
};

TEST_F(SynthTest, MalformedScoresNameFileLineAndColumnAndWriteNothing) {
    const std::string start = "tempo 120\nvoice v square\n";  // lines 1 and 2
    // clang-format off
    const Malformed cases[] = {
        {"", 1, 1, "no tempo"},
        {"tempo 120\n", 1, 1, "no voice"},
        {"tempo 120\nvoice v square\n", 1, 1, "plays no note"},
        {"tempo 12O\n", 1, 7, "the tempo is a whole number"},
        {"tempo 120\ntempo 100\n", 2, 1, "\"tempo\" is given twice"},
        {"tempo\n", 1, 6, "\"tempo\" needs a value"},
        {"tempo 120 fast\n", 1, 11, "unexpected \"fast\""},
        {"meter 4/5\n", 1, 7, "a meter is written like 4/4"},
        {"length 2:75\n", 1, 8, "a length is written like 30s"},
        {"tempo 120\nvoice v sine\n", 2, 9, "unknown waveform \"sine\""},
        {"tempo 120\nvoice v square duty=1.5\n", 2, 21, "duty goes from 0.01 to 0.99"},
        {"tempo 120\nvoice v square  release=-3\n", 2, 25, "release goes from 0 to 10000 ms"},
        {"tempo 120\nvoice v square loud=1\n", 2, 16, "unknown setting \"loud\""},
        {"tempo 120\nvoice v square\nvoice v saw\n", 3, 7, "voice \"v\" is declared twice"},
        {"tempo 120\nvoice 2v square\n", 2, 7, "\"2v\" cannot name a voice"},
        {"w C4\n", 3, 1, "unknown voice or directive \"w\""},
        {"v C4 H4\n", 3, 6, "expected a note"},
        {"v C\n", 3, 4, "a note needs its octave"},
        {"v C4/3\n", 3, 6, "a length is 1, 2, 4, 8, 16, 32 or 64"},
        {"v C4/4... \n", 3, 9, "at most two dots"},
        {"v C4-4\n", 3, 5, "a length starts with '/'"},
        {"v C4\tr/4x\n", 3, 9, "unexpected \"x\""},
        {"v [C4 E4\n", 3, 3, "chord without its closing ']'"},
        {"v [C4 E4/4]\n", 3, 9, "a chord holds notes only"},
        {"v []/4\n", 3, 3, "a chord holds 1 to 8 notes"},
        {"meter 3/4\nv C4/4 D4 E4 |\nv F4 G4 A4 B4 |\n", 5, 15,
         "this bar of voice \"v\" lasts 1, the meter wants 3/4"},
        {"v |: C4/1\n", 3, 3, "\"|:\" starts a repeat that no \":|\" ends"},
        {"v C4/1 :|\n", 3, 8, "\":|\" ends a repeat that no \"|:\" started"},
        {"v |: C4/1 :|x0\n", 3, 11, "a repeat ends with \":|\" or \":|x3\""},
        {"v $nope\n", 3, 3, "unknown phrase \"nope\""},
        {"phrase a C4 $b\nphrase b D4 $a\nv $a\n", 4, 13, "phrase \"a\" plays itself"},
        {"phrase high C8/4\nv $high+12\n", 3, 13, "note out of range once transposed"},
        {"v Cb0\n", 3, 3, "note out of range"},
        {"phrase a |: C4/1 :|x99\nv |: $a :|x99\n", 3, 13, "more than 10 minutes"},
    };
    // clang-format on
    std::ofstream(dir_.path() / "old.wav") << "the last good render";
    for (const Malformed& bad : cases) {
        const std::string text = bad.line == 1 || std::string(bad.text).starts_with("tempo")
                                     ? bad.text
                                     : start + bad.text;
        SCOPED_TRACE(text);
        EXPECT_EQ(run(text, "old.wav"), 1);
        const std::string where = (dir_.path() / "tune.score").string() + ":" + std::to_string(bad.line) +
                                  ":" + std::to_string(bad.column) + ": ";
        EXPECT_EQ(errors_.str().substr(0, where.size()), where) << errors_.str();
        EXPECT_NE(errors_.str().find(bad.message), std::string::npos) << errors_.str();
    }
    EXPECT_EQ(files(), (std::vector<std::string>{"old.wav", "tune.score"}));
    std::ifstream old(dir_.path() / "old.wav");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "the last good render");
}

TEST_F(SynthTest, FilesThatCannotBeReadOrWrittenAreErrors) {
    const std::string score = (dir_.path() / "tune.score").string();
    std::ostringstream out, err;
    EXPECT_EQ(run_synth({(dir_.path() / "absent.score").string(), "out.wav"}, out, err), 1);
    EXPECT_EQ(err.str(), (dir_.path() / "absent.score").string() + ": cannot read the score\n");

    EXPECT_EQ(run("tempo 60\nvoice v saw\nv C4\n", "no/such/folder/out.wav"), 1);
    EXPECT_EQ(errors_.str(),
              (dir_.path() / "no/such/folder/out.wav").string() + ": cannot write the WAV file\n");
    EXPECT_EQ(files(), (std::vector<std::string>{"tune.score"}));

    // A WAV that cannot take its place leaves nothing half made beside it.
    fs::create_directory(dir_.path() / "taken.wav");
    EXPECT_EQ(run("tempo 60\nvoice v saw\nv C4\n", "taken.wav"), 1);
    EXPECT_EQ(errors_.str(), (dir_.path() / "taken.wav").string() + ": cannot write the WAV file\n");
    EXPECT_EQ(files(), (std::vector<std::string>{"taken.wav", "tune.score"}));

    EXPECT_EQ(run_synth({score}, out, err), 2) << "one argument is missing";
    // "-" writes the WAV to standard output.
    std::ostringstream wav;
    EXPECT_EQ(run_synth({score, "-"}, wav, err), 0);
    EXPECT_EQ(wav.str().size(), 44u + 2u * 44100u + 2u * 882u);  // a second and the release
    EXPECT_EQ(wav.str().substr(0, 4), "RIFF");
}

// Thousands of damaged copies of a good score: each one renders or is refused with
// an error that names the file, line and column; nothing else may happen.
TEST(ScoreLanguage, GarbageInGivesErrorsNeverCrashes) {
    const std::string good =
        "tempo 280\nmeter 3/4\nlength 2s\n"
        "voice lead square duty=0.25 attack=5 decay=80 sustain=0.5 release=60 volume=0.2 "
        "vibrato=20\n"
        "voice bass triangle volume=0.3 sweep=-40\nvoice drum noise decay=50 sustain=0 echo=90\n"
        "phrase m C5/8 D5 E5/4 [G4 B4]/4 | \nlead |: p $m $m+5 :|x2 | ff $m-7\n"
        "bass C3/2. | G2/4 r/2 | C3/8t E3 G3 r/2 |\ndrum C7/8 C3/16. C5/32 r/2 |\n";
    ASSERT_NO_THROW(render(parse_score(good, "good.score")));
    const std::string alphabet = "ABCDEFGrb#/.+-|:$[]x0123456789 \n=tpf";
    std::mt19937 random(12345);
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    int rendered = 0, refused = 0;
    for (int round = 0; round < 2000; ++round) {
        std::string text = good;
        for (int changes = 1 + static_cast<int>(pick(2)); changes > 0; --changes) {
            const std::size_t at = pick(text.size());
            switch (pick(4)) {
                case 0:
                    text[at] = alphabet[pick(alphabet.size())];
                    break;
                case 1:
                    text.erase(at, pick(12));
                    break;
                case 2:
                    text.insert(at, text.substr(pick(text.size()), pick(20)));
                    break;
                default:
                    text[at] = static_cast<char>(pick(256));
                    break;
            }
        }
        try {
            const Score score = parse_score(text, "garbage.score");
            if (rendered_length(score) < 5 * 44100) render(score);
            ++rendered;
        } catch (const ScoreError& error) {
            ++refused;
            const std::string what = error.what();
            ASSERT_TRUE(what.starts_with("garbage.score:") && error.line() >= 1 &&
                        error.column() >= 1)
                << what;
        }
    }
    EXPECT_GT(rendered, 50);
    EXPECT_GT(refused, 1000);  // most damage is refused, some still reads as music
}

}  // namespace
}  // namespace vov::synth::test
