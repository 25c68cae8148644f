#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JprFormat.h"
#include "core/project/ProjectRecord.h"
#include "core/project/TarnwickFile.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

// The make-up of a generated project: 255 Java files of m_nClasses classes,
// each with m_nMembers members and m_nNested nested classes of
// m_nNestedMembers, and m_nHtmlPages pages.
struct CProjectShape {
    int m_nClasses;
    int m_nMembers;
    int m_nNested;
    int m_nNestedMembers;
    int m_nHtmlPages;
};

// The largest project the lists hold with realistic classes.
static constexpr CProjectShape kFullProject{50, 50, 0, 0, 0};
// A heavier project still, with nested classes and pages (about 32 MB of .jpr).
static constexpr CProjectShape kLargeProject{40, 60, 5, 20, 255};

static void FillProject(CProjectRecord& record, const CProjectShape& shape)
{
    const std::string strProject = "/home/ann/work/big/Big.jpr";
    for (int f = 0; f < 255; ++f) {
        auto pFile = std::make_unique<CJavaFile>(strProject);
        pFile->SetPathName("/home/ann/work/big/src/pkg/File" + std::to_string(f) + ".java");
        for (int c = 0; c < shape.m_nClasses; ++c) {
            auto pClass = std::make_unique<CJavaClass>();
            pClass->SetName("Class" + std::to_string(c));
            for (int m = 0; m < shape.m_nMembers; ++m)
                pClass->AddMember("method" + std::to_string(m) + "(String strName, int nCount)");
            for (int n = 0; n < shape.m_nNested; ++n) {
                auto pNested = std::make_unique<CJavaClass>();
                pNested->SetName("Nested" + std::to_string(n));
                for (int m = 0; m < shape.m_nNestedMembers; ++m)
                    pNested->AddMember("run" + std::to_string(m) + "()");
                pClass->GetNestedClasses().Add(std::move(pNested));
            }
            pFile->GetClasses().Add(std::move(pClass));
        }
        record.m_javaFiles.Add(std::move(pFile));
    }
    for (int h = 0; h < shape.m_nHtmlPages; ++h) {
        auto pPage = std::make_unique<CTarnwickFile>(strProject);
        pPage->SetPathName("/home/ann/work/big/www/Page" + std::to_string(h) + ".html");
        record.m_htmlFiles.Add(std::move(pPage));
    }
    record.m_strMainJavaFile = "File0.java";
    record.m_strMainFolder = "/home/ann/work/big/src/pkg";
    if (shape.m_nHtmlPages > 0)
        record.m_strJavacSwitches = "-g -deprecation";
}

static void BM_JprWrite(benchmark::State& state, const CProjectShape& shape)
{
    CProjectRecord record;
    FillProject(record, shape);
    std::size_t nBytes = 0;
    for (auto _ : state) {
        std::string strBytes = CJprFormat::WriteBytes(record);
        nBytes = strBytes.size();
        benchmark::DoNotOptimize(strBytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * nBytes));
    state.counters["file_bytes"] = static_cast<double>(nBytes);
}
BENCHMARK_CAPTURE(BM_JprWrite, 255x50x50, kFullProject)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JprWrite, 255x40x(60 + 5x20), kLargeProject)->Unit(benchmark::kMillisecond);

static void BM_JprRead(benchmark::State& state, const CProjectShape& shape)
{
    CProjectRecord source;
    FillProject(source, shape);
    const std::string strBytes = CJprFormat::WriteBytes(source);
    for (auto _ : state) {
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
BENCHMARK_CAPTURE(BM_JprRead, 255x50x50, kFullProject)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JprRead, 255x40x(60 + 5x20), kLargeProject)->Unit(benchmark::kMillisecond);
