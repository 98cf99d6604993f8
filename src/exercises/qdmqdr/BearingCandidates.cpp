#include "exercises/qdmqdr/BearingCandidates.h"

#include "exercises/PanelContext.h"
#include "exercises/OptionOrder.h"

#include <orvik3/Error.h>

#include <array>
#include <cmath>

#include <QCoreApplication>

namespace orvik3::qdmqdr {

namespace {
constexpr int kSlots = 4;
} // namespace

void drawCandidates(const PanelContext &ctx)
{
    static constexpr qint16 kOffsets[kSlots] = {90, 0, 180, 10};
    for (int k = 1; k <= kSlots; ++k)
        ctx.question.optionOffsets[k] = kOffsets[k - 1];

    drawOptionOrder(ctx, kSlots);
}

double candidateOffset(const PanelContext &ctx, int place)
{
    const int slot = ctx.question.optionOrder.at(place);
    if (slot < 1 || slot >= int(ctx.question.optionOffsets.size()))
        throw Error(ErrorKind::IndexOutOfRange, QCoreApplication::translate("orvik3::Error", "candidate slot %1 outside 1..5").arg(slot));
    return ctx.question.optionOffsets[slot];
}

} // namespace orvik3::qdmqdr
