#pragma once

// A generated practice set read back the plain way, for tests: each record's tags and values
// as written, and the session it names.

#include "RandomSet.h"

#include "session/SessionFile.h"

#include <QMap>
#include <QString>

#include <vector>

namespace orvik3::test {

struct ReadRecord {
    QMap<QString, QString> values; // tag without colon -> value, blanks trimmed
    host::Session session;
};

inline QByteArray fileOf(const study::RandomSet &set, const QString &path)
{
    for (const study::GeneratedFile &f : set.files.files)
        if (f.path == path)
            return f.bytes;
    return {};
}

// Empty when a record names a session that is missing or does not parse.
inline std::vector<ReadRecord> readRecords(const study::RandomSet &set)
{
    std::vector<ReadRecord> out;
    const QString text = QString::fromLatin1(fileOf(set, QStringLiteral("default/study/") + set.studyFile));
    ReadRecord current;
    for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        if (line.startsWith(u':'))
            continue; // question lines of the position types
        if (line == QLatin1String("--")) {
            out.push_back(current);
            current = {};
            continue;
        }
        const qsizetype colon = line.indexOf(u':');
        const QString tag = line.left(colon), value = line.mid(colon + 1).trimmed();
        current.values.insert(tag, value);
        if (tag == QLatin1String("ses")) {
            const auto parsed = host::SessionFile::parse(fileOf(set, QStringLiteral("default/sessions/") + value), value);
            if (!parsed)
                return {};
            current.session = *parsed.session;
        }
    }
    return out;
}

} // namespace orvik3::test
