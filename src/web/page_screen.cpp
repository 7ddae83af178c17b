#include "web/page_screen.hpp"

#include <emscripten.h>

#include <algorithm>
#include <array>

#include "console/cp850.hpp"

namespace vov::web {

namespace {

static_assert(sizeof(Cell) == 2, "the page reads a cell as two bytes: code, attribute");

// clang-format off
EM_JS(void, js_set_charset, (const std::uint16_t* table), {
    Module.page.setCharset(HEAPU16.subarray(table >> 1, (table >> 1) + 256));
});
EM_JS(void, js_draw_row, (int row, const Cell* cells, int cols), {
    Module.page.drawRow(row, HEAPU8.subarray(cells, cells + 2 * cols));
});
EM_JS(void, js_end_drawing, (int cursor_x, int cursor_y), {
    Module.page.endDrawing(cursor_x, cursor_y);
});
// clang-format on

}  // namespace

void send_charset() {
    std::array<std::uint16_t, 256> table{};
    for (std::size_t code = 0; code < table.size(); ++code) {
        table[code] = static_cast<std::uint16_t>(cp850_to_unicode(static_cast<std::uint8_t>(code)));
    }
    js_set_charset(table.data());
}

PageScreen::PageScreen(const Screen& screen)
    : screen_(screen), drawn_(static_cast<std::size_t>(screen.cols() * screen.rows())) {}

void PageScreen::draw() {
    if (!drawn_once_ || screen_.version() != drawn_version_) {
        const auto cols = static_cast<std::size_t>(screen_.cols());
        for (int y = 1; y <= screen_.rows(); ++y) {
            const Cell* row = &screen_.at(1, y);
            const auto seen = drawn_.begin() + static_cast<std::ptrdiff_t>(cols) * (y - 1);
            if (drawn_once_ && std::equal(row, row + cols, seen)) continue;
            js_draw_row(y, row, screen_.cols());
            std::copy(row, row + cols, seen);
        }
        drawn_version_ = screen_.version();
        drawn_once_ = true;
    }
    js_end_drawing(screen_.cursor_x(), screen_.cursor_y());
}

}  // namespace vov::web
