// Feeds arbitrary bytes to the project file reader. Whatever loads must
// write out, load again and write out the same bytes a second time, and its
// JSON dump must parse as JSON and be the same for both loads.
#include "core/project/JprFormat.h"
#include "core/project/ProjectRecord.h"
#include "core/project/ProjectRecordJson.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view bytes(reinterpret_cast<const char*>(pData), nSize);
    CProjectRecord record;
    std::string strError;
    if (!CJprFormat::ReadBytes(bytes, record, strError)) {
        if (strError != "Unexpected file format.")
            std::abort();
        return 0;
    }
    const std::string strFirst = CJprFormat::WriteBytes(record);
    if (strFirst.size() > nSize + nSize)
        std::abort(); // the canonical form is never much longer than any form

    CProjectRecord reloaded;
    if (!CJprFormat::ReadBytes(strFirst, reloaded, strError))
        std::abort();
    if (CJprFormat::WriteBytes(reloaded) != strFirst)
        std::abort();

    const std::string strJson = CProjectRecordJson::Write(record);
    if (nlohmann::json::parse(strJson, nullptr, false).is_discarded())
        std::abort();
    if (CProjectRecordJson::Write(reloaded) != strJson)
        std::abort();
    return 0;
}
