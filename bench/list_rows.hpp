#pragma once
// The rows a read of a 10 MB hosts file of 100,000 rule blocks puts into the rule list, for the
// benchmarks of the windows' lists.

#include <vector>

#include "runtime/text.hpp"

namespace tesmolen::bench {

struct ListRows {
    std::vector<Text> numbers;
    std::vector<Text> bodies;
};

const ListRows& hundredThousandRows();

}  // namespace tesmolen::bench
