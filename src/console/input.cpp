#include "console/input.hpp"

#include <cctype>
#include <climits>

#include "console/game_over.hpp"

namespace vov {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int Input::getch() {
    const int key = keyboard_.read_key();
    if (key == kInputClosed) throw GameOver{};
    return key;
}

// Reads one typed line, echoing it as the console does: printable characters at
// the cursor, Backspace erasing the last one, Enter moving to a new line.
void Input::read_new_line() {
    std::string line;
    for (;;) {
        const int key = getch();
        if (key == '\n' || key == '\r') break;
        if (key == '\b' || key == 127) {
            if (line.empty()) continue;
            line.pop_back();
            screen_.write_plain("\b \b");
            continue;
        }
        if (key < 32 || key >= kSpecialKey || key == 127) continue;
        if (line.size() >= kMaxLine) continue;
        line += static_cast<char>(key);
        screen_.write_plain(std::string(1, static_cast<char>(key)));
    }
    screen_.write_plain("\n");
    pending_ = line + '\n';
    pos_ = 0;
}

bool Input::pending_blank() const {
    for (std::size_t i = pos_; i < pending_.size(); ++i) {
        if (!is_blank(pending_[i])) return false;
    }
    return true;
}

void Input::skip_blanks() {
    while (pending_blank()) read_new_line();
    while (is_blank(pending_[pos_])) ++pos_;
}

std::optional<int> Input::discard_line() {
    pending_.clear();
    pos_ = 0;
    return std::nullopt;
}

std::string Input::scan_word() {
    skip_blanks();
    const std::size_t start = pos_;
    while (pos_ < pending_.size() && !is_blank(pending_[pos_])) ++pos_;
    return pending_.substr(start, pos_ - start);
}

std::optional<int> Input::scan_int() {
    // What is left of the last line is read first; when nothing is, a new line.
    // A typed line that holds nothing is no number either.
    if (pending_blank()) {
        read_new_line();
        if (pending_blank()) return discard_line();
    }
    while (is_blank(pending_[pos_])) ++pos_;
    std::size_t p = pos_;
    bool negative = false;
    if (pending_[p] == '+' || pending_[p] == '-') negative = pending_[p++] == '-';
    if (!is_digit(pending_[p])) return discard_line();
    long long value = 0;
    while (is_digit(pending_[p])) {
        if (value <= INT_MAX) value = value * 10 + (pending_[p] - '0');
        ++p;
    }
    pos_ = p;
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::string Input::read_line() {
    pending_.clear();
    pos_ = 0;
    read_new_line();
    std::string line = pending_.substr(0, pending_.size() - 1);
    pending_.clear();
    return line;
}

}  // namespace vov
