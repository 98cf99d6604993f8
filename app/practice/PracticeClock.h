#pragma once

#include <QtGlobal>

namespace orvik3::trainer {

// The time practice is planned and logged by, in ms since the epoch: the wall clock, or, when
// ORVIK3_PRACTICE_NOW holds a date and time (ISO 8601, UTC), a clock that starts there when
// first read after the variable was set and runs on at the usual pace, so that a test can
// practise on two evenings a day apart. Used from the window thread only.
class PracticeClock
{
public:
    static qint64 now();
};

} // namespace orvik3::trainer
