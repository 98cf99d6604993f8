#include "Records.h"

#include "Prng.h"

#include "exercises/holding/HoldingSolver.h"
#include "study/ExerciseTypes.h"
#include "teaching/TeachingRules.h"

#include <cmath>

namespace orvik3::study {

using namespace host;
using namespace host::nav;

namespace {

constexpr double kDefaultTas = 120.0;
constexpr double kDefaultHoldingDistance = 10.0;
constexpr double kDefaultLead = 1.0;

const QString kSeparatorLine = QStringLiteral("--");

QString threeDigitsHeading(double deg) { return threeDigits(wholeDegrees(deg), true); }

// Whether the type's English records go to a file no other type writes: the relative-bearing
// variants share their plain twin's English file, and type 10 has one file for both languages.
bool hasEnglishFileOfItsOwn(qint16 type)
{
    const ExerciseType *t = exerciseType(type);
    if (!t || qstrcmp(t->otherFile, t->germanFile) == 0)
        return false;
    for (qint16 other = 1; other < type; ++other)
        if (qstrcmp(exerciseType(other)->otherFile, t->otherFile) == 0)
            return false;
    return true;
}

struct Builder {
    const RecordContext &ctx;
    ScenarioError *error;
    Record record;
    bool asksSide = false; // the question asks which side the needle moves

    const Situation &sit() const { return ctx.situation; }
    double num(const char *key, double fallback = 0.0) const { return sit().number(QString::fromLatin1(key), fallback); }

    bool fail(const QString &message)
    {
        *error = {ctx.scenario.fileName, sit().line, message};
        return false;
    }

    // A whole number of degrees in [lo, hi].
    bool wholeAngle(const char *key, int lo, int hi)
    {
        const double v = num(key);
        if (v != std::floor(v) || v < lo || v > hi)
            return fail(QStringLiteral("'%1' must be whole degrees in %2..%3").arg(QLatin1String(key)).arg(lo).arg(hi));
        return true;
    }

    Session baseSession() const
    {
        Session s;
        s.exercise = ctx.scenario.type;
        s.stations = {ctx.scenario.station};
        s.aircraft.headingDeg = num("heading");
        s.aircraft.tasKt = num("tas", kDefaultTas);
        return s;
    }

    // Aircraft placed by radial and distance from the station.
    bool placed(Session &s, Point &aircraft)
    {
        if (!wholeAngle("radial", 0, 360) || !wholeAngle("heading", 0, 360))
            return false;
        const double dist = num("distance", num("radius"));
        if (dist < 0.5 || dist > 200)
            return fail(QStringLiteral("'distance' must be 0.5..200 NM"));
        s.aircraft.position = RelativePosition{QString(), num("radial"), dist};
        aircraft = offset(Point{}, num("radial"), dist);
        return true;
    }

    void finish(QStringList &lines) const
    {
        lines << tag(QStringLiteral("ses"), 4) + ctx.sessionName << kSeparatorLine;
    }

    // A session that breaks a teaching rule is refused with every rule it breaks.
    bool teachable(const Session &s)
    {
        const QStringList problems = teaching::problems(teaching::sessionFacts(ctx.scenario.type, s, asksSide));
        return problems.isEmpty() || fail(problems.join(QStringLiteral("; ")));
    }

    // The record in German, in English where the type has an English file of its own (the
    // relative-bearing variants share their plain twin's), and its session.
    template <typename Lines>
    bool done(const Lines &lines, const Session &s)
    {
        if (!teachable(s))
            return false;
        record.german = lines(Phrases{Language::German});
        if (ctx.everyLanguage || hasEnglishFileOfItsOwn(ctx.scenario.type))
            record.english = lines(Phrases{Language::English});
        record.session = s;
        return true;
    }

