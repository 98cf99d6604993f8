// F1 on the largest power tips a window takes (5000 paragraphs, 200000 characters, set in
// several sizes and colours): the time the window thread spends before it is back in the event
// loop with the tips window up, and the time until the document is shown.
//   build/bench/trainer/bench_trainer_tips
#include "panel/TipsWindow.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

QByteArray largestTips()
{
    QByteArray rtf = "{\\rtf1\\ansi{\\colortbl;\\red200\\green0\\blue0;}\\fs40 Tipps\\fs20\\par ";
    for (int p = 1; p < 4998; ++p)
        rtf += (p % 3 ? "\\b Kurs\\b0 " : "{\\cf1\\i Peilung} ") + QByteArray("halten und Wind vorhalten, dann.").leftJustified(34, '.')
             + "\\par ";
    rtf += "\\fs40 Tips\\fs20\\par Keep the heading.}";
    return rtf;
}

QString writeTips(QTemporaryDir &dir)
{
    QFile file(dir.filePath(QStringLiteral("pwr.rtf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(largestTips()) < 0)
        return {};
    return file.fileName();
}

// From F1 to the first event the window thread handles (`document`: to the window up with
// the document in it). The window is closed as soon as it is up.
void f1(benchmark::State &state, bool document)
{
    QTemporaryDir dir;
    const QString path = writeTips(dir);
    if (path.isEmpty())
        state.SkipWithError("cannot write the tips");
    for (auto _ : state) {
        orvik3::trainer::TipsWindow tips(dir.path(), orvik3::trainer::Language::English);
        QElapsedTimer clock;
        double seconds = -1;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &tips, [&] {
            if (seconds < 0 && (!document || (tips.isVisible() && !tips.building())))
                seconds = clock.nsecsElapsed() / 1e9;
            if (seconds >= 0 && tips.isVisible())
                tips.reject();
        });
        clock.start();
        poll.start(0);
        tips.setFileName(path);
        tips.load();
        tips.show(1);
        state.SetIterationTime(seconds);
    }
}

void F1ToTheEventLoop(benchmark::State &state) { f1(state, false); }
void F1ToTheDocumentShown(benchmark::State &state) { f1(state, true); }
BENCHMARK(F1ToTheEventLoop)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(F1ToTheDocumentShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

} // namespace
