#pragma once

#include <cstddef>

namespace plicora {

// The most address space the engine takes: far above what any booklet of a real document needs
// (its pages are streamed), so that only a document built to exhaust memory meets it.
inline constexpr std::size_t engineMemoryLimit = std::size_t{1024} * 1024 * 1024;

// Limits the process's address space to engineMemoryLimit and notes every allocation that fails,
// so that memory running out is a refusal even where qpdf takes the failure for a damaged
// object and goes on without it. Not under the sanitizers, whose shadow memory needs far more
// address space than that.
void limitMemory();

// Whether an allocation has failed since the program started.
bool memoryRanOut();

} // namespace plicora
