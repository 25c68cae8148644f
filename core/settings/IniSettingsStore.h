#pragma once

#include "core/settings/SettingsStore.h"

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Settings in the INI file QSettings keeps on Linux: "[SECTION]" headers,
// "ENTRY=value" lines, its escapes (\\ \" \n \r \t \0 \xHHHH ...) and quoted
// values. Values are bytes: what is written is what is read, invalid UTF-8
// and commas included. The file keeps every line it had, byte for byte,
// except the lines of values changed here; new values go at the end of their
// section. Nothing is written unless a value changed.
class CIniSettingsStore : public ISettingsStore {
public:
    // A settings file is a few kilobytes; a larger one is not read.
    static constexpr std::size_t kMaxFileBytes = 4 << 20;

    // Reads the file now. A missing file is an empty store; one that cannot
    // be read (a FIFO, a device, a folder, too large, no permission) is an
    // empty store that never writes, so what is there is not lost.
    explicit CIniSettingsStore(std::string strPath);
    // Flushes what changed.
    ~CIniSettingsStore() override;
    CIniSettingsStore(const CIniSettingsStore&) = delete;
    CIniSettingsStore& operator=(const CIniSettingsStore&) = delete;

    int GetProfileInt(const std::string& strSection, const std::string& strEntry, int nDefault) override;
    std::string GetProfileString(const std::string& strSection, const std::string& strEntry,
                                 const std::string& strDefault) override;
    void WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue) override;
    void WriteProfileString(const std::string& strSection, const std::string& strEntry,
                            const std::string& strValue) override;

    // A value's bytes; nothing when the file has none.
    std::optional<std::string> Find(const std::string& strSection, const std::string& strEntry) const;

    // Writes the values changed since the last flush into the file as it is
    // on disk now (so values another program stored meanwhile stay), through
    // the atomic writer, making its folder when needed. True when there was
    // nothing to write or it was written; strReason says why not.
    bool Flush(std::string& strReason);
    bool Flush();

    const std::string& Path() const { return m_strPath; }

    // Where QSettings("Vellorand", "Tarnwick") keeps its file:
    // $XDG_CONFIG_HOME (when absolute), else $HOME/.config, + "/Vellorand/Tarnwick.conf".
    using EnvironmentReader = std::function<std::optional<std::string>(const std::string& strName)>;
    static std::string DefaultPath(const EnvironmentReader& readEnvironment);

    // A value's text as the file holds it (after "=") and its bytes.
    static std::string UnescapeValue(std::string_view strText);
    static std::string EscapeValue(std::string_view strValue);

private:
    struct CLine {
        std::string m_strRaw;     // the whole line as read, without its line break
        std::string m_strSection; // the section it is in ("" before any header)
        std::string m_strEntry;   // the entry it sets; empty for other lines
        bool m_bHeader = false;
    };

    void Parse(std::string_view strBytes);
    std::string Serialise() const;
    // The line setting an entry: the last one, as QSettings reads it.
    std::optional<std::size_t> FindLine(const std::string& strSection, const std::string& strEntry) const;
    void SetLine(const std::string& strSection, const std::string& strEntry, const std::string& strText);
    void Change(const std::string& strSection, const std::string& strEntry, const std::string& strText);

    std::string m_strPath;
    std::vector<CLine> m_lines;
    bool m_bEndsWithBreak = true;
    // Values set here and not yet in the file: (section, entry) -> value text.
    std::map<std::pair<std::string, std::string>, std::string> m_pending;
};
