#pragma once

#include <QByteArray>
#include <QString>

namespace orvik3 {

// Reads an 8-bit text file line by line as the study files were written: a line ends at CR
// or CR LF, a lone LF is part of the line, bytes are Windows-1252.
class LineReader
{
public:
    // Reads the whole file; false when it cannot be read, is not a plain file or is larger
    // than a study file may be.
    bool open(const QString &path);
    void setData(const QByteArray &bytes);
    bool atEnd() const { return m_pos >= m_data.size(); }
    // The next line without its terminator; an empty text at the end.
    QString readLine();
    // The same line as its bytes, valid until the reader reads other data; for callers that
    // decode only part of a line.
    QByteArrayView readRawLine();
    // 1-based number of the line readLine returned last.
    int lineNumber() const { return m_line; }
    void close();

    static QString decode(const QByteArray &bytes);
    static QByteArray encode(const QString &text);

private:
    QByteArray m_data;
    qsizetype m_pos = 0;
    int m_line = 0;
};

} // namespace orvik3
