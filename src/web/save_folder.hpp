// The saves in the browser: the game's working directory is a folder kept in the
// browser's storage (IndexedDB), so a save written by the game survives a reload.
// The game needs no help to store a save: it syncs the file and the folder when it
// writes one, and in this build a sync of a stored folder writes it to storage
// before the game goes on. The page adds uploaded saves to the folder and offers
// its saves for download (web/page.js).
#pragma once

namespace vov::web {

// Makes the stored folder the working directory, filled from storage. Without
// storage (a browser that refuses it) the folder lives only as long as the page.
void open_save_folder();

}  // namespace vov::web
