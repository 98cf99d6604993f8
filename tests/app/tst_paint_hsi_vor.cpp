// Course deviation indicators as drawn: the HSI's course arrow, bar, TO/FROM triangle and
// flag, and the VOR indicator's needle and window, found in the picture.

#include "paint/InstrumentPainter.h"
#include "PaintProbe.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace orvik3::trainer;
using namespace orvik3::trainer::test;
namespace host = orvik3::host;
namespace nav = orvik3::host::nav;

namespace {

enum Side { Left = -1, Centre = 0, Right = 1 };
enum class Shows { To, From, Flag };

struct Row {
    std::string name;
    double course;  // HSI course or OBS
    double radial;  // the aircraft is 10 NM out on this radial of the VOR
    double heading;
    double arrowDeg; // HSI: where the course arrow points on the dial
    Side bar;        // where the deviation bar lies, seen along the course
    Shows shows;
};

struct Picture {
    QImage image;
    InstrumentPainter::Dial dial;
};

Picture paintIndicator(InstrumentKind kind, const Row &row)
{
    host::Session s;
    s.stations.push_back({QStringLiteral("VR"), host::StationKind::Vor, {0, 0}});
    (kind == InstrumentKind::Hsi ? s.instruments.hsiCourseDeg : s.instruments.vorObsDeg) = row.course;
    const InstrumentReading reading = readInstrument(kind, s, {nav::offset({0, 0}, row.radial, 10), row.heading});
    const QRectF cell(0, 0, 420, 460);
    Picture pic{render(cell.size().toSize(), [&](QPainter &p) { InstrumentPainter().paint(p, cell, reading); }),
                InstrumentPainter::dialIn(cell)};
    keepPicture(pic.image, QString::fromStdString(rowName(row.name)));
    return pic;
}

std::string nameOf(const testing::TestParamInfo<Row> &info) { return rowName(info.param.name); }

// 5 degrees off the course line is half scale: the bar on the first dot.
const Row kHsiRows[] = {
    {"HSI course 030 heading 090 on course TO", 30, 210, 90, 300, Centre, Shows::To},
    {"HSI 5 deg right of course bar left", 30, 205, 30, 0, Left, Shows::To},
    {"HSI 5 deg left of course bar right", 30, 215, 0, 30, Right, Shows::To},
    {"HSI outbound 5 deg left of course bar right FROM", 30, 25, 200, 190, Right, Shows::From},
    {"HSI outbound 5 deg right of course bar left FROM", 30, 35, 30, 0, Left, Shows::From},
    {"HSI course 250 heading 110 bar right TO", 250, 75, 110, 140, Right, Shows::To},
    {"HSI course 090 station abeam north flag", 90, 0, 90, 0, Centre, Shows::Flag},
    {"HSI course 090 station abeam south flag", 90, 180, 45, 45, Centre, Shows::Flag},
    {"HSI course 090 west of station no flag", 90, 270, 45, 45, Centre, Shows::To},
};

class HsiPicture : public testing::TestWithParam<Row>
{
};

TEST_P(HsiPicture, ArrowBarTriangleAndFlag)
{
    const Row &row = GetParam();
    const Picture pic = paintIndicator(InstrumentKind::Hsi, row);
    const QPointF c = pic.dial.centre;
    const double r = pic.dial.radius;
    const InstrumentPainter::Inks ink = InstrumentPainter::inks();

    // Arrow head: 0.2 of the dial long with its tip at 0.8, wider than the shaft on both sides.
    for (int side : {-1, 1}) {
        EXPECT_TRUE(inkNear(pic.image, local(c, row.arrowDeg, r * 0.63, side * r * 0.06), ink.course))
            << "no course arrow head at " << row.arrowDeg;
        EXPECT_FALSE(inkNear(pic.image, local(c, row.arrowDeg + 180, r * 0.63, side * r * 0.06), ink.course))
            << "course arrow head at the tail";
    }
    // Half scale puts the bar on the first dot, 0.19 of the dial off the course line.
    for (Side side : {Left, Right}) {
        const bool expected = side == row.bar;
        EXPECT_EQ(inkNear(pic.image, local(c, row.arrowDeg, r * 0.1, int(side) * r * 0.19), ink.course), expected)
            << "deviation bar " << (side == Left ? "left" : "right");
    }
    // The triangle beside the bar points toward the course arrow for TO, away for FROM.
    const QColor white(0xff, 0xff, 0xff);
    const bool up = inkNear(pic.image, local(c, row.arrowDeg, r * 0.233, r * 0.2), white, 1.5, 8);
    const bool down = inkNear(pic.image, local(c, row.arrowDeg, -r * 0.233, r * 0.2), white, 1.5, 8);
    EXPECT_EQ(up, row.shows == Shows::To) << "TO triangle";
    EXPECT_EQ(down, row.shows == Shows::From) << "FROM triangle";
    // The NAV flag sits left above the centre.
    EXPECT_EQ(inkNear(pic.image, c + QPointF(-r * 0.39, -r * 0.215), ink.flag, 4.0), row.shows == Shows::Flag)
        << "NAV flag";
    // The card turns with the heading, as on the gyro; the course arrow hides a part of it.
    for (const std::string &fault : compassCardFaults(pic.image, c, r * 0.94, 360.0 - row.heading, ink.cardinals,
                                                      {row.arrowDeg, row.arrowDeg + 180}))
        ADD_FAILURE() << fault;
}

INSTANTIATE_TEST_SUITE_P(Paint, HsiPicture, testing::ValuesIn(kHsiRows), nameOf);

// The heading turns nothing on this indicator; the OBS is set to 320 on every row.
const Row kVorRows[] = {
    {"VOR radial 135 TO needle left", 320, 135, 250, 0, Left, Shows::To},
    {"VOR radial 145 TO needle right", 320, 145, 10, 0, Right, Shows::To},
    {"VOR radial 325 FROM needle left", 320, 325, 100, 0, Left, Shows::From},
    {"VOR radial 315 FROM needle right", 320, 315, 300, 0, Right, Shows::From},
    {"VOR radial 230 abeam OFF flag", 320, 230, 0, 0, Centre, Shows::Flag},
};

class VorPicture : public testing::TestWithParam<Row>
{
};

TEST_P(VorPicture, NeedleAndWindow)
{
    const Row &row = GetParam();
    const Picture pic = paintIndicator(InstrumentKind::Vor, row);
    const QPointF c = pic.dial.centre;
    const double r = pic.dial.radius;
    const QColor white(0xff, 0xff, 0xff);

    // Half scale is two and a half dots, a quarter of the dial, off the centre; the needle
    // is probed below the centre, clear of the window.
    for (Side side : {Left, Right})
        EXPECT_EQ(inkNear(pic.image, c + QPointF(int(side) * r * 0.25, r * 0.3), white, 1.5, 8), side == row.bar)
            << "needle " << (side == Left ? "left" : "right");
    // The window right above the centre: "FROM" fills it, "TO" takes half of it.
    const QRectF window(c + QPointF(r * 0.14, -r * 0.36), QSizeF(r * 0.3, r * 0.16));
    const QRectF text = inkBounds(pic.image, window.adjusted(2, 2, -2, -2), white, 8);
    const bool flag = inkNear(pic.image, window.topLeft() + QPointF(r * 0.15, r * 0.08), InstrumentPainter::inks().flag, 4.0);
    switch (row.shows) {
    case Shows::To:
        EXPECT_GT(text.width(), r * 0.08);
        EXPECT_LT(text.width(), r * 0.22) << "window reads FROM";
        break;
    case Shows::From: EXPECT_GT(text.width(), r * 0.24) << "window reads TO"; break;
    case Shows::Flag: EXPECT_TRUE(flag) << "no OFF flag"; break;
    }
    EXPECT_EQ(flag, row.shows == Shows::Flag);
    // The card turns with the OBS, the setting under the top index.
    for (const std::string &fault :
         compassCardFaults(pic.image, c, r * 0.95, 360.0 - row.course, InstrumentPainter::inks().cardinals))
        ADD_FAILURE() << fault;
}

INSTANTIATE_TEST_SUITE_P(Paint, VorPicture, testing::ValuesIn(kVorRows), nameOf);

} // namespace

// The DME shows tenths of a mile: a tenth more is another picture, the same distance the same.
TEST(DmeReadout, ShowsTenthsOfAMile)
{
    auto picture = [](double nm) {
        InstrumentReading r;
        r.kind = InstrumentKind::Dme;
        r.value = nm;
        const QRectF cell(0, 0, 420, 240);
        return render(cell.size().toSize(), [&](QPainter &p) { InstrumentPainter().paint(p, cell, r); });
    };
    EXPECT_EQ(picture(12.3), picture(12.3));
    EXPECT_NE(picture(12.3), picture(12.4));
    EXPECT_NE(picture(12.3), picture(12.0));
}
