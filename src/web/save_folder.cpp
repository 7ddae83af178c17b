#include "web/save_folder.hpp"

#include <emscripten.h>
#include <unistd.h>

namespace vov::web {

namespace {

constexpr const char* kFolder = "/saves";

// clang-format off
EM_ASYNC_JS(void, js_mount_storage, (const char* folder), {
    const path = UTF8ToString(folder);
    FS.mkdir(path);
    if (typeof indexedDB == 'undefined') {
        Module.page.storageRefused();
        return;
    }
    FS.mount(IDBFS, {}, path);
    await Module.page.syncStorage(true);
});
// clang-format on

}  // namespace

void open_save_folder() {
    js_mount_storage(kFolder);
    chdir(kFolder);
}

}  // namespace vov::web
