// The real music: MP3 files, found where track_search.hpp looks, decoded with
// libmpg123 and played with libout123 on a background thread. A new track replaces
// the one playing; "stopson.mp3" stops it. A missing file (or anything but a
// regular file), decoder or audio device means silence, and nothing is ever printed.
//
// No call ever waits long for audio: a track's thread owns its decoder and its
// output, is asked to stop, and is waited for at most kStopWait. An output that
// does not stop in time is left to its thread; the music stays silent until that
// thread ends, and the game goes on.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "console/music.hpp"

namespace vov {

class Mp3Player : public Music {
  public:
    // The output modules tried in turn when none is given (see mp3_player.cpp).
    static constexpr const char* kOutputModules = "pulse,alsa";
    // The longest a call waits for the track before to stop.
    static constexpr std::chrono::milliseconds kStopWait{50};

    // `modules` and `device` choose the audio output; tests write to a file with
    // the "wav" module.
    explicit Mp3Player(std::string modules = kOutputModules, std::string device = "");
    ~Mp3Player() override;
    Mp3Player(const Mp3Player&) = delete;
    Mp3Player& operator=(const Mp3Player&) = delete;

    void play(const std::string& track) override;
    // Stops the track playing, if any, waiting for it at most kStopWait.
    void stop();
    // After stop(): true when a track's thread did not end in time and still
    // runs. The process must then end with _exit, since the audio library it is
    // stuck in may also hang or crash in its exit handlers.
    bool stuck() const;

    struct Track;  // what a track's thread shares with the player

  private:
    std::string modules_;
    std::string device_;
    std::vector<std::shared_ptr<Track>> tracks_;  // the threads that have not ended
};

}  // namespace vov
