#pragma once

#include <string>
#include <vector>

// How the project form's sorted drop-down lists order and pick their items.
class CDropDownRules {
public:
    // Sorted as the sorted list control keeps them: without regard to case,
    // ties in byte order.
    static std::vector<std::string> Sorted(std::vector<std::string> items);

    // The item a prefix search selects: the first item, searching from the
    // second one on and wrapping round to the first, whose text begins with
    // strPrefix without regard to case; -1 when none does or the prefix is empty.
    static int FindPrefix(const std::vector<std::string>& items, const std::string& strPrefix);
};
