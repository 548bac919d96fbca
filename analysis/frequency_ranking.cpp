#include "analysis/frequency_ranking.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace quilm {

std::vector<RankedCount> most_frequent(const std::vector<ResultRow>& rows, std::size_t label, std::size_t count,
                                       std::size_t n) {
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  const auto count_of = [&](std::size_t i) { return rows[i][count].as_integer(); };
  const std::size_t kept = std::min(n, order.size());
  std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(kept), order.end(),
                    [&](std::size_t a, std::size_t b) {
                      const std::int64_t ca = count_of(a), cb = count_of(b);
                      return ca != cb ? ca > cb : a < b;
                    });
  std::vector<RankedCount> out;
  out.reserve(kept);
  for (std::size_t i = 0; i < kept; ++i) out.push_back({rows[order[i]][label].as_text(), count_of(order[i])});
  return out;
}

std::vector<std::int64_t> rank_frequencies(const std::vector<ResultRow>& rows, std::size_t count) {
  std::vector<std::int64_t> out;
  out.reserve(rows.size());
  for (const ResultRow& row : rows) out.push_back(row[count].as_integer());
  std::sort(out.begin(), out.end(), std::greater<>());
  return out;
}

}  // namespace quilm
