#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace orvik3 {

class QuestionTable;

// Why reading a study file ended.
enum class StudyStop {
    EndOfFile,        // clean end before a marker or record
    CannotOpen,       // the file could not be opened
    ShortLine,        // a line shorter than the tag of its place
    TruncatedRecord,  // the file ended inside a record (its separator line included)
    TooManyRecords,   // a 302nd record, or a marker line for row 301
    UnknownType,      // no record layout for the type: nothing is read
};

struct StudyLoadResult {
    int records = 0;             // complete records read
    StudyStop stop = StudyStop::EndOfFile;
    int stopLine = 0;            // 1-based line at which reading ended (0 for a clean end)
    QString file;                // the path read (set by loadStudyFile)
    QString fileError;           // with CannotOpen: which file and why, for instructors
    QString stopMessage() const; // a sentence for instructors
};

// Reads study-file bytes of an exercise type into the table, row by row, exactly as the
// control does: tags skipped, marker lines, records and separators, at most 301 records, and a
// silent end at the first bad line with the records read so far kept. Columns the type does
// not use, and rows beyond the records read, keep their contents.
StudyLoadResult readStudyData(const QByteArray &bytes, qint16 type, QuestionTable &table);

// LoadStudyFile: base path + "default/study/" + name, read by the layout of `type` into the
// table. Never raises: a file that is missing, not a plain file or over its limit reads as no
// records, and the reason is kept in the result.
StudyLoadResult loadStudyFile(const QString &basePath, qint16 type, const QString &studyFileName,
                              QuestionTable &table);

// Where the control looks for a study file of that name below a base path.
QString studyFilePath(const QString &basePath, const QString &studyFileName);

} // namespace orvik3
