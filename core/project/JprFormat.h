#pragma once

#include <string>
#include <string_view>

class CProjectRecord;

// Whole project records to and from .jpr bytes and files. Failures come back
// as false plus the text to show the user.
class CJprFormat {
public:
    static constexpr const char* UnexpectedFormatText = "Unexpected file format.";
    static constexpr const char* OpenFailedText = "Failed to open document.";
    static constexpr const char* SaveFailedText = "Failed to save document.";

    static std::string WriteBytes(const CProjectRecord& record);

    // Fills record only on success; on failure it is left as it was and
    // strError holds UnexpectedFormatText. Bytes after the last field are
    // refused too: saving such a file back would drop them.
    static bool ReadBytes(std::string_view bytes, CProjectRecord& record, std::string& strError);

    static bool ReadFile(const std::string& strPath, CProjectRecord& record, std::string& strError);

    // Replaces the file in one step: a failed save leaves the old file intact
    // and strError is SaveFailedText, the path and the system's reason. A
    // file that already holds these bytes is not written at all.
    static bool WriteFile(const std::string& strPath, const CProjectRecord& record, std::string& strError);
    static std::string SaveFailedMessage(const std::string& strPath, const std::string& strReason);
};
