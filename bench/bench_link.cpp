#include "link/programstream.h"
#include "model/frameplanes.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

using namespace lumetra;

namespace {

// A full 1472-wide, 6144-row dual-colour program into its byte stream.
void BM_PackProgram(benchmark::State &state)
{
    auto planes = std::make_unique<FramePlanes>();
    std::mt19937 random(7);
    for (int r = 0; r < FramePlanes::UsableRows; ++r)
        for (int c = 0; c < FramePlanes::UsableColumns; ++c) {
            const unsigned v = random();
            planes->redRow(r)[c] = uint8_t(v & 1);
            planes->greenRow(r)[c] = uint8_t((v >> 1) & 1);
        }
    ProgramRecord program;
    program.ZoneCount = 1;
    program.Zones[1].Height = 256;
    program.Zones[1].ContentHeight = 6144;
    const StreamGeometry geometry{1472, 256, 1};
    for (auto _ : state) {
        const ProgramStream stream(*planes, geometry, program);
        benchmark::DoNotOptimize(stream.bytes().constData());
    }
    state.SetBytesProcessed(state.iterations() * int64_t(2) * FramePlanes::UsableRows * FramePlanes::UsableColumns);
}
BENCHMARK(BM_PackProgram)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
