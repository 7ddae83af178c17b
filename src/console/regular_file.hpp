// Opening a file only when it is a regular file: a FIFO, a device or a folder under
// that name is refused at once, without the open ever waiting for the other end.
#pragma once

#include <fcntl.h>

#include <string>

namespace vov {

// A descriptor (close-on-exec) of the regular file at `path`, opened with `access`
// (O_RDONLY or O_WRONLY, never truncating), or -1 with errno set.
int open_regular_file(const std::string& path, int access = O_RDONLY);

}  // namespace vov
