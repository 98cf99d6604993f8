#include "explain/RowReasons.h"

#include "explain/ArcExplainer.h"
#include "explain/Explanation.h"
#include "explain/HoldingExplainer.h"
#include "situation/Situation.h"

#include <orvik3/ExerciseCatalog.h>
#include <orvik3/QAform.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvik3::trainer {

namespace nav = host::nav;

namespace {

int whole(double deg) { return int(std::lround(nav::normalizeDegrees(deg))) % 360; }

// Formulas as written on paper, with the wrap past north spelled out.
QString sum(double a, double b)
{
    const int s = whole(a) + whole(b);
    return s >= 360 ? QStringLiteral("%1 + %2 − 360 = %3").arg(threeDigits(a), threeDigits(b), threeDigits(s))
                    : QStringLiteral("%1 + %2 = %3").arg(threeDigits(a), threeDigits(b), threeDigits(s));
}

QString difference(double a, double b)
{
    const int d = whole(a) - whole(b);
    return d < 0 ? QStringLiteral("%1 − %2 + 360 = %3").arg(threeDigits(a), threeDigits(b), threeDigits(d))
                 : QStringLiteral("%1 − %2 = %3").arg(threeDigits(a), threeDigits(b), threeDigits(d));
}

QString opposite(double a)
{
    return whole(a) < 180 ? QStringLiteral("%1 + 180 = %2").arg(threeDigits(a), threeDigits(a + 180))
                          : QStringLiteral("%1 − 180 = %2").arg(threeDigits(a), threeDigits(a - 180));
}

// Where the station is, seen from the nose: +1 right, -1 left, 0 dead ahead or behind.
int sideOf(double rb)
{
    const int r = whole(rb);
    return r == 0 || r == 180 ? 0 : (r < 180 ? 1 : -1);
}

struct Geometry {
    QString station;
    double hdg = 0, qdm = 0, qdr = 0, rb = 0;
};

std::optional<Geometry> geometryOf(const Situation &s, int type)
{
    if (!s.session)
        return std::nullopt;
    const host::Session &session = *s.session;
    const host::Station *st = nullptr;
    if (session.target)
        st = host::findStation(session, session.target->station);
    else if (session.instruments.rmi || session.instruments.adf || type == 5 || type == 11)
        st = host::adfStation(session);
    else
        st = host::navStation(session);
    if (!st)
        return std::nullopt;
    const nav::Point a = host::aircraftPosition(session);
    const double hdg = session.aircraft.headingDeg;
    return Geometry{st->id, hdg, nav::qdm(a, st->position), nav::qdr(a, st->position),
                    nav::relativeBearing(a, hdg, st->position)};
}

// The rows of an interception: how the difference develops, the turn, and the heading by
// the double-offset rule.
QString interceptRow(const host::Session &session, const Geometry &g, RowKind kind, bool qdrType, const QString &trend)
{
    const double rq = session.target->qdmDeg.value_or(session.target->qdrDeg.value_or(0.0));
    const double act = qdrType ? g.qdr : g.qdm;
    const QString name = qdrType ? QStringLiteral("QDR") : QStringLiteral("QDM");
    const int off = int(std::lround(nav::angleDifference(act, rq)));
    if (kind == RowKind::InterceptDifference) {
        const int side = sideOf(g.rb);
        const QString how = side == 0 ? RowReasons::tr("%1 The actual %2 %3 keeps its distance from the required %4: the difference stays the same.")
                            : (off == 0 || (off > 0) == (side > 0))
                                ? RowReasons::tr("%1 The actual %2 %3 moves away from the required %4: the difference becomes larger.")
                                : RowReasons::tr("%1 The actual %2 %3 moves toward the required %4: the difference becomes smaller.");
        return how.arg(trend, name, threeDigits(act), threeDigits(rq));
    }
    // Inbound the heading goes beyond the bearing, outbound it turns back across it.
    const int toward = qdrType ? -off : off;
    const int size = toward == 0 ? 0 : std::clamp(2 * std::abs(toward), 30, 90);
    const int correction = toward < 0 ? -size : size;
    const double heading = rq + correction;
    if (kind == RowKind::InterceptTurn)
        return RowReasons::turn(g.hdg, heading);
    const QString sign = correction < 0 ? QStringLiteral("−") : QStringLiteral("+");
    const QString formula = size == 2 * std::abs(toward)
                                ? QStringLiteral("%1 %2 2 × %3 = %4").arg(threeDigits(rq), sign).arg(std::abs(toward)).arg(headingDigits(heading))
                                : QStringLiteral("%1 %2 %3 = %4 (2 × %5° %6 %3°)")
                                      .arg(threeDigits(rq), sign)
                                      .arg(size)
                                      .arg(headingDigits(heading))
                                      .arg(std::abs(toward))
                                      .arg(size == 30 ? u'<' : u'>');
    const double reference = qdrType ? rq : act;
    const int against = int(std::lround(nav::angleDifference(heading, reference)));
    const QString refName = qdrType ? QStringLiteral("RQ QDR") : QStringLiteral("actual QDM");
    const QString compared = against > 0   ? RowReasons::tr("%1 is greater than %2 %3.")
                             : against < 0 ? RowReasons::tr("%1 is less than %2 %3.")
                                           : RowReasons::tr("%1 equals %2 %3.");
    return RowReasons::tr("Intercept heading = required %1 %2 (twice the offset, at least 30° and at most 90°).").arg(name, formula) + u' '
           + compared.arg(headingDigits(heading), refName, threeDigits(reference));
}

} // namespace

