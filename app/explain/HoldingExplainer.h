#pragma once

#include <orvik3/HoldingAnswer.h>

#include <QCoreApplication>
#include <QString>

namespace orvik3::trainer {

// Why a holding entry is the right one: the entry sector the heading lies in, as the
// library's holding solver draws the sectors.
class HoldingExplainer
{
    Q_DECLARE_TR_FUNCTIONS(HoldingExplainer)
public:
    static QString entryName(HoldingEntry entry);
    // "Heading 130 lies in the direct-entry sector 020°–200° of a right-hand hold inbound 090."
    static QString reason(int heading, int inbound, bool rightHand);
    // Why the first heading (or, with `turn`, the first turn) after the fix is what it is:
    // the outbound heading, or for an offset entry outbound ∓ 30° toward the holding side.
    static QString firstStep(int heading, int inbound, bool rightHand, bool turn);
};

} // namespace orvik3::trainer
