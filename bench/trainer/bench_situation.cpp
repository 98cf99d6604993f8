// How long one situation takes to draw: plan view and instruments into an image of the size
// the view has in a 1280 x 800 window, for the busiest situation of each family.

#include "situation/InstrumentReadings.h"
#include "paint/SituationRenderer.h"

#include "session/SessionFile.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace orvik3::trainer;
namespace host = orvik3::host;

namespace {

Situation situation(int type, bool solution)
{
    host::Session s;
    s.title = QStringLiteral("Benchmark");
    s.stations.push_back({QStringLiteral("TGO"), host::StationKind::VorDme, {0, 0}});
    s.stations.push_back({QStringLiteral("ABN"), host::StationKind::Ndb, {14, -6}});
    s.aircraft = {host::RelativePosition{QString(), 200, 18}, 90, 120};
    s.wind = host::Wind{120, 25, 20.0};
    switch (type) {
    case 3:
        s.instruments.hsiCourseDeg = 90;
        s.holding = host::Holding{QString(), 90, host::HoldingTurn::Right};
        break;
    case 6:
        s.instruments.rmi = s.instruments.dg = true;
        s.target = host::Target{QString(), 30.0, std::nullopt};
        break;
    case 9:
        s.instruments.hsiCourseDeg = 270;
        s.instruments.dme = true;
        s.dmeArc = host::DmeArc{QString(), 12, 0, std::nullopt, 1.0};
        break;
    default:
        s.instruments.hsiCourseDeg = 30;
        s.instruments.rmi = s.instruments.dg = true;
        break;
    }
    Situation sit;
    sit.type = type;
    sit.session = s;
    sit.start = {host::aircraftPosition(s), 90};
    sit.resetAircraft();
    sit.showSolution = solution;
    // A minute of flown track, as while flying it yourself.
    for (int i = 1; i <= 60; ++i)
        sit.track.push_back(host::nav::offset(sit.start.position, 90, i / 30.0));
    return sit;
}

void drawSituation(benchmark::State &state)
{
    const Situation s = situation(int(state.range(0)), state.range(1) != 0);
    QImage image(QSize(720, 740), QImage::Format_ARGB32_Premultiplied);
    const SituationRenderer renderer;
    for (auto _ : state) {
        QPainter p(&image);
        renderer.paint(p, QRectF(image.rect()), s);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Types 1 (three instruments), 3 (holding), 6 (interception) and 9 (DME arc); with and
// without the solution drawn.
BENCHMARK(drawSituation)->ArgsProduct({{1, 3, 6, 9}, {0, 1}})->Unit(benchmark::kMillisecond);

} // namespace
