#pragma once

#include "core/settings/SettingsStore.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Walks the tips file one tip at a time. Where the walk stands survives
// between runs in the "Tip" settings: "FilePos" is the byte offset after the
// last tip read, and "TimeStamp" the file's time, so a replaced file starts
// again from its first tip. The file stays open for the walk's life; the
// position is written when the walk ends.
class CTipsWalk {
public:
    static constexpr const char* MissingFileText = "The tips file is missing from the Tarnwick application folder.";
    static constexpr const char* TroubleReadingText = "Trouble reading the tips file";
    // Shown when a whole pass over the file found no tip line.
    static constexpr const char* NoTipsText = "The tips file holds no tips.";
    // Lines are read at most this many bytes at a time; the rest of a longer
    // line is judged as a line of its own.
    static constexpr std::size_t kMaxRead = 999;

    // Opens strPath, restarts the walk when the file's time differs from the
    // stored one, and reads the first tip from the stored position.
    CTipsWalk(ISettingsStore& store, const std::string& strPath);
    ~CTipsWalk();
    CTipsWalk(const CTipsWalk&) = delete;
    CTipsWalk& operator=(const CTipsWalk&) = delete;

    bool IsOpen() const { return m_pFile != nullptr; }
    // The tip read last, as read (its line break included); the missing-file
    // text when there is no file.
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
    static std::string FileTimeStamp(std::FILE* pFile);

private:
    ISettingsStore& m_store;
    std::FILE* m_pFile = nullptr;
    std::string m_strTip;
    std::vector<std::string> m_messages;
};
