#include "ratios.hpp"

#include <cstdio>

namespace tesmolen::bench {

void MedianReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
            medians_[run.run_name.function_name] = run.GetAdjustedRealTime() /
                                           benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

bool checkComparisons(const std::vector<Comparison>& comparisons,
                      const std::map<std::string, double>& medians) {
    bool allHold = true;
    std::printf("\n%-44s %12s %12s %8s %8s\n", "comparison", "ours ms", "baseline ms", "ratio",
                "bound");
    for (const Comparison& c : comparisons) {
        auto ours = medians.find(c.ours);
        auto baseline = medians.find(c.baseline);
        if (ours == medians.end() || baseline == medians.end()) continue;  // filtered out
        const double ratio = ours->second / baseline->second;
        const bool holds = ratio <= c.maxTimeRatio;
        allHold = allHold && holds;
        std::printf("%-44s %12.2f %12.2f %8.2f %8.2f %s\n", c.label.c_str(), ours->second * 1e3,
                    baseline->second * 1e3, ratio, c.maxTimeRatio, holds ? "ok" : "EXCEEDED");
    }
    return allHold;
}

bool checkLimit(const std::string& label, const std::string& name, double maxSeconds,
                const std::map<std::string, double>& medians) {
    auto found = medians.find(name);
    if (found == medians.end()) return true;  // filtered out
    const bool holds = found->second <= maxSeconds;
    std::printf("%-44s %12.2f %12s %8s %8.2f %s\n", label.c_str(), found->second * 1e3, "-", "-",
                maxSeconds * 1e3, holds ? "ok (ms)" : "EXCEEDED (ms)");
    return holds;
}

}  // namespace tesmolen::bench
