#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JprFormat.h"
#include "core/project/ProjectRecord.h"
#include "core/project/TarnwickFile.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

// The largest project the lists hold with realistic classes: 255 Java files
// of 50 classes with 50 members each.
static void FillFullProject(CProjectRecord& record)
{
    const std::string strProject = "/home/ann/work/big/Big.jpr";
    for (int f = 0; f < 255; ++f)
    {
        auto pFile = std::make_unique<CJavaFile>(strProject);
        pFile->SetPathName("/home/ann/work/big/src/pkg/File" + std::to_string(f) + ".java");
        for (int c = 0; c < 50; ++c)
        {
            auto pClass = std::make_unique<CJavaClass>();
            pClass->SetName("Class" + std::to_string(c));
            for (int m = 0; m < 50; ++m)
                pClass->AddMember("method" + std::to_string(m) + "(String strName, int nCount)");
            pFile->GetClasses().Add(std::move(pClass));
        }
        record.m_javaFiles.Add(std::move(pFile));
    }
    record.m_strMainJavaFile = "File0.java";
    record.m_strMainFolder = "/home/ann/work/big/src/pkg";
}

// A heavier project still: 255 Java files, each with 40 classes of 60 members
// and 5 nested classes of 20 members (about 32 MB of .jpr).
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

template <void (*Fill)(CProjectRecord&)>
static void BM_JprWrite(benchmark::State& state)
{
    CProjectRecord record;
    Fill(record);
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
BENCHMARK(BM_JprWrite<FillFullProject>)->Name("BM_JprWrite/255x50x50")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JprWrite<FillLargeProject>)->Name("BM_JprWrite/255x40x(60+5x20)")->Unit(benchmark::kMillisecond);

template <void (*Fill)(CProjectRecord&)>
static void BM_JprRead(benchmark::State& state)
{
    CProjectRecord source;
    Fill(source);
    const std::string strBytes = CJprFormat::WriteBytes(source);
    for (auto _ : state)
    {
        auto pRecord = std::make_unique<CProjectRecord>();
        std::string strError;
        if (!CJprFormat::ReadBytes(strBytes, *pRecord, strError))
            state.SkipWithError("the project did not load");
        benchmark::DoNotOptimize(pRecord->m_javaFiles.GetCount());
        // Dropping a project is the closing's cost, not the reading's.
        state.PauseTiming();
        pRecord.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * strBytes.size()));
}
BENCHMARK(BM_JprRead<FillFullProject>)->Name("BM_JprRead/255x50x50")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JprRead<FillLargeProject>)->Name("BM_JprRead/255x40x(60+5x20)")->Unit(benchmark::kMillisecond);
