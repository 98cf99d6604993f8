#include "teaching/TeachingRules.h"

#include "exercises/holding/HoldingSolver.h"

#include <cmath>
#include <variant>

namespace orvik3::teaching {

using namespace host::nav;

namespace {

using Problem = std::optional<QString>;

QString degrees(double deg)
{
    return QStringLiteral("%1").arg(int(std::lround(normalizeDegrees(deg))) % 360, 3, 10, QLatin1Char('0'));
}

QString side(bool rightHand) { return rightHand ? QStringLiteral("right") : QStringLiteral("left"); }

struct HoldingAnswer {
    QString entry;
    int gate = 0;
};

HoldingAnswer holdingAnswer(int headingDeg, int inboundDeg, bool rightHand)
{
    qint16 hdg = qint16(((headingDeg % 360) + 360) % 360), inbound = qint16(inboundDeg), outbound = 0, gate = 0, abeam = 0,
           first = 0;
    QString kind = rightHand ? QStringLiteral("Standard") : QStringLiteral("Non-Standard");
    HoldingAnswer out;
    QString turn;
    findHoldingAnswer(hdg, inbound, kind, out.entry, outbound, gate, abeam, first, turn);
    out.gate = gate;
    return out;
}

Problem holdingSectorLine(const Facts &f)
{
    if (!f.holding)
        return std::nullopt;
    const HoldingFacts &h = *f.holding;
    const QString entry = holdingAnswer(h.headingDeg, h.inboundDeg, h.rightHand).entry;
    // The heading on a line belongs to one of its sectors, so a heading 5 degrees from the
    // line meets the other sector only 6 degrees away.
    for (int k = 1; k <= int(kSectorMarginDeg) + 1; ++k)
        for (const int other : {h.headingDeg - k, h.headingDeg + k}) {
            const QString there = holdingAnswer(other, h.inboundDeg, h.rightHand).entry;
            if (there != entry)
                return QStringLiteral("heading %1 lies within %2 degrees of the line between the %3 and %4 sectors "
                                      "(inbound %5, %6-hand)")
                    .arg(degrees(h.headingDeg))
                    .arg(kSectorMarginDeg)
                    .arg(entry, there, degrees(h.inboundDeg), side(h.rightHand));
        }
    return std::nullopt;
}

Problem holdingOffsetTurn(const Facts &f)
{
    if (!f.holding)
        return std::nullopt;
    const HoldingFacts &h = *f.holding;
    const HoldingAnswer a = holdingAnswer(h.headingDeg, h.inboundDeg, h.rightHand);
    const double turn = angleDifference(a.gate, h.headingDeg);
    if (a.entry != QLatin1String("offset") || turn == 0.0 || std::abs(turn) >= kClearTurnDeg)
        return std::nullopt;
    return QStringLiteral("the offset entry turns %1 degrees %2 from heading %3 onto %4")
        .arg(std::abs(turn))
        .arg(side(turn > 0), degrees(h.headingDeg), degrees(a.gate));
}

enum class FirstTurn { Maintain, Left, Right };

QString turnName(FirstTurn t)
{
    switch (t) {
    case FirstTurn::Maintain: return QStringLiteral("maintain");
    case FirstTurn::Left: return QStringLiteral("left");
    case FirstTurn::Right: return QStringLiteral("right");
    }
    return {};
}

Problem interceptTurn(const Facts &f)
{
    if (!f.intercept)
        return std::nullopt;
    const InterceptFacts &i = *f.intercept;
    const double offset = angleDifference(i.actualDeg, i.requiredDeg);
    if (std::abs(offset) <= kCentredDeg)
        return std::nullopt; // on the bearing: nothing to intercept
    const double sign = offset > 0.0 ? 1.0 : -1.0;
    std::optional<FirstTurn> first;
    double firstAngle = 0.0;
    for (const double angle : kInterceptAngles) {
        if (angle <= std::abs(offset))
            continue; // would not bring the aircraft onto the bearing
        const double intercept = i.kind == Bearing::Qdm ? i.requiredDeg + sign * angle : i.requiredDeg - sign * angle;
        const double t = angleDifference(intercept, i.headingDeg);
        if (std::abs(t) > kCentredDeg && (std::abs(t) < kClearTurnDeg || std::abs(t) > 180.0 - kClearTurnDeg))
            return QStringLiteral("from heading %1 the %2 degree intercept heading %3 is a turn of %4 degrees, %5")
                .arg(degrees(i.headingDeg))
                .arg(angle)
                .arg(degrees(intercept))
                .arg(std::lround(std::abs(t)))
                .arg(std::abs(t) < kClearTurnDeg ? QStringLiteral("too small to tell from keeping the heading")
                                                 : QStringLiteral("as short one way round as the other"));
        const FirstTurn turn = std::abs(t) <= kCentredDeg ? FirstTurn::Maintain : t > 0.0 ? FirstTurn::Right : FirstTurn::Left;
        if (!first) {
            first = turn;
            firstAngle = angle;
        } else if (turn != *first) {
            return QStringLiteral("the first turn from heading %1 is %2 with a %3 degree intercept but %4 with %5 degrees "
                                  "(%6 %7, required %8)")
                .arg(degrees(i.headingDeg), turnName(*first))
                .arg(firstAngle)
                .arg(turnName(turn))
                .arg(angle)
                .arg(i.kind == Bearing::Qdm ? QStringLiteral("QDM") : QStringLiteral("QDR"), degrees(i.actualDeg),
                     degrees(i.requiredDeg));
        }
    }
    return std::nullopt;
}

Problem qdmOnBearing(const Facts &f)
{
    if (!f.intercept || f.intercept->kind != Bearing::Qdm
        || std::abs(angleDifference(f.intercept->actualDeg, f.intercept->requiredDeg)) > kCentredDeg)
        return std::nullopt;
    return QStringLiteral("the actual QDM %1 is the required one, so the intercept heading equals it")
        .arg(degrees(f.intercept->actualDeg));
}

CdiIndication cdi(const InstrumentFacts &i) { return cdiIndication(i.radialDeg, i.courseDeg, kFlagDeg); }

Problem barAtStop(const Facts &f)
{
    if (!f.instrument)
        return std::nullopt;
    const CdiIndication c = cdi(*f.instrument);
    if (c.flag == ToFrom::Off || !c.fullScale)
        return std::nullopt;
    return QStringLiteral("radial %1 lies %2 degrees off course %3")
        .arg(degrees(f.instrument->radialDeg))
        .arg(std::lround(std::abs(c.deviationDeg)))
        .arg(degrees(f.instrument->courseDeg));
}

Problem flagAbeam(const Facts &f)
{
    if (!f.instrument || cdi(*f.instrument).flag != ToFrom::Off)
        return std::nullopt;
    return QStringLiteral("radial %1 with course %2 is abeam the station")
        .arg(degrees(f.instrument->radialDeg), degrees(f.instrument->courseDeg));
}

Problem needleCentred(const Facts &f)
{
    if (!f.instrument || !f.instrument->asksSide || std::abs(cdi(*f.instrument).deviationDeg) >= kCentredDeg)
        return std::nullopt;
    return QStringLiteral("radial %1 with course %2 centres the needle")
        .arg(degrees(f.instrument->radialDeg), degrees(f.instrument->courseDeg));
}

Problem quarterMargin(const Facts &f)
{
    if (!f.stationBearingDeg)
        return std::nullopt;
    double fromLine = 180.0;
    for (const double line : {45.0, 135.0, 225.0, 315.0})
        fromLine = std::min(fromLine, std::abs(angleDifference(*f.stationBearingDeg, line)));
    if (std::abs(fromLine - kQuarterMarginDeg) >= kQuarterClearanceDeg)
        return std::nullopt;
    return QStringLiteral("the station at relative bearing %1 lies %2 degrees from the line between two quarters")
        .arg(degrees(*f.stationBearingDeg))
        .arg(fromLine, 0, 'f', 1);
}

struct NamedFigure {
    const char *name;
    const char *unit;
    WindFigure WindFacts::*figure;
};
constexpr NamedFigure kWindFigures[] = {
    {"head or tail wind", "kt", &WindFacts::headTail},
    {"crosswind", "kt", &WindFacts::crosswind},
    {"WCA", "degrees", &WindFacts::wca},
};

// Whether the panel takes a typed number for the stored one (the side clicked right).
bool panelAccepts(double typed, double stored)
{
    return stored > 0.0 ? std::abs(typed - stored) < kWindBand * stored : typed == stored;
}

template <typename Test>
Problem eachWindFigure(const Facts &f, Test test)
{
    if (!f.wind)
        return std::nullopt;
    QStringList out;
    for (const NamedFigure &n : kWindFigures) {
        const WindFigure &w = (*f.wind).*n.figure;
        if (const Problem p = test(w))
            out << QStringLiteral("%1 %2 %3 %4").arg(QLatin1String(n.name)).arg(w.exact, 0, 'f', 2).arg(QLatin1String(n.unit), *p);
    }
    return out.isEmpty() ? Problem() : out.join(QStringLiteral(", "));
}

Problem windBand(const Facts &f)
{
    return eachWindFigure(f, [](const WindFigure &w) -> Problem {
        const double oneDecimal = std::round(w.exact * 10.0) / 10.0;
        if (panelAccepts(w.exact, w.stored) && panelAccepts(oneDecimal, w.stored))
            return std::nullopt;
        return w.stored > 0.0 ? QStringLiteral("is stored as %1, and the panel takes only numbers within 20 % of it").arg(w.stored)
                              : QStringLiteral("is stored as 0, and the panel takes only 0 for it");
    });
}

Problem windHalf(const Facts &f)
{
    return eachWindFigure(f, [](const WindFigure &w) -> Problem {
        if (std::abs(w.exact - std::floor(w.exact) - 0.5) >= 0.05)
            return std::nullopt;
        return QStringLiteral("lies within 0.05 of a half and is stored as %1").arg(w.stored);
    });
}

QString outside(const char *what, double v, const Range &r, const char *unit)
{
    return QStringLiteral("%1 %2 %3 is outside the realistic %4..%5 %3")
        .arg(QLatin1String(what))
        .arg(v)
        .arg(QLatin1String(unit))
        .arg(r.low)
        .arg(r.high);
}

Problem realisticFigures(const Facts &f)
{
    if (!f.session)
        return std::nullopt;
    const host::Session &s = *f.session;
    QStringList out;
    if (!kTasKt.contains(s.aircraft.tasKt))
        out << outside("TAS", s.aircraft.tasKt, kTasKt, "kt");
    if (s.wind) {
        if (!kWindKt.contains(s.wind->speedKt))
            out << outside("wind", s.wind->speedKt, kWindKt, "kt");
        if (s.wind->legNm && !kLegNm.contains(*s.wind->legNm))
            out << outside("leg", *s.wind->legNm, kLegNm, "NM");
    } else if (const auto *p = std::get_if<host::RelativePosition>(&s.aircraft.position)) {
        if (!kDistanceNm.contains(p->distanceNm))
            out << outside("distance", p->distanceNm, kDistanceNm, "NM");
    }
    if (s.dmeArc) {
        if (!kDmeRadiusNm.contains(s.dmeArc->radiusNm))
            out << outside("DME radius", s.dmeArc->radiusNm, kDmeRadiusNm, "NM");
        if (s.dmeArc->leadNm && !kDmeLeadNm.contains(*s.dmeArc->leadNm))
            out << outside("DME lead", *s.dmeArc->leadNm, kDmeLeadNm, "NM");
    }
    return out.isEmpty() ? Problem() : out.join(QStringLiteral(", "));
}

constexpr Rule kRules[] = {
    {"holding-sector-line", "either entry is correct near the line, but the panel accepts only its solver's", holdingSectorLine},
    {"holding-offset-turn", "a trainee keeps a heading a few degrees off, but the panel marks \"maintain\" wrong",
     holdingOffsetTurn},
    {"intercept-turn", "the first turn must not hang on the intercept angle the trainee learnt", interceptTurn},
    {"qdm-on-bearing", "the panel judges a first heading of \"maintain\" as greater than the actual QDM, which it is not",
     qdmOnBearing},
    {"bar-at-stop", "the bar at its stop shows no radial to read", barAtStop},
    {"flag-abeam", "the flag is in view and the bar shows nothing", flagAbeam},
    {"needle-centred", "a centred needle moves to no side that can be read", needleCentred},
    {"quarter-margin", "rounding the relative bearing would decide between one quarter and two", quarterMargin},
    {"wind-band", "the panel marks the exact working or its one-decimal rounding wrong", windBand},
    {"wind-half", "a half rounds either way, and the stored number looks wrong to a trainee who rounds the other way",
     windHalf},
    {"realistic-figures", "a trainee flies a light aircraft in exercises of a few dozen miles", realisticFigures},
};

} // namespace

std::span<const Rule> rules() { return kRules; }

QStringList problems(const Facts &facts)
{
    QStringList out;
    for (const Rule &r : kRules)
        if (const Problem p = r.check(facts))
            out << QStringLiteral("%1: %2; %3").arg(QLatin1String(r.name), *p, QLatin1String(r.reason));
    return out;
}

} // namespace orvik3::teaching
