// Endless practice between two sets: a fresh set made, written, loaded into the panel and
// its first question drawn in the window (offscreen), as the trainee waits for it.

#include "MainWindow.h"
#include "panel/TrainerHost.h"
#include "view/ExercisePage.h"
#include "view/SituationView.h"

#include <orvik3/QAform.h>
#include <orvik3/SettingsStore.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

void nextSet(benchmark::State &state)
{
    const int type = int(state.range(0));
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("trainer.ini")), QSettings::IniFormat);
    Services s;
    s.settings = std::make_shared<MemorySettingsStore>();
    MainWindow window(s, settings, dir.path());
    window.setScripted(true);
    window.resize(1280, 800);
    window.show();
    window.startEndless(type, 1);
    QApplication::processEvents();
    quint64 seed = 2;
    for (auto _ : state) {
        window.startEndless(type, seed++);
        window.exercisePage().view()->repaint();
    }
    if (window.host().control()->lastQuestion() < 0)
        state.SkipWithError("no question loaded");
}
BENCHMARK(nextSet)->Arg(2)->Arg(3)->Arg(5)->Arg(7)->Arg(8)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace
