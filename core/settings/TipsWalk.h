#pragma once

#include "core/settings/SettingsStore.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Walks the tips file one tip at a time. Where the walk stands survives
// between runs in the "Tip" settings: "FilePos" is the byte offset after the
// last tip read, and "TimeStamp" the file's time, so a replaced file starts
// again from its first tip. The file is read whole when the walk starts (it
// is small, and anything but a regular file is refused); the position is
// written when the walk ends.
class CTipsWalk {
public:
    static constexpr const char* MissingFileText = "The tips file is missing from the Tarnwick application folder.";
    static constexpr const char* TroubleReadingText = "Trouble reading the tips file";
    // Shown when a whole pass over the file found no tip line.
    static constexpr const char* NoTipsText = "The tips file holds no tips.";
    // Lines are read at most this many bytes at a time; the rest of a longer
    // line is judged as a line of its own.
    static constexpr std::size_t kMaxRead = 999;
    // A tips file is a few kilobytes; a larger one is not read at all.
    static constexpr std::size_t kMaxFileBytes = 4 << 20;

    // Reads strPath, restarts the walk when the file's time differs from the
    // stored one, and reads the first tip from the stored position.
    CTipsWalk(ISettingsStore& store, const std::string& strPath);
    ~CTipsWalk();
    CTipsWalk(const CTipsWalk&) = delete;
    CTipsWalk& operator=(const CTipsWalk&) = delete;

    bool IsOpen() const { return m_bOpen; }
    // The tip read last, as read (its line break included); the missing-file
    // text when there is no file, the trouble text when it cannot be read
    // (not a regular file, or too large).
    const std::string& Tip() const { return m_strTip; }
    // Reads the tip after the current one, wrapping to the top at the end.
    // False, with NoTipsText as the tip, when one full pass found none, or
    // when the file cannot be read (a message says so).
    bool NextTip();
    // Texts to show in a message box, oldest first; taking them empties the queue.
    std::vector<std::string> TakeMessages();

    // Whether the tip is shown at start-up ("StartUp" 0 or absent).
    static bool ShowsAtStartUp(ISettingsStore& store);
    static void SetShowAtStartUp(ISettingsStore& store, bool bShow);

    // A line that starts with a blank, a tab, a line break or ';' is no tip.
    static bool IsTipLine(std::string_view strLine);
    // The file's creation time as ctime() writes it, without the trailing
    // line break; "" when it cannot be read.
    static std::string FileTimeStamp(const std::string& strPath);

private:
    ISettingsStore& m_store;
    bool m_bOpen = false;
    std::string m_strBytes;
    // Where the next read starts, as the byte offset in m_strBytes.
    std::size_t m_nPos = 0;
    std::string m_strTip;
    std::vector<std::string> m_messages;
};
