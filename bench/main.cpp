#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench_cases.hpp"
#include "blocklist.hpp"

namespace tesmolen::bench {

const std::vector<Input>& inputs() {
    static const std::vector<Input> all = {
        {"blocklist-2MB", blocklistHostsText(2u << 20)},
        {"blocklist-10MB", blocklistHostsText(10u << 20)},
        {"rule-blocks-10MB", ruleBlocksText(100000, 10u << 20)},
    };
    return all;
}

const Input& input(const std::string& name) {
    for (const Input& i : inputs()) {
        if (i.name == name) return i;
    }
    std::abort();
}

}  // namespace tesmolen::bench

int main(int argc, char** argv) {
    using namespace tesmolen::bench;
    std::vector<Comparison> comparisons;
    registerParseBenchmarks(comparisons);
    registerSaveBenchmarks(comparisons);
    registerCipherBenchmarks(comparisons);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const bool holds = checkComparisons(comparisons, reporter.medians());
    std::printf("%s\n", holds ? "every bound holds" : "a bound was exceeded");
    return holds ? 0 : 1;
}
