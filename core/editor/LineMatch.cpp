#include "core/editor/LineMatch.h"

#include <algorithm>
#include <cstdint>

namespace {
using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;

// Myers' greedy forward search on a[0, n) and b[0, m), keeping each round's
// furthest reaching x per diagonal so the path can be walked back. Appends
// the matched pairs (offset by nOldFrom / nNewFrom) in order; false when more
// than nMaxEdits edits are needed.
bool MyersMiddle(const int* a, std::ptrdiff_t n, const int* b, std::ptrdiff_t m, std::size_t nMaxEdits,
                 std::size_t nOldFrom, std::size_t nNewFrom, Pairs& pairs)
{
    const std::ptrdiff_t nMax = std::min<std::ptrdiff_t>(n + m, static_cast<std::ptrdiff_t>(nMaxEdits));
    const std::ptrdiff_t nOffset = nMax + 1;
    std::vector<std::ptrdiff_t> v(static_cast<std::size_t>(2 * nMax + 3), 0);
    // Line counts fit an int; halving the row size halves the O(D^2) trace.
    std::vector<std::vector<int>> trace;
    std::ptrdiff_t nFound = -1;
    for (std::ptrdiff_t d = 0; d <= nMax && nFound < 0; ++d) {
        for (std::ptrdiff_t k = -d; k <= d; k += 2) {
            std::ptrdiff_t x;
            if (k == -d || (k != d && v[k - 1 + nOffset] < v[k + 1 + nOffset]))
                x = v[k + 1 + nOffset];
            else
                x = v[k - 1 + nOffset] + 1;
            std::ptrdiff_t y = x - k;
            while (x < n && y < m && a[x] == b[y]) {
                ++x;
                ++y;
            }
            v[k + nOffset] = x;
            if (x >= n && y >= m) {
                nFound = d;
                break;
            }
        }
        // Only diagonals -d..d matter for the walk back.
        trace.emplace_back(v.begin() + (nOffset - d), v.begin() + (nOffset + d + 1));
    }
    if (nFound < 0)
        return false;

    Pairs reversed;
    std::ptrdiff_t x = n;
    std::ptrdiff_t y = m;
    for (std::ptrdiff_t d = nFound; d >= 0; --d) {
        const std::ptrdiff_t k = x - y;
        std::ptrdiff_t nPrevK = 0;
        std::ptrdiff_t nStartX = 0;
        if (d > 0) {
            const std::vector<int>& prev = trace[static_cast<std::size_t>(d - 1)];
            auto at = [&](std::ptrdiff_t kk) { return prev[static_cast<std::size_t>(kk + (d - 1))]; };
            bool bDown = k == -d || (k != d && at(k - 1) < at(k + 1));
            nPrevK = bDown ? k + 1 : k - 1;
            const std::ptrdiff_t nPrevX = at(nPrevK);
            nStartX = bDown ? nPrevX : nPrevX + 1;
        }
        // The snake: diagonal steps from the edit's end to (x, y).
        const std::ptrdiff_t nSnakeFrom = d > 0 ? nStartX : 0;
        while (x > nSnakeFrom) {
            --x;
            --y;
            reversed.emplace_back(nOldFrom + static_cast<std::size_t>(x), nNewFrom + static_cast<std::size_t>(y));
        }
        if (d > 0) {
            const std::vector<int>& prev = trace[static_cast<std::size_t>(d - 1)];
            x = prev[static_cast<std::size_t>(nPrevK + (d - 1))];
            y = x - nPrevK;
        }
    }
    pairs.insert(pairs.end(), reversed.rbegin(), reversed.rend());
    return true;
}
} // namespace

std::vector<std::pair<std::size_t, std::size_t>> CLineMatch::Match(const std::vector<int>& oldLines,
                                                                   const std::vector<int>& newLines,
                                                                   std::size_t nMaxEdits)
{
    const std::size_t nOld = oldLines.size();
    const std::size_t nNew = newLines.size();
    std::size_t nPrefix = 0;
    while (nPrefix < nOld && nPrefix < nNew && oldLines[nPrefix] == newLines[nPrefix])
        ++nPrefix;
    std::size_t nSuffix = 0;
    while (nSuffix < nOld - nPrefix && nSuffix < nNew - nPrefix &&
           oldLines[nOld - 1 - nSuffix] == newLines[nNew - 1 - nSuffix])
        ++nSuffix;

    Pairs pairs;
    pairs.reserve(nPrefix + nSuffix);
    for (std::size_t i = 0; i < nPrefix; ++i)
        pairs.emplace_back(i, i);
    const std::size_t nOldMiddle = nOld - nPrefix - nSuffix;
    const std::size_t nNewMiddle = nNew - nPrefix - nSuffix;
    if (nOldMiddle > 0 && nNewMiddle > 0)
        MyersMiddle(oldLines.data() + nPrefix, static_cast<std::ptrdiff_t>(nOldMiddle), newLines.data() + nPrefix,
                    static_cast<std::ptrdiff_t>(nNewMiddle), nMaxEdits, nPrefix, nPrefix, pairs);
    for (std::size_t i = nSuffix; i > 0; --i)
        pairs.emplace_back(nOld - i, nNew - i);
    return pairs;
}
