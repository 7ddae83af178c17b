// Shows the game's Screen in the page (web/page.js): at each drawing, the rows
// that changed since the last one are handed to the page as code-page-850 cells,
// which it writes as runs of coloured text, then the cursor is placed.
#pragma once

#include <cstdint>
#include <vector>

#include "console/screen.hpp"

namespace vov::web {

// Gives the page the Unicode character of each code-page-850 code, once, before
// anything is drawn or typed: the page uses it both ways.
void send_charset();

class PageScreen {
  public:
    explicit PageScreen(const Screen& screen);
    // Shows the Screen as it is now.
    void draw();

  private:
    const Screen& screen_;
    std::vector<Cell> drawn_;
    std::uint64_t drawn_version_ = 0;
    bool drawn_once_ = false;
};

}  // namespace vov::web
