// Bearing pointers as drawn: the needle's head toward the station, the card turned by the
// heading on the RMI and fixed on the ADF. Read from the picture, not from the reading.

#include "paint/InstrumentPainter.h"
#include "PaintProbe.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace orvik3::trainer;
using namespace orvik3::trainer::test;
namespace host = orvik3::host;
namespace nav = orvik3::host::nav;

namespace {

struct Row {
    std::string name;
    InstrumentKind kind;
    double radial;   // the aircraft is 10 NM out on this radial of the NDB
    double heading;
    double needleDeg; // where the head must point on the dial, clockwise from the top
    double northDeg;  // where the card's N must stand
};

// Most headings lie off the card's 30-degree label steps, so that a card turned the wrong
// way puts its letters between the places they belong rather than on other labels.
const Row kRows[] = {
    {"RMI QDM 090 needle right", InstrumentKind::Rmi, 270, 0, 90, 0},
    {"RMI QDM 090 heading 060 needle ahead right", InstrumentKind::Rmi, 270, 60, 30, 300},
    {"RMI QDM 225 heading 300 needle left", InstrumentKind::Rmi, 45, 300, 285, 60},
    {"RMI QDM 330 heading 150 needle down", InstrumentKind::Rmi, 150, 150, 180, 210},
    {"RMI QDM 010 heading 235 needle right", InstrumentKind::Rmi, 190, 235, 135, 125},
    {"ADF station left heading 090", InstrumentKind::Adf, 180, 90, 270, 0},
    {"ADF RB 135 heading 050", InstrumentKind::Adf, 5, 50, 135, 0},
    {"ADF RB 020 heading 200", InstrumentKind::Adf, 40, 200, 20, 0},
    {"ADF RB 250 heading 340", InstrumentKind::Adf, 50, 340, 250, 0},
};

class BearingPointer : public testing::TestWithParam<Row>
{
};

TEST_P(BearingPointer, NeedleHeadAndCard)
{
    const Row &row = GetParam();
    host::Session s;
    s.stations.push_back({QStringLiteral("NB"), host::StationKind::Ndb, {0, 0}});
    const AircraftState aircraft{nav::offset({0, 0}, row.radial, 10), row.heading};
    const InstrumentReading reading = readInstrument(row.kind, s, aircraft);
    const QRectF cell(0, 0, 420, 460);
    const QImage image = render(cell.size().toSize(), [&](QPainter &p) { InstrumentPainter().paint(p, cell, reading); });
    keepPicture(image, QString::fromStdString(rowName(row.name)));

    const InstrumentPainter::Dial dial = InstrumentPainter::dialIn(cell);
    const QColor needle = InstrumentPainter::inks().needle;
    // The needle reaches 0.78 of the dial; its head is a quarter of that long and spreads
    // to either side, where the shaft behind the hub is a thin line only.
    const double length = dial.radius * 0.78, head = length * 0.24;
    auto headAt = [&](double deg, int side) {
        return local(dial.centre, deg, length - head * 0.85, side * head * 0.3);
    };
    for (int side : {-1, 1}) {
        EXPECT_TRUE(inkNear(image, headAt(row.needleDeg, side), needle)) << "no needle head at " << row.needleDeg;
        EXPECT_FALSE(inkNear(image, headAt(row.needleDeg + 180, side), needle, 1.5, 40))
            << "needle head at the opposite end, " << row.needleDeg + 180;
    }
    // The card is drawn at 0.94 of the dial; the needle hides what lies under it.
    for (const std::string &fault : compassCardFaults(image, dial.centre, dial.radius * 0.94, row.northDeg,
                                                      InstrumentPainter::inks().cardinals,
                                                      {row.needleDeg, row.needleDeg + 180}))
        ADD_FAILURE() << fault;
}

INSTANTIATE_TEST_SUITE_P(Paint, BearingPointer, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row> &info) { return rowName(info.param.name); });

} // namespace
