#pragma once

#include <cstddef>
#include <string>

// Reads a file named by the bytes the system uses for its name, which need
// not be valid UTF-8 (POSIX).
class CFileBytes {
public:
    enum class EReadFailure { None, Missing, Denied, NotRegular, Other, TooLarge };

    // Reads the whole of a regular file. Anything else (a FIFO, a device, a
    // folder) is refused without blocking: it is opened non-blocking and
    // checked before a byte is read. On failure strBytes is empty, eFailure
    // says what kind and strReason holds the system's text.
    static bool ReadRegular(const std::string& strPath, std::string& strBytes, EReadFailure& eFailure,
                            std::string& strReason);
    // The same for a file that should be small (a JDK's release file, tips,
    // settings): one larger than nMaxBytes is refused as TooLarge, and no
    // more than nMaxBytes + 1 bytes are ever read, however the file grows.
    static bool ReadRegular(const std::string& strPath, std::string& strBytes, EReadFailure& eFailure,
                            std::string& strReason, std::size_t nMaxBytes);

    // Whether the path names a regular file (following symbolic links).
    static bool IsRegularFile(const std::string& strPath);
};
