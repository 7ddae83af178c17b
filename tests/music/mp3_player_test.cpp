// The real music player, with an MP3 made here from a generated tone and a WAV
// file standing in for the audio device; and its calls timed against output
// modules that hang without a sound device: OpenAL in its drop right after the
// start, NAS in its open.
#include "console/mp3_player.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <numbers>
#include <optional>
#include <thread>
#include <vector>

#include "scratch.hpp"
#include "wav.hpp"

namespace vov {
namespace {

namespace fs = std::filesystem;

// Two seconds of a 440 Hz tone, as the synthesizer writes its WAV files.
void write_tone(const fs::path& path) {
    constexpr int kRate = 44100;
    std::vector<std::int16_t> samples(2 * kRate);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        samples[i] = static_cast<std::int16_t>(12000 * std::sin(2 * std::numbers::pi * 440 * t));
    }
    synth::save_wav(path.string(), samples);
}

class Mp3PlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        write_tone("tone.wav");
        const std::string command = "lame --quiet tone.wav tone.mp3";
        ASSERT_EQ(std::system(command.c_str()), 0) << "lame is needed to make the test MP3";
    }
    ScratchFolder dir_;
    InFolder inside_{dir_.path()};
};

std::uintmax_t size_when_written(const fs::path& path, std::uintmax_t at_least) {
    for (int i = 0; i < 200; ++i) {
        std::error_code error;
        const auto size = fs::file_size(path, error);
        if (!error && size >= at_least) return size;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return 0;
}

TEST_F(Mp3PlayerTest, PlaysATrackUntilTheStopTrack) {
    Mp3Player player("wav", (dir_.path() / "out.wav").string());
    player.play("tone.mp3");  // returns at once: decoding runs on its own thread
    EXPECT_GT(size_when_written(dir_.path() / "out.wav", 20000), 0u)
        << "the decoded tone never reached the output";
    player.play(kStopMusic);
}

// A track that lies only in the player's music folder plays, as for an installed game.
TEST_F(Mp3PlayerTest, PlaysATrackFoundOnlyInThePlayersMusicFolder) {
    const fs::path music = dir_.path() / "xdg/vovuzavo/music";
    fs::create_directories(music);
    fs::rename("tone.mp3", music / "foret.mp3");
    fs::create_directory("work");
    const InFolder work(dir_.path() / "work");
    const WithVariable xdg("XDG_DATA_HOME", (dir_.path() / "xdg").string());

    Mp3Player player("wav", (dir_.path() / "out.wav").string());
    player.play("foret.mp3");
    EXPECT_GT(size_when_written(dir_.path() / "out.wav", 10000), 0u)
        << "the track of the player's music folder never reached the output";
    player.play(kStopMusic);
}

TEST_F(Mp3PlayerTest, ANewTrackReplacesTheOneThatPlays) {
    Mp3Player player("wav", (dir_.path() / "out.wav").string());
    player.play("tone.mp3");
    ASSERT_GT(size_when_written(dir_.path() / "out.wav", 10000), 0u);
    fs::copy_file("tone.mp3", "again.mp3");
    player.play("again.mp3");  // the first track is stopped first
    EXPECT_GT(size_when_written(dir_.path() / "out.wav", 10000), 0u);
}

TEST_F(Mp3PlayerTest, MissingFilesOrDevicesMeanSilence) {
    {
        Mp3Player player("wav", (dir_.path() / "out.wav").string());
        player.play("absent.mp3");
        player.play(kStopMusic);
        player.play(kStopMusic);
    }
    EXPECT_FALSE(fs::exists(dir_.path() / "out.wav"));
    // A file that is not an MP3, and an output that cannot be opened.
    std::ofstream("noise.mp3") << "not an mp3 at all";
    Mp3Player broken("wav", (dir_.path() / "no" / "such" / "dir.wav").string());
    broken.play("noise.mp3");
    broken.play("tone.mp3");
    broken.stop();
}

using Clock = std::chrono::steady_clock;
constexpr auto kPrompt = std::chrono::milliseconds(200);

// What a run of calls showed: the slowest call, and whether a track's thread was
// left running after the last stop.
struct CallsRun {
    long slowest_ms = -1;
    bool stuck = false;
};

// Plays and changes the track at once, stops, lets a truncated MP3 end by itself,
// plays again and leaves.
CallsRun run_calls(const std::string& module, const std::string& device) {
    Clock::duration slowest{};
    auto timed = [&](auto&& call) {
        const auto start = Clock::now();
        call();
        slowest = std::max(slowest, Clock::now() - start);
    };
    const auto pause = [] { std::this_thread::sleep_for(std::chrono::milliseconds(300)); };
    auto player = std::make_unique<Mp3Player>(module, device);
    timed([&] { player->play("tone.mp3"); });
    timed([&] { player->play("again.mp3"); });
    timed([&] { player->play(kStopMusic); });
    timed([&] { player->play("cut.mp3"); });
    pause();  // the cut track ends by itself
    timed([&] { player->play("fifo.mp3"); });
    timed([&] { player->play("tone.mp3"); });
    pause();
    timed([&] { player->stop(); });
    const bool stuck = player->stuck();
    timed([&] { player->play("again.mp3"); });
    timed([&] { player.reset(); });
    return {std::chrono::duration_cast<std::chrono::milliseconds>(slowest).count(), stuck};
}

// Runs the calls in a child process, which may leave a stuck audio thread behind
// and so ends with _exit, as the game does; the child is killed if it does not
// answer in time.
CallsRun run_calls_in_child(const std::string& module, const std::string& device) {
    int fds[2];
    if (pipe(fds) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);  // OpenAL and ALSA complain there
        const CallsRun run = run_calls(module, device);
        (void)!write(fds[1], &run, sizeof run);
        _exit(0);
    }
    close(fds[1]);
    pollfd wait_for{fds[0], POLLIN, 0};
    CallsRun run;
    if (poll(&wait_for, 1, 10000) != 1 || read(fds[0], &run, sizeof run) != sizeof run) run = {};
    close(fds[0]);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return run;
}

TEST_F(Mp3PlayerTest, EveryCallReturnsAtOnceWhateverTheOutputDoes) {
    fs::copy_file("tone.mp3", "again.mp3");
    const std::string whole = [] {
        std::ifstream in("tone.mp3", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    std::ofstream("cut.mp3", std::ios::binary) << whole.substr(0, whole.size() / 3 + 7);
    ASSERT_EQ(mkfifo("fifo.mp3", 0600), 0);  // never opened: it is not a file
    struct Output {
        const char* module;
        std::string device;
        std::optional<bool> stuck;  // OpenAL hangs only now and then
    };
    for (const auto& [module, device, stuck] :
         {Output{"wav", (dir_.path() / "out.wav").string(), false}, Output{"openal", "", std::nullopt},
          Output{"nas", "", true}}) {
        SCOPED_TRACE(module);
        const CallsRun run = run_calls_in_child(module, device);
        EXPECT_GE(run.slowest_ms, 0) << "a call never returned";
        EXPECT_LE(run.slowest_ms, kPrompt.count());
        if (stuck) {
            EXPECT_EQ(run.stuck, *stuck);
        }
    }
}

}  // namespace
}  // namespace vov
