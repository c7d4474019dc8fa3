#include "standard_streams.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace plicora {

void reserveStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd)
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            // open() takes the lowest free descriptor, which is this one.
            open("/dev/null", fd == 2 ? O_WRONLY : O_RDONLY);
}

} // namespace plicora
