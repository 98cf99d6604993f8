#include "session/SessionFile.h"

#include "platform/BoundedFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <charconv>
#include <cmath>
#include <map>

namespace orvik3::host {

namespace {

constexpr double kMaxCoordinateNm = 1000.0;
constexpr double kMaxDistanceNm = 1000.0;
constexpr double kMaxTasKt = 1000.0;
constexpr double kMaxWindKt = 250.0;
constexpr double kMaxArcRadiusNm = 100.0;

// Thrown inside the parser only; parse() turns it into an Error.
struct Failure {
    int line;
    QString message;
};

struct Entry {
    QString value;
    int line = 0;
};

struct RawSection {
    QString name;
    int line = 0;
    std::map<QString, Entry> entries;
};

struct SectionRule {
    const char *name;
    bool repeatable;
    std::initializer_list<const char *> keys;
};

const SectionRule kRules[] = {
    {"session", false, {"version", "type", "title"}},
    {"station", true, {"id", "kind", "x", "y"}},
    {"aircraft", false, {"station", "radial", "distance", "x", "y", "heading", "tas"}},
    {"instruments", false, {"hsi", "vor", "rmi", "adf", "dg", "dme", "nav-station", "adf-station"}},
    {"holding", false, {"fix", "inbound", "turn"}},
    {"dme-arc", false, {"station", "radius", "final-course", "direction", "lead"}},
    {"target", false, {"station", "qdm", "qdr"}},
    {"wind", false, {"from", "speed", "leg"}},
};

const SectionRule *ruleFor(const QString &name)
{
    for (const SectionRule &r : kRules)
        if (name == QLatin1String(r.name))
            return &r;
    return nullptr;
}

bool ruleHasKey(const SectionRule &rule, const QString &key)
{
    for (const char *k : rule.keys)
        if (key == QLatin1String(k))
            return true;
    return false;
}

QString quoted(const QString &s) { return QLatin1Char('\'') + s + QLatin1Char('\''); }

QString formatNumber(double v)
{
    // Shortest plain decimal that reads back to the same double, so files
    // round-trip; the reader accepts no exponents.
    char buf[512];
    const auto res = std::to_chars(buf, buf + sizeof buf, v == 0.0 ? 0.0 : v, std::chars_format::fixed);
    return QString::fromLatin1(buf, res.ptr - buf);
}

// Typed access to one section's values, with errors pointing at the line.
class SectionReader
{
public:
    explicit SectionReader(const RawSection &s) : m_s(s) {}

    bool has(const char *key) const { return find(key) != nullptr; }
    int lineOf(const char *key) const
    {
        const Entry *e = find(key);
        return e ? e->line : m_s.line;
    }

    QString text(const char *key) const { return require(key).value; }
    QString textOr(const char *key, const QString &fallback = {}) const
    {
        const Entry *e = find(key);
        return e ? e->value : fallback;
    }

    double number(const char *key, double min, double max) const
    {
        return toNumber(require(key), key, min, max);
    }
    std::optional<double> optNumber(const char *key, double min, double max) const
    {
        const Entry *e = find(key);
        return e ? std::optional(toNumber(*e, key, min, max)) : std::nullopt;
    }

    double angle(const char *key) const { return toAngle(require(key), key); }
    std::optional<double> optAngle(const char *key) const
    {
        const Entry *e = find(key);
        return e ? std::optional(toAngle(*e, key)) : std::nullopt;
    }

    int integer(const char *key, int min, int max) const
    {
        const Entry &e = require(key);
        static const QRegularExpression re(QStringLiteral("^[+-]?\\d{1,9}$"));
        if (!re.match(e.value).hasMatch())
            throw Failure{e.line, QStringLiteral("bad whole number %1 for '%2'").arg(quoted(e.value), key)};
        const int v = e.value.toInt();
        if (v < min || v > max)
            throw Failure{e.line, QStringLiteral("'%1' = %2 is out of range %3..%4")
                                      .arg(key).arg(v).arg(min).arg(max)};
        return v;
    }

