#include "Scenario.h"

#include "platform/BoundedFile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace orvik3::study {

namespace {

const QRegularExpression kNumber(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
const QRegularExpression kId(QStringLiteral("^[A-Za-z0-9]{1,8}$"));
const QRegularExpression kName(QStringLiteral("^[A-Za-z0-9_-]{1,40}$"));

// Situation keys that hold words rather than numbers, with their choices.
QStringList choicesOf(const QString &key)
{
    if (key == QLatin1String("turn"))
        return {QStringLiteral("right"), QStringLiteral("left")};
    if (key == QLatin1String("expect"))
        return {QStringLiteral("direct"), QStringLiteral("parallel"), QStringLiteral("offset")};
    if (key == QLatin1String("direction"))
        return {QStringLiteral("clockwise"), QStringLiteral("counterclockwise")};
    return {};
}

std::optional<host::StationKind> kindOf(const QString &word)
{
    if (word.compare(QLatin1String("VOR"), Qt::CaseInsensitive) == 0)
        return host::StationKind::Vor;
    if (word.compare(QLatin1String("NDB"), Qt::CaseInsensitive) == 0)
        return host::StationKind::Ndb;
    if (word.compare(QLatin1String("VOR/DME"), Qt::CaseInsensitive) == 0)
        return host::StationKind::VorDme;
    return std::nullopt;
}

host::StationKind defaultKind(qint16 type)
{
    switch (type) {
    case 9: return host::StationKind::VorDme;
    case 4: case 5: case 6: case 7: case 11: case 12: case 13: case 14: return host::StationKind::Ndb;
    default: return host::StationKind::Vor;
    }
}

} // namespace

double Situation::number(const QString &key, double fallback) const
{
    const auto it = values.constFind(key);
    return it == values.cend() ? fallback : it->toDouble();
}

QString ScenarioError::toString() const
{
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(message)
                    : QStringLiteral("%1: %2").arg(fileName, message);
}

QStringList situationKeys(qint16 type)
{
    switch (type) {
    case 1: return {"radial", "distance", "heading", "course", "tas"};
    case 2: return {"radial", "distance", "heading", "obs", "tas"};
    case 10: case 5: case 11: return {"radial", "distance", "heading", "tas"};
    case 3: case 4: case 14: return {"heading", "inbound", "turn", "distance", "tas", "expect"};
    case 6: case 7: case 12: case 13: return {"radial", "distance", "heading", "target", "tas"};
    case 8: return {"course", "tas", "wind", "speed", "leg"};
    case 9: return {"radial", "distance", "heading", "radius", "final", "lead", "direction", "tas"};
    default: return {};
    }
}

QStringList requiredKeys(qint16 type)
{
    switch (type) {
    case 1: return {"radial", "distance", "heading", "course"};
    case 2: return {"radial", "distance", "heading", "obs"};
    case 10: case 5: case 11: return {"radial", "distance", "heading"};
    case 3: case 4: case 14: return {"heading", "inbound"};
    case 6: case 7: case 12: case 13: return {"radial", "distance", "heading", "target"};
    case 8: return {"course", "tas", "wind", "speed", "leg"};
    case 9: return {"radial", "heading", "radius", "final"};
    default: return {};
    }
}

std::optional<Scenario> parseScenario(const QByteArray &text, const QString &fileName, ScenarioError *error)
{
    Scenario s;
    s.fileName = fileName;
    QMap<QString, QString> defaults;
    QString stationSpec;
    QString destinationSpec;
    int stationLine = 0;
    auto fail = [&](int line, const QString &message) {
        *error = {fileName, line, message};
        return std::nullopt;
    };
    // Checks one key = value of a situation (or a header default) against the type.
    auto checkValue = [&](const QString &key, const QString &value) -> std::optional<QString> {
        if (!situationKeys(s.type).contains(key))
            return QStringLiteral("unknown key '%1' for exercise type %2").arg(key).arg(s.type);
        const QStringList choices = choicesOf(key);
        if (!choices.isEmpty()) {
            if (!choices.contains(value))
                return QStringLiteral("'%1' must be one of %2").arg(key, choices.join(QStringLiteral(", ")));
        } else if (!kNumber.match(value).hasMatch()) {
            return QStringLiteral("'%1' = '%2' is not a number").arg(key, value);
        }
        return std::nullopt;
    };

    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(QLatin1String("situation")) && (line.size() == 9 || line[9].isSpace())) {
            if (s.type == 0)
                return fail(lineNo, QStringLiteral("'type' must come before the first situation"));
            Situation sit;
            sit.line = lineNo;
            sit.values = defaults;
            const QStringList tokens = line.mid(9).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
            QStringList given;
            for (const QString &token : tokens) {
                const qsizetype eq = token.indexOf(u'=');
                if (eq <= 0 || eq == token.size() - 1)
                    return fail(lineNo, QStringLiteral("'%1' is not key=value").arg(token));
                const QString key = token.left(eq).toLower();
                const QString value = token.mid(eq + 1);
                if (given.contains(key))
                    return fail(lineNo, QStringLiteral("'%1' given twice").arg(key));
                given.append(key);
                if (const auto problem = checkValue(key, value))
                    return fail(lineNo, *problem);
                sit.values.insert(key, value);
            }
            for (const QString &key : requiredKeys(s.type))
                if (!sit.values.contains(key))
                    return fail(lineNo, QStringLiteral("the situation needs '%1'").arg(key));
            s.situations.push_back(std::move(sit));
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            return fail(lineNo, QStringLiteral("expected 'key = value' or 'situation key=value ...'"));
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        if (value.isEmpty())
            return fail(lineNo, QStringLiteral("'%1' has no value").arg(key));
        if (!s.situations.empty())
            return fail(lineNo, QStringLiteral("'%1' after the first situation; header lines come first").arg(key));
        if (key == QLatin1String("type")) {
            bool ok = false;
            const int t = value.toInt(&ok);
            if (!ok || t < 1 || t > 14)
                return fail(lineNo, QStringLiteral("type must be an exercise type 1..14"));
            if (s.type != 0)
                return fail(lineNo, QStringLiteral("'type' given twice"));
            s.type = qint16(t);
        } else if (key == QLatin1String("name")) {
            if (!kName.match(value).hasMatch())
                return fail(lineNo, QStringLiteral("name must be 1..40 letters, digits, '-' or '_'"));
            s.name = value;
        } else if (key == QLatin1String("station")) {
            stationSpec = value;
            stationLine = lineNo;
        } else if (key == QLatin1String("destination")) {
            destinationSpec = value;
        } else {
            if (s.type == 0)
                return fail(lineNo, QStringLiteral("'type' must come first"));
            if (const auto problem = checkValue(key, value))
                return fail(lineNo, *problem);
            defaults.insert(key, value);
        }
    }
    if (s.type == 0)
        return fail(0, QStringLiteral("no 'type' line"));
    if (s.name.isEmpty())
        return fail(0, QStringLiteral("no 'name' line"));
    if (s.situations.empty())
        return fail(0, QStringLiteral("no situation"));

