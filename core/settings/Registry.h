#pragma once

#include <cstdint>
#include <string>

// The small part of the Windows registry that JDK detection reads. Windows
// builds wrap the real calls; tests use a fake with the same semantics.
enum class ERegRoot { LocalMachine, CurrentUser };

enum class ERegStatus {
    Success,
    MoreData,    // name or data did not fit the caller's buffer
    NoMoreItems, // index past the last value
    Failure,
};

using RegKeyHandle = std::uintptr_t;

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // Opens a key for reading.
    virtual bool OpenKey(ERegRoot root, const std::string& strSubKey, RegKeyHandle& hKey) = 0;
    // Fills the name (nNameLength in: capacity in characters with the terminator;
    // out: characters without it) and data (nDataLength in: capacity in bytes;
    // out: bytes written) of the value at nIndex.
    virtual ERegStatus EnumValue(RegKeyHandle hKey, std::uint32_t nIndex, char* pszName, std::uint32_t& nNameLength,
                                 unsigned char* pData, std::uint32_t& nDataLength) = 0;
    virtual void CloseKey(RegKeyHandle hKey) = 0;
};
