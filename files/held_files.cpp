#include "held_files.h"

#include <atomic>
#include <csignal>
#include <cstring>

#include <unistd.h>

namespace plicora {
namespace {

// A pair of files and the earlier ones they replace, with room to spare; a path that doesn't fit
// is simply not held. Fixed storage, since a signal handler may not allocate.
constexpr int slotCount = 8;
constexpr std::size_t pathRoom = 4096;
char heldPaths[slotCount][pathRoom];
volatile std::sig_atomic_t slotUsed[slotCount];

} // namespace

HeldFile::HeldFile(const std::string& path) {
    if (path.size() >= pathRoom)
        return;
    for (int slot = 0; slot < slotCount; ++slot) {
        if (slotUsed[slot])
            continue;
        std::memcpy(heldPaths[slot], path.c_str(), path.size() + 1);
        // The path is whole before a handler can see the slot in use.
        std::atomic_signal_fence(std::memory_order_seq_cst);
        slotUsed[slot] = 1;
        slot_ = slot;
        return;
    }
}

void HeldFile::release() {
    if (slot_ >= 0)
        slotUsed[slot_] = 0;
    slot_ = -1;
}

void removeHeldFiles() {
    for (int slot = 0; slot < slotCount; ++slot)
        if (slotUsed[slot])
            unlink(heldPaths[slot]);
}

} // namespace plicora
