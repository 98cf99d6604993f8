// What the instruments show for a situation: card and needle angles, deviation and flags.

#include "situation/InstrumentReadings.h"
#include "TrainerTestKit.h"

#include <gtest/gtest.h>

using namespace orvik3::trainer;
namespace host = orvik3::host;
namespace nav = orvik3::host::nav;

namespace {

host::Session oneStation(host::StationKind kind)
{
    host::Session s;
    s.stations.push_back({QStringLiteral("ST"), kind, {0, 0}});
    s.aircraft.tasKt = 100;
    return s;
}

AircraftState onRadial(double radial, double distance, double heading)
{
    return {nav::offset({0, 0}, radial, distance), heading};
}

double angleError(double a, double b) { return std::abs(nav::angleDifference(a, b)); }

} // namespace

TEST(Instruments, CourseDeviationIndicators)
{
    struct Row {
        InstrumentKind kind;
        double course, radial, heading;
        double card, pointer, deviation;
        nav::ToFrom flag;
    };
    const Row rows[] = {
        // HSI: card turned by the heading, arrow at course minus heading.
        {InstrumentKind::Hsi, 30, 210, 90, 270, 300, 0.0, nav::ToFrom::To},
        // East of the inbound line while flying 030 to the station: the line is left.
        {InstrumentKind::Hsi, 30, 200, 30, 330, 0, -1.0, nav::ToFrom::To},
        {InstrumentKind::Hsi, 30, 215, 0, 0, 30, 0.5, nav::ToFrom::To},
        {InstrumentKind::Hsi, 30, 30, 30, 330, 0, 0.0, nav::ToFrom::From},
        // VOR indicator: OBS under the top index; the heading does not matter.
        {InstrumentKind::Vor, 320, 140, 250, 40, 0, 0.0, nav::ToFrom::To},
        {InstrumentKind::Vor, 320, 135, 10, 40, 0, -0.5, nav::ToFrom::To},
        {InstrumentKind::Vor, 320, 325, 100, 40, 0, -0.5, nav::ToFrom::From},
    };
    for (const Row &r : rows) {
        host::Session s = oneStation(host::StationKind::Vor);
        (r.kind == InstrumentKind::Hsi ? s.instruments.hsiCourseDeg : s.instruments.vorObsDeg) = r.course;
        const InstrumentReading m = readInstrument(r.kind, s, onRadial(r.radial, 10, r.heading));
        SCOPED_TRACE(testing::Message() << instrumentName(r.kind).toStdString() << " course " << r.course
                                        << " radial " << r.radial);
        EXPECT_LT(angleError(m.cardDeg, r.card), 1e-6);
        if (r.kind == InstrumentKind::Hsi)
            EXPECT_LT(angleError(m.pointerDeg, r.pointer), 1e-6);
        EXPECT_NEAR(m.deviation, r.deviation, 1e-6);
        EXPECT_EQ(m.flag, r.flag);
        EXPECT_TRUE(m.valid);
        EXPECT_EQ(m.station, QStringLiteral("ST"));
    }
}

TEST(Instruments, BearingNeedlesAndCards)
{
    struct Row {
        InstrumentKind kind;
        nav::Point aircraft;
        double heading;
        double card, pointer;
    };
    const Row rows[] = {
        // Station due north, flying east: the needle points left on both.
        {InstrumentKind::Rmi, {0, -5}, 90, 270, 270},
        {InstrumentKind::Adf, {0, -5}, 90, 0, 270},
        // Station ahead.
        {InstrumentKind::Rmi, {-3, 0}, 90, 270, 0},
        {InstrumentKind::Adf, {-3, 0}, 90, 0, 0},
        // Station south-west, heading 300: QDM 225, relative bearing 285.
        {InstrumentKind::Rmi, {4, 4}, 300, 60, 285},
        {InstrumentKind::Adf, {4, 4}, 300, 0, 285},
        {InstrumentKind::Dg, {4, 4}, 123, 237, 0},
    };
    for (const Row &r : rows) {
        const host::Session s = oneStation(host::StationKind::Ndb);
        const InstrumentReading m = readInstrument(r.kind, s, {r.aircraft, r.heading});
        SCOPED_TRACE(testing::Message() << instrumentName(r.kind).toStdString() << " heading " << r.heading);
        EXPECT_LT(angleError(m.cardDeg, r.card), 1e-6);
        if (r.kind != InstrumentKind::Dg)
            EXPECT_LT(angleError(m.pointerDeg, r.pointer), 1e-6);
    }
    // The RMI's readout is the QDM, the ADF's the relative bearing, the gyro's the heading.
    const host::Session s = oneStation(host::StationKind::Ndb);
    EXPECT_NEAR(readInstrument(InstrumentKind::Rmi, s, {{4, 4}, 300}).value, 225, 1e-6);
    EXPECT_NEAR(readInstrument(InstrumentKind::Adf, s, {{4, 4}, 300}).value, 285, 1e-6);
    EXPECT_NEAR(readInstrument(InstrumentKind::Dg, s, {{4, 4}, 123}).value, 123, 1e-6);
}

TEST(Instruments, DmeAndMissingStations)
{
    host::Session dme = oneStation(host::StationKind::VorDme);
    const InstrumentReading d = readInstrument(InstrumentKind::Dme, dme, {{3, 4}, 0});
    EXPECT_TRUE(d.valid);
    EXPECT_NEAR(d.value, 5.0, 1e-9);
    // A plain VOR has no distance; an NDB alone gives the HSI nothing to receive.
    EXPECT_FALSE(readInstrument(InstrumentKind::Dme, oneStation(host::StationKind::Vor), {{3, 4}, 0}).valid);
    host::Session ndbOnly = oneStation(host::StationKind::Ndb);
    ndbOnly.instruments.hsiCourseDeg = 90;
    const InstrumentReading h = readInstrument(InstrumentKind::Hsi, ndbOnly, {{3, 4}, 0});
    EXPECT_FALSE(h.valid);
    EXPECT_NEAR(h.value, 90, 1e-9);
}

TEST(Instruments, WhichInstrumentsEachTypeShows)
{
    using K = InstrumentKind;
    struct Row {
        int type;
        std::vector<K> kinds;
    };
    // Sessions of the test installation, one of each way the list is made: as the session
    // lists it, in panel order; 12 asks for an RMI but reads a fixed card.
    const Row rows[] = {
        {2, {K::Vor}}, {4, {K::Dg, K::Rmi}}, {9, {K::Hsi, K::Dme}}, {11, {K::Dg, K::Adf}}, {12, {K::Dg, K::Adf}},
    };
    for (const Row &r : rows)
        EXPECT_EQ(instrumentsFor(test::sessionFor(r.type), r.type), r.kinds) << "type " << r.type;

    // A session that lists nothing gets the usual set of its type.
    host::Session bare = test::sessionFor(2);
    bare.instruments = {};
    EXPECT_EQ(instrumentsFor(bare, 2), std::vector<K>{K::Vor});
    EXPECT_EQ(instrumentsFor(bare, 12), (std::vector<K>{K::Dg, K::Adf}));
    EXPECT_TRUE(instrumentsFor(bare, 0).empty());
}
