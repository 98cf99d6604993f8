// The directional gyro as drawn: the heading stands under the lubber line at the top.

#include "paint/InstrumentPainter.h"
#include "PaintProbe.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

using namespace orvik3::trainer;
using namespace orvik3::trainer::test;
namespace host = orvik3::host;

namespace {

struct Row {
    std::string name;
    double heading;
    double northDeg;                 // where N stands on the dial
    std::vector<double> longTicksDeg; // the ten-degree marks nearest the lubber line
};

// A ten-degree mark for heading h stands at (10k - h) on the dial.
const Row kRows[] = {
    {"DG heading 000 N under the lubber", 0, 0, {-10, 10}},
    {"DG heading 123 12 just left", 123, 237, {-3, 7}},
    {"DG heading 047 E to the right", 47, 313, {-7, 3}},
    {"DG heading 250 W to the right", 250, 110, {-10, 10}},
    {"DG heading 316 N to the right", 316, 44, {-6, 4}},
};

class GyroPicture : public testing::TestWithParam<Row>
{
};

TEST_P(GyroPicture, HeadingUnderTheLubberLine)
{
    const Row &row = GetParam();
    const host::Session s;
    const InstrumentReading reading = readInstrument(InstrumentKind::Dg, s, {{0, 0}, row.heading});
    const QRectF cell(0, 0, 420, 460);
    const QImage image = render(cell.size().toSize(), [&](QPainter &p) { InstrumentPainter().paint(p, cell, reading); });
    keepPicture(image, QString::fromStdString(rowName(row.name)));
    const InstrumentPainter::Dial dial = InstrumentPainter::dialIn(cell);
    const double card = dial.radius * 0.94;
    const QColor marks = InstrumentPainter::inks().marks;

    for (const std::string &fault : compassCardFaults(image, dial.centre, card, row.northDeg,
                                                      InstrumentPainter::inks().cardinals))
        ADD_FAILURE() << fault;
    // Ten-degree marks reach further in than the five-degree ones: at 0.91 of the card only
    // they are found, and none where the dial reads a whole number of degrees off them.
    for (double deg : row.longTicksDeg) {
        EXPECT_TRUE(inkNear(image, polar(dial.centre, deg, card * 0.91), marks, 1.5, 16)) << "no ten mark at " << deg;
        EXPECT_FALSE(inkNear(image, polar(dial.centre, deg + 4, card * 0.91), marks, 1.5, 60))
            << "a long mark at " << deg + 4;
    }
}

INSTANTIATE_TEST_SUITE_P(Paint, GyroPicture, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row> &info) { return rowName(info.param.name); });

} // namespace
