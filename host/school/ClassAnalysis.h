#pragma once

#include "ClassData.h"

namespace orvik3::school {

// The class from what its sources held: each student's figures per family and readiness at
// `exam` (ms since the epoch) from the memory states, the weakest skills, the item analysis
// and the reviews per day. A pseudonym met twice keeps its first source; the second is
// reported.
ClassData analyseClass(ClassRecords records, qint64 exam);

} // namespace orvik3::school
