#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A JDK's release file: KEY="VALUE" lines such as JAVA_VERSION="17.0.2".
class CJdkRelease {
public:
    // A release file is a few hundred bytes; never read more than this.
    static constexpr std::size_t kMaxBytes = 64 * 1024;

    // The text of <strJdkFolder>/release; empty when there is none, or when it
    // is not a regular file (a FIFO, a device) or is larger than kMaxBytes.
    static std::string ReadOfJdk(const std::string& strJdkFolder);

    // The value of the first line that starts with strKey and "=", without
    // its quotes; empty when no line sets it. Lines end at LF, and the CR of
    // a CRLF line end (a file written on Windows) is not part of the value.
    static std::string Value(std::string_view strReleaseText, std::string_view strKey);
};
