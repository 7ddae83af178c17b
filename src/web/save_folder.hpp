// The saves in the browser: the game's working directory is a folder kept in the
// browser's storage (IndexedDB), so a save written by the game survives a reload.
// The page itself adds uploaded saves to the folder and offers its saves for
// download (web/page.js).
#pragma once

#include <string>

namespace vov::web {

class SaveFolder {
public:
    // Makes the stored folder the working directory, filled from storage. Without
    // storage (a browser that refuses it) the folder lives only as long as the page.
    SaveFolder();
    // Writes the folder back to storage if any of its files changed since the last
    // call; the game goes on once storage holds them.
    void keep();

private:
    std::string stored_;  // the folder as storage last received it
};

}  // namespace vov::web
