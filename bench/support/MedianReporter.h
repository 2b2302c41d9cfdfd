#pragma once
// Console output as usual, keeping the median of each counter for the
// benchmark's own summary.
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace bench {

class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name != "median") continue;
            for (const auto& [name, counter] : run.counters) median[name] = counter.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> median;
};

} // namespace bench
