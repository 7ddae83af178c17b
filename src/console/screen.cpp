#include "console/screen.hpp"

#include <algorithm>
#include <cstdio>

#include "console/cp850.hpp"

namespace vov {

namespace {

__attribute__((format(printf, 1, 0))) std::string format(const char* fmt, std::va_list args) {
    std::va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    if (needed <= 0) return {};
    std::string out(static_cast<std::size_t>(needed) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), fmt, args);
    out.resize(static_cast<std::size_t>(needed));
    return out;
}

}  // namespace

Screen::Screen(int cols, int rows, std::uint8_t default_attr)
    : cols_(std::max(cols, 1)),
      rows_(std::max(rows, 1)),
      default_attr_(default_attr),
      attr_(default_attr),
      cells_(static_cast<std::size_t>(cols_ * rows_), Cell{' ', default_attr}) {}

void Screen::clrscr() {
    std::fill(cells_.begin(), cells_.end(), Cell{' ', attr_});
    x_ = 1;
    y_ = 1;
    ++version_;
}

void Screen::gotoxy(int x, int y) {
    if (x < 1 || y < 1 || x > cols_ || y > rows_) return;
    x_ = x;
    y_ = y;
    ++version_;
}

void Screen::textcolor(int colour) {
    attr_ = static_cast<std::uint8_t>((attr_ & 0x70) | (colour & 0x8F));
}

void Screen::cprintf(const char* fmt, ...) {
    std::va_list args;
    va_start(args, fmt);
    vcprintf(fmt, args);
    va_end(args);
}

void Screen::printf(const char* fmt, ...) {
    std::va_list args;
    va_start(args, fmt);
    vprintf(fmt, args);
    va_end(args);
}

void Screen::vcprintf(const char* fmt, std::va_list args) { write(format(fmt, args), Mode::Coloured); }
void Screen::vprintf(const char* fmt, std::va_list args) { write(format(fmt, args), Mode::Plain); }
void Screen::write_plain(const std::string& bytes) { write(bytes, Mode::Plain); }

void Screen::write(const std::string& bytes, Mode mode) {
    const std::uint8_t attr = mode == Mode::Plain ? default_attr_ : attr_;
    for (const char c : bytes) {
        const auto ch = static_cast<std::uint8_t>(c);
        switch (ch) {
            case '\n':
                if (mode == Mode::Plain) x_ = 1;
                line_feed();
                break;
            case '\r':
                x_ = 1;
                break;
            case '\t':
                do put(' ', attr);
                while ((x_ - 1) % 8 != 0);
                break;
            case '\b':
                if (x_ > 1) --x_;
                break;
            case '\a':
                break;
            default:
                put(ch, attr);
        }
    }
    ++version_;
}

void Screen::put(std::uint8_t ch, std::uint8_t attr) {
    cells_[index(x_, y_)] = Cell{ch, attr};
    if (++x_ > cols_) {
        x_ = 1;
        line_feed();
    }
}

void Screen::line_feed() {
    if (y_ < rows_) {
        ++y_;
    } else {
        scroll_up();
    }
}

void Screen::scroll_up() {
    std::move(cells_.begin() + cols_, cells_.end(), cells_.begin());
    std::fill(cells_.end() - cols_, cells_.end(), Cell{' ', default_attr_});
}

std::string Screen::row_text(int y) const {
    std::string out;
    if (y < 1 || y > rows_) return out;
    int last = cols_;
    while (last >= 1 && at(last, y).ch == ' ') --last;
    for (int x = 1; x <= last; ++x) append_utf8(out, cp850_to_unicode(at(x, y).ch));
    return out;
}

std::string Screen::row_colours(int y) const {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    if (y < 1 || y > rows_) return out;
    for (int x = 1; x <= cols_; ++x) out += kDigits[at(x, y).attr & 0x0F];
    return out;
}

}  // namespace vov
