#include "Answers.h"

#include <algorithm>
#include <cmath>

namespace orvik3::study {

using namespace host::nav;

namespace {

// Below this a turn is no turn; between it and kClearTurnDeg a trainee cannot tell.
constexpr double kSameDeg = 0.5;
constexpr double kClearTurnDeg = 5.0;

void explain(QString *why, const QString &text)
{
    if (why)
        *why = text;
}

int mod360(int deg)
{
    const int r = deg % 360;
    return r < 0 ? r + 360 : r;
}

// The turn from one heading to another the short way, when it is clear-cut.
std::optional<Turn> clearTurn(double toDeg, double fromDeg)
{
    const double t = angleDifference(toDeg, fromDeg);
    if (std::abs(t) <= kSameDeg)
        return Turn::Maintain;
    if (std::abs(t) < kClearTurnDeg || std::abs(t) > 180.0 - kClearTurnDeg)
        return std::nullopt;
    return t > 0.0 ? Turn::Right : Turn::Left;
}

// The right value at slot `place` (0..3), the first three distinct mistakes around it.
std::array<int, 4> arrange(int right, std::initializer_list<int> mistakes, int place)
{
    std::vector<int> wrong;
    for (const int m : mistakes) {
        const int v = mod360(m);
        if (v != right && std::find(wrong.begin(), wrong.end(), v) == wrong.end())
            wrong.push_back(v);
        if (wrong.size() == 3)
            break;
    }
    std::array<int, 4> out{};
    const int slot = place % 4;
    std::size_t next = 0;
    for (int i = 0; i < 4; ++i)
        out[std::size_t(i)] = i == slot ? right : wrong[next++];
    return out;
}

} // namespace

int wholeDegrees(double deg)
{
    return mod360(int(std::lround(normalizeDegrees(deg))));
}

std::optional<int> multipleOf5(double deg, double toleranceDeg)
{
    const double n = normalizeDegrees(deg);
    const double nearest = std::round(n / 5.0) * 5.0;
    if (std::abs(n - nearest) > toleranceDeg)
        return std::nullopt;
    return mod360(int(nearest));
}

QString threeDigits(int deg, bool northAs360)
{
    const int v = mod360(deg);
    return QStringLiteral("%1").arg(v == 0 && northAs360 ? 360 : v, 3, 10, QLatin1Char('0'));
}

std::vector<Quarter> stationQuarters(double relativeBearingDeg, double marginDeg)
{
    const double rb = normalizeDegrees(relativeBearingDeg);
    // Quarter k is centred on k x 90 degrees.
    const int k = int(std::floor(normalizeDegrees(rb + 45.0) / 90.0)) % 4;
    std::vector<Quarter> out{Quarter(k)};
    const double intoQuarter = normalizeDegrees(rb + 45.0) - k * 90.0; // 0..90
    if (intoQuarter < marginDeg)
        out.insert(out.begin(), Quarter((k + 3) % 4));
    else if (90.0 - intoQuarter < marginDeg)
        out.push_back(Quarter((k + 1) % 4));
    return out;
}

std::optional<Trend> clearBearingTrend(Point aircraft, double trackDeg, Point station)
{
    if (distance(aircraft, station) < 1e-6)
        return std::nullopt;
    const double a = std::abs(angleDifference(trackDeg, qdr(aircraft, station)));
    const double offLine = std::min(a, 180.0 - a);
    if (offLine <= kSameDeg)
        return Trend::Constant;
    if (offLine < kClearTurnDeg)
        return std::nullopt;
    return bearingTrend(aircraft, trackDeg, station, kSameDeg);
}

std::optional<NeedleMove> needleMovement(Point aircraft, double headingDeg, Point station, double obsDeg)
{
    const std::optional<Trend> trend = clearBearingTrend(aircraft, headingDeg, station);
    if (!trend)
        return std::nullopt;
    const double radial = qdr(aircraft, station);
    const double offCourse = std::abs(angleDifference(reciprocal(radial), obsDeg));
    if (std::abs(offCourse - 90.0) < 15.0)
        return std::nullopt;
    const CdiIndication now = cdiIndication(radial, obsDeg);
    if (now.fullScale)
        return std::nullopt;
    if (*trend == Trend::Constant)
        return NeedleMove::Same;
    const Point later = offset(aircraft, headingDeg, 0.01);
    const CdiIndication next = cdiIndication(qdr(later, station), obsDeg);
    return next.deviationDeg > now.deviationDeg ? NeedleMove::Right : NeedleMove::Left;
}

std::optional<Interception> intercept(BearingKind kind, Point aircraft, double headingDeg, Point station,
                                      double requiredDeg, QString *why)
{
    Interception out;
    const double actual = kind == BearingKind::Qdm ? qdm(aircraft, station) : qdr(aircraft, station);
    out.actual = wholeDegrees(actual);
    const double d = angleDifference(out.actual, requiredDeg);
    if (std::abs(d) > 80.0) {
        explain(why, QStringLiteral("actual and required bearing are %1 degrees apart (at most 80)").arg(std::abs(d)));
        return std::nullopt;
    }
    const std::optional<Trend> trend = clearBearingTrend(aircraft, headingDeg, station);
    if (!trend) {
        explain(why, QStringLiteral("the bearing barely moves on this heading (fly within 0.5 or more than 5 degrees off the station line)"));
        return std::nullopt;
    }
    if (*trend == Trend::Constant)
        out.difference = Trend::Constant;
    else if (std::abs(d) <= kSameDeg)
        out.difference = Trend::Increase;
    else
        out.difference = (d > 0.0) == (*trend == Trend::Increase) ? Trend::Increase : Trend::Decrease;

    auto headingFor = [&](double angle) {
        const double sign = d > 0.0 ? 1.0 : -1.0;
        return kind == BearingKind::Qdm ? requiredDeg + sign * angle : requiredDeg - sign * angle;
    };
    if (std::abs(d) <= kSameDeg) {
        out.interceptHeading = wholeDegrees(requiredDeg);
        out.firstHeading = Trend::Constant;
    } else {
        out.interceptHeading = wholeDegrees(headingFor(std::clamp(2.0 * std::abs(d), 30.0, 90.0)));
        const double reference = kind == BearingKind::Qdm ? out.actual : requiredDeg;
        out.firstHeading = angleDifference(out.interceptHeading, reference) > 0.0 ? Trend::Increase : Trend::Decrease;
    }
    const std::optional<Turn> turn = clearTurn(out.interceptHeading, headingDeg);
    if (!turn) {
        explain(why, QStringLiteral("the turn from heading %1 to the intercept heading %2 is not clear-cut")
                         .arg(headingDeg).arg(out.interceptHeading));
        return std::nullopt;
    }
    out.firstTurn = *turn;
    return out;
}

std::optional<ArcAnswer> dmeArc(double radialDeg, double headingDeg, double finalCourseDeg, double radiusNm,
                                double leadNm, std::optional<ArcDirection> direction, QString *why)
{
    ArcAnswer out;
    const double finalRadial = reciprocal(finalCourseDeg);
    out.direction = direction ? *direction : shorterArcDirection(radialDeg, finalRadial);
    const double arc = arcHeading(radialDeg, out.direction);
    out.firstHeading = wholeDegrees(arc);
    const std::optional<Turn> turn = clearTurn(arc, headingDeg);
    if (!turn) {
        explain(why, QStringLiteral("the turn from heading %1 onto the arc heading %2 is not clear-cut")
                         .arg(headingDeg).arg(out.firstHeading));
        return std::nullopt;
    }
    out.firstTurn = *turn;
    const double travel = out.direction == ArcDirection::Clockwise ? normalizeDegrees(finalRadial - radialDeg)
                                                                    : normalizeDegrees(radialDeg - finalRadial);
    const double lead = leadAngle(leadNm, radiusNm);
    if (travel < lead + kClearTurnDeg) {
        explain(why, QStringLiteral("the arc ends %1 degrees after joining, before the lead radial").arg(travel));
        return std::nullopt;
    }
    out.leadRadial = wholeDegrees(leadRadial(finalRadial, out.direction, leadNm, radiusNm));
    return out;
}

std::optional<WindAnswer> windAnswer(double courseDeg, double tasKt, double windFromDeg, double windSpeedKt,
                                     double legNm)
{
    const std::optional<WindSolution> s = solveWind(courseDeg, tasKt, windFromDeg, windSpeedKt);
    if (!s)
        return std::nullopt;
    const std::optional<LegTime> t = legTime(legNm, s->groundspeedKt);
    if (!t)
        return std::nullopt;
    WindAnswer out;
    out.headwind = int(std::lround(s->components.headwindKt));
    out.crosswind = int(std::lround(s->components.crosswindKt));
    out.crosswindFrom = out.crosswind == 0 ? Side::None : s->components.crosswindFrom;
    out.wca = int(std::lround(std::abs(s->wcaDeg)));
    out.wcaSide = out.wca == 0 ? Side::None : (s->wcaDeg > 0.0 ? Side::Right : Side::Left);
    out.groundspeed = int(std::lround(s->groundspeedKt));
    out.minutes = t->minutes;
    out.seconds = t->seconds;
    return out;
}

QString minutesSeconds(int minutes, int seconds)
{
    return QStringLiteral("%1.%2").arg(minutes).arg(seconds, 2, 10, QLatin1Char('0'));
}

std::optional<AdfAnswer> adfAnswer(Point aircraft, double headingDeg, Point station, std::array<int, 3> places,
                                   QString *why)
{
    const std::optional<Trend> trend = clearBearingTrend(aircraft, headingDeg, station);
    if (!trend) {
        explain(why, QStringLiteral("the bearing barely moves on this heading (fly within 0.5 or more than 5 degrees off the station line)"));
        return std::nullopt;
    }
    AdfAnswer out;
    out.trend = *trend;
    const int heading = wholeDegrees(headingDeg);
    out.qdr = wholeDegrees(qdr(aircraft, station));
    out.qdm = mod360(out.qdr + 180);
    out.rb = mod360(out.qdm - heading);
    // The station seen on the other side of the nose.
    const int mirrorRb = mod360(-out.rb);
    const int mirrorQdm = mod360(heading + mirrorRb);
    const int mirrorQdr = mod360(mirrorQdm + 180);
    out.qdrOptions = arrange(out.qdr, {out.qdm, mirrorQdr, out.rb, heading, out.qdr + 10, out.qdr - 10, out.qdr + 90}, places[0]);
    out.qdmOptions = arrange(out.qdm, {out.qdr, mirrorQdm, heading, out.rb, out.qdm + 10, out.qdm - 10, out.qdm + 90}, places[1]);
    out.rbOptions = arrange(out.rb, {mirrorRb, out.qdm, out.rb + 180, out.qdr, out.rb + 10, out.rb - 10, out.rb + 90}, places[2]);
    return out;
}

} // namespace orvik3::study
