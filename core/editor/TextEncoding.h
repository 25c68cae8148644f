#pragma once

#include <string_view>

// What kind of bytes a file holds, as far as the editor is concerned. The
// editor edits single-byte and UTF-8 text; anything else it can only show.
enum class ETextKind {
    Editable, // ASCII, UTF-8 or an 8-bit code page (a few zero bytes allowed)
    Utf16,    // UTF-16, with or without a byte order mark
    Utf32,    // UTF-32 with a byte order mark
    Binary    // many zero bytes in no UTF-16 pattern
};

class CTextEncoding {
public:
    // Looks at the byte order mark, else at where the zero bytes of the first
    // 64 KB fall: UTF-16 text has one in nearly every other byte (ASCII
    // characters), binary data has many anywhere. Linear in the sample.
    static ETextKind Classify(std::string_view strBytes);

    // A short name for messages: "UTF-16", "UTF-32", "binary data".
    static std::string_view KindName(ETextKind eKind);
};
