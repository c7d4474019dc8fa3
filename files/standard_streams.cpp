#include "standard_streams.h"

#include <cerrno>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace plicora {

void reserveStandardStreams() {
#ifndef _WIN32
    for (int fd = 0; fd <= 2; ++fd)
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            // open() takes the lowest free descriptor, which is this one.
            open("/dev/null", fd == 2 ? O_WRONLY : O_RDONLY);
#endif
}

} // namespace plicora
