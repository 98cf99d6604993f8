// The sentences and working of the solution box, checked against the rules a student learns,
// written out here independently of the trainer's code.
#include "TrainerTestKit.h"
#include "explain/AdfExplainer.h"
#include "explain/ArcExplainer.h"
#include "explain/BearingExplainer.h"
#include "explain/HoldingExplainer.h"
#include "explain/PositionExplainer.h"
#include "explain/QdmQdrExplainer.h"
#include "explain/SolutionExplainer.h"
#include "explain/WindExplainer.h"
#include "situation/Situation.h"

#include <orvik3/ExerciseCatalog.h>
#include <orvik3/QAform.h>

#include <gtest/gtest.h>
#include <cmath>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

// --- holding entry sectors ---------------------------------------------------------------

struct HoldRow {
    const char *name;
    int inbound;
    bool rightHand;
    int heading;
    const char *entry;  // as the sentence names it
    const char *sector; // "from°–to°"
};

class HoldingSentence : public ::testing::TestWithParam<HoldRow> {};

TEST_P(HoldingSentence, NamesTheSectorTheHeadingLiesIn)
{
    const HoldRow &r = GetParam();
    const QString text = HoldingExplainer::reason(r.heading, r.inbound, r.rightHand);
    EXPECT_TRUE(text.contains(QStringLiteral(" %1 entry sector %2 ").arg(QLatin1String(r.entry), QString::fromUtf8(r.sector))))
        << qPrintable(text);
    EXPECT_TRUE(text.contains(r.rightHand ? QStringLiteral("right-hand") : QStringLiteral("left-hand")));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HoldingSentence,
    ::testing::Values(HoldRow{"right090_hdg130_direct", 90, true, 130, "direct", "020°–200°"},
                      HoldRow{"right090_hdg250_offset", 90, true, 250, "offset (teardrop)", "200°–270°"},
                      HoldRow{"right090_hdg300_parallel", 90, true, 300, "parallel", "270°–020°"},
                      HoldRow{"right090_border020_direct", 90, true, 20, "direct", "020°–200°"},
                      HoldRow{"right090_border200_direct", 90, true, 200, "direct", "020°–200°"},
                      HoldRow{"right350_hdg100_acrossNorth", 350, true, 100, "direct", "280°–100°"},
                      HoldRow{"left270_hdg100_offset", 270, false, 100, "offset (teardrop)", "090°–160°"},
                      HoldRow{"left270_hdg000_parallel", 270, false, 0, "parallel", "340°–090°"},
                      HoldRow{"left270_hdg160_direct", 270, false, 160, "direct", "160°–340°"}),
    [](const auto &info) { return std::string(info.param.name); });

// --- wind triangle ------------------------------------------------------------------------

struct WindRow {
    const char *name;
    double course, tas, windFrom, windKt, legNm;
};

class WindWorking : public ::testing::TestWithParam<WindRow> {};

TEST_P(WindWorking, ShowsTheNumbersOfThePaperMethod)
{
    const WindRow &r = GetParam();
    const double rad = M_PI / 180.0;
    const double off = (r.windFrom - r.course) * rad;
    const double head = r.windKt * std::cos(off);
    const double cross = std::abs(r.windKt * std::sin(off));
    const double wca = std::asin(cross / r.tas) / rad;
    const double gs = r.tas * std::cos(wca * rad) - head;
    const long secs = std::lround(r.legNm / gs * 3600.0);

    const Explanation e = WindExplainer::explain({r.course, r.tas, r.windFrom, r.windKt, r.legNm});
    const QString all = e.working.join(QLatin1Char('\n'));
    // A tailwind is the negative headwind: the sign is written out.
    EXPECT_TRUE(all.contains(QString::fromUtf8(head >= 0 ? ": headwind = " : ": tailwind = −")) && all.contains(QStringLiteral("= %1 kt").arg(std::abs(head), 0, 'f', 1)))
        << qPrintable(all);
    EXPECT_TRUE(all.contains(QStringLiteral("= %1 kt").arg(cross, 0, 'f', 1))) << qPrintable(all);
    // The nose turns to the side the wind comes from.
    const double side = std::sin(off) > 0.01 ? 1 : std::sin(off) < -0.01 ? -1 : 0;
    const long heading = (std::lround(r.course + side * wca) + 360) % 360;
    EXPECT_TRUE(all.contains(QStringLiteral("= %1°%2, heading %3")
                                 .arg(wca, 0, 'f', 1)
                                 .arg(side > 0 ? " right" : side < 0 ? " left" : "")
                                 .arg(heading, 3, 10, QLatin1Char('0'))))
        << qPrintable(all);
    EXPECT_TRUE(all.contains(QStringLiteral("= %1 kt\n").arg(gs, 0, 'f', 1))) << qPrintable(all);
    EXPECT_TRUE(all.contains(QStringLiteral("%1 NM").arg(r.legNm, 0, 'f', 1))) << "the leg distance is shown";
    EXPECT_TRUE(all.endsWith(QStringLiteral("= %1:%2 min:s").arg(secs / 60).arg(secs % 60, 2, 10, QLatin1Char('0'))))
        << qPrintable(all);
}

