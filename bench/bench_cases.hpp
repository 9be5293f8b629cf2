#pragma once

#include <string>
#include <vector>

#include "ratios.hpp"
#include "runtime/text.hpp"

namespace tesmolen::bench {

struct Input {
    std::string name;
    Text text;
};

// The generated inputs, made once: blocklists of 2 MB and 10 MB, 100,000 rule blocks in 10 MB.
const std::vector<Input>& inputs();
const Input& input(const std::string& name);

void registerParseBenchmarks(std::vector<Comparison>& comparisons);
void registerSaveBenchmarks(std::vector<Comparison>& comparisons);
void registerCipherBenchmarks(std::vector<Comparison>& comparisons);

}  // namespace tesmolen::bench
