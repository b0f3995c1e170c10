#include "finding/TypoDistance.h"

#include <algorithm>

namespace pipit {

std::size_t typoAllowance(std::size_t typedSize) {
  return typedSize < 4 ? 0 : 1 + (typedSize - 4) / 4;
}

bool TypoMeasure::nearStart(TextView typed, TextView name, std::size_t allowed) {
  // Rows over the name's characters, columns over the typed ones: cell j of
  // a row is the fewest slips that turn typed[0, j) into the name up to the
  // row. A start of the name is near when the last column of any row is
  // within the allowance. Names longer than the typed text plus the
  // allowance cannot help: the rows stop there.
  const std::size_t m = typed.size();
  const std::size_t rows = std::min(name.size(), m + allowed);
  std::vector<std::size_t>& before = before_;
  std::vector<std::size_t>& previous = previous_;
  std::vector<std::size_t>& current = current_;
  before.assign(m + 1, 0);
  previous.resize(m + 1);
  current.resize(m + 1);
  for (std::size_t j = 0; j <= m; ++j) previous[j] = j;
  if (previous[m] <= allowed) return true;
  for (std::size_t i = 1; i <= rows; ++i) {
    current[0] = i;
    std::size_t best = current[0];
    for (std::size_t j = 1; j <= m; ++j) {
      const std::size_t replace = previous[j - 1] + (name[i - 1] == typed[j - 1] ? 0 : 1);
      std::size_t cost = std::min({replace, previous[j] + 1, current[j - 1] + 1});
      if (i > 1 && j > 1 && name[i - 1] == typed[j - 2] && name[i - 2] == typed[j - 1]) {
        cost = std::min(cost, before[j - 2] + 1);
      }
      current[j] = cost;
      best = std::min(best, cost);
    }
    if (current[m] <= allowed) return true;
    if (best > allowed) return false;
    std::swap(before, previous);
    std::swap(previous, current);
  }
  return false;
}

}  // namespace pipit
