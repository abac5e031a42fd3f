// `orvane-mdt generate` against one `orvane-mdt check` of the maze it built:
// a 32 x 32 maze of about 60 keys, a 128 x 128 maze of about 400 keys and
// mazes of grades 4 (64 x 64) and 5 (128 x 128), which measure the newcomer
// on every goal they try, should each cost at most 50 checks.

#include "MazeState.h"
#include "MedianReporter.h"
#include "generate/Generator.h"
#include "play/Analysis.h"

#include <cstdio>
#include <memory>
#include <string>

using namespace orvane;

namespace {

constexpr int Repetitions = 7;

// Arguments: the side, the keys (0: aim at the grade), the grade.
generate::Request request(const benchmark::State& state)
{
    generate::Request r;
    const auto side = int16_t(state.range(0));
    r.size = {side, side};
    r.keys = int(state.range(1));
    r.grade = int(state.range(2));
    r.seed = 2026;
    return r;
}

void BM_Generate(benchmark::State& state)
{
    const generate::Request r = request(state);
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
    const generate::Outcome o = generate::generateMaze(request(state));
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
    b->Args({32, 60, 0})
        ->Args({128, 400, 0})
        ->Args({64, 0, 4})
        ->Args({128, 0, 5})
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
    for (const char* args : {"32/60/0", "128/400/0", "64/0/4", "128/0/5"})
        reporter.show((std::string("generate ") + args + " (side/keys/grade) / its check").c_str(),
                      std::string("BM_Generate/") + args, std::string("BM_Check/") + args, "50");
    benchmark::Shutdown();
    return 0;
}
