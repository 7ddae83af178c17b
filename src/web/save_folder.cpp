#include "web/save_folder.hpp"

#include <dirent.h>
#include <emscripten.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace vov::web {

namespace {

constexpr const char* kFolder = "/saves";

// clang-format off
EM_ASYNC_JS(void, js_mount_storage, (const char* folder), {
    const path = UTF8ToString(folder);
    FS.mkdir(path);
    FS.mount(IDBFS, {}, path);
    await Module.page.syncStorage(true);
});
EM_ASYNC_JS(void, js_store_folder, (), {
    await Module.page.syncStorage(false);
});
// clang-format on

// What storage must know of the folder: each file's name, node, size and time.
// A save renames a new file over the old one, so even two saves within one
// millisecond differ in their node.
std::string folder_fingerprint() {
    std::string print;
    DIR* dir = opendir(".");
    if (dir == nullptr) return print;
    while (const dirent* entry = readdir(dir)) {
        struct stat info {};
        if (stat(entry->d_name, &info) != 0) continue;
        print += entry->d_name;
        print += '/' + std::to_string(info.st_ino) + '/' + std::to_string(info.st_size) + '/' +
                 std::to_string(info.st_mtim.tv_sec) + '.' + std::to_string(info.st_mtim.tv_nsec) +
                 '\n';
    }
    closedir(dir);
    return print;
}

}  // namespace

SaveFolder::SaveFolder() {
    js_mount_storage(kFolder);
    if (chdir(kFolder) == 0) stored_ = folder_fingerprint();
}

void SaveFolder::keep() {
    std::string now = folder_fingerprint();
    if (now == stored_) return;
    js_store_folder();
    stored_ = std::move(now);
}

}  // namespace vov::web
