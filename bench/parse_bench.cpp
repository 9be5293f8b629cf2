// Parsing a rules text into the list, against a bare scan by the same engine with the same
// pattern, and a hand-written memchr splitter for the record.

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstring>
#include <string_view>
#include <vector>

#include "bench_cases.hpp"
#include "rules/read_rules.hpp"
#include "rules/rule_grammar.hpp"
#include "support/fake_ui.hpp"

namespace tesmolen::bench {

namespace {

void parseIntoList(benchmark::State& state, const Text& input) {
    testing::FakeReportList list;
    Text text = input;
    for (auto _ : state) {
        state.PauseTiming();
        list.deleteAllRows();
        state.ResumeTiming();
        parseRulesInPlace(text, list);
        benchmark::DoNotOptimize(list.rowCount());
    }
    state.counters["rows"] = list.rowCount();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void bareScan(benchmark::State& state, const Text& text) {
    int error = 0;
    PCRE2_SIZE offset = 0;
    const Text& pattern = ruleBlockPattern();
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                     PCRE2_CASELESS | PCRE2_MULTILINE, &error, &offset, nullptr);
    pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
    pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
    const auto* subject = reinterpret_cast<PCRE2_SPTR>(text.data());
    for (auto _ : state) {
        std::size_t matches = 0;
        PCRE2_SIZE start = 0;
        while (pcre2_match(code, subject, text.size(), start, 0, data, nullptr) > 0) {
            start = pcre2_get_ovector_pointer(data)[1];
            ++matches;
        }
        benchmark::DoNotOptimize(matches);
    }
    pcre2_match_data_free(data);
    pcre2_code_free(code);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void memchrSplit(benchmark::State& state, const Text& text) {
    std::vector<std::string_view> bodies;
    for (auto _ : state) {
        bodies.clear();
        const char* at = text.data();
        const char* end = at + text.size();
        for (;;) {
            const auto* open = static_cast<const char*>(std::memchr(at, '#', end - at));
            if (open == nullptr) break;
            const auto* close = static_cast<const char*>(std::memchr(open + 1, '#', end - open - 1));
            if (close == nullptr) break;
            bodies.emplace_back(open + 1, close - open - 1);
            at = close + 1;
        }
        benchmark::DoNotOptimize(bodies.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

}  // namespace

void registerParseBenchmarks(std::vector<Comparison>& comparisons) {
    for (const Input& input : inputs()) {
        const Text* text = &input.text;
        const std::string ours = "parse/ours/" + input.name;
        const std::string bare = "parse/bare-scan/" + input.name;
        benchmark::RegisterBenchmark(ours.c_str(), [text](benchmark::State& s) {
            parseIntoList(s, *text);
        })->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark(bare.c_str(), [text](benchmark::State& s) {
            bareScan(s, *text);
        })->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark(("parse/memchr-split/" + input.name).c_str(),
                                     [text](benchmark::State& s) { memchrSplit(s, *text); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        comparisons.push_back({"parse " + input.name + " vs bare scan", ours, bare, 1.5});
    }
}

}  // namespace tesmolen::bench
