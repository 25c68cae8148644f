#include "core/project/ProjectArchive.h"

#include "core/project/JprUtf16.h"

#include <cstring>
#include <limits>

CProjectArchive::CProjectArchive(EStoring eStoring) : m_bStoring(true), m_bSizeOnly(eStoring == EStoring::SizeOnly) {}

CProjectArchive::CProjectArchive(std::string_view bytes)
    : m_bStoring(false), m_load(bytes), m_nBudget(bytes.size() * kMemoryPerFileByte + kMemoryAllowance)
{}

void CProjectArchive::Append(const char* pBytes, std::size_t nBytes)
{
    if (m_bSizeOnly)
        m_nSizeOnly += nBytes;
    else
        m_strStored.append(pBytes, nBytes);
}

void CProjectArchive::AppendLittleEndian(std::uint32_t nValue, int nBytes)
{
    char bytes[4];
    for (int i = 0; i < nBytes; ++i)
        bytes[i] = static_cast<char>((nValue >> (8 * i)) & 0xFF);
    Append(bytes, static_cast<std::size_t>(nBytes));
}

void CProjectArchive::WriteInt32(std::int32_t nValue)
{
    AppendLittleEndian(static_cast<std::uint32_t>(nValue), 4);
}

void CProjectArchive::WriteCount(std::uint32_t nCount)
{
    if (nCount < 0xFFFF) {
        AppendLittleEndian(nCount, 2);
        return;
    }
    AppendLittleEndian(0xFFFF, 2);
    AppendLittleEndian(nCount, 4);
}

void CProjectArchive::WriteString(std::string_view str)
{
    // Nothing in a project comes near 4 GB; a longer text keeps its first 4 GB
    // rather than writing a length that disagrees with the bytes.
    const std::size_t nMax = std::numeric_limits<std::uint32_t>::max();
    const std::size_t nLength = str.size() < nMax ? str.size() : nMax;
    if (nLength < 0xFF) {
        AppendLittleEndian(static_cast<std::uint32_t>(nLength), 1);
    } else if (nLength < 0xFFFE) {
        AppendLittleEndian(0xFF, 1);
        AppendLittleEndian(static_cast<std::uint32_t>(nLength), 2);
    } else {
        AppendLittleEndian(0xFF, 1);
        AppendLittleEndian(0xFFFF, 2);
        AppendLittleEndian(static_cast<std::uint32_t>(nLength), 4);
    }
    Append(str.data(), nLength);
}

void CProjectArchive::WriteStringArray(const std::vector<std::string>& arr)
{
    WriteCount(static_cast<std::uint32_t>(arr.size()));
    for (const std::string& str : arr)
        WriteString(str);
}

bool CProjectArchive::Fail()
{
    m_bFailed = true;
    return false;
}

bool CProjectArchive::ReadBytes(void* pDest, std::size_t nBytes)
{
    if (m_bFailed || m_bStoring || nBytes > GetBytesLeft())
        return Fail();
    std::memcpy(pDest, m_load.data() + m_nPos, nBytes);
    m_nPos += nBytes;
    return true;
}

bool CProjectArchive::ReadUInt8(std::uint8_t& nValue)
{
    return ReadBytes(&nValue, 1);
}

bool CProjectArchive::ReadUInt16(std::uint16_t& nValue)
{
    unsigned char bytes[2];
    if (!ReadBytes(bytes, 2))
        return false;
    nValue = static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
    return true;
}

bool CProjectArchive::ReadUInt32(std::uint32_t& nValue)
{
    unsigned char bytes[4];
    if (!ReadBytes(bytes, 4))
        return false;
    nValue = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
             (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
    return true;
}

bool CProjectArchive::ReadInt32(std::int32_t& nValue)
{
    std::uint32_t nRaw = 0;
    if (!ReadUInt32(nRaw))
        return false;
    nValue = static_cast<std::int32_t>(nRaw);
    return true;
}

bool CProjectArchive::ReadCount(std::uint32_t& nCount)
{
    std::uint16_t nShort = 0;
    if (!ReadUInt16(nShort))
        return false;
    if (nShort != 0xFFFF) {
        nCount = nShort;
        return true;
    }
    return ReadUInt32(nCount);
}

bool CProjectArchive::ReadStringPrefix(std::uint32_t& nLength, bool& bUtf16)
{
    std::uint8_t nByte = 0;
    if (!ReadUInt8(nByte))
        return false;
    nLength = nByte;
    bUtf16 = false;
    if (nByte != 0xFF)
        return true;
    std::uint16_t nShort = 0;
    if (!ReadUInt16(nShort))
        return false;
    if (nShort == 0xFFFE) {
        // UTF-16 marker: a second prefix counts 2-byte units. Another
        // marker there is not a length.
        bUtf16 = true;
        if (!ReadUInt8(nByte))
            return false;
        nLength = nByte;
        if (nByte != 0xFF)
            return true;
        if (!ReadUInt16(nShort))
            return false;
        if (nShort == 0xFFFE)
            return Fail();
    }
    nLength = nShort;
    return nShort != 0xFFFF || ReadUInt32(nLength);
}

bool CProjectArchive::ReadStringText(std::string& str, bool bAppend)
{
    std::uint32_t nLength = 0;
    bool bUtf16 = false;
    if (!ReadStringPrefix(nLength, bUtf16))
        return false;
    // Checked against the bytes left before anything is allocated.
    const std::size_t nBytes = bUtf16 ? std::size_t{nLength} * 2 : nLength;
    if (nBytes > GetBytesLeft())
        return Fail();
    const std::string_view text = m_load.substr(m_nPos, nBytes);
    const std::size_t nBefore = bAppend ? str.size() : 0;
    if (bUtf16 && bAppend)
        str += CJprUtf16::ToUtf8(text);
    else if (bUtf16)
        str = CJprUtf16::ToUtf8(text);
    else if (bAppend)
        str.append(text);
    else
        str.assign(text);
    m_nPos += nBytes;
    if (bAppend)
        return Charge(str.size() - nBefore);
    // A text past the string's own short buffer is a heap block of its own.
    static const std::size_t nShortCapacity = std::string().capacity();
    return str.size() <= nShortCapacity || Charge(str.size() + 1 + kAllocationOverhead);
}

bool CProjectArchive::ReadString(std::string& str)
{
    // Read aside: a failed read leaves str as it was.
    std::string strRead;
    if (!ReadStringText(strRead, false))
        return false;
    str = std::move(strRead);
    return true;
}

bool CProjectArchive::ReadStringAppend(std::string& str)
{
    return ReadStringText(str, true);
}

bool CProjectArchive::ReadStringArray(std::vector<std::string>& arr)
{
    std::uint32_t nCount = 0;
    if (!ReadCount(nCount))
        return false;
    // Every string takes at least its one-byte prefix.
    if (nCount > GetBytesLeft() || !Charge(std::size_t{nCount} * sizeof(std::string)))
        return Fail();
    arr.clear();
    arr.reserve(nCount);
    for (std::uint32_t i = 0; i < nCount; ++i) {
        std::string str;
        if (!ReadString(str))
            return false;
        arr.push_back(std::move(str));
    }
    return true;
}

bool CProjectArchive::Charge(std::size_t nBytes)
{
    if (m_bFailed || nBytes > m_nBudget)
        return Fail();
    m_nBudget -= nBytes;
    return true;
}

bool CProjectArchive::EnterNesting()
{
    if (m_nDepth >= kMaxNestingDepth)
        return Fail();
    ++m_nDepth;
    return true;
}

void CProjectArchive::LeaveNesting()
{
    if (m_nDepth > 0)
        --m_nDepth;
}
