#include "exercises/holding/HoldingAnswer.h"

#include "exercises/holding/HoldingSolver.h"

namespace orvik3 {

namespace {

int wrap(int deg) { return ((deg % 360) + 360) % 360; }

// The sector lines against the inbound course: a right-hand hold is entered directly from 70°
// left of it to 110° right, offset up to the reciprocal, parallel from there; a left-hand hold
// the mirror image.
constexpr HoldingSector kRightHand[] = {{HoldingEntry::Direct, -70, 110},
                                        {HoldingEntry::Offset, 110, 180},
                                        {HoldingEntry::Parallel, 180, 290}};
constexpr HoldingSector kLeftHand[] = {{HoldingEntry::Direct, -110, 70},
                                       {HoldingEntry::Parallel, 70, 180},
                                       {HoldingEntry::Offset, 180, 250}};

} // namespace

std::array<HoldingSector, 3> holdingSectors(int inbound, bool rightHand)
{
    std::array<HoldingSector, 3> out{};
    for (int k = 0; k < 3; ++k) {
        const HoldingSector &s = (rightHand ? kRightHand : kLeftHand)[k];
        out[k] = {s.entry, wrap(inbound + s.from), wrap(inbound + s.to)};
    }
    return out;
}

HoldingEntry holdingEntry(int heading, int inbound, bool rightHand)
{
    for (const HoldingSector &s : holdingSectors(inbound, rightHand))
        if (wrap(heading - s.from) <= wrap(s.to - s.from))
            return s.entry;
    return HoldingEntry::Direct;
}

HoldingAnswer holdingAnswer(int heading, int inbound, bool rightHand)
{
    qint16 hdg = qint16(wrap(heading)), in = qint16(wrap(inbound)), outbound = 0, gate = 0, abeam = 0, first = 0;
    QString kind = rightHand ? QStringLiteral("Standard") : QStringLiteral("left"), entry, turn;
    findHoldingAnswer(hdg, in, kind, entry, outbound, gate, abeam, first, turn);
    const HoldingEntry e = entry == QLatin1String("offset")     ? HoldingEntry::Offset
                           : entry == QLatin1String("parallel") ? HoldingEntry::Parallel
                                                                : HoldingEntry::Direct;
    return {e, entry, outbound, gate, abeam, first, turn};
}

} // namespace orvik3
