#include "web/web_keyboard.hpp"

#include <emscripten.h>

namespace vov::web {

namespace {

// clang-format off
EM_ASYNC_JS(int, js_next_key, (), {
    return await Module.page.nextKey();
});
EM_ASYNC_JS(void, js_game_over, (), {
    await Module.page.gameOver();
});
// clang-format on

}  // namespace

int WebKeyboard::read_key() {
    page_.draw();
    return js_next_key();
}

void wait_for_new_game() {
    js_game_over();
}

}  // namespace vov::web
