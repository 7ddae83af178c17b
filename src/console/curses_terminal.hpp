// The real terminal, through ncursesw: shows the game's Screen (code page 850
// turned into Unicode, the 16 console colours on black) and reads keys. The screen
// is drawn right before each key wait, and only the cells that changed are sent.
// The terminal is restored on every way out: normal end, signals (SIGINT, SIGQUIT,
// SIGTERM and SIGHUP end the game through its normal path), exceptions, exit().
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

#include "console/keyboard.hpp"
#include "console/screen.hpp"

namespace vov {

// Thrown by the constructor when the terminal cannot show the game; what() is a
// message for the player, in French, to print on stderr.
struct TerminalUnusable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class CursesTerminal : public Keyboard {
public:
    // The console is never larger than this, whatever the terminal says.
    static constexpr int kMostColumns = kConsoleColumns;
    static constexpr int kMostRows = 200;

    // Takes over the terminal on `out` and `in` (the real one by default).
    explicit CursesTerminal(std::FILE* out = stdout, std::FILE* in = stdin);
    ~CursesTerminal() override;
    CursesTerminal(const CursesTerminal&) = delete;
    CursesTerminal& operator=(const CursesTerminal&) = delete;

    // The game's console: 80 columns (fewer on a narrower terminal) and as many
    // rows as the terminal had at start, up to kMostRows.
    Screen& screen() { return *screen_; }

    int read_key() override;
    // Shows the Screen as it is now.
    void draw();
    // Gives the terminal back; called by the destructor too.
    void restore();

private:
    void draw_changed_cells(int cols, int rows);
    void draw_cell(int x, int y, const Cell& cell);
    int translate(int status, unsigned int ch);

    std::unique_ptr<Screen> screen_;
    std::vector<Cell> drawn_;
    std::uint64_t drawn_version_ = 0;
    bool full_redraw_ = true;
    bool utf8_ = true;
    bool sixteen_colours_ = false;
    bool active_ = false;
};

}  // namespace vov
