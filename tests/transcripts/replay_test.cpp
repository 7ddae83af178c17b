// Replays every scripted path of this folder through the whole game and compares
// what the game showed with the stored transcript. On a difference the test names
// the path and the key wait and shows a unified diff of that wait.
//
// After an intended change, rewrite the transcripts on purpose with
//   VOVUZAVO_UPDATE_TRANSCRIPTS=1 ctest --test-dir build -R Transcript
// (or scripts/update-transcripts.sh) and review them as a diff like code.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "transcript.hpp"

namespace vov::test {
namespace {

namespace fs = std::filesystem;

const fs::path kFolder = VOVUZAVO_TRANSCRIPTS_DIR;

std::vector<std::string> path_names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kFolder)) {
        if (entry.path().extension() == ".path") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The transcript cut into its key waits: the header, then one block per "== " line.
std::vector<std::vector<std::string>> blocks_of(const std::string& text) {
    std::vector<std::vector<std::string>> blocks(1);
    for (const std::string& line : lines_of(text)) {
        if (line.rfind("== ", 0) == 0) blocks.emplace_back();
        blocks.back().push_back(line);
    }
    return blocks;
}

// A unified diff of two short blocks (longest common subsequence of their lines).
std::string unified_diff(const std::vector<std::string>& want, const std::vector<std::string>& got) {
    const std::size_t n = want.size();
    const std::size_t m = got.size();
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            common[i][j] = want[i] == got[j] ? common[i + 1][j + 1] + 1
                                             : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    std::ostringstream out;
    out << "--- stored\n+++ replayed\n";
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && want[i] == got[j]) {
            out << ' ' << want[i++] << '\n';
            ++j;
        } else if (j < m && (i == n || common[i][j + 1] >= common[i + 1][j])) {
            out << '+' << got[j++] << '\n';
        } else {
            out << '-' << want[i++] << '\n';
        }
    }
    return out.str();
}

std::string read_file(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::size_t characters(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Text that reaches the last column runs into the next row: a line of narration
// that fills the row and then ends breaks twice. Only the music notice's last line
// (no line end follows it), the one quoted sentence longer than a row, and the
// fight screens (whose messages are placed one by one, under rules of 80 dashes)
// may reach it.
std::vector<std::string> rows_reaching_the_edge(const std::string& transcript) {
    std::vector<std::string> found;
    for (const auto& wait : blocks_of(transcript)) {
        const bool fight_screen = std::find(wait.begin(), wait.end(), "39|" + std::string(80, '-')) != wait.end();
        if (fight_screen) continue;
        for (const std::string& line : wait) {
            const std::size_t bar = line.find('|');
            if (bar != 2 || line.rfind("  ", 0) == 0) continue;  // not a row, or a file's line
            const std::string text = line.substr(3);
            if (characters(text) < 80) continue;
            if (text.rfind("Vous essayez d'enlever la plante", 0) == 0) continue;
            if (text.rfind("Quand cette fen", 0) == 0) continue;
            found.push_back(wait.front() + ": " + text);
        }
    }
    return found;
}

class Transcript : public ::testing::TestWithParam<std::string> {};

TEST_P(Transcript, ReplaysAsStored) {
    const std::string name = GetParam();
    const fs::path stored = kFolder / (name + ".transcript");
    const Path path = read_path(kFolder / (name + ".path"));
    const std::string replayed = record_transcript(path, kFolder / "saves");
    if (const char* update = std::getenv("VOVUZAVO_UPDATE_TRANSCRIPTS"); update && *update == '1') {
        std::ofstream(stored, std::ios::binary) << replayed;
        GTEST_SKIP() << "rewrote " << stored;
    }
    // A console smaller than the game's wraps what it cannot place.
    if (path.rows >= 44) {
        for (const std::string& row : rows_reaching_the_edge(replayed)) {
            ADD_FAILURE() << "a row reaches the last column at " << row;
        }
    }
    ASSERT_TRUE(fs::exists(stored)) << "no transcript for " << name
                                    << ": record it with VOVUZAVO_UPDATE_TRANSCRIPTS=1 and review it";
    const std::string want = read_file(stored);
    if (want == replayed) return;
    const auto want_blocks = blocks_of(want);
    const auto got_blocks = blocks_of(replayed);
    for (std::size_t b = 0; b < std::max(want_blocks.size(), got_blocks.size()); ++b) {
        const auto& w = b < want_blocks.size() ? want_blocks[b] : std::vector<std::string>{};
        const auto& g = b < got_blocks.size() ? got_blocks[b] : std::vector<std::string>{};
        if (w == g) continue;
        const std::string where = !w.empty() ? w.front() : g.front();
        FAIL() << "path " << name << " differs at " << where << "\n" << unified_diff(w, g);
    }
    FAIL() << "path " << name << " differs from its transcript only in its last line end";
}

INSTANTIATE_TEST_SUITE_P(Paths, Transcript, ::testing::ValuesIn(path_names()),
                         [](const ::testing::TestParamInfo<std::string>& path) { return path.param; });

}  // namespace
}  // namespace vov::test
