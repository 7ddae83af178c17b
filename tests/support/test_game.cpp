#include "test_game.hpp"

#include "console/cp850.hpp"

namespace vov::test {

void ScriptedKeyboard::type(const std::string& keys) {
    for (const char c : keys) keys_.push_back(static_cast<unsigned char>(c));
}

int ScriptedKeyboard::read_key() {
    if (on_wait) on_wait();
    if (keys_.empty()) throw ScriptExhausted();
    const int key = keys_.front();
    keys_.pop_front();
    return key;
}

std::string TestGame::text() const {
    std::vector<std::string> rows;
    for (int y = 1; y <= screen.rows(); ++y) rows.push_back(screen.row_text(y));
    while (!rows.empty() && rows.back().empty()) rows.pop_back();
    std::string out;
    for (const auto& r : rows) out += r + "\n";
    return out;
}

int TestGame::find_row(const std::string& needle) const {
    for (int y = 1; y <= screen.rows(); ++y) {
        if (screen.row_text(y).find(needle) != std::string::npos) return y;
    }
    return 0;
}

int TestGame::colour_of(const std::string& needle) const {
    for (int y = 1; y <= screen.rows(); ++y) {
        const std::string row = screen.row_text(y);
        const std::size_t pos = row.find(needle);
        if (pos == std::string::npos) continue;
        // Count the characters (not bytes) before the match.
        int x = 1;
        for (std::size_t i = 0; i < pos; ++i) {
            if ((static_cast<unsigned char>(row[i]) & 0xC0) != 0x80) ++x;
        }
        return screen.at(x, y).attr & 0x0F;
    }
    return -1;
}

bool TestGame::ends_game(const std::function<void()>& step) {
    try {
        step();
    } catch (const GameOver&) {
        return true;
    }
    return false;
}

std::string cp850(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        char32_t ch = c;
        std::size_t len = 1;
        if (c >= 0xF0) {
            ch = c & 0x07u;
            len = 4;
        } else if (c >= 0xE0) {
            ch = c & 0x0Fu;
            len = 3;
        } else if (c >= 0xC0) {
            ch = c & 0x1Fu;
            len = 2;
        }
        for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k) {
            ch = (ch << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        }
        i += len;
        const auto code = unicode_to_cp850(ch);
        out += static_cast<char>(code ? *code : '?');
    }
    return out;
}

}  // namespace vov::test
