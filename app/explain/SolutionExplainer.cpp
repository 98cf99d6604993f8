#include "explain/SolutionExplainer.h"

#include "explain/AdfExplainer.h"
#include "explain/ArcExplainer.h"
#include "explain/HoldingExplainer.h"
#include "explain/PositionExplainer.h"
#include "explain/QdmQdrExplainer.h"
#include "explain/RowReasons.h"
#include "explain/WindExplainer.h"
#include "situation/Situation.h"

#include <orvik3/ExerciseCatalog.h>
#include <orvik3/QAform.h>

#include <cmath>

namespace orvik3::trainer {

namespace {

QString shownText(const FormControl &c)
{
    const QString t = c.kind() == ControlKind::TextBox ? c.text() : c.caption();
    return t.simplified();
}

double number(const QString &text) { return text.trimmed().toDouble(); }

bool inDegrees(RowKind k)
{
    switch (k) {
    case RowKind::Radial: case RowKind::PositionQdm: case RowKind::OrientationQdm: case RowKind::OrientationQdr:
    case RowKind::OrientationRb: case RowKind::HoldingOutbound: case RowKind::HoldingFirstHeading:
    case RowKind::ArcFirstHeading: case RowKind::ArcLeadRadial: case RowKind::AdfQdr: case RowKind::AdfQdm:
    case RowKind::AdfRb: case RowKind::InterceptBearing: return true;
    default: return false;
    }
}

// An answer as a pilot writes it, in the box's language: headings and bearings in three
// digits with north as 360, the panel's words translated, and "- 0" said in words.
QString pilotAnswer(RowKind kind, const QString &shown)
{
    if (shown == QLatin1String("- 0") || shown == QLatin1String("-0")) {
        switch (kind) {
        case RowKind::WindHeadTail: return SolutionExplainer::tr("no head- or tailwind");
        case RowKind::WindCrosswind: return SolutionExplainer::tr("no crosswind");
        case RowKind::WindCorrection: return SolutionExplainer::tr("no wind correction");
        default: break;
        }
    }
    const std::pair<const char *, QString> words[] = {
        {"direct", HoldingExplainer::entryName(HoldingEntry::Direct)}, {"parallel", HoldingExplainer::entryName(HoldingEntry::Parallel)},
        {"offset", HoldingExplainer::entryName(HoldingEntry::Offset)}, {"left", SolutionExplainer::tr("left")},
        {"links", SolutionExplainer::tr("left")}, {"right", SolutionExplainer::tr("right")}, {"rechts", SolutionExplainer::tr("right")},
        {"maintain", SolutionExplainer::tr("maintain")}, {"Head", SolutionExplainer::tr("headwind")}, {"Tail", SolutionExplainer::tr("tailwind")},
        {"increase", SolutionExplainer::tr("increase")}, {"grösser", SolutionExplainer::tr("increase")},
        {"decrease", SolutionExplainer::tr("decrease")}, {"kleiner", SolutionExplainer::tr("decrease")},
        {"gleich", SolutionExplainer::tr("remain constant")}, {"remain constant", SolutionExplainer::tr("remain constant")}};
    for (const auto &[word, said] : words) {
        const QString w = QString::fromUtf8(word);
        if (shown.startsWith(w) && (shown.size() == w.size() || shown.at(w.size()) == u' '))
            return said + shown.mid(w.size());
    }
    bool whole = false;
    const int value = shown.toInt(&whole);
    if (whole && inDegrees(kind) && value >= 0 && value <= 360)
        return headingDigits(value);
    return shown;
}

} // namespace

Explanation SolutionExplainer::explain(const QAform &form, const Situation &situation)
{
    Explanation e;
    const ExerciseType *type = exerciseType(form.c_QAtype());
    if (!type)
        return e;
    const int q = form.currentQuestion();
    for (const AnswerRow &row : type->rows) {
        const FormControl *p = form.form().find(QLatin1String(row.prompt));
        const FormControl *r = form.form().find(QLatin1String(row.result));
        if (!p || !r)
            continue;
        const QString answer = row.kind == RowKind::WindTime ? WindExplainer::minutesSeconds(form.qaCol(row.answerColumn, q))
                                                             : pilotAnswer(row.kind, shownText(*r));
        e.answers << tr("%1 %2").arg(shownText(*p), answer);
    }
    e.whys = RowReasons::of(form, situation);
    const std::optional<host::Session> &session = situation.session;
    switch (type->family) {
    case Family::Holding:
        if (type->rows.front().kind == RowKind::ArcFirstTurn) {
            if (session)
                e.reason = ArcExplainer::reason(*session);
        } else {
            const int heading = int(std::lround(number(form.qaCol(13, q))));
            const int inbound = int(std::lround(number(form.qaCol(14, q))));
            const bool right = form.qaCol(15, q) == QLatin1String("Standard");
            e.reason = HoldingExplainer::reason(heading, inbound, right);
        }
        break;
    case Family::Wind: {
        WindExplainer::Leg leg{number(form.qaCol(3, q)), number(form.qaCol(4, q)), number(form.qaCol(1, q)),
                               number(form.qaCol(2, q)), std::nullopt};
        if (session && session->wind)
            leg.legNm = session->wind->legNm;
        const Explanation w = WindExplainer::explain(leg);
        // Each row's working is its why; the ground speed goes with the time it gives.
        e.whys = w.working.mid(0, 3);
        e.whys << w.working.mid(3).join(u' ');
        e.reason = w.reason;
        if (!leg.legNm)
            e.working << tr("The leg distance is not given for this question.");
        break;
    }
    case Family::Position:
        if (session)
            e.reason = PositionExplainer::reason(*session);
        break;
    case Family::Adf:
        if (session)
            e.reason = AdfExplainer::reason(*session);
        break;
    case Family::QdmQdr:
        if (session)
            e.reason = QdmQdrExplainer::reason(*session);
        break;
    }
    return e;
}

} // namespace orvik3::trainer
