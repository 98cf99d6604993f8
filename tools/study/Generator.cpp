#include "Generator.h"

#include "Prng.h"
#include "Records.h"

#include "platform/LineReader.h"
#include "study/ExerciseTypes.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace orvik3::study {

QByteArray sessionBytes(const host::Session &session)
{
    QByteArray text = host::SessionFile::toText(session);
    text.replace("\r\n", "\n");
    text.replace("\n", "\r\n");
    return text;
}

namespace {

QString summaryOf(const Scenario &s, const QStringList &words)
{
    QMap<QString, int> counts;
    for (const QString &w : words)
        if (!w.isEmpty())
            ++counts[w];
    QStringList parts;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        parts << QStringLiteral("%1 %2").arg(it.value()).arg(it.key());
    QString line = QStringLiteral("%1: type %2, %3 situations").arg(QFileInfo(s.fileName).fileName()).arg(s.type).arg(s.situations.size());
    if (!parts.isEmpty())
        line += QStringLiteral(" (") + parts.join(QStringLiteral(", ")) + QLatin1Char(')');
    return line;
}

} // namespace

QByteArray studyBytes(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += LineReader::encode(line) + "\r\n";
    return out;
}

std::optional<Generated> generate(const std::vector<Scenario> &scenarios, std::vector<ScenarioError> *errors)
{
    Generated out;
    QMap<QString, QString> studyOwner; // study file -> scenario file
    QMap<QString, QString> nameOwner;
    for (const Scenario &sc : scenarios) {
        const ExerciseType *type = exerciseType(sc.type);
        if (nameOwner.contains(sc.name)) {
            errors->push_back({sc.fileName, 0, QStringLiteral("name '%1' is used by %2 too").arg(sc.name, nameOwner[sc.name])});
            continue;
        }
        nameOwner.insert(sc.name, sc.fileName);
        if (sc.situations.size() > 301) {
            errors->push_back({sc.fileName, sc.situations[301].line,
                               QStringLiteral("more than 301 situations: the panel loads only the first 301")});
            continue;
        }

        QStringList german = headerLines(sc.type, Language::German);
        QStringList english = headerLines(sc.type, Language::English);
        QStringList words;
        bool hasEnglish = false;
        for (std::size_t i = 0; i < sc.situations.size(); ++i) {
            const int index = int(i) + 1;
            const QString sessionName = QStringLiteral("%1-%2.session").arg(sc.name).arg(index, 2, 10, QLatin1Char('0'));
            ScenarioError error;
            const std::optional<Record> record = buildRecord({sc, sc.situations[i], index, sessionName, false, seedOf(sc.name.toUtf8(), quint64(index))}, &error);
            if (!record) {
                errors->push_back(error);
                continue;
            }
            out.files.push_back({QStringLiteral("default/sessions/") + sessionName, sessionBytes(record->session)});
            german += record->german;
            english += record->english;
            hasEnglish = hasEnglish || !record->english.isEmpty();
            words << record->summary;
        }
        if (sc.type == 3 || sc.type == 4 || sc.type == 14) {
            for (const char *entry : {"direct", "parallel", "offset"})
                if (!words.contains(QLatin1String(entry))) {
                    errors->push_back({sc.fileName, 0, QStringLiteral("the holdings have no %1 entry; the set should show all three").arg(QLatin1String(entry))});
                }
        }
        QStringList targets{QString::fromLatin1(type->germanFile)};
        if (hasEnglish)
            targets << QString::fromLatin1(type->otherFile);
        for (const QString &t : targets) {
            const QString key = t.toLower();
            if (studyOwner.contains(key)) {
                errors->push_back({sc.fileName, 0, QStringLiteral("%1 is made by %2 too").arg(t, studyOwner[key])});
            }
            studyOwner.insert(key, sc.fileName);
        }
        out.files.push_back({QStringLiteral("default/study/") + targets[0], studyBytes(german)});
        if (hasEnglish)
            out.files.push_back({QStringLiteral("default/study/") + targets[1], studyBytes(english)});
        out.notes << summaryOf(sc, words);
    }
    if (!errors->empty())
        return std::nullopt;
    return out;
}

} // namespace orvik3::study