    bool position();
    bool holding();
    bool arc();
    bool adf();
    bool interception();
    bool wind();
};

bool Builder::position()
{
    const qint16 type = ctx.scenario.type;
    Session s = baseSession();
    Point aircraft;
    if (!placed(s, aircraft))
        return false;
    const double heading = num("heading");

    if (type == 10) {
        s.instruments.rmi = s.instruments.dg = true;
        const int qdm = wholeDegrees(nav::qdm(aircraft, {}));
        const int qdr = wholeDegrees(qdm + 180);
        const int rb = wholeDegrees(qdm - heading);
        const QStringList entries = positionEntries(10, Language::German);
        for (const int v : {qdm, qdr, rb})
            if (!entries.contains(threeDigits(v, true)))
                return fail(QStringLiteral("%1 degrees (QDM %2, QDR %3, RB %4) is no entry of the orientation lists")
                                .arg(v).arg(qdm).arg(qdr).arg(rb));
        record.german << tag(QStringLiteral("qdm"), 5) + threeDigits(qdm, true)
                      << tag(QStringLiteral("qdr"), 5) + threeDigits(qdr, true)
                      << tag(QStringLiteral("rb"), 5) + threeDigits(rb, true);
        finish(record.german);
        record.session = s;
        return teachable(s);
    }

    const std::optional<int> radial = multipleOf5(num("radial"));
    if (!radial)
        return fail(QStringLiteral("the radial must be a multiple of 5 for the degree lists"));
    const int qdm = (*radial + 180) % 360;
    auto lines = [&](const Phrases &p) {
        QStringList out;
        QString third;
        if (type == 1) {
            const std::vector<Quarter> q = stationQuarters(relativeBearing(aircraft, heading, {}));
            third = q.size() == 1 ? p.quarter(q[0])
                                  : QStringLiteral("+%1+%2+").arg(p.quarter(q[0]), p.quarter(q[1]));
        } else {
            out << tag(QStringLiteral("text"), 5) + p.needleQuestion(threeDigitsHeading(heading));
            third = p.needle(*needleMovement(aircraft, heading, {}, num("obs")));
        }
        out << tag(QStringLiteral("ans1"), 5) + threeDigits(*radial) << tag(QStringLiteral("ans2"), 5) + threeDigits(qdm)
            << tag(QStringLiteral("ans3"), 5) + third;
        finish(out);
        return out;
    };
    if (type == 1) {
        if (!wholeAngle("course", 0, 360))
            return false;
        s.instruments.hsiCourseDeg = num("course");
    } else {
        if (!wholeAngle("obs", 0, 360))
            return false;
        s.instruments.vorObsDeg = num("obs");
        const std::optional<NeedleMove> move = needleMovement(aircraft, heading, {}, num("obs"));
        if (!move)
            return fail(QStringLiteral("the needle movement is not clear-cut (full scale, near abeam, or flying almost along the radial)"));
        asksSide = *move != NeedleMove::Same;
    }
    return done(lines, s);
}

bool Builder::holding()
{
    const qint16 type = ctx.scenario.type;
    if (!wholeAngle("heading", 0, 359) || !wholeAngle("inbound", 0, 360))
        return false;
    Session s = baseSession();
    const double dist = num("distance", kDefaultHoldingDistance);
    if (dist < 0.5 || dist > 200)
        return fail(QStringLiteral("'distance' must be 0.5..200 NM"));
    // Flying the heading leads straight to the fix.
    s.aircraft.position = RelativePosition{QString(), reciprocal(num("heading")), dist};
    const bool right = sit().word(QStringLiteral("turn")) != QLatin1String("left");
    s.holding = Holding{QString(), num("inbound"), right ? HoldingTurn::Right : HoldingTurn::Left};
    if (type == 3)
        s.instruments.hsiCourseDeg = num("inbound");
    else
        s.instruments.dg = true;
    s.instruments.rmi = type == 4;
    s.instruments.adf = type == 14;

    qint16 hdg = qint16(num("heading")), inbound = qint16(num("inbound")), outbound = 0, gate = 0, abeam = 0, first = 0;
    QString kind = right ? QStringLiteral("Standard") : QStringLiteral("Non-Standard");
    QString entry, firstTurn;
    findHoldingAnswer(hdg, inbound, kind, entry, outbound, gate, abeam, first, firstTurn);
    if (sit().has(QStringLiteral("expect")) && sit().word(QStringLiteral("expect")) != entry)
        return fail(QStringLiteral("the solver gives a %1 entry, the scenario expects %2").arg(entry, sit().word(QStringLiteral("expect"))));
    record.summary = entry;

    auto lines = [&](const Phrases &p) {
        QStringList out;
        out << tag(QStringLiteral("text"), 5) + p.holdingNote(ctx.scenario.station.id, threeDigits(hdg))
            << tag(QStringLiteral("hdg"), 5) + threeDigits(hdg) << tag(QStringLiteral("inb"), 5) + threeDigits(inbound, true)
            << tag(QStringLiteral("kind"), 5) + kind;
        finish(out);
        return out;
    };
    return done(lines, s);
}

bool Builder::arc()
{
    Session s = baseSession();
    Point aircraft;
    if (!placed(s, aircraft) || !wholeAngle("final", 0, 360))
        return false;
    const double radius = num("radius");
    const double lead = num("lead", kDefaultLead);
    if (radius < 3 || radius > 50 || lead < 0 || lead > radius)
        return fail(QStringLiteral("'radius' must be 3..50 NM and 'lead' 0..radius"));
    std::optional<ArcDirection> direction;
    if (sit().has(QStringLiteral("direction")))
        direction = sit().word(QStringLiteral("direction")) == QLatin1String("clockwise") ? ArcDirection::Clockwise
                                                                                         : ArcDirection::Counterclockwise;
    QString why;
    const std::optional<ArcAnswer> a = dmeArc(num("radial"), num("heading"), num("final"), radius, lead, direction, &why);
    if (!a)
        return fail(why);
    s.dmeArc = DmeArc{QString(), radius, num("final"), a->direction, lead};
    s.instruments.hsiCourseDeg = num("final");
    s.instruments.dme = s.instruments.rmi = true;
    record.summary = Phrases::turnWord(a->firstTurn);

    auto lines = [&](const Phrases &p) {
        QStringList out;
        out << tag(QStringLiteral("text"), 5)
                   + p.arcQuestion(wholeDegrees(num("radial")), wholeDegrees(num("heading")), radius,
                                   ctx.scenario.station.id, a->direction, wholeDegrees(num("final")), lead)
            << tag(QStringLiteral("turn"), 5) + Phrases::turnWord(a->firstTurn)
            << tag(QStringLiteral("fhdg"), 5) + threeDigits(a->firstHeading, true)
            << tag(QStringLiteral("lead"), 5) + threeDigits(a->leadRadial, true);
        finish(out);
        return out;
    };
    return done(lines, s);
}

bool Builder::adf()
{
    Session s = baseSession();
    Point aircraft;
    if (!placed(s, aircraft))
        return false;
    s.instruments.dg = true;
    s.instruments.rmi = ctx.scenario.type == 5;
    s.instruments.adf = ctx.scenario.type == 11;
    QString why;
    Prng placing(ctx.optionSeed);
    const std::array<int, 3> places{int(placing.below(4)), int(placing.below(4)), int(placing.below(4))};
    const std::optional<AdfAnswer> a = adfAnswer(aircraft, num("heading"), {}, places, &why);
    if (!a)
        return fail(why);
    auto lines = [&](const Phrases &p) {
        QStringList out;
        auto group = [&](const char *name, const std::array<int, 4> &options) {
            for (int i = 0; i < 4; ++i)
                out << tag(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i + 1), 6) + threeDigits(options[std::size_t(i)], true);
        };
        group("qdr", a->qdrOptions);
        group("qdm", a->qdmOptions);
        group("rb", a->rbOptions);
        out << tag(QStringLiteral("qdr"), 5) + threeDigits(a->qdr, true) << tag(QStringLiteral("qdrt"), 5) + p.adfTrend(a->trend)
            << tag(QStringLiteral("qdm"), 5) + threeDigits(a->qdm, true) << tag(QStringLiteral("qdmt"), 5) + p.adfTrend(a->trend)
            << tag(QStringLiteral("rb"), 5) + threeDigits(a->rb, true);
        finish(out);
        return out;
    };
    return done(lines, s);
}

bool Builder::interception()
{
    const qint16 type = ctx.scenario.type;
    const bool qdmKind = type == 6 || type == 12;
    Session s = baseSession();
    Point aircraft;
    if (!placed(s, aircraft) || !wholeAngle("target", 0, 360))
        return false;
    s.instruments.dg = true;
    s.instruments.rmi = type == 6 || type == 7;
    s.instruments.adf = type == 12 || type == 13;
    Target target;
    (qdmKind ? target.qdmDeg : target.qdrDeg) = num("target");
    s.target = target;
    QString why;
    const std::optional<Interception> a =
        intercept(qdmKind ? BearingKind::Qdm : BearingKind::Qdr, aircraft, num("heading"), {}, num("target"), &why);
    if (!a)
        return fail(why);
    record.summary = Phrases::turnWord(a->firstTurn);
    auto lines = [&](const Phrases &p) {
        QStringList out;
        out << tag(QStringLiteral("rq"), 5) + threeDigitsHeading(num("target"))
            << tag(QStringLiteral("hdg"), 5) + threeDigitsHeading(num("heading"))
            << tag(QStringLiteral("ihdg"), 5) + threeDigits(a->interceptHeading, true)
            << tag(QStringLiteral("dist"), 5) + QString::number(num("distance"))
            << tag(QStringLiteral("act"), 5) + threeDigits(a->actual)
            << tag(QStringLiteral("diff"), 5) + p.differenceWord(a->difference)
            << tag(QStringLiteral("turn"), 5) + Phrases::turnWord(a->firstTurn)
            << tag(QStringLiteral("fhdg"), 5) + p.headingWord(a->firstHeading);
        finish(out);
        return out;
    };
    return done(lines, s);
}

bool Builder::wind()
{
    if (!wholeAngle("course", 0, 360) || !wholeAngle("wind", 0, 360))
        return false;
    const double course = num("course"), tas = num("tas"), from = num("wind"), speed = num("speed"), leg = num("leg");
    if (speed != std::floor(speed) || speed < 0 || speed > 100 || tas < 60 || tas > 400 || leg < 5 || leg > 500)
        return fail(QStringLiteral("wind speed must be whole knots 0..100, 'tas' 60..400 kt and 'leg' 5..500 NM"));
    const std::optional<WindAnswer> a = windAnswer(course, tas, from, speed, leg);
    if (!a)
        return fail(QStringLiteral("the course cannot be held against this wind"));
    Session s = baseSession();
    s.aircraft.headingDeg = course;
    s.aircraft.position = RelativePosition{QString(), 0.0, 0.0};
    Station destination = *ctx.scenario.destination;
    const Point end = offset(Point{}, course, leg);
    destination.position = {std::round(end.x * 100.0) / 100.0, std::round(end.y * 100.0) / 100.0};
    s.stations.push_back(destination);
    s.instruments.hsiCourseDeg = course;
    s.instruments.dg = true;
    s.wind = Wind{from, speed, leg};

    auto lines = [&](const Phrases &p) {
        QStringList out;
        out << tag(QStringLiteral("wdir"), 5) + threeDigits(int(from), true) << tag(QStringLiteral("wspd"), 5) + QString::number(speed)
            << tag(QStringLiteral("xw"), 5) + QString::number(a->crosswind) << tag(QStringLiteral("xws"), 5) + p.sideWord(a->crosswindFrom)
            << tag(QStringLiteral("wca"), 5) + QString::number(a->wca) << tag(QStringLiteral("wcas"), 5) + p.sideWord(a->wcaSide)
            << tag(QStringLiteral("hts"), 5) + Phrases::headTailWord(a->headwind)
            << tag(QStringLiteral("ht"), 5) + QString::number(std::abs(a->headwind))
            << tag(QStringLiteral("time"), 5) + minutesSeconds(a->minutes, a->seconds)
            << tag(QStringLiteral("crs"), 5) + threeDigits(int(course), true) << tag(QStringLiteral("tas"), 5) + QString::number(tas);
        finish(out);
        return out;
    };
    return done(lines, s);
}

} // namespace

