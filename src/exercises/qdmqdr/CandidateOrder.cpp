#include "exercises/qdmqdr/CandidateOrder.h"

#include "control/InstanceState.h"
#include "exercises/CandidateOrder.h"

#include <orvik3/Error.h>

#include <array>
#include <cmath>

#include <QCoreApplication>

namespace orvik3::qdmqdr {

namespace {
constexpr int kSlots = 4;
} // namespace

void drawCandidates(InstanceState &s)
{
    static constexpr qint16 kOffsets[kSlots] = {90, 0, 180, 10};
    for (int k = 1; k <= kSlots; ++k)
        s.optionOffsets[k] = kOffsets[k - 1];

    drawOptionOrder(s, kSlots);
}

double candidateOffset(const InstanceState &s, int place)
{
    const int slot = s.optionOrder.at(place);
    if (slot < 1 || slot >= int(s.optionOffsets.size()))
        throw Error(ErrorKind::IndexOutOfRange, QCoreApplication::translate("orvik3::Error", "candidate slot %1 outside 1..5").arg(slot));
    return s.optionOffsets[slot];
}

} // namespace orvik3::qdmqdr