QString RowReasons::turn(double fromDeg, double toDeg)
{
    const int d = int(std::lround(nav::angleDifference(toDeg, fromDeg)));
    if (d == 0)
        return tr("Heading %1 already is the heading wanted: maintain it.").arg(headingDigits(fromDeg));
    return (d > 0 ? tr("From heading %1 to %2 the shorter turn is %3° to the right.")
                  : tr("From heading %1 to %2 the shorter turn is %3° to the left."))
        .arg(headingDigits(fromDeg), headingDigits(toDeg))
        .arg(std::abs(d));
}

QStringList RowReasons::of(const QAform &form, const Situation &situation)
{
    const qint16 type = form.c_QAtype();
    const ExerciseType *t = exerciseType(type);
    QStringList out;
    if (!t)
        return out;
    const int q = form.currentQuestion();
    auto column = [&](int c) { return form.qaCol(c, q).trimmed().toDouble(); };
    const std::optional<Geometry> g = geometryOf(situation, type);
    const bool qdrType = type == 7 || type == 13;
    for (const AnswerRow &row : t->rows) {
        QString why;
        switch (row.kind) {
        case RowKind::HoldingEntry:
            why = HoldingExplainer::reason(int(column(13)), int(column(14)), form.qaCol(15, q) == QLatin1String("Standard"));
            break;
        case RowKind::HoldingOutbound:
            why = tr("Outbound = inbound %1.").arg(opposite(column(14)));
            break;
        case RowKind::HoldingFirstHeading:
        case RowKind::HoldingFirstTurn:
            why = HoldingExplainer::firstStep(int(column(13)), int(column(14)), form.qaCol(15, q) == QLatin1String("Standard"),
                                              row.kind == RowKind::HoldingFirstTurn);
            break;
        case RowKind::ArcFirstTurn:
        case RowKind::ArcFirstHeading:
        case RowKind::ArcLeadRadial:
            if (situation.session)
                why = ArcExplainer::row(*situation.session, row.kind);
            break;
        default: break;
        }
        if (g && why.isEmpty()) {
            const int side = sideOf(g->rb);
            const QString trend = side == 0 ? tr("The station is dead ahead or behind (RB %1): flying on, the bearings stay the same.")
                                  : side > 0 ? tr("The station is right of the nose (RB %1): flying on, it moves further right and the bearings increase.")
                                             : tr("The station is left of the nose (RB %1): flying on, it moves further left and the bearings decrease.");
            switch (row.kind) {
            case RowKind::Radial: why = tr("Radial = QDM %1, the line from %2 out to the aircraft.").arg(opposite(g->qdm), g->station); break;
            case RowKind::PositionQdm: why = tr("QDM = radial %1, the course that leads to %2.").arg(opposite(g->qdr), g->station); break;
            case RowKind::StationSide: {
                const int rb = whole(g->rb);
                const QString where = rb < 45 || rb > 315 ? tr("RB = QDM − HDG = %1: within 45° of the nose, the station is ahead.")
                                      : rb < 135          ? tr("RB = QDM − HDG = %1: the station is to the right.")
                                      : rb <= 225         ? tr("RB = QDM − HDG = %1: the station is behind.")
                                                          : tr("RB = QDM − HDG = %1: the station is to the left.");
                why = where.arg(difference(g->qdm, g->hdg));
                break;
            }
            case RowKind::NeedleMovement: {
                // The radial turns the way the bearings go; the needle follows the radial
                // against the course set, read a degree further on.
                const double obs = situation.session->instruments.vorObsDeg.value_or(0.0);
                const double move = nav::cdiIndication(g->qdr + side, obs).needleDeg - nav::cdiIndication(g->qdr, obs).needleDeg;
                const QString needle = side == 0  ? tr("%1 The radial stays, and against the course %2 set so does the needle.")
                                       : move > 0 ? tr("%1 The radial changes with them, and against the course %2 set the needle moves to the right.")
                                                  : tr("%1 The radial changes with them, and against the course %2 set the needle moves to the left.");
                why = needle.arg(trend.arg(threeDigits(g->rb)), threeDigits(obs));
                break;
            }
            case RowKind::OrientationQdm:
            case RowKind::AdfQdm: why = tr("QDM = HDG + RB = %1.").arg(sum(g->hdg, g->rb)); break;
            case RowKind::OrientationQdr:
            case RowKind::AdfQdr: why = tr("QDR = QDM %1.").arg(opposite(g->qdm)); break;
            case RowKind::OrientationRb:
            case RowKind::AdfRb: why = tr("RB = QDM − HDG = %1, the needle's angle from the nose.").arg(difference(g->qdm, g->hdg)); break;
            case RowKind::AdfQdrTrend:
            case RowKind::AdfQdmTrend: why = trend.arg(threeDigits(g->rb)); break;
            case RowKind::InterceptBearing:
                why = qdrType ? tr("QDM = HDG + RB = %1, so QDR = %2.").arg(sum(g->hdg, g->rb), opposite(g->qdm))
                              : tr("QDM = HDG + RB = %1.").arg(sum(g->hdg, g->rb));
                break;
            case RowKind::InterceptDifference:
            case RowKind::InterceptTurn:
            case RowKind::InterceptHeading:
                why = interceptRow(*situation.session, *g, row.kind, qdrType, trend.arg(threeDigits(g->rb)));
                break;
            default: break;
            }
        }
        out << why;
    }
    return out;
}

} // namespace orvik3::trainer
