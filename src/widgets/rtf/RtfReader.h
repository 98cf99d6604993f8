#pragma once

#include <QByteArray>
#include <QString>

QT_BEGIN_NAMESPACE
class QTextDocument;
QT_END_NAMESPACE

namespace orvik3 {

struct RtfParseResult {
    bool ok = false;
    // Human-readable reason including line, column and byte offset; empty on success.
    QString error;
    // Byte offset in the input where the problem was detected; -1 on success.
    qsizetype errorOffset = -1;
};

// Reads the small subset of RTF used by the documents we ship (tips, notes)
// into a QTextDocument. Deliberately strict: anything malformed is rejected
// with a position rather than rendered half-right: a silently garbled help
// text is worse than a clear failure that shows up the first time it is opened.
//
// Character formatting: bold, italic, underline, font size, colour table.
// Structure: paragraphs and line breaks only; tables, lists, pictures,
// fields' instructions, headers/footers and metadata are dropped.
// Text is decoded as Windows-1252 for \'hh and raw 8-bit bytes, plus \uN.
class RtfReader {
public:
    // Deeper nesting than this is not produced by any sane writer and is
    // treated as hostile input.
    static constexpr int kMaxGroupDepth = 256;
    static constexpr qsizetype kMaxInputBytes = qsizetype(32) * 1024 * 1024;
    static constexpr int kMaxControlWordLetters = 32;
    static constexpr int kMaxParameterDigits = 10;
    // What a reader can take in a window, and what a document can hold before laying it out
    // costs seconds: a file of nothing but paragraph marks is refused at these.
    static constexpr int kMaxParagraphs = 5000;
    static constexpr qsizetype kMaxCharacters = 200000;

    // Parses rtf into doc (which is cleared first). On failure doc is left
    // empty, false is returned and *error (if given) describes where and why.
    static bool read(const QByteArray &rtf, QTextDocument *doc, QString *error = nullptr);

    // Same as read(), but also reports the byte offset of a failure.
    static RtfParseResult parse(const QByteArray &rtf, QTextDocument *doc);
};

} // namespace orvik3
