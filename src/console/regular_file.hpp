// Opening a file of the working directory for reading, only when it is a regular
// file: a FIFO, a device or a folder under that name is refused at once, without
// the open ever waiting for a writer.
#pragma once

#include <string>

namespace vov {

// A read-only descriptor (close-on-exec) of the regular file at `path`, or -1.
int open_regular_file(const std::string& path);

}  // namespace vov
