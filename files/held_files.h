#pragma once

#include <string>

namespace plicora {

// A hidden file the writer has made beside its target and not yet renamed into place, held so
// that a signal ending the program removes it rather than leaving a part behind.
class HeldFile {
public:
    // Holds `path` until release() or the end of this object (it is not removed then).
    explicit HeldFile(const std::string& path);
    ~HeldFile() { release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    // Lets go of the path: it has been renamed into place or removed.
    void release();

private:
    int slot_ = -1;
};

// Removes every file held now. Safe in a signal handler: it only calls unlink().
void removeHeldFiles();

} // namespace plicora
