// Feeds arbitrary bytes to the settings file reader. A store that writes
// back what it read must leave the file's bytes as they were, and any bytes
// written as a value into any file must read back whole, with the other
// entries reading as before.
#include "core/settings/IniSettingsStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {
// The file each input is written to, removed when the run ends.
struct CScratchFile {
    std::string m_strPath = "/tmp/tarnwick-fuzz-settings-" + std::to_string(::getpid()) + ".conf";
    ~CScratchFile() { ::unlink(m_strPath.c_str()); }
};

const std::string& FilePath()
{
    static const CScratchFile s_file;
    return s_file.m_strPath;
}

void WriteFile(std::string_view bytes)
{
    const int fd = ::open(FilePath().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    ::close(fd);
}

std::string ReadFile()
{
    std::string strBytes;
    const int fd = ::open(FilePath().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        std::abort();
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        strBytes.append(buffer, static_cast<std::size_t>(n));
    ::close(fd);
    return strBytes;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view bytes(reinterpret_cast<const char*>(pData), nSize);
    WriteFile(bytes);
    std::string strBefore;
    {
        CIniSettingsStore store(FilePath());
        // Each value written back as it reads is no change.
        strBefore = store.GetProfileString("Settings", "LASTOPEN", "none");
        if (const auto value = store.Find("Settings", "LASTOPEN"))
            store.WriteProfileString("Settings", "LASTOPEN", *value);
        if (!store.Flush())
            std::abort();
    }
    if (ReadFile() != bytes)
        std::abort(); // nothing changed, nothing written

    // The input's bytes as a value, written into the input as a file.
    const std::string strValue(bytes);
    {
        CIniSettingsStore store(FilePath());
        store.WriteProfileString("Recent File List", "File1", strValue);
        if (!store.Flush())
            std::abort();
    }
    CIniSettingsStore reread(FilePath());
    if (reread.GetProfileString("Recent File List", "File1", "") != strValue)
        std::abort();
    if (reread.GetProfileString("Settings", "LASTOPEN", "none") != strBefore)
        std::abort();
    return 0;
}
