#pragma once

// Reads session files: text into a Session, or the file and line of the first problem.

#include "session/SessionRecords.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace orvik3::host {

class SessionReader
{
public:
    struct Error {
        QString fileName;
        int line = 0; // 0 when the problem is not tied to a line
        QString message;
        // "file:line: message", or "file: message" without a line.
        QString toString() const;
    };

    struct Result {
        std::optional<Session> session;
        Error error; // meaningful only when session is empty
        explicit operator bool() const { return session.has_value(); }
    };

    // fileName only labels error messages.
    static Result parse(const QByteArray &data, const QString &fileName);
    static Result load(const QString &path);
};

} // namespace orvik3::host
