#include "study/StudyFileLoader.h"

#include "platform/BoundedFile.h"
#include "platform/LineReader.h"
#include "platform/Paths.h"
#include "study/QuestionTable.h"
#include "study/StudyLayout.h"

#include <orvik3/Error.h>

#include <QCoreApplication>

namespace orvik3 {

namespace {

using study::Layout;
using study::Place;

// Column that a marker line feeds, 0 when the line is no marker of this layout.
int markerColumn(QByteArrayView line, const Layout &layout)
{
    if (!layout.markers || line.size() < 5 || !line.startsWith(":q") || line[3] != ':' || line[4] != ',')
        return 0;
    switch (line[2]) {
    case 'a': return 1;
    case 'b': return 2;
    case 'c': return layout.qcMarker ? 3 : 0;
    default: return 0;
    }
}

// The value behind the tag, in the file's code page.
QString valueOf(QByteArrayView line, int tag)
{
    const QByteArrayView rest = line.sliced(tag);
    return LineReader::decode(QByteArray::fromRawData(rest.data(), rest.size()));
}

} // namespace

QString StudyLoadResult::stopMessage() const
{
    switch (stop) {
    case StudyStop::EndOfFile: return QCoreApplication::translate("orvik3::Error", "end of file");
    case StudyStop::CannotOpen:
        return fileError.isEmpty() ? QCoreApplication::translate("orvik3::Error", "the file cannot be opened") : fileError;
    case StudyStop::ShortLine: return QCoreApplication::translate("orvik3::Error", "line shorter than its tag");
    case StudyStop::TruncatedRecord: return QCoreApplication::translate("orvik3::Error", "the file ends inside a record");
    case StudyStop::TooManyRecords: return QCoreApplication::translate("orvik3::Error", "more than 301 records");
    case StudyStop::UnknownType: return QCoreApplication::translate("orvik3::Error", "no study-file layout for this exercise type");
    }
    return {};
}

StudyLoadResult readStudyData(const QByteArray &bytes, qint16 type, QuestionTable &table)
{
    StudyLoadResult result;
    const Layout layout = study::layoutOf(type);
    if (layout.places.empty()) {
        result.stop = StudyStop::UnknownType;
        return result;
    }
    LineReader reader;
    reader.setData(bytes);
    int n = 0;
    auto stopAt = [&](StudyStop why) {
        result.stop = why;
        result.stopLine = reader.lineNumber();
    };
    while (!reader.atEnd()) {
        QByteArrayView line = reader.readRawLine();
        if (const int column = markerColumn(line, layout)) {
            const int row = column == 3 ? n : 0;
            if (row > 300) {
                stopAt(StudyStop::TooManyRecords);
                break;
            }
            table.col(column, row) = valueOf(line, 5);
            continue;
        }
        bool complete = false;
        for (std::size_t i = 0; i < layout.places.size(); ++i) {
            const Place place = layout.places[i];
            if (i > 0) {
                if (reader.atEnd()) {
                    result.stop = StudyStop::TruncatedRecord;
                    result.stopLine = reader.lineNumber() + 1;
                    break;
                }
                line = reader.readRawLine();
            }
            if (place.column == study::kSeparator) {
                complete = true;
                break;
            }
            if (line.size() < place.tag) {
                stopAt(StudyStop::ShortLine);
                break;
            }
            if (n > 300) {
                stopAt(StudyStop::TooManyRecords);
                break;
            }
            if (place.column == study::kSessionColumn)
                table.session(n) = valueOf(line, place.tag);
            else
                table.col(place.column, n) = valueOf(line, place.tag);
        }
        if (!complete)
            break;
        ++n;
    }
    result.records = n;
    return result;
}

QString studyFilePath(const QString &basePath, const QString &studyFileName)
{
    return paths::resolve(basePath, {QStringLiteral("default"), QStringLiteral("study"), studyFileName});
}

StudyLoadResult loadStudyFile(const QString &basePath, qint16 type, const QString &studyFileName,
                              QuestionTable &table)
{
    StudyLoadResult result;
    const QString path = studyFilePath(basePath, studyFileName);
    // An empty base path never names a file, even if a relative "default/study" exists here.
    if (basePath.isEmpty()) {
        result.stop = StudyStop::CannotOpen;
        result.fileError = QCoreApplication::translate("orvik3::Error", "%1: no installation folder set").arg(path);
    } else if (BoundedFile::Result file = BoundedFile::read(path, limits::kStudyFile); !file.ok()) {
        result.stop = StudyStop::CannotOpen;
        result.fileError = file.error;
    } else {
        result = readStudyData(file.bytes, type, table);
    }
    result.file = path;
    return result;
}

} // namespace orvik3
