#include "runtime/random.hpp"

#include <random>

namespace tesmolen {

int randomInteger(int low, int high) {
    static std::mt19937 generator{std::random_device{}()};
    return std::uniform_int_distribution<int>(low, high)(generator);
}

}  // namespace tesmolen
