#pragma once

#include <QString>
#include <QtGlobal>

namespace orvik3 {

// The holding-entry solver: from the heading flown to the fix, the inbound course and the
// kind of holding ("Standard" = right turns, anything else left turns) it gives the entry,
// the outbound heading, the offset-entry heading (gate), the abeam course, and the first
// heading and turn after passing the fix. Results are whole degrees in 0..359; 16-bit
// arithmetic raises an overflow error. A relative heading outside 0..359 (inputs outside
// their ranges) leaves entry, firstHDG and firstTurn as they were.
void findHoldingAnswer(qint16 &HDG, qint16 &inbound, QString &HLDtype, QString &entry, qint16 &outbound,
                       qint16 &gate, qint16 &abeam, qint16 &firstHDG, QString &firstTurn);

} // namespace orvik3
