#include "session/SectionReader_p.h"

#include "nav/Geometry.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace orvik3::host::detail {

namespace {

double parseDouble(const Entry &e, const char *key)
{
    // Plain decimal only: no exponent, no nan/inf, no thousands separators.
    static const QRegularExpression re(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    bool ok = false;
    const double v = re.match(e.value).hasMatch() ? e.value.toDouble(&ok) : 0.0;
    if (!ok || !std::isfinite(v))
        throw Failure{e.line, QStringLiteral("bad number %1 for '%2'").arg(quoted(e.value), key)};
    return v;
}

double toNumber(const Entry &e, const char *key, double min, double max)
{
    const double v = parseDouble(e, key);
    if (v < min || v > max)
        throw Failure{e.line, QStringLiteral("'%1' = %2 is out of range %3..%4")
                                  .arg(key, e.value, formatNumber(min), formatNumber(max))};
    return v;
}

double toAngle(const Entry &e, const char *key)
{
    const double v = parseDouble(e, key);
    if (v < 0.0 || v > 360.0)
        throw Failure{e.line, QStringLiteral("angle '%1' = %2 is out of range 0..360").arg(key, e.value)};
    // 360 is how pilots say north; store it as 0 so comparisons work.
    return nav::normalizeDegrees(v);
}

} // namespace

int SectionReader::lineOf(const char *key) const
{
    const Entry *e = find(key);
    return e ? e->line : m_s.line;
}

QString SectionReader::textOr(const char *key, const QString &fallback) const
{
    const Entry *e = find(key);
    return e ? e->value : fallback;
}

double SectionReader::number(const char *key, double min, double max) const
{
    return toNumber(require(key), key, min, max);
}

std::optional<double> SectionReader::optNumber(const char *key, double min, double max) const
{
    const Entry *e = find(key);
    return e ? std::optional(toNumber(*e, key, min, max)) : std::nullopt;
}

double SectionReader::angle(const char *key) const { return toAngle(require(key), key); }

std::optional<double> SectionReader::optAngle(const char *key) const
{
    const Entry *e = find(key);
    return e ? std::optional(toAngle(*e, key)) : std::nullopt;
}

int SectionReader::integer(const char *key, int min, int max) const
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

bool SectionReader::flag(const char *key) const
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

int SectionReader::choice(const char *key, std::initializer_list<const char *> names) const
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

void SectionReader::fail(const char *key, const QString &message) const { throw Failure{lineOf(key), message}; }

const Entry *SectionReader::find(const char *key) const
{
    const auto it = m_s.entries.find(QString::fromLatin1(key));
    return it == m_s.entries.end() ? nullptr : &it->second;
}

const Entry &SectionReader::require(const char *key) const
{
    if (const Entry *e = find(key))
        return *e;
    throw Failure{m_s.line, QStringLiteral("[%1] is missing required key '%2'").arg(m_s.name, key)};
}

} // namespace orvik3::host::detail
