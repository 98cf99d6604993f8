#include "../PanelTest.h"
#include "exercises/holding/HoldingSolver.h"

using namespace orvik3;

namespace {

struct Answer {
    QString entry;
    qint16 outbound, gate, abeam, firstHdg;
    QString turn;
    bool operator==(const Answer &) const = default;
};

void PrintTo(const Answer &a, std::ostream *os)
{
    *os << a.entry.toStdString() << ' ' << a.outbound << ' ' << a.gate << ' ' << a.abeam << ' ' << a.firstHdg << ' '
        << a.turn.toStdString();
}

Answer solve(qint16 hdg, qint16 inbound, const QString &kind)
{
    Answer a{QStringLiteral("-"), -1, -1, -1, -1, QStringLiteral("-")};
    QString type = kind;
    findHoldingAnswer(hdg, inbound, type, a.entry, a.outbound, a.gate, a.abeam, a.firstHdg, a.turn);
    return a;
}

const QString standard = QStringLiteral("Standard");
const QString leftHand = QStringLiteral("Links");

// Through the control's public method, as a host calls it; the inputs come back unchanged.
TEST(Solver, WorkedValuesThroughTheControl)
{
    const struct {
        qint16 hdg, inbound;
        QString kind;
        Answer expected;
    } cases[] = {
        {130, 90, standard, {"direct", 270, 240, 180, 270, "right"}},
        {330, 90, standard, {"parallel", 270, 240, 180, 270, "left"}},
        {230, 50, leftHand, {"parallel", 230, 260, 320, 230, "right"}},
        // Offset entries across north: the shorter turn onto the gate heading.
        {20, 160, leftHand, {"offset", 340, 10, 70, 10, "left"}},
    };
    test::TestHost host;
    for (const auto &c : cases) {
        qint16 hdg = c.hdg, inbound = c.inbound;
        QString type = c.kind;
        Answer a{};
        host.form().findHoldingAnswer(hdg, inbound, type, a.entry, a.outbound, a.gate, a.abeam, a.firstHdg, a.turn);
        EXPECT_EQ(a, c.expected) << "HDG " << c.hdg << " inbound " << c.inbound;
        EXPECT_TRUE(hdg == c.hdg && inbound == c.inbound && type == c.kind);
    }
}

// With inbound 0, HDG is the relative heading; each bound belongs to the sector it closes.
TEST(Solver, SectorBoundaries)
{
    const char *const cases[] = {"S 0 direct",    "S 110 direct",  "S 111 offset",   "S 180 offset",
                                 "S 181 parallel", "S 289 parallel", "S 290 direct",  "S 359 direct",
                                 "L 0 direct",    "L 70 direct",   "L 71 parallel",  "L 180 parallel",
                                 "L 181 offset",  "L 249 offset",  "L 250 direct",   "L 359 direct"};
    for (const char *c : cases) {
        const QStringList f = QString::fromLatin1(c).split(u' ');
        EXPECT_EQ(solve(qint16(f[1].toInt()), 0, f[0] == u"S" ? standard : leftHand).entry, f[2]) << c;
    }
}

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
        EXPECT_EQ(a, (Answer{"-", qint16((inbound + 180) % 360), qint16((inbound + 150) % 360),
                             qint16((inbound + 90) % 360), -1, "-"}));
    }
}

TEST(Solver, SixteenBitOverflowIsRaised)
{
    for (auto [hdg, inbound, kind] : {std::tuple<qint16, qint16, QString>{32767, -1, standard},
                                      {0, -32768, standard}, {0, 32767, standard}, {0, -32700, leftHand}})
        test::expectError(ErrorKind::Overflow, [&] { solve(hdg, inbound, kind); });
}

// Degrees a right turn from `from` to `to` takes, 0..359.
int clockwise(int from, int to) { return ((to - from) % 360 + 360) % 360; }

// Every HDG 0..359 and inbound course 0..360 for both kinds of holding.
TEST(Solver, ExhaustiveProperties)
{
    struct Sector {
        int to; // relative heading, inclusive upper bound
        const char *entry;
    };
    const Sector rightSectors[] = {{110, "direct"}, {180, "offset"}, {289, "parallel"}, {359, "direct"}};
    const Sector leftSectors[] = {{70, "direct"}, {180, "parallel"}, {249, "offset"}, {359, "direct"}};
    int failures = 0;
    for (const bool rightHand : {true, false}) {
        const QString kind = rightHand ? standard : leftHand;
        const int side = rightHand ? 1 : -1;
        for (qint16 inbound = 0; inbound <= 360; ++inbound) {
            for (qint16 hdg = 0; hdg < 360 && failures < 20; ++hdg) {
                const Answer a = solve(hdg, inbound, kind);
                const int d = clockwise(inbound, hdg);
                const Sector *sec = rightHand ? rightSectors : leftSectors;
                while (d > sec->to)
                    ++sec;
                bool ok = a.entry == QLatin1String(sec->entry);
                for (qint16 angle : {a.outbound, a.gate, a.abeam, a.firstHdg})
                    ok = ok && angle >= 0 && angle <= 359;
                ok = ok && a.outbound == (inbound + 180) % 360 && a.abeam == (inbound + 360 + side * 90) % 360
                    && a.gate == (inbound + 360 + side * 150) % 360;
                if (a.entry == QLatin1String("offset")) {
                    const int turn = clockwise(hdg, a.gate);
                    ok = ok && a.firstHdg == a.gate
                        && a.turn == QLatin1String(turn == 0 ? "maintain" : turn < 180 ? "right" : "left");
                } else {
                    const bool turnsRight = (a.entry == QLatin1String("direct")) == rightHand;
                    ok = ok && a.firstHdg == a.outbound && a.turn == QLatin1String(turnsRight ? "right" : "left");
                }
                if (inbound == 360)
                    ok = ok && a == solve(hdg, 0, kind);
                if (!ok && ++failures)
                    ADD_FAILURE() << kind.toStdString() << " HDG " << hdg << " inbound " << inbound << ": got "
                                  << ::testing::PrintToString(a);
            }
        }
    }
}

} // namespace
