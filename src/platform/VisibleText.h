#pragma once

#include <orvik3/orvik3_export.h>

#include <QString>

namespace orvik3 {

// Text taken from a file, made safe to put in a message: every control character is written as
// an escape (NUL as \0, tab, CR and LF as \t, \r and \n, other C0 and C1 controls and DEL as
// \xHH, the bidirectional overrides as \uHHHH), so that a file cannot move the cursor, clear a
// terminal, start a new line or reorder what is shown around it. Backslashes are left alone,
// so escaping twice changes nothing.
ORVIK3_EXPORT QString visibleText(const QString &text);

// The same for a value quoted from a file in a message: at most maxChars of it, the rest
// replaced by "…", so that a megabyte in one field makes a message of one line.
ORVIK3_EXPORT QString visibleQuote(const QString &text, qsizetype maxChars = 80);

} // namespace orvik3
