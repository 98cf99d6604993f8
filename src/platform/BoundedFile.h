#pragma once

#include <orvik3/FileLimits.h>
#include <orvik3/orvik3_export.h>

#include <QByteArray>
#include <QString>

namespace orvik3 {

// Reads a whole file that may have been put there by anyone: only a regular file is read (a
// FIFO, a device or a folder is refused without blocking), and never more than the limit of
// its kind, counted while reading, since a reported size can be 0 or wrong.
class ORVIK3_EXPORT BoundedFile
{
public:
    enum class Status {
        Ok,
        Missing,    // no such file (or a component of its folder is missing)
        Unreadable, // it exists but cannot be opened or read
        NotRegular, // a FIFO, device, socket or folder
        TooLarge,   // more than the limit
    };

    struct Result {
        Status status = Status::Ok;
        QByteArray bytes; // the content when status is Ok
        QString error;    // "PATH: why", naming the file (its control characters escaped) and, past the limit, the limit
        bool ok() const { return status == Status::Ok; }
    };

    static Result read(const QString &path, const FileLimit &limit);
    // The content, or an Error of kind FileFailure with the text of the failed result.
    static QByteArray readOrThrow(const QString &path, const FileLimit &limit);

    static QString limitText(qint64 bytes);
};

} // namespace orvik3
