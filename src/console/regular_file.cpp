#include "console/regular_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vov {

int open_regular_file(const std::string& path, int access) {
    // O_NONBLOCK keeps open() from waiting on a FIFO; fstat then says what it is.
    const int fd = ::open(path.c_str(), access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

}  // namespace vov
