#pragma once

// Session files under one name: the records (SessionRecords.h), read by SessionReader and
// written by SessionWriter.

#include "session/SessionReader.h"
#include "session/SessionWriter.h"

namespace orvik3::host {

class SessionFile
{
public:
    using Error = SessionReader::Error;
    using Result = SessionReader::Result;

    // fileName only labels error messages.
    static Result parse(const QByteArray &data, const QString &fileName)
    {
        return SessionReader::parse(data, fileName);
    }
    static Result load(const QString &path) { return SessionReader::load(path); }

    // Text that parse() turns back into an equal Session; line breaks in the title become spaces.
    static QByteArray toText(const Session &session) { return SessionWriter::toText(session); }
    // Writes atomically; on failure returns false and sets *errorMessage.
    static bool save(const Session &session, const QString &path, QString *errorMessage = nullptr)
    {
        return SessionWriter::save(session, path, errorMessage);
    }

    static constexpr int kFormatVersion = kSessionFormatVersion;
};

} // namespace orvik3::host
