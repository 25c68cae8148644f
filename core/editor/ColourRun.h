#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// One range of the editor text to give the style of a colour class.
struct CColourRun {
    std::size_t m_nStart = 0;  // absolute offset in the editor text
    std::size_t m_nEnd = 0;    // one past the last character
    unsigned char m_nCode = 0; // colour class code

    bool operator==(const CColourRun&) const = default;

    // The restyling a colouring pass needs. desired holds one class code per
    // character of a range that starts at offset nBase; current holds the codes
    // the editor shows there now (missing entries count as unknown). For every
    // maximal run [a, b) of one desired code, in text order: if every current
    // character of the run already shows the run's colour the run is left
    // alone, else the whole run is returned. colourOf maps a code to what it
    // shows, so codes that look the same are not restyled; see IdentityColours.
    static std::vector<CColourRun> RunsToApply(std::span<const unsigned char> desired,
                                               std::span<const unsigned char> current, std::size_t nBase,
                                               const std::array<std::uint32_t, 256>& colourOf);

    // A table under which only equal codes look the same.
    static std::array<std::uint32_t, 256> IdentityColours();
};
