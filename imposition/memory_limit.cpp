#include "memory_limit.h"

#include <new>

#include <sys/resource.h>

namespace plicora {
namespace {

bool ranOut = false;

void noteFailedAllocation() {
    ranOut = true;
    throw std::bad_alloc();
}

} // namespace

void limitMemory() {
#ifndef PLICORA_SANITIZED
    const rlimit limit{engineMemoryLimit, engineMemoryLimit};
    setrlimit(RLIMIT_AS, &limit);
#endif
    std::set_new_handler(noteFailedAllocation);
}

bool memoryRanOut() {
    return ranOut;
}

} // namespace plicora
