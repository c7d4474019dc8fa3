// Cost of the sheets and the texts a press builds at the largest page counts each mode accepts.
#include "output/instructions_file.h"
#include "output/listing.h"

#include <benchmark/benchmark.h>

using namespace plicora;

static void fourUpTexts2000Pages(benchmark::State& state) {
    for (auto _ : state) {
        const SheetSides sides = sheetSides(Mode::FourUp, 2000, 0, 2000);
        benchmark::DoNotOptimize(renderListing(sides, ","));
        benchmark::DoNotOptimize(renderInstructions(sides, ","));
    }
}
BENCHMARK(fourUpTexts2000Pages)->Unit(benchmark::kMicrosecond);

static void eightUpTexts32760Pages(benchmark::State& state) {
    for (auto _ : state) {
        const SheetSides sides = sheetSides(Mode::EightUp, 32760, 0, 32760);
        benchmark::DoNotOptimize(renderListing(sides, ","));
        benchmark::DoNotOptimize(renderInstructions(sides, ","));
    }
}
BENCHMARK(eightUpTexts32760Pages)->Unit(benchmark::kMicrosecond);
