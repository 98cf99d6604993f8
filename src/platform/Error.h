#pragma once

#include <orvik3/orvik3_export.h>

#include <QString>
#include <stdexcept>

namespace orvik3 {

// What went wrong, so that a host can decide what to tell the trainee or the instructor.
enum class ErrorKind {
    Overflow,         // 16-bit Integer arithmetic left -32768..32767
    IndexOutOfRange,  // a question-table index outside 0..300
    TypeMismatch,     // a text that had to be a number as a whole was not
    MissingText,      // the text table lacks an id the control needs
    StoreFailure,     // the settings store could not be read or written
    ControlFailure,   // a child control refused a value, or an unknown control name
    FileFailure,      // a file the control had to open could not be read
    OutOfMemory,      // an allocation failed: the work was abandoned, nothing half-done kept
};

// The one exception type of the library: everything raised "to the host" is an Error.
class ORVIK3_EXPORT Error : public std::runtime_error
{
public:
    Error(ErrorKind kind, const QString &message);

    ErrorKind kind() const noexcept { return m_kind; }
    // "kind: detail", the text shown to people.
    QString message() const { return QString::fromUtf8(what()); }
    // What happened, without the kind: for passing it on as another kind without saying the
    // kind twice.
    QString detail() const { return m_detail; }

    static QString kindName(ErrorKind kind);
    // The Error a handler passes on for whatever it caught: an Error as it is, an allocation
    // failure as OutOfMemory, any other exception as a ControlFailure naming it.
    static Error from(const std::exception &e);

private:
    ErrorKind m_kind;
    QString m_detail;
};

} // namespace orvik3