    s.station = {QStringLiteral("TGO"), defaultKind(s.type), {}};
    if (!stationSpec.isEmpty()) {
        const QStringList parts = stationSpec.split(QRegularExpression(QStringLiteral("\\s+")));
        if (parts.size() > 2 || !kId.match(parts[0]).hasMatch())
            return fail(stationLine, QStringLiteral("station is 'ID [VOR|NDB|VOR/DME]'"));
        s.station.id = parts[0];
        if (parts.size() == 2) {
            const auto kind = kindOf(parts[1]);
            if (!kind)
                return fail(stationLine, QStringLiteral("station kind must be VOR, NDB or VOR/DME"));
            s.station.kind = *kind;
        }
    }
    if (s.type == 8) {
        const QString id = destinationSpec.isEmpty() ? QStringLiteral("DST") : destinationSpec;
        if (!kId.match(id).hasMatch() || id == s.station.id)
            return fail(0, QStringLiteral("destination must be an id other than the station's"));
        s.destination = host::Station{id, host::StationKind::Vor, {}};
    }
    return s;
}

std::optional<Scenario> loadScenario(const QString &path, ScenarioError *error)
{
    BoundedFile::Result file = BoundedFile::read(path, limits::kScenario);
    if (!file.ok()) {
        QString why = file.error;
        if (why.startsWith(path + QStringLiteral(": ")))
            why.remove(0, path.size() + 2);
        *error = {path, 0, why};
        return std::nullopt;
    }
    return parseScenario(file.bytes, path, error);
}

} // namespace orvik3::study
