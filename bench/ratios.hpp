#pragma once
// Each benchmark runs beside its baseline; after the run the medians are paired and their
// ratios checked against the bounds we promise.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace tesmolen::bench {

struct Comparison {
    std::string label;
    std::string ours;
    std::string baseline;
    // ours / baseline must stay at or below maxTimeRatio.
    double maxTimeRatio;
};

// Keeps the median real time (seconds) of every benchmark while printing as usual.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    const std::map<std::string, double>& medians() const { return medians_; }

private:
    std::map<std::string, double> medians_;
};

// Prints the median of one benchmark against a limit in seconds; true when it holds.
bool checkLimit(const std::string& label, const std::string& name, double maxSeconds,
                const std::map<std::string, double>& medians);

// Prints one line per comparison; true when every bound holds.
bool checkComparisons(const std::vector<Comparison>& comparisons,
                      const std::map<std::string, double>& medians);

}  // namespace tesmolen::bench
