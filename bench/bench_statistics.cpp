#include "BenchSupport.h"

#include "exercises/CommonButtons.h"
#include "exercises/PanelContext.h"
#include "questions/Statistics.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <memory>

using namespace orvik3;

namespace {

// Counters for every question 0..300 of each prefix, as a well-used store holds them.
void fillStore(IniSettingsStore &store, std::initializer_list<const char *> prefixes)
{
    store.update(Statistics::app(), [&] {
        for (const char *prefix : prefixes)
            for (int q = 0; q <= 300; ++q) {
                store.write(Statistics::app(), Statistics::section(), Statistics::totalKey(QLatin1String(prefix), q),
                            QStringLiteral("12"));
                store.write(Statistics::app(), Statistics::section(), Statistics::badKey(QLatin1String(prefix), q),
                            QStringLiteral("3"));
            }
    });
}

// "Weiter" after a wrong first part of a QDM question, question after question of 301.
void countWrongAnswers(benchmark::State &state, std::shared_ptr<SettingsStore> store, int &question)
{
    const Services services = bench::services(std::move(store));
    Form form;
    QuestionTable table;
    QuestionState s;
    const qint16 type = 6;
    const PanelContext ctx{form, services, table, s, type};
    s.lastQuestion = 300;
    for (auto _ : state) {
        s.currentQuestion = qint16(question++ % 301);
        s.partDone[1] = true;
        s.partCorrect[1] = false;
        buttons::countAnswers(ctx, QStringLiteral("qdm"), 4);
    }
}

} // namespace

// "Weiter" after a wrong answer with 301 questions loaded, on the on-disk store: the attempt and
// the wrong answer of the question, both aggregates recomputed over 301 keys each, and the
// durable write. Every question already has its counters, so the file holds 604 entries.
// One iteration per repetition: the median is that of single counts.
static void BM_WeiterCount_301_Persistent(benchmark::State &state)
{
    QTemporaryDir dir;
    auto store = std::make_shared<IniSettingsStore>(dir.path());
    fillStore(*store, {"qdm"});
    static int question = 0; // across repetitions, so that each one counts a fresh question
    countWrongAnswers(state, store, question);
}
BENCHMARK(BM_WeiterCount_301_Persistent)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(300)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

// The same count on the in-memory store: the cost without the disk.
static void BM_WeiterCount_301_Memory(benchmark::State &state)
{
    int question = 0;
    countWrongAnswers(state, std::make_shared<MemorySettingsStore>(), question);
}
BENCHMARK(BM_WeiterCount_301_Memory)->Unit(benchmark::kMicrosecond);

// The fullest store the trainer makes: every one of the 14 exercise types with counters for
// all 301 questions (8428 entries, about 250 KB). A count must stay cheap in CPU time, the
// durable write aside; reported as CPU time per count.
static void BM_WeiterCount_14Types_Persistent(benchmark::State &state)
{
    QTemporaryDir dir;
    auto store = std::make_shared<IniSettingsStore>(dir.path());
    fillStore(*store, {"qdm", "qdr", "hsi", "stdvor", "adfpos", "adfposrb", "qdmrb", "qdrrb", "hsihld", "dghld",
                       "dgrbhld", "dmearc", "wind", "orient"});
    int question = 0;
    countWrongAnswers(state, store, question);
}
BENCHMARK(BM_WeiterCount_14Types_Persistent)->Unit(benchmark::kMillisecond)->Iterations(200);
