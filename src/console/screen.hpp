// The console the game writes into: a grid of code-page-850 cells, each with a
// colour attribute, a cursor and the current text colour. It behaves like the
// DOS/Windows console the game was made for:
//  - printf text always shows in the console's default colour, "\n" starts a new
//    line at column 1;
//  - cprintf text takes the current colour, "\n" moves one row down and keeps the
//    column, "\r" goes back to column 1;
//  - text wraps at the right edge and the area scrolls up at the bottom; "\b"
//    goes back one cell, from the first column to the end of the row above;
//  - gotoxy outside the area is ignored; clrscr fills with the current colour.
// Columns and rows are numbered from 1. There is no I/O here: a front end draws
// the cells (see curses_terminal.hpp) and tests read them.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>
#include <vector>

namespace vov {

// The game's console, as the game draws it: 80 columns and 44 rows.
inline constexpr int kConsoleColumns = 80;
inline constexpr int kConsoleRows = 44;

struct Cell {
    std::uint8_t ch = ' ';    // code page 850
    std::uint8_t attr = 0x07; // conio attribute: foreground bits 0-3, background 4-6, blink 7
    bool operator==(const Cell&) const = default;
};

class Screen {
public:
    static constexpr std::uint8_t kDefaultAttr = 0x07;  // light grey on black

    Screen(int cols, int rows, std::uint8_t default_attr = kDefaultAttr);

    void clrscr();
    void gotoxy(int x, int y);
    void textcolor(int colour);
    void cprintf(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    void printf(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    void vcprintf(const char* fmt, std::va_list args) __attribute__((format(printf, 2, 0)));
    void vprintf(const char* fmt, std::va_list args) __attribute__((format(printf, 2, 0)));
    // Writes raw bytes the way printf would (the echo of typed lines).
    void write_plain(const std::string& bytes);

    int cols() const { return cols_; }
    int rows() const { return rows_; }
    int cursor_x() const { return x_; }
    int cursor_y() const { return y_; }
    std::uint8_t attr() const { return attr_; }
    std::uint8_t default_attr() const { return default_attr_; }
    const Cell& at(int x, int y) const { return cells_[index(x, y)]; }

    // Row y decoded to UTF-8, trailing blanks removed (for tests and dumps).
    std::string row_text(int y) const;
    // Row y as one colour digit per cell ('0'-'9', 'a'-'f' for the foreground).
    std::string row_colours(int y) const;
    // Bumped on every change, so a front end can skip drawing an unchanged screen.
    std::uint64_t version() const { return version_; }
    // Rows scrolled off the top since the console was made.
    std::uint64_t scrolled_rows() const { return scrolled_rows_; }

private:
    enum class Mode { Plain, Coloured };
    void write(const std::string& bytes, Mode mode);
    void put(std::uint8_t ch, std::uint8_t attr);
    void back_one_cell();
    void line_feed();
    void scroll_up();
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>((y - 1) * cols_ + (x - 1));
    }

    int cols_;
    int rows_;
    std::uint8_t default_attr_;
    std::uint8_t attr_;
    int x_ = 1;
    int y_ = 1;
    std::vector<Cell> cells_;
    std::uint64_t version_ = 0;
    std::uint64_t scrolled_rows_ = 0;
};

}  // namespace vov
