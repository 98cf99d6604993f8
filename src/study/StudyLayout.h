#pragma once

// The study files: which file name belongs to which exercise type and language, and the
// record layout of each type (tag length and column of every line). The control's loader reads
// by this layout; the walker gives every line of a file its role without ever stopping, so
// that the linter can point at every bad line, not just the first.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <span>
#include <vector>

namespace orvik3::study {

enum class Language { German, English };

struct FileKind {
    qint16 type = 0; // 0: the name is not one of the study files
    Language language = Language::German;
};

// The type and language a file name stands for, matched case-insensitively against the
// study-file names of both languages. "orientation.sty" is type 10 in either language (its
// texts are German); "e-adfpos.sty" reads as type 5, which has the layout of type 11.
FileKind fileKindOf(const QString &fileName);
// The language a file name implies: English for an "e-" prefix, German otherwise.
Language languageOf(const QString &fileName);

inline constexpr int kSessionColumn = 0; // stands for qaSession
inline constexpr int kSeparator = -1;    // the line behind the session line

struct Place {
    int tag;    // characters skipped before the value
    int column; // 1..19, kSessionColumn or kSeparator
};

struct Layout {
    bool markers = false;  // ":qa:," and ":qb:," lines are recognised
    bool qcMarker = false; // ":qc:," as well
    std::span<const Place> places;
};

// The layout of an exercise type; empty places outside 1..14.
Layout layoutOf(qint16 type);
// Markers the exercise actually shows (the position types): a file without them is incomplete.
QStringList requiredMarkers(qint16 type);

// The lines of a file as the control reads them: CR or CR LF ends a line, Windows-1252.
QStringList splitLines(const QByteArray &bytes);

struct WalkedValue {
    int line = 0; // 1-based
    int column = 0;
    QString text;    // the line without its tag
    bool short_ = false; // the line is shorter than its tag
};

struct WalkedRecord {
    int firstLine = 0;
    std::vector<WalkedValue> values; // in file order, the separator left out
    bool complete = false;           // its separator line is there
    const WalkedValue *value(int column) const;
};

struct WalkedMarker {
    int line = 0;
    QString marker; // ":qa:," ...
    QString text;
};

struct Walk {
    std::vector<WalkedRecord> records;
    std::vector<WalkedMarker> markers;
};

Walk walkStudyFile(const QStringList &lines, qint16 type);

} // namespace orvik3::study
