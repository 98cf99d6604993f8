#include "session/SessionReader.h"

#include "session/SectionReader_p.h"

#include "platform/BoundedFile.h"
#include "platform/VisibleText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

namespace orvik3::host {

using namespace detail;

namespace {

constexpr double kMaxCoordinateNm = 1000.0;
constexpr double kMaxDistanceNm = 1000.0;
constexpr double kMaxTasKt = 1000.0;
constexpr double kMaxWindKt = 250.0;
constexpr double kMaxArcRadiusNm = 100.0;

// Checks a station reference and returns the station it names.
const Station &resolveStation(const Session &s, const SectionReader &r, const char *key)
{
    const QString id = r.textOr(key);
    if (const Station *st = findStation(s, id))
        return *st;
    r.fail(key, QCoreApplication::translate("orvik3::Error", "no station with id %1").arg(quoted(id)));
}

void readSession(const SectionReader &r, Session &s)
{
    const int version = r.integer("version", 0, 999999);
    if (version != kSessionFormatVersion)
        r.fail("version", QCoreApplication::translate("orvik3::Error", "unsupported format version %1 (this program reads %2)")
                              .arg(version).arg(kSessionFormatVersion));
    if (r.has("type"))
        s.exercise = r.integer("type", 1, 14);
    // As the writer keeps it: one line, single spaces, so that a saved copy reads the same.
    s.title = r.textOr("title").simplified();
}

Station readStation(const SectionReader &r, QSet<QString> &ids)
{
    Station st;
    st.id = r.text("id");
    static const QRegularExpression idRe(QStringLiteral("^[A-Za-z0-9]{1,8}$"));
    if (!idRe.match(st.id).hasMatch())
        r.fail("id", QCoreApplication::translate("orvik3::Error", "station id %1 must be 1 to 8 letters or digits").arg(quoted(st.id)));
    if (ids.contains(st.id))
        r.fail("id", QCoreApplication::translate("orvik3::Error", "duplicate station id %1").arg(quoted(st.id)));
    ids.insert(st.id);
    st.kind = static_cast<StationKind>(r.choice("kind", {"VOR", "NDB", "VOR/DME"}));
    st.position.x = r.optNumber("x", -kMaxCoordinateNm, kMaxCoordinateNm).value_or(0.0);
    st.position.y = r.optNumber("y", -kMaxCoordinateNm, kMaxCoordinateNm).value_or(0.0);
    return st;
}

void readAircraft(const SectionReader &r, Session &s)
{
    const bool polar = r.has("radial") || r.has("distance");
    const bool cartesian = r.has("x") || r.has("y");
    if (polar && cartesian)
        r.fail(r.has("x") ? "x" : "y",
               QCoreApplication::translate("orvik3::Error", "give the aircraft position as radial and distance or as x and y, not both"));
    if (polar) {
        RelativePosition p;
        resolveStation(s, r, "station");
        p.station = r.textOr("station");
        p.radialDeg = r.angle("radial");
        p.distanceNm = r.number("distance", 0.0, kMaxDistanceNm);
        s.aircraft.position = p;
    } else if (cartesian) {
        if (r.has("station"))
            r.fail("station", QCoreApplication::translate("orvik3::Error", "'station' only applies to a radial and distance"));
        s.aircraft.position = nav::Point{r.number("x", -kMaxCoordinateNm, kMaxCoordinateNm),
                                         r.number("y", -kMaxCoordinateNm, kMaxCoordinateNm)};
    } else {
        throw Failure{r.raw().line, QCoreApplication::translate("orvik3::Error", "[aircraft] needs a position: radial and distance, or x and y")};
    }
    s.aircraft.headingDeg = r.angle("heading");
    s.aircraft.tasKt = r.number("tas", 1.0, kMaxTasKt);
}

void readInstruments(const SectionReader &r, Session &s)
{
    Instruments &in = s.instruments;
    in.hsiCourseDeg = r.optAngle("hsi");
    in.vorObsDeg = r.optAngle("vor");
    in.rmi = r.flag("rmi");
    in.adf = r.flag("adf");
    in.dg = r.flag("dg");
    in.dme = r.flag("dme");
    if (r.has("nav-station")) {
        const Station &st = resolveStation(s, r, "nav-station");
        if (st.kind == StationKind::Ndb)
            r.fail("nav-station", QCoreApplication::translate("orvik3::Error", "nav-station %1 is an NDB, not a VOR").arg(quoted(st.id)));
        in.navStation = st.id;
    }
    if (r.has("adf-station"))
        in.adfStation = resolveStation(s, r, "adf-station").id;
}

void readHolding(const SectionReader &r, Session &s)
{
    Holding h;
    resolveStation(s, r, "fix");
    h.fix = r.textOr("fix");
    h.inboundCourseDeg = r.angle("inbound");
    if (r.has("turn"))
        h.turn = static_cast<HoldingTurn>(r.choice("turn", {"right", "left"}));
    s.holding = h;
}

void readDmeArc(const SectionReader &r, Session &s)
{
    DmeArc a;
    const Station &st = resolveStation(s, r, "station");
    if (st.kind != StationKind::VorDme)
        r.fail("station", QCoreApplication::translate("orvik3::Error", "DME arc station %1 is a %2, not a VOR/DME")
                              .arg(quoted(st.id), stationKindName(st.kind)));
    a.station = r.textOr("station");
    a.radiusNm = r.number("radius", 0.5, kMaxArcRadiusNm);
    a.finalCourseDeg = r.angle("final-course");
    if (r.has("direction"))
        a.direction = static_cast<nav::ArcDirection>(
            r.choice("direction", {"clockwise", "counterclockwise"}));
    // Leading by more than a quarter of the arc makes the rule meaningless.
    a.leadNm = r.optNumber("lead", 0.0, a.radiusNm * 1.5);
    s.dmeArc = a;
}

void readTarget(const SectionReader &r, Session &s)
{
    Target t;
    resolveStation(s, r, "station");
    t.station = r.textOr("station");
    t.qdmDeg = r.optAngle("qdm");
    t.qdrDeg = r.optAngle("qdr");
    if (!t.qdmDeg && !t.qdrDeg)
        throw Failure{r.raw().line, QCoreApplication::translate("orvik3::Error", "[target] needs 'qdm' or 'qdr'")};
    s.target = t;
}

void readWind(const SectionReader &r, Session &s)
{
    Wind w;
    w.fromDeg = r.angle("from");
    w.speedKt = r.number("speed", 0.0, kMaxWindKt);
    w.legNm = r.optNumber("leg", 0.1, kMaxDistanceNm);
    s.wind = w;
}

// Exercises that cannot be drawn or answered without their data section.
void checkExerciseNeeds(const SectionReader &header, const Session &s)
{
    if (!s.exercise)
        return;
    const int type = *s.exercise;
    auto need = [&](bool present, const char *what) {
        if (!present)
            header.fail("type", QCoreApplication::translate("orvik3::Error", "exercise type %1 needs %2").arg(type).arg(QCoreApplication::translate("orvik3::Error", what)));
    };
    switch (type) {
    case 3:
    case 4:
    case 14: need(s.holding.has_value(), QT_TRANSLATE_NOOP("orvik3::Error", "a [holding] section")); break;
    case 6:
    case 12: need(s.target && s.target->qdmDeg, QT_TRANSLATE_NOOP("orvik3::Error", "a [target] section with 'qdm'")); break;
    case 7:
    case 13: need(s.target && s.target->qdrDeg, QT_TRANSLATE_NOOP("orvik3::Error", "a [target] section with 'qdr'")); break;
    case 8: need(s.wind && s.wind->legNm, QT_TRANSLATE_NOOP("orvik3::Error", "a [wind] section with 'leg'")); break;
    case 9: need(s.dmeArc.has_value(), QT_TRANSLATE_NOOP("orvik3::Error", "a [dme-arc] section")); break;
    default: break;
    }
}

Session interpret(const RawFile &file)
{
    Session s;
    const RawSection *header = file.single("session");
    if (!header)
        throw Failure{file.lineCount, QCoreApplication::translate("orvik3::Error", "the file has no [session] section")};

    readSession(SectionReader(*header), s);
    // Stations next: every other section may refer to them by id.
    QSet<QString> ids;
    for (const RawSection &raw : file.sections)
        if (raw.name == u"station") // at most kMaxStations of them: splitSections stops there
            s.stations.push_back(readStation(SectionReader(raw), ids));
    if (s.stations.empty())
        throw Failure{file.lineCount, QCoreApplication::translate("orvik3::Error", "the file has no [station] section")};

    const RawSection *aircraft = file.single("aircraft");
    if (!aircraft)
        throw Failure{file.lineCount, QCoreApplication::translate("orvik3::Error", "the file has no [aircraft] section")};

    readAircraft(SectionReader(*aircraft), s);
    if (const RawSection *raw = file.single("instruments"))
        readInstruments(SectionReader(*raw), s);
    if (const RawSection *raw = file.single("holding"))
        readHolding(SectionReader(*raw), s);
    if (const RawSection *raw = file.single("dme-arc"))
        readDmeArc(SectionReader(*raw), s);
    if (const RawSection *raw = file.single("target"))
        readTarget(SectionReader(*raw), s);
    if (const RawSection *raw = file.single("wind"))
        readWind(SectionReader(*raw), s);
    checkExerciseNeeds(SectionReader(*header), s);
    return s;
}

} // namespace

QString SessionReader::Error::toString() const
{
    if (line > 0)
        return QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(message);
    return QStringLiteral("%1: %2").arg(fileName, message);
}

SessionReader::Result SessionReader::parse(const QByteArray &data, const QString &fileName)
{
    Result result;
    try {
        result.session = interpret(splitSections(data));
    } catch (const Failure &f) {
        // Names and values come from the file: no control character of theirs reaches a screen.
        result.error = {visibleText(fileName), f.line, visibleText(f.message)};
    }
    return result;
}

SessionReader::Result SessionReader::load(const QString &path)
{
    BoundedFile::Result file = BoundedFile::read(path, limits::kSessionFile);
    if (!file.ok()) {
        Result r;
        // The reader's text starts with the path, which the error adds itself.
        const QString shown = visibleText(path);
        QString why = file.error;
        if (why.startsWith(shown + QStringLiteral(": ")))
            why.remove(0, shown.size() + 2);
        r.error = {shown, 0, why};
        return r;
    }
    return parse(file.bytes, path);
}

} // namespace orvik3::host
