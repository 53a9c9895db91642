#pragma once

#include <algorithm>
#include <vector>

namespace quillet::bench {

// The least of the repetitions' figures: on a shared machine, the one least disturbed.
inline double Min(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

} // namespace quillet::bench
