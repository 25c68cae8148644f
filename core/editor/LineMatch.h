#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// Pairs up equal lines of two versions of a text, given as line ids (equal
// lines, equal ids): a longest common subsequence, found by a common prefix,
// a common suffix and Myers' O(ND) difference in between.
class CLineMatch {
public:
    // Pairs (index in old, index in new), both increasing. When the middle
    // needs more than nMaxEdits inserted plus deleted lines, it stays
    // unmatched (only prefix and suffix pair up), which bounds the time at
    // O((N + M) * nMaxEdits) and the memory at O(nMaxEdits^2).
    static std::vector<std::pair<std::size_t, std::size_t>> Match(const std::vector<int>& oldLines,
                                                                  const std::vector<int>& newLines,
                                                                  std::size_t nMaxEdits);
};
