#include "explain/HoldingExplainer.h"

#include "explain/Explanation.h"
#include "explain/RowReasons.h"

#include <cmath>

namespace orvik3::trainer {

QString threeDigits(double degrees)
{
    int d = int(std::lround(degrees)) % 360;
    if (d < 0)
        d += 360;
    return QStringLiteral("%1").arg(d, 3, 10, QLatin1Char('0'));
}

QString headingDigits(double degrees)
{
    const QString d = threeDigits(degrees);
    return d == QLatin1String("000") ? QStringLiteral("360") : d;
}

QString HoldingExplainer::entryName(HoldingEntry entry)
{
    switch (entry) {
    case HoldingEntry::Direct: return tr("direct");
    case HoldingEntry::Offset: return tr("offset (teardrop)");
    case HoldingEntry::Parallel: return tr("parallel");
    }
    return {};
}

QString HoldingExplainer::reason(int heading, int inbound, bool rightHand)
{
    const HoldingEntry e = holdingEntry(heading, inbound, rightHand);
    for (const HoldingSector &s : holdingSectors(inbound, rightHand)) {
        if (s.entry != e)
            continue;
        // Whole sentences: entry and hand change the grammar around them in other languages.
        QString sentence;
        switch (e) {
        case HoldingEntry::Direct:
            sentence = rightHand ? tr("Heading %1 lies in the direct entry sector %2°–%3° of a right-hand hold inbound %4.")
                                 : tr("Heading %1 lies in the direct entry sector %2°–%3° of a left-hand hold inbound %4.");
            break;
        case HoldingEntry::Offset:
            sentence = rightHand
                           ? tr("Heading %1 lies in the offset (teardrop) entry sector %2°–%3° of a right-hand hold inbound %4.")
                           : tr("Heading %1 lies in the offset (teardrop) entry sector %2°–%3° of a left-hand hold inbound %4.");
            break;
        case HoldingEntry::Parallel:
            sentence = rightHand ? tr("Heading %1 lies in the parallel entry sector %2°–%3° of a right-hand hold inbound %4.")
                                 : tr("Heading %1 lies in the parallel entry sector %2°–%3° of a left-hand hold inbound %4.");
            break;
        }
        return sentence.arg(threeDigits(heading), threeDigits(s.from), threeDigits(s.to), threeDigits(inbound));
    }
    return {};
}

QString HoldingExplainer::firstStep(int heading, int inbound, bool rightHand, bool turn)
{
    const int outbound = (inbound + 180) % 360;
    const int offset = (outbound + (rightHand ? 330 : 30)) % 360;
    switch (holdingEntry(heading, inbound, rightHand)) {
    case HoldingEntry::Direct:
        if (!turn)
            return tr("Direct entry: after the fix, turn onto the outbound heading %1.").arg(headingDigits(outbound));
        return rightHand ? tr("Direct entry: turn the way the hold turns, to the right.")
                         : tr("Direct entry: turn the way the hold turns, to the left.");
    case HoldingEntry::Parallel:
        if (!turn)
            return tr("Parallel entry: after the fix, fly the outbound heading %1 on the non-holding side.").arg(headingDigits(outbound));
        return rightHand ? tr("Parallel entry: turn away from the holding side, to the left.")
                         : tr("Parallel entry: turn away from the holding side, to the right.");
    case HoldingEntry::Offset:
        if (turn)
            return RowReasons::turn(heading, offset);
        return (rightHand ? tr("Offset entry: outbound %1 − 30 = %2, 30° toward the holding side of a right-hand hold.")
                          : tr("Offset entry: outbound %1 + 30 = %2, 30° toward the holding side of a left-hand hold."))
            .arg(headingDigits(outbound), headingDigits(offset));
    }
    return {};
}

} // namespace orvik3::trainer
