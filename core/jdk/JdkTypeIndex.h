#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// Finds a type's own page in API docs made by javadoc 9 to 18. Those docs
// have a search box but no search page to hand a word to; what the box
// searches is in type-search-index.js and package-search-index.js, arrays
// of small objects such as {"p":"java.util","l":"List"} and
// {"m":"java.base","l":"java.util"}.
class CJdkTypeIndex {
public:
    using CEntry = std::map<std::string, std::string>;

    // The page of the type strName names ("List", "Map.Entry" or
    // "java.util.List") in the docs folder, when the index lists it and the
    // page is there; else empty. Of types with the same name, java.lang's
    // comes first, then java.util's, then other java.*, then javax.*.
    static std::string TypePage(const std::string& strFolder, std::string_view strName);

    // Every {...} object of an index script with its string members, in order.
    static std::vector<CEntry> ReadEntries(std::string_view strScript);

    // Index scripts of the JDK are a few megabytes; larger files are not read.
    static constexpr std::size_t kMaxIndexBytes = 32u << 20;
};
