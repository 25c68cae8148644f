#include "core/editor/ColourRun.h"

std::vector<CColourRun> CColourRun::RunsToApply(std::span<const unsigned char> desired,
                                                std::span<const unsigned char> current, std::size_t nBase,
                                                const std::array<std::uint32_t, 256>& colourOf)
{
    std::vector<CColourRun> runs;
    const std::size_t nLength = desired.size();
    std::size_t a = 0;
    while (a < nLength) {
        const unsigned char nCode = desired[a];
        std::size_t b = a + 1;
        while (b < nLength && desired[b] == nCode)
            ++b;
        bool bShowsRight = b <= current.size();
        const std::uint32_t crWanted = colourOf[nCode];
        for (std::size_t i = a; bShowsRight && i < b; ++i)
            bShowsRight = colourOf[current[i]] == crWanted;
        if (!bShowsRight)
            runs.push_back(CColourRun{nBase + a, nBase + b, nCode});
        a = b;
    }
    return runs;
}

std::array<std::uint32_t, 256> CColourRun::IdentityColours()
{
    std::array<std::uint32_t, 256> table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<std::uint32_t>(i);
    return table;
}
