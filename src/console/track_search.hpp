// Where the music tracks are found: the working directory first, then the player's
// own music folder ($XDG_DATA_HOME/vovuzavo/music, ~/.local/share/vovuzavo/music by
// default), then the music installed with the game, found from the running binary.
// Only plain file names are looked up, so a track never comes from anywhere else,
// and only regular files count.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vov {

// What decides the folders: the environment and the folder of the running binary
// (empty when unknown).
struct TrackPlaces {
    std::string xdg_data_home;
    std::string home;
    std::string binary_dir;
};

// The folders searched, in order. The binary's folder gives two: the data folder of
// an installed game and the music folder beside a binary in its build folder.
std::vector<std::string> track_folders(const TrackPlaces& places);

// The places of this process: its environment and /proc/self/exe.
TrackPlaces current_track_places();

// The path of the first regular file named `track` in `folders`, or nothing for a
// track found nowhere and for a name that is not a plain file name.
std::optional<std::string> find_track(const std::string& track,
                                      const std::vector<std::string>& folders);

// find_track in the folders of this process.
std::optional<std::string> find_track(const std::string& track);

}  // namespace vov
