#include "exercises/qdmqdr/CandidateOrder.h"

#include "control/InstanceState.h"

#include <orvik3/Error.h>

#include <array>
#include <cmath>

namespace orvik3::qdmqdr {

namespace {
constexpr int kSlots = 4;
constexpr int kMaxDraws = 1000;
} // namespace

void drawCandidates(InstanceState &s)
{
    static constexpr qint16 kOffsets[kSlots] = {90, 0, 180, 10};
    for (int k = 1; k <= kSlots; ++k)
        s.optionOffsets[k] = kOffsets[k - 1];

    std::array<bool, kSlots + 1> taken{};
    s.services.random->reseed();
    for (int k = 1; k <= kSlots; ++k) {
        int r = 0;
        int draws = 0;
        do {
            // Single precision on purpose, as the candidates were always placed.
            const float product = s.services.random->next() * float(kSlots) + 1.0f;
            r = int(std::floor(product));
            // A draw just below 1 can round up to 5 in single precision; keep it on the last slot.
            if (r > kSlots)
                r = kSlots;
            if (r < 1)
                r = 1;
            ++draws;
        } while (taken[r] && draws != kMaxDraws);
        taken[r] = true;
        s.optionOrder[k] = qint16(r);
    }
}

double candidateOffset(const InstanceState &s, int place)
{
    const int slot = s.optionOrder.at(place);
    if (slot < 1 || slot >= int(s.optionOffsets.size()))
        throw Error(ErrorKind::IndexOutOfRange, QStringLiteral("candidate slot %1 outside 1..5").arg(slot));
    return s.optionOffsets[slot];
}

} // namespace orvik3::qdmqdr
