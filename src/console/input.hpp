// Keyboard reading as the game knows it: getch (one key, no echo) and the line
// input of the C library, whose typed line is echoed on the screen and whose
// unread rest stays pending for the next read, like scanf on a console.
#pragma once

#include <optional>
#include <string>

#include "console/keyboard.hpp"
#include "console/screen.hpp"

namespace vov {

class Input {
public:
    // The longest line a player can type; further keys are ignored.
    static constexpr std::size_t kMaxLine = 160;

    Input(Keyboard& keyboard, Screen& screen) : keyboard_(keyboard), screen_(screen) {}

    // One key, not echoed. Throws GameOver when the input is closed.
    int getch();
    // scanf("%s"): skips blanks and empty lines, returns one word; the rest of the
    // line stays pending.
    std::string scan_word();
    // scanf("%d"): reads an optionally signed number from what is left of the last
    // line, or from a new line when nothing is left. When the text there is not a
    // number, or the new line is empty, the rest of that line is discarded and
    // nothing is returned. A number too large for an int comes back clamped.
    std::optional<int> scan_int();
    // fflush(stdin) then gets(): drops whatever is pending and reads a whole new
    // line, without its line end.
    std::string read_line();

private:
    void read_new_line();
    bool pending_blank() const;
    void skip_blanks();
    std::optional<int> discard_line();

    Keyboard& keyboard_;
    Screen& screen_;
    std::string pending_;  // the unread rest of the last typed line, with its '\n'
    std::size_t pos_ = 0;
};

}  // namespace vov
