// The real music: MP3 files, found where track_search.hpp looks, decoded with libmpg123 and
// played with libout123 on one background thread. A new track replaces the one
// playing; "stopson.mp3" stops it. A missing file, decoder or audio device means
// silence, and nothing is ever printed.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "console/music.hpp"

namespace vov {

class Mp3Player : public Music {
public:
    // `driver` and `device` choose the audio output (empty: the system's default);
    // tests write to a file with the "wav" driver.
    explicit Mp3Player(std::string driver = "", std::string device = "");
    ~Mp3Player() override;
    Mp3Player(const Mp3Player&) = delete;
    Mp3Player& operator=(const Mp3Player&) = delete;

    void play(const std::string& track) override;
    // Stops the track playing, if any, and waits for the thread to end.
    void stop();

private:
    void run(const std::string& path);

    std::string driver_;
    std::string device_;
    std::thread thread_;
    std::atomic<bool> stop_requested_{false};
};

}  // namespace vov