QString tag(const QString &name, int length)
{
    return (name + QLatin1Char(':')).leftJustified(length, QLatin1Char(' '), true);
}

QStringList headerLines(qint16 type, Language language)
{
    const Phrases p{language};
    switch (type) {
    case 1:
        return {QStringLiteral(":qa:,") + p.radialQuestion(), QStringLiteral(":qb:,") + p.qdmQuestion(),
                QStringLiteral(":qc:,") + p.stationQuestion()};
    case 2: return {QStringLiteral(":qa:,") + p.radialQuestion(), QStringLiteral(":qb:,") + p.qdmQuestion()};
    case 10:
        return {QStringLiteral(":qa:,") + orientationQdmQuestion(), QStringLiteral(":qb:,") + orientationQdrQuestion(),
                QStringLiteral(":qc:,") + orientationRbQuestion()};
    default: return {};
    }
}

std::optional<Record> buildRecord(const RecordContext &context, ScenarioError *error)
{
    Builder b{context, error, {}};
    bool ok = false;
    switch (context.scenario.type) {
    case 1: case 2: case 10: ok = b.position(); break;
    case 3: case 4: case 14: ok = b.holding(); break;
    case 9: ok = b.arc(); break;
    case 5: case 11: ok = b.adf(); break;
    case 6: case 7: case 12: case 13: ok = b.interception(); break;
    case 8: ok = b.wind(); break;
    default: break;
    }
    if (!ok)
        return std::nullopt;
    b.record.session.title = QStringLiteral("%1 %2").arg(context.scenario.name).arg(context.index, 2, 10, QLatin1Char('0'));
    return b.record;
}

} // namespace orvik3::study
