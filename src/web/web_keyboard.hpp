// The keys of the page: before each key wait the Screen is drawn into the page,
// then the game waits (an Asyncify wait: the page stays alive) for the next key
// the player types.
#pragma once

#include "console/keyboard.hpp"
#include "web/page_screen.hpp"

namespace vov::web {

class WebKeyboard : public Keyboard {
  public:
    explicit WebKeyboard(const Screen& screen) : page_(screen) {}
    int read_key() override;

  private:
    PageScreen page_;
};

// Shows that the game is over and waits until the player starts a new one.
void wait_for_new_game();

}  // namespace vov::web
