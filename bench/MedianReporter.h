#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace orvane {

// Shows the runs as usual and keeps the median real time of each benchmark
// (by its name with arguments, "BM_Fill" or "BM_DragStep/7"), for ratios
// measured in one run.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& reports) override
    {
        ConsoleReporter::ReportRuns(reports);
        for (const Run& run : reports)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name +
                        (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] =
                    run.GetAdjustedRealTime();
    }
    // The ratio of two medians, or a negative number when one is missing.
    double ratio(const std::string& of, const std::string& to) const
    {
        const auto a = medians.find(of);
        const auto b = medians.find(to);
        return a == medians.end() || b == medians.end() ? -1 : a->second / b->second;
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

    std::map<std::string, double> medians;
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
