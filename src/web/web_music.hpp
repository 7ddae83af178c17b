// Music in the page: a track is the file of that name in the page's music/
// folder, played by the browser; a new track replaces the old one, "stopson.mp3"
// stops the music, and a missing file is silence.
#pragma once

#include "console/music.hpp"

namespace vov::web {

class WebMusic : public Music {
  public:
    void play(const std::string& track) override;
};

}  // namespace vov::web
