// The holding panel: holdings (types 3, 4, 14) and the DME arc (type 9).
#include "control/QAformTestAccess_p.h"
#include "../PanelTest.h"

using namespace orvik3;
using namespace orvik3::test;

namespace {

// Prompt, result and options of rows 1..4.
struct RowControls {
    const char *prompt, *result;
    int first, last;
};
constexpr RowControls kRows[] = {{}, {"Label3", "Label8", 11, 13}, {"Label6", "Label9", 1, 5},
                                 {"Label4", "Label10", 6, 10}, {"Label5", "Label11", 14, 16}};

QStringList captions(TestHost &host, int first, int last)
{
    QStringList out;
    for (int n = first; n <= last; ++n)
        out << host.ctl(opt(n)).caption();
    return out;
}

QAform &startHolding(TestHost &host, const QStringList &record)
{
    host.writeStudyFile("HSIHLD.sty", studyLines({record}));
    return host.select(3);
}

// The question text, and the candidates: row 3 offers inbound + 90, 150, 180, 210, 270 in
// that order, row 2 the same in drawn places.
TEST(HoldingPanel, CandidateCaptions)
{
    const std::pair<const char *, QStringList> cases[] = {
        {"5", {"095", " 155", " 185", " 215", " 275"}},  {"180", {" 270", " 330", " 360", "030", "090"}},
        {"0", {"090", " 150", " 180", " 210", " 270"}},  {"360", {"090", " 150", " 180", " 210", " 270"}},
        {" 270 ", {" 360", "060", "090", " 120", " 180"}}};
    for (const auto &[inbound, expected] : cases) {
        TestHost host{spreadDraws()};
        startHolding(host, holdingRecord("90", inbound, "Standard"));
        EXPECT_EQ(host.ctl("Label2").caption(),
                  "Fly the current heading to the Station. Join the  Standard Holding inbound " + QString(inbound));
        EXPECT_EQ(captions(host, 6, 10), expected) << inbound;
        QStringList outbound = captions(host, 1, 5), sorted = expected;
        outbound.sort();
        sorted.sort();
        EXPECT_EQ(outbound, sorted) << inbound;
    }
}

// Every option of every row on a fresh question: only the right one is right, the row is
// marked once and locked, and no other row is touched.
TEST(HoldingPanel, OnlyTheRightOptionOfEachRow)
{
    const struct {
        const char *heading, *inbound, *kind;
        QStringList right, shown; // rows 1..4
    } questions[] = {
        // An offset entry onto gate 240, maintaining the heading.
        {"240", "090", "Standard", {"Offset", " 270", " 240", "Maintain"}, {"offset", " 270", " 240", "maintain"}},
        // Outbound 0 is offered as 360 and shown as 0.
        {"90", "180", "Standard", {"Parallel", " 360", " 360", "Left"}, {"parallel", " 0", " 0", "left"}},
        // Inbound 360 judges as inbound 0.
        {"90", "360", "Standard", {"Direct", " 180", " 180", "Right"}, {"direct", " 180", " 180", "right"}},
        {"90", "0", "Standard", {"Direct", " 180", " 180", "Right"}, {"direct", " 180", " 180", "right"}},
        // Left-hand offset entry: first heading inbound + 210 (Option9), a right turn onto it.
        {"290", "90", "Links", {"Offset", " 270", " 300", "Right"}, {"offset", " 270", " 300", "right"}},
        // "standard" is no "Standard": a left-hand parallel entry.
        {"230", "50", "standard", {"Parallel", " 230", " 230", "Right"}, {"parallel", " 230", " 230", "right"}},
        // Offset entry across north: the shorter turn from 010 onto 350 is to the left.
        {"10", "200", "Standard", {"Offset", "020", " 350", "Left"}, {"offset", " 20", " 350", "left"}},
        // Headings read leniently: "100.5" rounds to 100 (halves to even), a direct entry.
        {"100.5", "0", "Standard", {"Direct", " 180", " 180", "Right"}, {"direct", " 180", " 180", "right"}},
    };
    for (const auto &q : questions) {
        for (int row = 1; row <= 4; ++row) {
            const RowControls &r = kRows[row];
            int rightSeen = 0;
            for (int n = r.first; n <= r.last; ++n) {
                SCOPED_TRACE(::testing::Message() << q.kind << " inbound " << q.inbound << " HDG " << q.heading
                                                  << " Option" << n);
                TestHost host{spreadDraws()};
                QAform &f = startHolding(host, holdingRecord(q.heading, q.inbound, q.kind));
                const bool right = host.ctl(opt(n)).caption() == q.right[row - 1];
                rightSeen += right;
                ASSERT_TRUE(host.ctl(opt(n)).click());
                EXPECT_EQ(f.partCorrect(row), right);
                expectMark(host.ctl(r.prompt), host.ctl(r.result), right ? Mark::Right : Mark::Wrong, q.shown[row - 1]);
                for (int other = 1; other <= 4; ++other)
                    EXPECT_EQ(f.partDone(other), other == row) << other;
                // Hidden and, in rows 1 and 4, deselected; even a selection the trainee cannot
                // make is not judged.
                for (int m = r.first; m <= r.last; ++m) {
                    EXPECT_FALSE(host.ctl(opt(m)).isVisible()) << m;
                    EXPECT_TRUE(!host.ctl(opt(m)).isSelected() || row == 2 || row == 3) << m;
                    host.ctl(opt(m)).setValue(0);
                    host.ctl(opt(m)).setValue(-1);
                }
                EXPECT_EQ(f.partCorrect(row), right);
                EXPECT_EQ(host.ctl(r.result).caption(), right ? q.shown[row - 1] : QStringLiteral("FALSCH"));
            }
            EXPECT_EQ(rightSeen, 1) << q.inbound << " HDG " << q.heading << " row " << row;
        }
    }
}

TEST(HoldingPanel, NumbersThatAreNotNumbersRaiseTypeMismatch)
{
    const std::pair<qint16, QStringList> cases[] = {{3, holdingRecord("90", "09O", "Standard")},
                                                    {9, holdingRecord("left", "3O", "250")}};
    for (const auto &[type, record] : cases) {
        TestHost host{spreadDraws()};
        host.writeStudyFile(type == 3 ? "HSIHLD.sty" : "dmearc.sty", studyLines({record}));
        expectError(ErrorKind::TypeMismatch, [&] { host.select(type); });
        EXPECT_FALSE(host.form().questionShown());
    }
}

// --- the DME arc ------------------------------------------------------------------------

QAform &startArc(TestHost &host, const char *turn = "left", const char *heading = "030")
{
    host.writeStudyFile("dmearc.sty", studyLines({holdingRecord(turn, heading, "250")}));
    return host.select(9);
}

TEST(DmeArcPanel, ThreeRowsAndBackToFour)
{
    TestHost host{spreadDraws()};
    startHolding(host, holdingRecord("90", "0", "Standard"));
    QAform &f = startArc(host);
    EXPECT_EQ(host.ctl("Label2").caption(), QStringLiteral("Join the 12 DME arc"));
    EXPECT_EQ(host.ctl("Label3").caption(), QStringLiteral("First Turn to join the ARC:"));
    EXPECT_EQ(captions(host, 11, 13), QStringList({"Left", "Maintain", "Right"}));
    EXPECT_FALSE(host.ctl("Label5").isVisible());
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(host.ctl(opt(n)).isReachable(), n <= 13) << n;
    QStringList headings = captions(host, 1, 5), radials = captions(host, 6, 10);
    headings.sort();
    radials.sort();
    EXPECT_EQ(headings, QStringList({" 120", " 180", " 210", " 240", "030"}));
    EXPECT_EQ(radials, QStringList({" 100", " 250", " 340", "040", "070"}));
    // No fourth row, not even for a selection the trainee cannot make.
    host.ctl("Option14").setValue(-1);
    EXPECT_FALSE(f.partDone(4));

    host.select(3);
    EXPECT_TRUE(host.ctl("Label5").isVisible());
    EXPECT_TRUE(host.ctl("Option16").isReachable());
}

// Draws for a one-question file: the first goes to the question order, the next five place the
// candidates so that the right one (place 5) lands on Option<rightAt> of row 2.
std::vector<float> drawsPlacingRightAt(int rightAt)
{
    std::vector<float> draws{0.0f};
    for (int k = 1, next = 1; k <= 5; ++k)
        draws.push_back(0.2f * float((k == rightAt ? 5 : next++) - 1) + 0.1f);
    return draws;
}

// Row 3 reads the permutation in another order, so its right lead radial stands on the option
// given here for each place of row 2's right first heading; every other option is wrong.
TEST(DmeArcPanel, RowThreeReadsThePlacesInItsOwnOrder)
{
    constexpr int kLeadRadialOption[] = {0, 10, 8, 9, 7, 6};
    for (int p = 1; p <= 5; ++p) {
        for (int n = 1; n <= 10; ++n) {
            TestHost host{drawsPlacingRightAt(p)};
            QAform &f = startArc(host);
            ASSERT_EQ(QAformTestAccess(f).optionOrder(p), 5);
            const bool right = n == p || n == kLeadRadialOption[p];
            if (right)
                EXPECT_EQ(host.ctl(opt(n)).caption(), n <= 5 ? QStringLiteral("030") : QStringLiteral(" 250"));
            ASSERT_TRUE(host.ctl(opt(n)).click());
            const int row = n <= 5 ? 2 : 3;
            EXPECT_EQ(f.partCorrect(row), right) << "place " << p << " Option" << n;
            EXPECT_EQ(host.ctl(kRows[row].result).caption(),
                      right ? (row == 2 ? QStringLiteral("030") : QStringLiteral("250")) : QStringLiteral("FALSCH"));
        }
    }
}

TEST(DmeArcPanel, FirstTurnIsTheExactWord)
{
    const std::tuple<const char *, int, bool> cases[] = {{"left", 11, true},  {"maintain", 12, true},
                                                         {"right", 13, true}, {"left", 13, false},
                                                         {"Left", 11, false}, {"right ", 13, false}};
    for (const auto &[stored, option, right] : cases) {
        TestHost host{spreadDraws()};
        QAform &f = startArc(host, stored);
        ASSERT_TRUE(host.ctl(opt(option)).click());
        EXPECT_EQ(f.partCorrect(1), right) << stored << " on Option" << option;
        EXPECT_EQ(host.ctl("Label8").caption(), right ? QLatin1String(stored) : QLatin1String("FALSCH"));
        for (int n = 11; n <= 13; ++n)
            EXPECT_FALSE(host.ctl(opt(n)).isVisible() || host.ctl(opt(n)).isSelected()) << n;
    }
}

TEST(DmeArcPanel, FirstHeadingNorthIsOfferedAs360AndShownAsStored)
{
    for (const char *heading : {"000", "360", "0"}) {
        TestHost host{spreadDraws()};
        QAform &f = startArc(host, "left", heading);
        const QStringList offered = captions(host, 1, 5);
        const int n = int(offered.indexOf(QStringLiteral(" 360"))) + 1;
        ASSERT_GT(n, 0) << heading;
        host.ctl(opt(n)).click();
        EXPECT_TRUE(f.partCorrect(2)) << heading;
        EXPECT_EQ(host.ctl("Label9").caption(), QLatin1String(heading));
    }
}

} // namespace
