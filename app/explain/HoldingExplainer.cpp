#include "explain/HoldingExplainer.h"

#include "explain/Explanation.h"

#include <cmath>

namespace orvik3::trainer {

QString threeDigits(double degrees)
{
    int d = int(std::lround(degrees)) % 360;
    if (d < 0)
        d += 360;
    return QStringLiteral("%1").arg(d, 3, 10, QLatin1Char('0'));
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

} // namespace orvik3::trainer
