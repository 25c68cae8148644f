#pragma once

#include <span>
#include <string>
#include <string_view>

// Text listings of a colouring result, for comparing our colourer with other
// implementations over corpora of files. Both are linear in the text.
class CColourListing {
public:
    // "plain", "keyword", "comment" or "string"; any other code shows plain.
    static std::string_view ClassName(unsigned char nCode);

    // One line "START END CLASS" (END exclusive) per maximal run of one class,
    // in text order, covering every code. Codes that show the same class form one run.
    static std::string Runs(std::span<const unsigned char> codes);
    // The same with the class names another colourer's codes show.
    using ClassNameOf = std::string_view (*)(unsigned char nCode);
    static std::string Runs(std::span<const unsigned char> codes, ClassNameOf className);

    // The raw codes in decimal, space separated, one line per line of the CR LF
    // text strText: the codes of a line break end the line they close. A final
    // line with no characters prints nothing, so an empty text prints nothing.
    // codes holds one code per character of strText.
    static std::string Codes(std::string_view strText, std::span<const unsigned char> codes);
};
