#include "exercises/holding/HoldingSolver.h"
#include "support/TestHost.h"

#include <gtest/gtest.h>

using namespace orvik3;

namespace {

struct Answer {
    QString entry;
    qint16 outbound, gate, abeam, firstHdg;
    QString turn;
    bool operator==(const Answer &) const = default;
};

Answer solve(qint16 hdg, qint16 inbound, const QString &kind)
{
    Answer a{QStringLiteral("-"), -1, -1, -1, -1, QStringLiteral("-")};
    QString type = kind;
    findHoldingAnswer(hdg, inbound, type, a.entry, a.outbound, a.gate, a.abeam, a.firstHdg, a.turn);
    return a;
}

void PrintTo(const Answer &a, std::ostream *os)
{
    *os << a.entry.toStdString() << ' ' << a.outbound << ' ' << a.gate << ' ' << a.abeam << ' ' << a.firstHdg << ' '
        << a.turn.toStdString();
}

const QString standard = QStringLiteral("Standard");
const QString leftHand = QStringLiteral("Links");

struct Worked {
    qint16 hdg, inbound;
    QString kind;
    Answer expected;
};

void PrintTo(const Worked &w, std::ostream *os)
{
    *os << "HDG " << w.hdg << " inbound " << w.inbound << ' ' << w.kind.toStdString();
}

class WorkedValues : public ::testing::TestWithParam<Worked>
{
};

// Goes through the control's public method, as a host would call it.
TEST_P(WorkedValues, ThroughTheControl)
{
    const Worked &w = GetParam();
    test::TestHost host;
    qint16 hdg = w.hdg, inbound = w.inbound;
    QString type = w.kind;
    Answer a{};
    host.form().findHoldingAnswer(hdg, inbound, type, a.entry, a.outbound, a.gate, a.abeam, a.firstHdg, a.turn);
    EXPECT_EQ(a, w.expected);
    EXPECT_EQ(hdg, w.hdg);
    EXPECT_EQ(inbound, w.inbound);
    EXPECT_EQ(type, w.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Solver, WorkedValues,
    ::testing::Values(
        Worked{130, 90, standard, {"direct", 270, 240, 180, 270, "right"}},
        Worked{240, 90, standard, {"offset", 270, 240, 180, 240, "maintain"}},
        Worked{330, 90, standard, {"parallel", 270, 240, 180, 270, "left"}},
        Worked{40, 270, standard, {"offset", 90, 60, 0, 60, "right"}},
        Worked{180, 270, standard, {"parallel", 90, 60, 0, 90, "left"}},
        Worked{230, 50, standard, {"offset", 230, 200, 140, 200, "left"}},
        Worked{230, 50, leftHand, {"parallel", 230, 260, 320, 230, "right"}},
        Worked{90, 360, standard, {"direct", 180, 150, 90, 180, "right"}},
        Worked{90, 180, standard, {"parallel", 0, 330, 270, 0, "left"}},
        // Offset entries across north: the shorter turn onto the gate heading.
        Worked{10, 200, standard, {"offset", 20, 350, 290, 350, "left"}},
        Worked{340, 200, standard, {"offset", 20, 350, 290, 350, "right"}},
        Worked{350, 160, leftHand, {"offset", 340, 10, 70, 10, "right"}},
        Worked{20, 160, leftHand, {"offset", 340, 10, 70, 10, "left"}}));

struct Boundary {
    QString kind;
    qint16 hdg; // with inbound 0, HDG is the relative heading
    const char *entry;
};

class SectorBoundaries : public ::testing::TestWithParam<Boundary>
{
};

TEST_P(SectorBoundaries, InclusiveBounds)
{
    const Boundary &b = GetParam();
    EXPECT_EQ(solve(b.hdg, 0, b.kind).entry, QLatin1String(b.entry));
}

INSTANTIATE_TEST_SUITE_P(
    Solver, SectorBoundaries,
    ::testing::Values(Boundary{standard, 110, "direct"}, Boundary{standard, 111, "offset"},
                      Boundary{standard, 180, "offset"}, Boundary{standard, 181, "parallel"},
                      Boundary{standard, 289, "parallel"}, Boundary{standard, 290, "direct"},
                      Boundary{standard, 0, "direct"}, Boundary{standard, 359, "direct"},
                      Boundary{leftHand, 70, "direct"}, Boundary{leftHand, 71, "parallel"},
                      Boundary{leftHand, 180, "parallel"}, Boundary{leftHand, 181, "offset"},
                      Boundary{leftHand, 249, "offset"}, Boundary{leftHand, 250, "direct"},
                      Boundary{leftHand, 0, "direct"}, Boundary{leftHand, 359, "direct"}));

TEST(Solver, OnlyTheExactWordStandardMeansRightTurns)
{
    const Answer left = solve(230, 50, leftHand);
    for (const char *text : {"standard", "Standard ", " Standard", "STANDARD", ""})
        EXPECT_EQ(solve(230, 50, QLatin1String(text)), left) << '"' << text << '"';
    EXPECT_NE(solve(230, 50, standard), left);
}

// Relative headings outside 0..359 fall in no sector: the three derived courses are still
// written, the entry, first heading and first turn keep what the caller had in them.
TEST(Solver, RelativeHeadingOutOfRangeLeavesEntryUntouched)
{
    for (auto [hdg, inbound] : {std::pair<qint16, qint16>{360, 0}, {720, 90}, {-400, 0}}) {
        const Answer a = solve(hdg, inbound, standard);
        EXPECT_EQ(a.entry, QStringLiteral("-"));
        EXPECT_EQ(a.firstHdg, -1);
        EXPECT_EQ(a.turn, QStringLiteral("-"));
        EXPECT_EQ(a.outbound, (inbound + 180) % 360);
        EXPECT_EQ(a.abeam, (inbound + 90) % 360);
        EXPECT_EQ(a.gate, (inbound + 150) % 360);
    }
}

TEST(Solver, SixteenBitOverflowIsRaised)
{
    for (auto [hdg, inbound, kind] : {std::tuple<qint16, qint16, QString>{32767, -1, standard},
                                      {0, -32768, standard},
                                      {0, 32767, standard},
                                      {0, -32700, leftHand}}) {
        try {
            solve(hdg, inbound, kind);
            ADD_FAILURE() << "no error for HDG " << hdg << " inbound " << inbound;
        } catch (const Error &e) {
            EXPECT_EQ(e.kind(), ErrorKind::Overflow);
        }
    }
}

// Degrees a right turn from `from` to `to` takes, 0..359.
int clockwise(int from, int to) { return ((to - from) % 360 + 360) % 360; }

// Every HDG 0..359 and inbound course 0..360 for both kinds of holding.
TEST(Solver, ExhaustiveProperties)
{
    struct Sector {
        int from, to; // relative heading, inclusive
        const char *entry;
    };
    const Sector rightSectors[] = {{0, 110, "direct"}, {111, 180, "offset"}, {181, 289, "parallel"}, {290, 359, "direct"}};
    const Sector leftSectors[] = {{0, 70, "direct"}, {71, 180, "parallel"}, {181, 249, "offset"}, {250, 359, "direct"}};
    int failures = 0;
    for (const bool rightHand : {true, false}) {
        const QString kind = rightHand ? standard : leftHand;
        const int side = rightHand ? 1 : -1;
        for (qint16 inbound = 0; inbound <= 360; ++inbound) {
            for (qint16 hdg = 0; hdg < 360 && failures < 20; ++hdg) {
                const Answer a = solve(hdg, inbound, kind);
                const int d = clockwise(inbound, hdg);
                const char *entry = nullptr;
                for (const Sector &sec : rightHand ? rightSectors : leftSectors)
                    if (d >= sec.from && d <= sec.to)
                        entry = sec.entry;
                const auto where = [&] {
                    return ::testing::Message() << kind.toStdString() << " HDG " << hdg << " inbound " << inbound;
                };
                bool ok = a.entry == QLatin1String(entry);
                for (qint16 angle : {a.outbound, a.gate, a.abeam, a.firstHdg})
                    ok = ok && angle >= 0 && angle <= 359;
                ok = ok && a.outbound == (inbound + 180) % 360 && a.abeam == (inbound + 360 + side * 90) % 360
                    && a.gate == (inbound + 360 + side * 150) % 360;
                if (a.entry == QLatin1String("offset")) {
                    ok = ok && a.firstHdg == a.gate;
                    const int turn = clockwise(hdg, a.gate);
                    const char *shorter = turn == 0 ? "maintain" : turn < 180 ? "right" : "left";
                    ok = ok && a.turn == QLatin1String(shorter);
                    // Where the headings do not straddle north the plain comparison agrees.
                    if (std::abs(hdg - a.gate) < 180 && hdg != a.gate)
                        ok = ok && a.turn == QLatin1String(hdg < a.gate ? "right" : "left");
                } else {
                    const bool turnsRight = (a.entry == QLatin1String("direct")) == rightHand;
                    ok = ok && a.firstHdg == a.outbound && a.turn == QLatin1String(turnsRight ? "right" : "left");
                }
                if (inbound == 360)
                    ok = ok && a == solve(hdg, 0, kind);
                if (!ok) {
                    ++failures;
                    ADD_FAILURE() << where() << ": got " << ::testing::PrintToString(a);
                }
            }
        }
    }
}

} // namespace
