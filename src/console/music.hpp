// Music and sound effects. A track is named by its MP3 file name; starting one
// replaces the current one, and "stopson.mp3" stops the music. The game never
// waits for a track and never learns whether it played.
#pragma once

#include <string>

namespace vov {

class Music {
public:
    virtual ~Music() = default;
    virtual void play(const std::string& track) = 0;
};

// The track that stops the music.
inline constexpr const char* kStopMusic = "stopson.mp3";

}  // namespace vov
