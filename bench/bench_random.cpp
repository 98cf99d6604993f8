// Fresh practice situations: one question of each type drawn, checked and written to bytes,
// and a whole set of 24 written to disk with its sessions, as the trainer makes one between
// two sets.

#include "RandomSet.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace orvik3::study;

// One question of the type, a new seed each time so the rejected draws are averaged in.
static void BM_RandomQuestion(benchmark::State &state)
{
    const auto type = qint16(state.range(0));
    quint64 seed = 1;
    QString error;
    for (auto _ : state) {
        const auto set = randomSet({type, 1, seed++, Language::German, {}, {}}, &error);
        if (!set) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
        benchmark::DoNotOptimize(set->files.files.size());
    }
}
BENCHMARK(BM_RandomQuestion)->DenseRange(1, 14)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);

// A set of 24 with its study file and 24 sessions written below a fresh folder.
static void BM_RandomSetWritten24(benchmark::State &state)
{
    const auto type = qint16(state.range(0));
    quint64 seed = 1;
    QString error;
    for (auto _ : state) {
        QTemporaryDir dir;
        if (!writeRandomSet({type, 24, seed++, Language::German, {}, {}}, dir.path(), &error)) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
    }
}
BENCHMARK(BM_RandomSetWritten24)->Arg(3)->Arg(5)->Arg(8)->Arg(9)->Arg(12)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
