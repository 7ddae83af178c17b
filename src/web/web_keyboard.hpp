// The keys of the page: before each key wait the Screen is drawn into the page and
// changed saves are written to storage, then the game waits (an Asyncify wait, the
// page stays alive) for the next key the player types.
#pragma once

#include "console/keyboard.hpp"
#include "web/page_screen.hpp"
#include "web/save_folder.hpp"

namespace vov::web {

class WebKeyboard : public Keyboard {
public:
    WebKeyboard(const Screen& screen, SaveFolder& saves) : page_(screen), saves_(saves) {}
    int read_key() override;

private:
    PageScreen page_;
    SaveFolder& saves_;
};

// Shows that the game is over and waits until the player starts a new one.
void wait_for_new_game();

}  // namespace vov::web
