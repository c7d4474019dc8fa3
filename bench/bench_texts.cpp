// Cost of the texts a press builds at the largest page counts each mode accepts.
#include "output/instructions_file.h"
#include "output/listing.h"

#include <benchmark/benchmark.h>

using namespace plicora;

static void fourUpTexts2000Pages(benchmark::State& state) {
    for (auto _ : state) {
        const FourUpSequence sequence = computeFourUp(2000, 0);
        benchmark::DoNotOptimize(renderListing(sequence, ","));
        benchmark::DoNotOptimize(renderInstructions(sequence, ","));
    }
}
BENCHMARK(fourUpTexts2000Pages)->Unit(benchmark::kMicrosecond);

static void eightUpTexts32760Pages(benchmark::State& state) {
    for (auto _ : state) {
        const EightUpSequence sequence(32760, 0);
        benchmark::DoNotOptimize(renderListing(sequence, ","));
        benchmark::DoNotOptimize(renderInstructions(sequence, ","));
    }
}
BENCHMARK(eightUpTexts32760Pages)->Unit(benchmark::kMicrosecond);
