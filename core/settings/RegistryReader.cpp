#include "core/settings/RegistryReader.h"

#include <cstring>

std::string CRegistryReader::ReadStringValue(ERegRoot root, const std::string& strSubKey,
                                             const std::string& strValueName)
{
    RegKeyHandle hKey = 0;
    if (!m_registry.OpenKey(root, strSubKey, hKey))
        return "";

    std::string strResult;
    char szName[kBufferSize];
    unsigned char data[kBufferSize];
    for (std::uint32_t nIndex = 0;; ++nIndex) {
        std::uint32_t nNameLength = kBufferSize;
        std::uint32_t nDataLength = kBufferSize;
        ERegStatus status = m_registry.EnumValue(hKey, nIndex, szName, nNameLength, data, nDataLength);
        if (status == ERegStatus::NoMoreItems || status == ERegStatus::Failure)
            break; // a failing enumeration would otherwise never end
        if (status != ERegStatus::Success)
            continue; // a value too large for our buffers cannot be the one we read
        if (std::string(szName, nNameLength) == strValueName) {
            const auto* pEnd = static_cast<const unsigned char*>(std::memchr(data, 0, nDataLength));
            std::size_t nLength = pEnd ? static_cast<std::size_t>(pEnd - data) : nDataLength;
            strResult.assign(reinterpret_cast<const char*>(data), nLength);
            break;
        }
    }
    m_registry.CloseKey(hKey);
    return strResult;
}
