#include "console/curses_terminal.hpp"

#ifndef _XOPEN_SOURCE_EXTENDED
#define _XOPEN_SOURCE_EXTENDED 1
#endif
#include <curses.h>
#include <langinfo.h>
#include <term.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "console/cp850.hpp"

namespace vov {

namespace {

volatile std::sig_atomic_t g_stop_signal = 0;
SCREEN* g_terminal = nullptr;

extern "C" void on_stop_signal(int signal_number) { g_stop_signal = signal_number; }

// Restores the terminal whatever way the process ends.
void restore_terminal_at_exit() {
    if (g_terminal != nullptr && !isendwin()) endwin();
}

void install_signal_handlers() {
    struct sigaction action {};
    action.sa_handler = on_stop_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a waiting key read is interrupted
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGQUIT, &action, nullptr);  // Ctrl-\ quits like Ctrl-C
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

bool locale_is_utf8() {
    const char* codeset = nl_langinfo(CODESET);
    return codeset != nullptr && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
}

// True when terminfo describes `type` and it can place the cursor anywhere.
bool can_address_cursor(const char* type, int fd) {
    int status = 0;
    if (setupterm(type, fd, &status) != OK) return false;
    const char* move = tigetstr("cup");
    const bool addressable = move != nullptr && move != reinterpret_cast<char*>(-1);
    del_curterm(cur_term);
    cur_term = nullptr;
    return addressable;
}

bool is_known_terminal(const char* type, int fd) {
    int status = 0;
    if (setupterm(type, fd, &status) != OK) return false;
    del_curterm(cur_term);
    cur_term = nullptr;
    return true;
}

// The terminal type to draw with. A TERM that terminfo does not know (an emulator
// whose own entry is not installed here) is drawn as "xterm", which nearly every
// terminal emulator understands. A known TERM without cursor addressing (dumb, an
// editor's shell buffer) is a terminal that cannot show the game: it is refused.
std::string terminal_type(int fd) {
    const char* term = std::getenv("TERM");
    if (term == nullptr || *term == '\0' || !is_known_terminal(term, fd)) return "xterm";
    if (!can_address_cursor(term, fd)) {
        throw TerminalUnusable(std::string("vovuzavo : le terminal TERM=") + term +
                               " ne sait pas placer le curseur, le jeu ne peut pas s'y afficher."
                               " Lancez-le dans un terminal complet (comme xterm).");
    }
    return term;
}

// The console's colour numbers in curses' order (blue and red swapped, and so on).
constexpr short kCursesColour[8] = {COLOR_BLACK, COLOR_BLUE,    COLOR_GREEN,  COLOR_CYAN,
                                    COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};

short pair_number(int fg, int bg) { return static_cast<short>(1 + fg + 16 * bg); }

}  // namespace

CursesTerminal::CursesTerminal(std::FILE* out, std::FILE* in) {
    std::setlocale(LC_ALL, "");
    if (!locale_is_utf8()) std::setlocale(LC_CTYPE, "C.UTF-8");
    utf8_ = locale_is_utf8();

    const std::string type = terminal_type(fileno(out));
    // The size comes from the terminal itself before LINES and COLUMNS.
    use_tioctl(TRUE);
    g_terminal = newterm(type.c_str(), out, in);
    if (g_terminal == nullptr) {
        throw TerminalUnusable("vovuzavo : impossible d'utiliser ce terminal (TERM=" + type +
                               ", LINES, COLUMNS).");
    }
    set_term(g_terminal);
    active_ = true;
    std::atexit(restore_terminal_at_exit);
    static const std::terminate_handler previous = std::set_terminate([] {
        restore_terminal_at_exit();
        if (previous != nullptr) previous();
        std::abort();
    });
    install_signal_handlers();

    cbreak();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    intrflush(stdscr, FALSE);
    set_escdelay(25);
    curs_set(1);

    if (has_colors()) {
        start_color();
        sixteen_colours_ = COLORS >= 16;
        const int backgrounds = COLOR_PAIRS > 128 ? 8 : 1;
        for (int bg = 0; bg < backgrounds; ++bg) {
            for (int fg = 0; fg < 16; ++fg) {
                const short curses_fg = sixteen_colours_ ? static_cast<short>(kCursesColour[fg & 7] + (fg & 8))
                                                         : kCursesColour[fg & 7];
                init_pair(pair_number(fg, bg), curses_fg, kCursesColour[bg]);
            }
        }
        bkgdset(static_cast<chtype>(COLOR_PAIR(pair_number(7, 0))) | ' ');
    }
    clear();

    screen_ = std::make_unique<Screen>(std::clamp(COLS, 1, kMostColumns),
                                       std::clamp(LINES, 1, kMostRows));
    drawn_.assign(static_cast<std::size_t>(screen_->cols() * screen_->rows()), Cell{});
}

CursesTerminal::~CursesTerminal() { restore(); }

void CursesTerminal::restore() {
    if (!active_) return;
    active_ = false;
    endwin();
    delscreen(g_terminal);
    g_terminal = nullptr;
}

void CursesTerminal::draw_cell(int x, int y, const Cell& cell) {
    const int fg = cell.attr & 0x0F;
    const int bg = COLOR_PAIRS > 128 ? (cell.attr >> 4) & 0x07 : 0;
    attr_t attrs = A_NORMAL;
    if (!sixteen_colours_ && (fg & 8) != 0) attrs |= A_BOLD;
    if ((cell.attr & 0x80) != 0) attrs |= A_BLINK;
    wchar_t text[2] = {0, 0};
    if (utf8_) {
        text[0] = static_cast<wchar_t>(cp850_to_unicode(cell.ch));
    } else {
        text[0] = static_cast<wchar_t>(cp850_to_ascii(cell.ch));
    }
    cchar_t out;
    setcchar(&out, text, attrs, has_colors() ? pair_number(fg, bg) : 0, nullptr);
    mvadd_wch(y - 1, x - 1, &out);
}

void CursesTerminal::draw() {
    if (!active_) return;
    const Screen& screen = *screen_;
    if (full_redraw_) {
        clear();
        full_redraw_ = false;
        std::fill(drawn_.begin(), drawn_.end(), Cell{0, 0});
        drawn_version_ = screen.version() + 1;  // differs: everything is drawn again
    }
    const int cols = std::min(screen.cols(), COLS);
    const int rows = std::min(screen.rows(), LINES);
    if (screen.version() != drawn_version_) draw_changed_cells(cols, rows);
    const int cx = std::min(screen.cursor_x(), cols);
    const int cy = std::min(screen.cursor_y(), rows);
    move(cy - 1, cx - 1);
    refresh();
}

// Sends only the cells that differ from what the terminal shows.
void CursesTerminal::draw_changed_cells(int cols, int rows) {
    const Screen& screen = *screen_;
    drawn_version_ = screen.version();
    for (int y = 1; y <= rows; ++y) {
        for (int x = 1; x <= cols; ++x) {
            Cell& seen = drawn_[static_cast<std::size_t>((y - 1) * screen.cols() + (x - 1))];
            const Cell& cell = screen.at(x, y);
            if (seen == cell) continue;
            // Curses leaves the cursor past the bottom-right cell; write it anyway.
            draw_cell(x, y, cell);
            seen = cell;
        }
    }
}

int CursesTerminal::translate(int status, unsigned int ch) {
    if (status == KEY_CODE_YES) {
        switch (ch) {
            case KEY_BACKSPACE: return '\b';
            case KEY_ENTER: return '\n';
            default: return kSpecialKey + static_cast<int>(ch);
        }
    }
    if (ch == '\r') return '\n';
    if (ch == 127) return '\b';
    if (ch < 128) return static_cast<int>(ch);
    const auto code = unicode_to_cp850(static_cast<char32_t>(ch));
    // A character that code page 850 does not have is a key no menu offers.
    return code ? *code : kSpecialKey;
}

int CursesTerminal::read_key() {
    for (;;) {
        if (g_stop_signal != 0 || !active_) return kInputClosed;
        draw();
        wint_t ch = 0;
        errno = 0;
        const int status = get_wch(&ch);
        if (status == ERR) {
            if (errno == EINTR && g_stop_signal == 0) continue;  // a stop and continue (Ctrl-Z)
            return kInputClosed;
        }
        if (status == KEY_CODE_YES && ch == KEY_RESIZE) {
            full_redraw_ = true;
            continue;
        }
        return translate(status, static_cast<unsigned int>(ch));
    }
}

}  // namespace vov