    bool flag(const char *key) const
    {
        const Entry *e = find(key);
        if (!e)
            return false;
        const QString v = e->value.toLower();
        if (v == u"on" || v == u"yes" || v == u"true")
            return true;
        if (v == u"off" || v == u"no" || v == u"false")
            return false;
        throw Failure{e->line, QStringLiteral("'%1' must be on or off, not %2").arg(key, quoted(e->value))};
    }

    // Case-insensitive choice among `names`; returns the index.
    int choice(const char *key, std::initializer_list<const char *> names) const
    {
        const Entry &e = require(key);
        QStringList allowed;
        int i = 0;
        for (const char *n : names) {
            if (e.value.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
                return i;
            allowed << QString::fromLatin1(n);
            ++i;
        }
        throw Failure{e.line, QStringLiteral("'%1' must be one of %2, not %3")
                                  .arg(key, allowed.join(QStringLiteral(", ")), quoted(e.value))};
    }

    [[noreturn]] void fail(const char *key, const QString &message) const
    {
        throw Failure{lineOf(key), message};
    }

    const RawSection &raw() const { return m_s; }

private:
    const Entry *find(const char *key) const
    {
        const auto it = m_s.entries.find(QString::fromLatin1(key));
        return it == m_s.entries.end() ? nullptr : &it->second;
    }

    const Entry &require(const char *key) const
    {
        if (const Entry *e = find(key))
            return *e;
        throw Failure{m_s.line, QStringLiteral("[%1] is missing required key '%2'").arg(m_s.name, key)};
    }

    static double parseDouble(const Entry &e, const char *key)
    {
        // Plain decimal only: no exponent, no nan/inf, no thousands separators.
        static const QRegularExpression re(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
        bool ok = false;
        const double v = re.match(e.value).hasMatch() ? e.value.toDouble(&ok) : 0.0;
        if (!ok || !std::isfinite(v))
            throw Failure{e.line, QStringLiteral("bad number %1 for '%2'").arg(quoted(e.value), key)};
        return v;
    }

    static double toNumber(const Entry &e, const char *key, double min, double max)
    {
        const double v = parseDouble(e, key);
        if (v < min || v > max)
            throw Failure{e.line, QStringLiteral("'%1' = %2 is out of range %3..%4")
                                      .arg(key, e.value, formatNumber(min), formatNumber(max))};
        return v;
    }

    static double toAngle(const Entry &e, const char *key)
    {
        const double v = parseDouble(e, key);
        if (v < 0.0 || v > 360.0)
            throw Failure{e.line, QStringLiteral("angle '%1' = %2 is out of range 0..360").arg(key, e.value)};
        // 360 is how pilots say north; store it as 0 so comparisons work.
        return nav::normalizeDegrees(v);
    }

    const RawSection &m_s;
};

struct RawFile {
    std::vector<RawSection> sections;
    int lineCount = 0;

    const RawSection *single(const char *name) const
    {
        for (const RawSection &s : sections)
            if (s.name == QLatin1String(name))
                return &s;
        return nullptr;
    }
};

RawFile splitSections(const QByteArray &data)
{
    RawFile file;
    QByteArray bytes = data;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    const QList<QByteArray> lines = bytes.split('\n');
    std::map<QString, int> singleSectionLines;
    int lineNo = 0;
    for (QByteArray lineBytes : lines) {
        ++lineNo;
        if (lineBytes.endsWith('\r'))
            lineBytes.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = QString(decoder(lineBytes)).trimmed();
        if (decoder.hasError())
            throw Failure{lineNo, QStringLiteral("line is not valid UTF-8 text")};
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;

        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')))
                throw Failure{lineNo, QStringLiteral("section header %1 lacks a closing ']'").arg(quoted(line))};
            const QString name = line.mid(1, line.size() - 2).trimmed().toLower();
            const SectionRule *rule = ruleFor(name);
            if (!rule)
                throw Failure{lineNo, QStringLiteral("unknown section [%1]").arg(name)};
            if (!rule->repeatable) {
                const auto [it, inserted] = singleSectionLines.emplace(name, lineNo);
                if (!inserted)
                    throw Failure{lineNo, QStringLiteral("duplicate section [%1] (first at line %2)")
                                              .arg(name).arg(it->second)};
            }
            file.sections.push_back({name, lineNo, {}});
            continue;
        }

        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            throw Failure{lineNo, QStringLiteral("expected 'key = value', got %1").arg(quoted(line))};
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        if (key.isEmpty())
            throw Failure{lineNo, QStringLiteral("missing key before '='")};
        if (file.sections.empty())
            throw Failure{lineNo, QStringLiteral("key '%1' appears before any [section]").arg(key)};

        RawSection &section = file.sections.back();
        if (!ruleHasKey(*ruleFor(section.name), key))
            throw Failure{lineNo, QStringLiteral("unknown key '%1' in [%2]").arg(key, section.name)};
        if (value.isEmpty())
            throw Failure{lineNo, QStringLiteral("missing value for '%1'").arg(key)};
        const auto [it, inserted] = section.entries.emplace(key, Entry{value, lineNo});
        if (!inserted)
            throw Failure{lineNo, QStringLiteral("duplicate key '%1' (first at line %2)")
                                      .arg(key).arg(it->second.line)};
    }
    // A final newline leaves an empty last piece that is not a real line.
    file.lineCount = (!lines.isEmpty() && lines.last().isEmpty()) ? lineNo - 1 : lineNo;
    return file;
}

// Checks a station reference and returns the station it names.
const Station &resolveStation(const Session &s, const SectionReader &r, const char *key)
{
    const QString id = r.textOr(key);
    if (const Station *st = findStation(s, id))
        return *st;
    r.fail(key, QStringLiteral("no station with id %1").arg(quoted(id)));
}

void readSession(const SectionReader &r, Session &s)
{
    const int version = r.integer("version", 0, 999999);
    if (version != SessionFile::kFormatVersion)
        r.fail("version", QStringLiteral("unsupported format version %1 (this program reads %2)")
                              .arg(version).arg(SessionFile::kFormatVersion));
    if (r.has("type"))
        s.exercise = r.integer("type", 1, 14);
    // As the writer keeps it: one line, single spaces, so that a saved copy reads the same.
    s.title = r.textOr("title").simplified();
}

Station readStation(const SectionReader &r, const Session &soFar)
{
    Station st;
    st.id = r.text("id");
    static const QRegularExpression idRe(QStringLiteral("^[A-Za-z0-9]{1,8}$"));
    if (!idRe.match(st.id).hasMatch())
        r.fail("id", QStringLiteral("station id %1 must be 1 to 8 letters or digits").arg(quoted(st.id)));
    for (const Station &other : soFar.stations)
        if (other.id == st.id)
            r.fail("id", QStringLiteral("duplicate station id %1").arg(quoted(st.id)));
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
               QStringLiteral("give the aircraft position as radial and distance or as x and y, not both"));
    if (polar) {
        RelativePosition p;
        resolveStation(s, r, "station");
        p.station = r.textOr("station");
        p.radialDeg = r.angle("radial");
        p.distanceNm = r.number("distance", 0.0, kMaxDistanceNm);
        s.aircraft.position = p;
    } else if (cartesian) {
        if (r.has("station"))
            r.fail("station", QStringLiteral("'station' only applies to a radial and distance"));
        s.aircraft.position = nav::Point{r.number("x", -kMaxCoordinateNm, kMaxCoordinateNm),
                                         r.number("y", -kMaxCoordinateNm, kMaxCoordinateNm)};
    } else {
        throw Failure{r.raw().line, QStringLiteral("[aircraft] needs a position: radial and distance, or x and y")};
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
            r.fail("nav-station", QStringLiteral("nav-station %1 is an NDB, not a VOR").arg(quoted(st.id)));
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
        r.fail("station", QStringLiteral("DME arc station %1 is a %2, not a VOR/DME")
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
        throw Failure{r.raw().line, QStringLiteral("[target] needs 'qdm' or 'qdr'")};
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
            header.fail("type", QStringLiteral("exercise type %1 needs %2").arg(type).arg(QLatin1String(what)));
    };
    switch (type) {
    case 3:
    case 4:
    case 14: need(s.holding.has_value(), "a [holding] section"); break;
    case 6:
    case 12: need(s.target && s.target->qdmDeg, "a [target] section with 'qdm'"); break;
    case 7:
    case 13: need(s.target && s.target->qdrDeg, "a [target] section with 'qdr'"); break;
    case 8: need(s.wind && s.wind->legNm, "a [wind] section with 'leg'"); break;
    case 9: need(s.dmeArc.has_value(), "a [dme-arc] section"); break;
    default: break;
    }
}

Session interpret(const RawFile &file)
{
    Session s;
    const RawSection *header = file.single("session");
    if (!header)
        throw Failure{file.lineCount, QStringLiteral("the file has no [session] section")};

    readSession(SectionReader(*header), s);
    // Stations next: every other section may refer to them by id.
    for (const RawSection &raw : file.sections)
        if (raw.name == u"station")
            s.stations.push_back(readStation(SectionReader(raw), s));
    if (s.stations.empty())
        throw Failure{file.lineCount, QStringLiteral("the file has no [station] section")};

    const RawSection *aircraft = file.single("aircraft");
    if (!aircraft)
        throw Failure{file.lineCount, QStringLiteral("the file has no [aircraft] section")};

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

// --- writer -----------------------------------------------------------------

class Writer
{
public:
    void section(const char *name)
    {
        if (!m_out.isEmpty())
            m_out += u'\n';
        m_out += QStringLiteral("[%1]\n").arg(QLatin1String(name));
    }
    void put(const char *key, const QString &value)
    {
        m_out += QStringLiteral("%1 = %2\n").arg(QLatin1String(key), value);
    }
    void put(const char *key, double value) { put(key, formatNumber(value)); }
    void putIf(const char *key, const QString &value)
    {
        if (!value.isEmpty())
            put(key, value);
    }
    void putIf(const char *key, const std::optional<double> &value)
    {
        if (value)
            put(key, *value);
    }
    void putFlag(const char *key, bool on)
    {
        if (on)
            put(key, QStringLiteral("on"));
    }
    QByteArray bytes() const { return m_out.toUtf8(); }

private:
    QString m_out;
};

} // namespace

QString stationKindName(StationKind kind)
{
    switch (kind) {
    case StationKind::Vor: return QStringLiteral("VOR");
    case StationKind::Ndb: return QStringLiteral("NDB");
    case StationKind::VorDme: return QStringLiteral("VOR/DME");
    }
    return {};
}

const Station *findStation(const Session &session, const QString &id)
{
    if (session.stations.empty())
        return nullptr;
    if (id.isEmpty())
        return &session.stations.front();
    for (const Station &st : session.stations)
        if (st.id == id)
            return &st;
    return nullptr;
}

nav::Point aircraftPosition(const Session &session)
{
    if (const auto *p = std::get_if<nav::Point>(&session.aircraft.position))
        return *p;
    const auto &rel = std::get<RelativePosition>(session.aircraft.position);
    const Station *st = findStation(session, rel.station);
    const nav::Point origin = st ? st->position : nav::Point{};
    return nav::offset(origin, rel.radialDeg, rel.distanceNm);
}

const Station *navStation(const Session &session)
{
    if (!session.instruments.navStation.isEmpty())
        return findStation(session, session.instruments.navStation);
    for (const Station &st : session.stations)
        if (st.kind != StationKind::Ndb)
            return &st;
    return nullptr;
}

const Station *adfStation(const Session &session)
{
    if (!session.instruments.adfStation.isEmpty())
        return findStation(session, session.instruments.adfStation);
    for (const Station &st : session.stations)
        if (st.kind == StationKind::Ndb)
            return &st;
    return findStation(session, {});
}

QString SessionFile::Error::toString() const
{
    if (line > 0)
        return QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(message);
    return QStringLiteral("%1: %2").arg(fileName, message);
}

SessionFile::Result SessionFile::parse(const QByteArray &data, const QString &fileName)
{
    Result result;
    try {
        result.session = interpret(splitSections(data));
    } catch (const Failure &f) {
        result.error = {fileName, f.line, f.message};
    }
    return result;
}

SessionFile::Result SessionFile::load(const QString &path)
{
    BoundedFile::Result file = BoundedFile::read(path, limits::kSessionFile);
    if (!file.ok()) {
        Result r;
        // The reader's text starts with the path, which the error adds itself.
        QString why = file.error;
        if (why.startsWith(path + QStringLiteral(": ")))
            why.remove(0, path.size() + 2);
        r.error = {path, 0, why};
        return r;
    }
    return parse(file.bytes, path);
}

QByteArray SessionFile::toText(const Session &s)
{
    Writer w;
    w.section("session");
    w.put("version", QString::number(kFormatVersion));
    if (s.exercise)
        w.put("type", QString::number(*s.exercise));
    w.putIf("title", s.title.simplified());

    for (const Station &st : s.stations) {
        w.section("station");
        w.put("id", st.id);
        w.put("kind", stationKindName(st.kind));
        w.put("x", st.position.x);
        w.put("y", st.position.y);
    }

    const Aircraft &a = s.aircraft;
    w.section("aircraft");
    if (const auto *rel = std::get_if<RelativePosition>(&a.position)) {
        w.putIf("station", rel->station);
        w.put("radial", rel->radialDeg);
        w.put("distance", rel->distanceNm);
    } else {
        const auto &p = std::get<nav::Point>(a.position);
        w.put("x", p.x);
        w.put("y", p.y);
    }
    w.put("heading", a.headingDeg);
    w.put("tas", a.tasKt);

    const Instruments &in = s.instruments;
    if (!(in == Instruments{})) {
        w.section("instruments");
        w.putIf("hsi", in.hsiCourseDeg);
        w.putIf("vor", in.vorObsDeg);
        w.putFlag("rmi", in.rmi);
        w.putFlag("adf", in.adf);
        w.putFlag("dg", in.dg);
        w.putFlag("dme", in.dme);
        w.putIf("nav-station", in.navStation);
        w.putIf("adf-station", in.adfStation);
    }

    if (const auto &h = s.holding) {
        w.section("holding");
        w.putIf("fix", h->fix);
        w.put("inbound", h->inboundCourseDeg);
        w.put("turn", h->turn == HoldingTurn::Right ? QStringLiteral("right") : QStringLiteral("left"));
    }
    if (const auto &arc = s.dmeArc) {
        w.section("dme-arc");
        w.putIf("station", arc->station);
        w.put("radius", arc->radiusNm);
        w.put("final-course", arc->finalCourseDeg);
        if (arc->direction)
            w.put("direction", *arc->direction == nav::ArcDirection::Clockwise
                                   ? QStringLiteral("clockwise")
                                   : QStringLiteral("counterclockwise"));
        w.putIf("lead", arc->leadNm);
    }
    if (const auto &t = s.target) {
        w.section("target");
        w.putIf("station", t->station);
        w.putIf("qdm", t->qdmDeg);
        w.putIf("qdr", t->qdrDeg);
    }
    if (const auto &wind = s.wind) {
        w.section("wind");
        w.put("from", wind->fromDeg);
        w.put("speed", wind->speedKt);
        w.putIf("leg", wind->legNm);
    }
    return w.bytes();
}

bool SessionFile::save(const Session &session, const QString &path, QString *errorMessage)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray text = toText(session);
        if (file.write(text) == text.size() && file.commit())
            return true;
    }
    if (errorMessage)
        *errorMessage = QStringLiteral("%1: cannot write: %2").arg(path, file.errorString());
    return false;
}

} // namespace orvik3::host
