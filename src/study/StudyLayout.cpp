#include "study/StudyLayout.h"

#include "platform/LineReader.h"
#include "study/ExerciseTypes.h"

namespace orvik3::study {

namespace {

constexpr Place kPosition[] = {{5, 13}, {5, 14}, {5, 15}, {4, kSessionColumn}, {0, kSeparator}};
constexpr Place kMarked[] = {{5, 3}, {5, 13}, {5, 14}, {5, 15}, {4, kSessionColumn}, {0, kSeparator}};
constexpr Place kAdf[] = {{6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5}, {6, 6}, {6, 7}, {6, 8}, {6, 9}, {6, 10},
                          {6, 11}, {6, 12}, {5, 13}, {5, 14}, {5, 15}, {5, 16}, {5, 17},
                          {4, kSessionColumn}, {0, kSeparator}};
constexpr Place kQdm[] = {{5, 1}, {5, 17}, {5, 18}, {5, 19}, {5, 13}, {5, 14}, {5, 15}, {5, 16},
                          {4, kSessionColumn}, {0, kSeparator}};
constexpr Place kWind[] = {{5, 1}, {5, 2}, {5, 15}, {5, 16}, {5, 17}, {5, 18}, {5, 14},
                           {5, 13}, {5, 19}, {5, 3}, {5, 4}, {4, kSessionColumn}, {0, kSeparator}};

const QString kQa = QStringLiteral(":qa:,");
const QString kQb = QStringLiteral(":qb:,");
const QString kQc = QStringLiteral(":qc:,");

QString markerOf(const QString &line, const Layout &layout)
{
    if (!layout.markers)
        return {};
    if (line.startsWith(kQa))
        return kQa;
    if (line.startsWith(kQb))
        return kQb;
    if (layout.qcMarker && line.startsWith(kQc))
        return kQc;
    return {};
}

} // namespace

FileKind fileKindOf(const QString &fileName)
{
    // Types 11 to 14 share the English file of their plain twin, so the lower type wins.
    for (qint16 t = 1; t <= 14; ++t) {
        const ExerciseType *type = exerciseType(t);
        if (fileName.compare(QLatin1String(type->germanFile), Qt::CaseInsensitive) == 0)
            return {t, Language::German};
        if (fileName.compare(QLatin1String(type->otherFile), Qt::CaseInsensitive) == 0)
            return {t, t == 10 ? Language::German : Language::English};
    }
    return {};
}

Language languageOf(const QString &fileName)
{
    return fileName.startsWith(QLatin1String("e-"), Qt::CaseInsensitive) ? Language::English
                                                                         : Language::German;
}

Layout layoutOf(qint16 type)
{
    switch (type) {
    case 1:
    case 10: return {true, true, kPosition};
    case 2:
    case 3:
    case 4:
    case 9:
    case 14: return {true, false, kMarked};
    case 5:
    case 11: return {false, false, kAdf};
    case 6:
    case 7:
    case 12:
    case 13: return {false, false, kQdm};
    case 8: return {false, false, kWind};
    default: return {};
    }
}

QStringList requiredMarkers(qint16 type)
{
    switch (type) {
    case 1:
    case 10: return {kQa, kQb, kQc};
    case 2: return {kQa, kQb};
    default: return {};
    }
}

QStringList splitLines(const QByteArray &bytes)
{
    LineReader reader;
    reader.setData(bytes);
    QStringList lines;
    while (!reader.atEnd())
        lines.append(reader.readLine());
    return lines;
}

const WalkedValue *WalkedRecord::value(int column) const
{
    for (const WalkedValue &v : values)
        if (v.column == column)
            return &v;
    return nullptr;
}

Walk walkStudyFile(const QStringList &lines, qint16 type)
{
    Walk walk;
    const Layout layout = layoutOf(type);
    if (layout.places.empty())
        return walk;
    qsizetype i = 0;
    while (i < lines.size()) {
        const QString marker = markerOf(lines[i], layout);
        if (!marker.isEmpty()) {
            walk.markers.push_back({int(i + 1), marker, lines[i].mid(5)});
            ++i;
            continue;
        }
        WalkedRecord record;
        record.firstLine = int(i + 1);
        for (const Place place : layout.places) {
            if (i >= lines.size())
                break;
            const QString &line = lines[i];
            ++i;
            if (place.column == kSeparator) {
                record.complete = true;
                break;
            }
            record.values.push_back({int(i), place.column, line.mid(place.tag), line.size() < place.tag});
        }
        walk.records.push_back(std::move(record));
    }
    return walk;
}

} // namespace orvik3::study
