#include "session/SessionSyntax_p.h"

#include "session/SessionRecords.h"

#include <QCoreApplication>
#include <QList>
#include <QStringDecoder>

#include <charconv>

namespace orvik3::host::detail {

namespace {

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

} // namespace

QString quoted(const QString &s) { return QLatin1Char('\'') + s + QLatin1Char('\''); }

QString formatNumber(double v)
{
    char buf[512];
    const auto res = std::to_chars(buf, buf + sizeof buf, v == 0.0 ? 0.0 : v, std::chars_format::fixed);
    return QString::fromLatin1(buf, res.ptr - buf);
}

RawFile splitSections(const QByteArray &data)
{
    RawFile file;
    QByteArray bytes = data;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    const QList<QByteArray> lines = bytes.split('\n');
    std::map<QString, int> singleSectionLines;
    int stations = 0;
    int lineNo = 0;
    for (QByteArray lineBytes : lines) {
        ++lineNo;
        if (lineBytes.endsWith('\r'))
            lineBytes.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = QString(decoder(lineBytes)).trimmed();
        if (decoder.hasError())
            throw Failure{lineNo, QCoreApplication::translate("orvik3::Error", "line is not valid UTF-8 text")};
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;

        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')))
                throw Failure{lineNo, QCoreApplication::translate("orvik3::Error", "section header %1 lacks a closing ']'").arg(quoted(line))};
            const QString name = line.mid(1, line.size() - 2).trimmed().toLower();
            const SectionRule *rule = ruleFor(name);
            if (!rule)
                throw Failure{lineNo, QCoreApplication::translate("orvik3::Error", "unknown section [%1]").arg(name)};
            // A file of thousands of stations is no situation anyone flies: stop before reading them.
            if (name == u"station" && ++stations > kMaxStations)
                throw Failure{lineNo, QCoreApplication::translate("orvik3::Error", "more than %1 stations: a situation needs a few")
                                          .arg(kMaxStations)};
            if (!rule->repeatable) {
                const auto [it, inserted] = singleSectionLines.emplace(name, lineNo);
                if (!inserted)
                    throw Failure{lineNo, QCoreApplication::translate("orvik3::Error", "duplicate section [%1] (first at line %2)")
                                              .arg(name).arg(it->second)};
            }
            file.sections.push_back({name, lineNo, {}});
            continue;
        }

        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            throw Failure{lineNo, QCoreApplication::translate("orvik3::Error", "expected 'key = value', got %1").arg(quoted(line))};
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        if (key.isEmpty())
            throw Failure{lineNo, QCoreApplication::translate("orvik3::Error", "missing key before '='")};
        if (file.sections.empty())
            throw Failure{lineNo, QCoreApplication::translate("orvik3::Error", "key '%1' appears before any [section]").arg(key)};

        RawSection &section = file.sections.back();
        if (!ruleHasKey(*ruleFor(section.name), key))
            throw Failure{lineNo, QCoreApplication::translate("orvik3::Error", "unknown key '%1' in [%2]").arg(key, section.name)};
        if (value.isEmpty())
            throw Failure{lineNo, QCoreApplication::translate("orvik3::Error", "missing value for '%1'").arg(key)};
        const auto [it, inserted] = section.entries.emplace(key, Entry{value, lineNo});
        if (!inserted)
            throw Failure{lineNo, QCoreApplication::translate("orvik3::Error", "duplicate key '%1' (first at line %2)")
                                      .arg(key).arg(it->second.line)};
    }
    // A final newline leaves an empty last piece that is not a real line.
    file.lineCount = (!lines.isEmpty() && lines.last().isEmpty()) ? lineNo - 1 : lineNo;
    return file;
}

} // namespace orvik3::host::detail
