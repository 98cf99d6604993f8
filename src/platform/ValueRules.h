#pragma once

#include <QString>
#include <QtGlobal>

// The value rules every panel shares: 16-bit Integers that fail loudly instead of wrapping,
// the lenient number reading of stored texts, the two ways of writing numbers, and the
// caption of a candidate heading.
namespace orvik3::values {

// Narrows to a 16-bit Integer; raises an overflow error outside -32768..32767. `what` names
// the computation in the message.
qint16 toInteger(qint64 value, const char *what = "Integer arithmetic");
qint16 add(qint16 a, qint16 b);
qint16 sub(qint16 a, qint16 b);
qint16 mul(qint16 a, qint16 b);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);
// roundHalfEven, then narrowed to an Integer (overflow error when it does not fit or is not finite).
qint16 roundToInteger(double value);

// Lenient number reading: leading blanks skipped, the longest numeric beginning taken
// (sign, digits, "." and an exponent), 0 when there is none.
double readNumber(const QString &text);

// Strict conversion of a text that must be a number as a whole (surrounding blanks allowed),
// rounded halves-to-even; a type-mismatch error otherwise, an overflow error when too large.
qint16 strictInteger(const QString &text);

// " 4", " 0", "-3", " 12.5": one blank before zero and positive numbers.
QString signedNumberText(double value);
// "4", "0", "-3", "12.5".
QString plainNumberText(double value);

// Caption of a candidate heading: rounded, reduced by 360 once above 359, 0 shown as 360,
// "005", "090", " 270".
QString headingText(double sum);

// Raises an index error unless 0 <= index <= 300, the bound of every table of the control.
int checkedRow(int index, const char *what);

} // namespace orvik3::values
