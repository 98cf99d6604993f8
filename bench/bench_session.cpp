// Reading a session file that fills its 1 MB limit with stations: refused after the 50th,
// in about the time a plain split of the text takes, against the biggest session the format
// allows.
#include "session/SessionFile.h"

#include "platform/FileLimits.h"

#include <benchmark/benchmark.h>

using orvik3::host::SessionFile;

static QByteArray sessionWithStations(int stations, qint64 atLeastBytes = 0)
{
    QByteArray text = "[session]\nversion = 1\n[aircraft]\nx = 1\ny = 1\nheading = 90\ntas = 100\n";
    for (int i = 0; i < stations || text.size() < atLeastBytes - 40; ++i)
        text += "[station]\nid = S" + QByteArray::number(i) + "\nkind = NDB\n";
    return text;
}

static void BM_SessionRead_1MB_OfStations(benchmark::State &state)
{
    const QByteArray bytes = sessionWithStations(0, orvik3::limits::kSessionFile.bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(SessionFile::parse(bytes, QStringLiteral("many.session")));
}
BENCHMARK(BM_SessionRead_1MB_OfStations)->Unit(benchmark::kMillisecond);

static void BM_SessionRead_50Stations(benchmark::State &state)
{
    const QByteArray bytes = sessionWithStations(50);
    for (auto _ : state)
        benchmark::DoNotOptimize(SessionFile::parse(bytes, QStringLiteral("full.session")));
}
BENCHMARK(BM_SessionRead_50Stations)->Unit(benchmark::kMicrosecond);
