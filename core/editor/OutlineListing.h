#pragma once

#include <string>

class COutlineScanner;

// The function drop-down of a scanned text as lines "POSITION<TAB>ENTRY", in
// scan order. POSITION is the entry's offset in the CR LF text.
class COutlineListing {
public:
    static std::string Write(const COutlineScanner& scanner);
};
