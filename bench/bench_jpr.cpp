#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JprFormat.h"
#include "core/project/ProjectRecord.h"
#include "core/project/TarnwickFile.h"

#include <benchmark/benchmark.h>

#include <string>

// A full project: 255 Java files, each with 40 classes of 60 members and
// 5 nested classes of 20 members (about 32 MB of .jpr).
static void FillLargeProject(CProjectRecord& record)
{
    const std::string strProject = "/home/ann/work/big/Big.jpr";
    for (int f = 0; f < 255; ++f)
    {
        auto pFile = std::make_unique<CJavaFile>(strProject);
        pFile->SetPathName("/home/ann/work/big/src/pkg/File" + std::to_string(f) + ".java");
        for (int c = 0; c < 40; ++c)
        {
            auto pClass = std::make_unique<CJavaClass>();
            pClass->SetName("Class" + std::to_string(c));
            for (int m = 0; m < 60; ++m)
                pClass->AddMember("method" + std::to_string(m) + "(String strName, int nCount)");
            for (int n = 0; n < 5; ++n)
            {
                auto pNested = std::make_unique<CJavaClass>();
                pNested->SetName("Nested" + std::to_string(n));
                for (int m = 0; m < 20; ++m)
                    pNested->AddMember("run" + std::to_string(m) + "()");
                pClass->GetNestedClasses().Add(std::move(pNested));
            }
            pFile->GetClasses().Add(std::move(pClass));
        }
        record.m_javaFiles.Add(std::move(pFile));
    }
    for (int h = 0; h < 255; ++h)
    {
        auto pPage = std::make_unique<CTarnwickFile>(strProject);
        pPage->SetPathName("/home/ann/work/big/www/Page" + std::to_string(h) + ".html");
        record.m_htmlFiles.Add(std::move(pPage));
    }
    record.m_strMainJavaFile = "File0.java";
    record.m_strMainFolder = "/home/ann/work/big/src/pkg";
    record.m_strJavacSwitches = "-g -deprecation";
}

static void BM_JprWrite(benchmark::State& state)
{
    CProjectRecord record;
    FillLargeProject(record);
    std::size_t nBytes = 0;
    for (auto _ : state)
    {
        std::string strBytes = CJprFormat::WriteBytes(record);
        nBytes = strBytes.size();
        benchmark::DoNotOptimize(strBytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * nBytes));
    state.counters["file_bytes"] = static_cast<double>(nBytes);
}
BENCHMARK(BM_JprWrite)->Unit(benchmark::kMillisecond);

static void BM_JprRead(benchmark::State& state)
{
    CProjectRecord source;
    FillLargeProject(source);
    const std::string strBytes = CJprFormat::WriteBytes(source);
    for (auto _ : state)
    {
        CProjectRecord record;
        std::string strError;
        if (!CJprFormat::ReadBytes(strBytes, record, strError))
            state.SkipWithError("the project did not load");
        benchmark::DoNotOptimize(record.m_javaFiles.GetCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * strBytes.size()));
}
BENCHMARK(BM_JprRead)->Unit(benchmark::kMillisecond);