INSTANTIATE_TEST_SUITE_P(Rows, WindWorking,
                         ::testing::Values(WindRow{"headOnly", 90, 100, 90, 20, 45},
                                           WindRow{"tailOnly", 90, 100, 270, 20, 40},
                                           WindRow{"quarteringFromRight", 360, 120, 30, 30, 60},
                                           WindRow{"crossFromLeft", 180, 90, 90, 15, 30}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(WindWorking, CrosswindSideIsWhereTheWindComesFrom)
{
    EXPECT_TRUE(WindExplainer::explain({360, 120, 30, 30, 60}).working.join(' ').contains("from the right"));
    EXPECT_TRUE(WindExplainer::explain({180, 90, 90, 15, 30}).working.join(' ').contains("from the left"));
}

struct TimeRow {
    const char *name, *stored, *shown;
};
class StoredTime : public ::testing::TestWithParam<TimeRow> {};
TEST_P(StoredTime, ReadsMinutesDotSeconds)
{
    EXPECT_EQ(WindExplainer::minutesSeconds(QLatin1String(GetParam().stored)), QString::fromUtf8(GetParam().shown));
}
INSTANTIATE_TEST_SUITE_P(Rows, StoredTime,
                         ::testing::Values(TimeRow{"twoDigits", "33.45", "33:45 min:s"},
                                           TimeRow{"oneDigitIsTens", "12.5", "12:50 min:s"},
                                           TimeRow{"colon", "7:05", "7:05 min:s"},
                                           TimeRow{"notATime", "abc", "abc"}),
                         [](const auto &info) { return std::string(info.param.name); });

// --- bearings -----------------------------------------------------------------------------

struct BearingRow {
    const char *name;
    int heading, rb; // rb < 0: the reciprocal sentence of `heading` taken as QDM
    const char *qdm, *qdr;
};
class BearingSentence : public ::testing::TestWithParam<BearingRow> {};
TEST_P(BearingSentence, QdrIsTheReciprocalOfQdm)
{
    const BearingRow &r = GetParam();
    const QString text = r.rb < 0 ? BearingExplainer::reciprocal(r.heading) : BearingExplainer::adfSum(r.heading, r.rb);
    if (r.rb < 0)
        EXPECT_TRUE(text.startsWith(QStringLiteral("QDM %1 and QDR %2").arg(r.qdm, r.qdr))) << qPrintable(text);
    else
        EXPECT_TRUE(text.contains(QStringLiteral("%1; QDR = QDM ± 180 = %2.").arg(r.qdm, r.qdr))) << qPrintable(text);
}
INSTANTIATE_TEST_SUITE_P(Rows, BearingSentence,
                         ::testing::Values(BearingRow{"qdm030", 30, -1, "030", "210"},
                                           BearingRow{"qdm200", 200, -1, "200", "020"},
                                           BearingRow{"qdm180", 180, -1, "180", "000"},
                                           BearingRow{"qdm000", 0, -1, "000", "180"},
                                           BearingRow{"adfPastNorth", 90, 300, "390 − 360 = 030", "210"},
                                           BearingRow{"adfAhead", 0, 0, "000", "180"},
                                           BearingRow{"adfExactly360", 270, 90, "360 − 360 = 000", "180"}),
                         [](const auto &info) { return std::string(info.param.name); });

// --- reasons drawn from the situation ------------------------------------------------------
// The test kit puts the aircraft on radial 200, 12 NM out, heading 090 (DME arc: radial 090,
// 18 NM); the numbers below are worked out by hand from that.

struct SessionRow {
    const char *name;
    int type;
    QString (*reason)(const orvik3::host::Session &);
    std::vector<const char *> says;
};
class SessionReason : public ::testing::TestWithParam<SessionRow> {};
TEST_P(SessionReason, WorksFromTheGeometry)
{
    const SessionRow &r = GetParam();
    const QString text = r.reason(test::sessionFor(r.type));
    for (const char *part : r.says)
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << qPrintable(text) << "\n  lacks: " << part;
}
INSTANTIATE_TEST_SUITE_P(
    Rows, SessionReason,
    ::testing::Values(
        SessionRow{"hsiPosition", 1, &PositionExplainer::reason, {"radial 200 of TGO, 12.0 NM out", "QDM 020 and QDR 200"}},
        SessionRow{"adfSumPastNorth", 5, &AdfExplainer::reason, {"HDG 090 + RB 290 = 380 − 360 = 020", "QDR = QDM ± 180 = 200", "points to NB"}},
        SessionRow{"qdmTenDegreesShort", 6, &QdmQdrExplainer::reason, {"Seen from TGO", "QDM 020", "required QDM is 030, 10° away"}},
        SessionRow{"qdrTenDegreesShort", 7, &QdmQdrExplainer::reason, {"QDR 200", "required QDR is 030, 170° away"}},
        SessionRow{"arcClockwiseLead", 9, &ArcExplainer::reason, {"radial 090", "flown clockwise", "090 + 90 = 180", "60 × 1.0 / 12 = 5.0°", "radial 175"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SessionReason, MissingStationGivesNoSentence)
{
    orvik3::host::Session empty;
    EXPECT_TRUE(PositionExplainer::reason(empty).isEmpty());
    EXPECT_TRUE(AdfExplainer::reason(empty).isEmpty());
    EXPECT_TRUE(QdmQdrExplainer::reason(empty).isEmpty());
    EXPECT_TRUE(ArcExplainer::reason(empty).isEmpty());
}

// --- the answers of the box ------------------------------------------------------------------

// One answer per row of the panel once the solution is out, prompt and the answer as the
// panel shows it; the wind's time (stored as 12.30 here) as minutes and seconds.
TEST(SolutionBoxAnswers, OnePerRowAsThePanelShowsThem)
{
    for (const int type : {1, 3, 5, 6, 8, 9}) {
        SCOPED_TRACE(type);
        test::Installation inst;
        inst.writeType(type, 1);
        if (type == 8)
            inst.writeRaw(QStringLiteral("default/study/wind.sty"), QByteArray().append(QByteArray("#####12.30\r\n").repeated(11))
                                                                        + "####t8_0.session\r\n\r\n");
        Services s;
        s.settings = std::make_shared<MemorySettingsStore>();
        QAform form(s);
        form.InitProperties();
        form.setC_MainAppPath(inst.base());
        form.setC_QAtype(qint16(type));
        const ExerciseType &t = *exerciseType(qint16(type));
        ASSERT_TRUE(form.control(QLatin1String(familyControls(t.family).showSolution)).click());
        const Explanation e = SolutionExplainer::explain(form, Situation{});
        ASSERT_EQ(e.answers.size(), qsizetype(t.rows.size()));
        for (std::size_t k = 0; k < t.rows.size(); ++k) {
            auto shown = [&](const char *name) {
                const FormControl &c = form.control(QLatin1String(name));
                return (c.kind() == ControlKind::TextBox ? c.text() : c.caption()).simplified();
            };
            const QString answer = t.rows[k].kind == RowKind::WindTime ? QStringLiteral("12:30 min:s") : shown(t.rows[k].result);
            EXPECT_EQ(e.answers[qsizetype(k)], shown(t.rows[k].prompt) + u' ' + answer);
        }
    }
}

} // namespace
