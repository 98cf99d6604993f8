// Nothing drawn gives an answer away before it is given: the texts painted for the questions
// of the sample installation hold no value that is asked (unless the question itself states
// it), and a hidden aircraft does not move the plan. No label of the plan covers another, a
// station, the aircraft or a line. A holding pattern is large enough to read.
#include "PaintProbe.h"
#include "PaintedText.h"
#include "PlanCrowding.h"
#include "paint/PlanPainter.h"
#include "paint/SituationRenderer.h"

#include "study/QuestionTable.h"
#include "study/StudyFileLoader.h"

#include <orvik3/ExerciseCatalog.h>

#include <QPainter>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

const QRectF kView(0, 0, 1100, 700);
// The least on-screen size, in pixels, of a holding pattern a trainee can read.
constexpr double kReadablePattern = 130;

QStringList numbersIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("\\d+(?:[.,]\\d+)?"));
    QStringList out;
    for (auto it = number.globalMatch(text); it.hasNext();)
        out << it.next().captured().replace(u',', u'.');
    return out;
}

// A value as a question may state it: "90", "090".
QStringList spelled(double value)
{
    const int n = int(std::lround(value));
    return {QString::number(n), QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'))};
}

// The asked values drawn for a situation; `given` are values the question itself states.
std::string drawnAnswers(const Situation &s, const QStringList &asked, const QStringList &given)
{
    test::PaintedText device(kView.size().toSize());
    QPainter p(&device);
    SituationRenderer().paint(p, kView, s);
    p.end();
    QStringList found;
    for (const QString &text : device.texts())
        for (const QString &n : numbersIn(text))
            if (asked.contains(n) && !given.contains(n))
                found << text;
    return found.join(u'|').toStdString();
}

struct TypeRow {
    int type;
    bool solutionTells; // the plan names an asked value once the solution is on
};

class HonestPicture : public ::testing::TestWithParam<TypeRow> {};

TEST_P(HonestPicture, NoAnswerBeforeTheSolutionNoLabelCoveredNoHiddenAircraftMoved)
{
    const ExerciseType &type = *exerciseType(qint16(GetParam().type));
    const QString base = QStringLiteral(ORVIK3_SAMPLE_DATA_DIR) + u'/';
    QuestionTable table;
    const int records = loadStudyFile(base, type.type, QLatin1String(type.germanFile), table).records;
    ASSERT_GT(records, 0);
    int told = 0;
    for (int q = 0; q < std::min(records, 6); ++q) {
        Situation s = loadSituation(base + QStringLiteral("default/sessions/") + table.session(q), type.type);
        ASSERT_TRUE(s.isValid()) << qPrintable(s.error);
        const host::Session &session = *s.session;
        QStringList asked, given = spelled(session.aircraft.headingDeg) + spelled(session.aircraft.tasKt);
        for (const AnswerRow &row : type.rows)
            if (row.answerColumn > 0)
                asked += numbersIn(table.col(row.answerColumn, q));
        if (session.holding) {
            given += spelled(session.holding->inboundCourseDeg);
            asked += spelled(std::fmod(session.holding->inboundCourseDeg + 180.0, 360.0)); // the outbound heading
        }
        if (session.wind)
            given += spelled(session.wind->fromDeg) + spelled(session.wind->speedKt);
        if (session.target)
            given += spelled(session.target->qdmDeg.value_or(session.target->qdrDeg.value_or(-1)));
        for (bool hidden : {false, true}) {
            s.hideAircraft = hidden;
            s.showSolution = false;
            EXPECT_EQ(drawnAnswers(s, asked, given), "") << "question " << q << (hidden ? " hidden" : "");
            s.showSolution = true;
            told += !drawnAnswers(s, asked, given).empty();
        }
        PlanProbe probe;
        const QImage picture = test::render(kView.size().toSize(), [&](QPainter &p) { SituationRenderer().paint(p, kView, s, &probe); });
        test::keepPicture(picture, QStringLiteral("plan-type%1-q%2").arg(type.type).arg(q));
        EXPECT_EQ(test::crowdedLabels(probe), "") << "question " << q;
        // Before the solution, the message of a hidden aircraft keeps off the lines as well.
        s.showSolution = false;
        s.hideAircraft = true;
        PlanProbe unseen;
        test::keepPicture(test::render(kView.size().toSize(), [&](QPainter &p) { SituationRenderer().paint(p, kView, s, &unseen); }),
                          QStringLiteral("plan-type%1-q%2-hidden").arg(type.type).arg(q));
        EXPECT_EQ(test::crowdedLabels(unseen), "") << "question " << q << " hidden";
        // The holding pattern large enough to read, however far away the aircraft starts.
        s.showSolution = false;
        s.hideAircraft = false;
        if (const PlanOverlay o = planOverlay(s); !o.holding.empty()) {
            const PlanTransform t = PlanPainter::transformFor(kView, s, o);
            QRectF box(t.toScreen(o.holding.front()), QSizeF());
            for (const host::nav::Point &p : o.holding)
                box |= QRectF(t.toScreen(p), QSizeF(1, 1));
            EXPECT_GE(std::max(box.width(), box.height()), kReadablePattern) << "question " << q;
        }
        // The plan of a hidden aircraft is the same wherever it is.
        s.showSolution = false;
        s.hideAircraft = true;
        const PlanTransform before = PlanPainter::transformFor(kView, s, planOverlay(s));
        s.start.position = {s.start.position.x + 7.0, s.start.position.y - 4.0};
        s.resetAircraft();
        const PlanTransform after = PlanPainter::transformFor(kView, s, planOverlay(s));
        if (!s.aircraftVisible()) {
            EXPECT_EQ(before.toScreen({0, 0}), after.toScreen({0, 0})) << "question " << q;
            EXPECT_DOUBLE_EQ(before.pixelsPerNm(), after.pixelsPerNm()) << "question " << q;
        }
    }
    EXPECT_EQ(told > 0, GetParam().solutionTells) << "the solution names an asked value in " << told << " pictures";
}

INSTANTIATE_TEST_SUITE_P(Types, HonestPicture,
                         ::testing::Values(TypeRow{1, true}, TypeRow{2, true}, TypeRow{3, false}, TypeRow{4, false},
                                           TypeRow{5, true}, TypeRow{6, false}, TypeRow{7, false}, TypeRow{8, false},
                                           TypeRow{9, false}, TypeRow{10, true}, TypeRow{11, true}, TypeRow{12, false},
                                           TypeRow{13, false}, TypeRow{14, false}),
                         [](const auto &info) { return "type" + std::to_string(info.param.type); });

} // namespace
