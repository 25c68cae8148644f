#pragma once

#include <span>
#include <string>
#include <string_view>

// The run listing of an HTML colouring, in the form of the Java one
// (CColourListing::Runs) with the tag class added.
class CHtmlColourListing {
public:
    // "plain", "tag", "keyword", "string" or "comment"; any other code shows plain.
    static std::string_view ClassName(unsigned char nCode);

    // One line "START END CLASS" (END exclusive) per maximal run of one class,
    // in text order, covering every code; an empty text lists nothing.
    static std::string Runs(std::span<const unsigned char> codes);
};
