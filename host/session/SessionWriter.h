#pragma once

// Writes session files in the form the reader takes back.

#include "session/SessionRecords.h"

#include <QByteArray>
#include <QString>

namespace orvik3::host {

class SessionWriter
{
public:
    // Text that the reader turns back into an equal Session. Titles are written on one line,
    // so line breaks in them become spaces.
    static QByteArray toText(const Session &session);
    // Writes atomically; on failure returns false and sets *errorMessage.
    static bool save(const Session &session, const QString &path, QString *errorMessage = nullptr);
};

} // namespace orvik3::host
