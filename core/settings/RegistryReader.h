#pragma once

#include "core/settings/Registry.h"

#include <string>

// Reads one string value from a registry key by enumerating its values.
class CRegistryReader {
public:
    explicit CRegistryReader(IRegistry& registry) : m_registry(registry) {}

    // The data of the value named exactly strValueName (case-sensitive), read
    // as a zero-terminated string, or "" when the key or value is missing.
    std::string ReadStringValue(ERegRoot root, const std::string& strSubKey, const std::string& strValueName);

    // Name and data buffers hold this many characters.
    static constexpr std::uint32_t kBufferSize = 255;

private:
    IRegistry& m_registry;
};
