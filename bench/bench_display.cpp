#include "BenchSupport.h"

#include <orvik3/QAform.h>

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace orvik3;

// DisplayQuestion of the position panel (type 2) with 301 questions: the common frame, the
// statistics line read from the store, the panel's reset and the session path.
template <bool Persistent>
static void BM_DisplayQuestion(benchmark::State &state)
{
    QTemporaryDir dir;
    bench::writeStudyFile(dir.path(), QStringLiteral("stdvor.sty"), bench::vorStudyFile(301));
    std::shared_ptr<SettingsStore> store;
    if constexpr (Persistent)
        store = std::make_shared<IniSettingsStore>(dir.path() + QStringLiteral("/settings"));
    else
        store = std::make_shared<MemorySettingsStore>();
    store->write(QStringLiteral("avx1"), QStringLiteral("stats"), QStringLiteral("stdvor_total"), QStringLiteral("8"));
    store->write(QStringLiteral("avx1"), QStringLiteral("stats"), QStringLiteral("stdvor_bad"), QStringLiteral("3"));
    QAform form(bench::services(store));
    form.InitProperties();
    form.setC_MainAppPath(dir.path());
    form.setC_QAtype(2);
    if (form.lastQuestion() != 300)
        state.SkipWithError("the file did not load");
    for (auto _ : state)
        form.DisplayQuestion();
}
BENCHMARK(BM_DisplayQuestion<false>)->Name("BM_DisplayQuestion_Memory")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DisplayQuestion<true>)->Name("BM_DisplayQuestion_Persistent")->Unit(benchmark::kMicrosecond);
