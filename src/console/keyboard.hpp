// Where keys come from: the real terminal (curses_terminal.hpp) or a test script.
#pragma once

namespace vov {

// Keys are code-page-850 codes 0 to 255 (Enter is '\n', Backspace 8); keys that
// have no character (arrows, function keys) are numbers from kSpecialKey on.
// kInputClosed means that no key will ever come: end of input, a hung-up terminal
// or a signal asking the game to stop.
constexpr int kInputClosed = -1;
constexpr int kSpecialKey = 256;

class Keyboard {
public:
    virtual ~Keyboard() = default;
    // Waits for one key. Before waiting, the terminal shows the screen as it is.
    virtual int read_key() = 0;
};

}  // namespace vov
