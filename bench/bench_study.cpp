#include "BenchSupport.h"

#include "study/QuestionTable.h"
#include "study/StudyFileLoader.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace orvik3;

// LoadStudyFile of a full table (301 records) of the longest layout, from the file.
static void BM_LoadStudyFile_Type5_301(benchmark::State &state)
{
    QTemporaryDir dir;
    bench::writeStudyFile(dir.path(), QStringLiteral("adfpos.sty"), bench::adfStudyFile(301));
    QuestionTable table;
    const QString name = QStringLiteral("adfpos.sty");
    StudyLoadResult loaded;
    for (auto _ : state) {
        loaded = loadStudyFile(dir.path(), 5, name, table);
        benchmark::DoNotOptimize(loaded.records);
    }
    if (loaded.records != 301)
        state.SkipWithError("the file did not load");
}
BENCHMARK(BM_LoadStudyFile_Type5_301)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same bytes without the file system.
static void BM_ReadStudyData_Type5_301(benchmark::State &state)
{
    const QByteArray bytes = bench::adfStudyFile(301);
    QuestionTable table;
    for (auto _ : state)
        benchmark::DoNotOptimize(readStudyData(bytes, 5, table));
}
BENCHMARK(BM_ReadStudyData_Type5_301)->Unit(benchmark::kMicrosecond);
