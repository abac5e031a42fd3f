#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

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

    std::map<std::string, double> medians;
};

} // namespace orvane
