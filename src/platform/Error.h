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
};

// The one exception type of the library: everything raised "to the host" is an Error.
class ORVIK3_EXPORT Error : public std::runtime_error
{
public:
    Error(ErrorKind kind, const QString &message);

    ErrorKind kind() const noexcept { return m_kind; }
    QString message() const { return QString::fromUtf8(what()); }

    static QString kindName(ErrorKind kind);

private:
    ErrorKind m_kind;
};

} // namespace orvik3
