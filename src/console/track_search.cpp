#include "console/track_search.hpp"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#ifndef VOVUZAVO_MUSIC_FROM_BINARY
#error "VOVUZAVO_MUSIC_FROM_BINARY: the installed music folder relative to the binary's"
#endif

namespace vov {

namespace {

bool is_absolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

// A name that cannot climb out of a folder or hide a control character.
bool is_plain_file_name(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos) return false;
    if (name.find("..") != std::string::npos) return false;
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F) return false;
    }
    return name != ".";
}

bool is_regular_file(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::string getenv_or_empty(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The folder of the running binary, or "" when /proc cannot tell.
std::string running_binary_dir() {
    std::error_code error;
    const std::filesystem::path binary = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? "" : binary.parent_path().string();
}

// The player's data folder; relative values are ignored, as the XDG rules say.
std::string user_data_dir(const TrackPlaces& places) {
    if (is_absolute(places.xdg_data_home)) return places.xdg_data_home;
    if (is_absolute(places.home)) return places.home + "/.local/share";
    return "";
}

}  // namespace

std::vector<std::string> track_folders(const TrackPlaces& places) {
    std::vector<std::string> folders{"."};
    const std::string user = user_data_dir(places);
    if (!user.empty()) folders.push_back(user + "/vovuzavo/music");
    if (is_absolute(places.binary_dir)) {
        const std::filesystem::path binary_dir(places.binary_dir);
        folders.push_back((binary_dir / VOVUZAVO_MUSIC_FROM_BINARY).lexically_normal());
        folders.push_back(binary_dir / "music");
    }
    return folders;
}

TrackPlaces current_track_places() {
    return {getenv_or_empty("XDG_DATA_HOME"), getenv_or_empty("HOME"), running_binary_dir()};
}

std::optional<std::string> find_track(const std::string& track,
                                      const std::vector<std::string>& folders) {
    if (!is_plain_file_name(track)) return std::nullopt;
    for (const std::string& folder : folders) {
        std::string path = folder + "/" + track;
        if (is_regular_file(path)) return path;
    }
    return std::nullopt;
}

std::optional<std::string> find_track(const std::string& track) {
    return find_track(track, track_folders(current_track_places()));
}

}  // namespace vov
