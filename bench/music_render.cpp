// Renders every score of the music folder given (default: music) and prints, for
// each track, the length rendered and the length its score states, the peak, and
// the time the synthesizer took (processor time, and wall time on a busy machine);
// then the totals.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "render.hpp"
#include "score.hpp"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
    const fs::path folder = argc > 1 ? argv[1] : "music";
    std::vector<fs::path> scores;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".score") scores.push_back(entry.path());
    }
    std::sort(scores.begin(), scores.end());
    double total_audio = 0, total_ms = 0, total_cpu_ms = 0;
    std::printf("%-14s %9s %9s %10s %9s %9s\n", "track", "length", "stated", "peak dBFS", "cpu",
                "wall");
    for (const fs::path& path : scores) {
        const auto score = vov::synth::read_score(path.string());
        const auto start = Clock::now();
        const std::clock_t cpu_start = std::clock();
        const auto samples = vov::synth::render(score);
        const double cpu_ms =
            1000.0 * static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        int peak = 0;
        for (std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        const double seconds = static_cast<double>(samples.size()) / vov::synth::kSampleRate;
        std::printf("%-14s %8.1fs %8.1fs %10.1f %7.0fms %7.0fms\n", path.stem().c_str(), seconds,
                    score.length.value_or(0), 20 * std::log10(peak / 32767.0), cpu_ms, ms);
        total_audio += seconds;
        total_ms += ms;
        total_cpu_ms += cpu_ms;
    }
    std::printf(
        "%zu tracks, %.1f minutes of music rendered in %.2f s of processor time "
        "(%.0f times real time), %.2f s of wall time\n",
        scores.size(), total_audio / 60, total_cpu_ms / 1000, total_audio * 1000 / total_cpu_ms,
        total_ms / 1000);
}
