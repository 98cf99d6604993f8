#include "session/SessionWriter.h"

#include "session/SessionSyntax_p.h"

#include <QSaveFile>

namespace orvik3::host {

using detail::formatNumber;

namespace {

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

QByteArray SessionWriter::toText(const Session &s)
{
    Writer w;
    w.section("session");
    w.put("version", QString::number(kSessionFormatVersion));
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

bool SessionWriter::save(const Session &session, const QString &path, QString *errorMessage)
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
