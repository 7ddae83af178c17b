#include "web/web_music.hpp"

#include <emscripten.h>

namespace vov::web {

namespace {

// clang-format off
EM_JS(void, js_play_track, (const char* track, int stops), {
    Module.page.playTrack(UTF8ToString(track), stops !== 0);
});
// clang-format on

}  // namespace

void WebMusic::play(const std::string& track) {
    js_play_track(track.c_str(), track == kStopMusic ? 1 : 0);
}

}  // namespace vov::web
