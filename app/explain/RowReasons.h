#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace orvik3 {
class QAform;
}

namespace orvik3::trainer {

struct Situation;

// One sentence of why for every answer row of the question on display, in the order of the
// panel's rows: the sum or difference that gives a bearing, the side that makes a bearing
// grow, the double-offset rule of an intercept, the turn and heading of a holding entry.
// A row gets an empty sentence only when the situation lacks what it needs.
class RowReasons
{
    Q_DECLARE_TR_FUNCTIONS(RowReasons)
public:
    static QStringList of(const QAform &form, const Situation &situation);

    // "From heading 250 to 240 the shorter turn is 10° to the left."
    static QString turn(double fromDeg, double toDeg);
};

} // namespace orvik3::trainer
