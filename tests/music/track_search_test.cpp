// The folders where tracks are found, with a game "installed" under a temporary
// prefix: <prefix>/games/vovuzavo and <prefix>/share/games/vovuzavo/music.
#include "console/track_search.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "scratch.hpp"

namespace vov {
namespace {

namespace fs = std::filesystem;
using Found = std::optional<std::string>;

class TrackSearchTest : public ::testing::Test {
protected:
    // Puts a small file at `path`, making its folders.
    static void put(const fs::path& path) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "ID3";
    }
    std::vector<std::string> folders() const {
        return track_folders({xdg_.string(), home_.string(), bin_.string()});
    }

    // A folder made for the fixture, then returned.
    static fs::path made(const fs::path& folder) {
        fs::create_directories(folder);
        return folder;
    }

    ScratchFolder scratch_;
    const fs::path root_ = scratch_.path();
    const fs::path work_ = made(root_ / "work");
    const fs::path xdg_ = root_ / "xdg";
    const fs::path home_ = root_ / "home";
    const fs::path bin_ = root_ / "prefix/games";
    const fs::path data_ = root_ / "prefix/share/games/vovuzavo/music";
    InFolder inside_{work_};
};

TEST_F(TrackSearchTest, WorkingDirectoryThenPlayerFolderThenInstalledMusic) {
    const fs::path user = xdg_ / "vovuzavo/music";
    for (const char* name : {"everywhere.mp3", "installed.mp3", "mine.mp3"}) {
        put(data_ / name);
        put(bin_ / "music" / name);
    }
    put(user / "everywhere.mp3");
    put(user / "mine.mp3");
    put(work_ / "everywhere.mp3");
    put(bin_ / "music/built.mp3");

    EXPECT_EQ(find_track("everywhere.mp3", folders()), Found("./everywhere.mp3"));
    EXPECT_EQ(find_track("mine.mp3", folders()), Found((user / "mine.mp3").string()));
    EXPECT_EQ(find_track("installed.mp3", folders()), Found((data_ / "installed.mp3").string()));
    // A binary in its build folder plays the tracks rendered beside it.
    EXPECT_EQ(find_track("built.mp3", folders()), Found((bin_ / "music/built.mp3").string()));
    EXPECT_EQ(find_track("absent.mp3", folders()), std::nullopt);
}

TEST_F(TrackSearchTest, PlayerFolderDefaultsToHomeWhenXdgIsEmptyOrRelative) {
    put(home_ / ".local/share/vovuzavo/music/home.mp3");
    put(work_ / "relative/vovuzavo/music/rel.mp3");
    const std::string home = home_.string();
    for (const std::string& xdg : {std::string(), std::string("relative")}) {
        const auto folders = track_folders({xdg, home, ""});
        EXPECT_EQ(find_track("home.mp3", folders),
                  Found((home_ / ".local/share/vovuzavo/music/home.mp3").string()))
            << "XDG_DATA_HOME=" << xdg;
        EXPECT_EQ(find_track("rel.mp3", folders), std::nullopt) << "XDG_DATA_HOME=" << xdg;
    }
    // Neither variable usable: only the working directory is left.
    EXPECT_EQ(find_track("home.mp3", track_folders({"", "relative", ""})), std::nullopt);
}

TEST_F(TrackSearchTest, NamesThatCouldLeaveTheFoldersAreNeverLookedUp) {
    put(root_ / "secret.mp3");
    put(work_ / "sub/track.mp3");
    put(data_ / "a..b.mp3");
    put(data_ / "bell\a.mp3");
    put(data_ / "del\x7f.mp3");
    for (const std::string& name :
         {std::string(), std::string("."), std::string(".."), std::string("../secret.mp3"),
          std::string("../../secret.mp3"), std::string("sub/track.mp3"), std::string("sub/"),
          (root_ / "secret.mp3").string(), std::string("a..b.mp3"), std::string("bell\a.mp3"),
          std::string("del\x7f.mp3")}) {
        EXPECT_EQ(find_track(name, folders()), std::nullopt) << "name: " << name;
    }
}

TEST_F(TrackSearchTest, OnlyRegularFilesAreTracks) {
    fs::create_directories(work_ / "folder.mp3");
    ASSERT_EQ(mkfifo((work_ / "pipe.mp3").c_str(), 0600), 0);
    fs::create_symlink(root_ / "nowhere.mp3", work_ / "dangling.mp3");
    for (const char* name : {"folder.mp3", "pipe.mp3", "dangling.mp3"}) put(data_ / name);

    for (const char* name : {"folder.mp3", "pipe.mp3", "dangling.mp3"}) {
        EXPECT_EQ(find_track(name, folders()), Found((data_ / name).string())) << name;
    }
}

TEST_F(TrackSearchTest, ThisProcessUsesItsEnvironmentAndItsOwnFolder) {
    const WithVariable xdg("XDG_DATA_HOME", xdg_.string());
    put(xdg_ / "vovuzavo/music/env.mp3");
    const Found found = find_track("env.mp3");
    const TrackPlaces places = current_track_places();

    EXPECT_EQ(found, Found((xdg_ / "vovuzavo/music/env.mp3").string()));
    EXPECT_EQ(places.binary_dir, fs::canonical("/proc/self/exe").parent_path().string());
}

}  // namespace
}  // namespace vov
