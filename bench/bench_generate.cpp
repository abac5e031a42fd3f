// `orvane-mdt generate` against one `orvane-mdt check` of the maze it built:
// a 32 x 32 maze of about 60 keys and a 128 x 128 maze of about 400 keys
// should each cost at most 50 checks.

#include "MazeState.h"
#include "MedianReporter.h"
#include "generate/Generator.h"
#include "play/Analysis.h"

#include <cstdio>
#include <memory>

using namespace orvane;

namespace {

constexpr int Repetitions = 7;

generate::Request request(int side, int keys)
{
    generate::Request r;
    r.size = {int16_t(side), int16_t(side)};
    r.keys = keys;
    r.seed = 2026;
    return r;
}

void BM_Generate(benchmark::State& state)
{
    const generate::Request r = request(int(state.range(0)), int(state.range(1)));
    int judged = 0;
    for (auto _ : state) {
        const generate::Outcome o = generate::generateMaze(r);
        if (!o.maze)
            state.SkipWithError("the request was not met");
        judged = o.judged;
    }
    state.counters["analyses"] = judged;
}

void BM_Check(benchmark::State& state)
{
    const generate::Outcome o =
        generate::generateMaze(request(int(state.range(0)), int(state.range(1))));
    if (!o.maze) {
        state.SkipWithError("the request was not met");
        return;
    }
    for (auto _ : state) {
        const MazeAnalysis a = analyseMaze(*o.maze);
        benchmark::DoNotOptimize(a.route.size());
    }
    state.counters["keys"] = double(analyseMaze(*o.maze).route.size());
}

void sizes(benchmark::internal::Benchmark* b)
{
    b->Args({32, 60})
        ->Args({128, 400})
        ->Repetitions(Repetitions)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Generate)->Apply(sizes);
BENCHMARK(BM_Check)->Apply(sizes);

} // namespace

int main(int argc, char** argv)
{
    initializeTakingTurns(argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.show("generate 32 x 32, 60 keys / its check", "BM_Generate/32/60", "BM_Check/32/60",
                  "50");
    reporter.show("generate 128 x 128, 400 keys / its check", "BM_Generate/128/400",
                  "BM_Check/128/400", "50");
    benchmark::Shutdown();
    return 0;
}
