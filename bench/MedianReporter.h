#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace orvane {

// Shows the runs as usual and keeps the median real time of each benchmark
// (by its name with arguments, "BM_Fill" or "BM_DragStep/7"), for ratios
// measured in one run; and the median CPU time, for ratios on a machine
// busy with other work.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& reports) override
    {
        ConsoleReporter::ReportRuns(reports);
        for (const Run& run : reports)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                const std::string name = run.run_name.function_name +
                                         (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
                medians[name] = run.GetAdjustedRealTime();
                cpuMedians[name] = run.GetAdjustedCPUTime();
            }
    }
    // The ratio of two medians, or a negative number when one is missing.
    double ratio(const std::string& of, const std::string& to, bool cpu = false) const
    {
        const std::map<std::string, double>& times = cpu ? cpuMedians : medians;
        const auto a = times.find(of);
        const auto b = times.find(to);
        return a == times.end() || b == times.end() ? -1 : a->second / b->second;
    }

    // Prints a ratio with its target (when there is one); nothing when a
    // median is missing.
    void show(const char* what, const std::string& of, const std::string& to,
              const char* target = nullptr) const
    {
        const double r = ratio(of, to);
        if (r >= 0 && target)
            std::printf("%s: %.3f (target at most %s)\n", what, r, target);
        else if (r >= 0)
            std::printf("%s: %.3f\n", what, r);
    }

    // The same ratio of real times and of CPU times, with its target.
    void showBoth(const char* what, const std::string& of, const std::string& to,
                  const char* target) const
    {
        const double real = ratio(of, to);
        const double cpu = ratio(of, to, true);
        if (real >= 0)
            std::printf("%s: %.3f, CPU time %.3f (target at most %s)\n", what, real, cpu, target);
    }

    std::map<std::string, double> medians;
    std::map<std::string, double> cpuMedians;
};

// Initializes the benchmarks with their repetitions taking turns, so that a
// busy moment of the machine weighs on all of them alike.
inline void initializeTakingTurns(int argc, char** argv)
{
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
}

} // namespace orvane
