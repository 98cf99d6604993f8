#include "explain/HoldingExplainer.h"

#include "explain/Explanation.h"

#include <cmath>

namespace orvik3::trainer {

namespace {

int wrap(int deg) { return ((deg % 360) + 360) % 360; }

// Clockwise distance from `from` to `deg`.
int clockwise(int from, int deg) { return wrap(deg - from); }

} // namespace

QString threeDigits(double degrees)
{
    int d = int(std::lround(degrees)) % 360;
    if (d < 0)
        d += 360;
    return QStringLiteral("%1").arg(d, 3, 10, QLatin1Char('0'));
}

std::array<HoldingExplainer::Sector, 3> HoldingExplainer::sectors(int inbound, bool rightHand)
{
    // Offsets from the inbound course of the sector borders, as the panel's solver draws them.
    if (rightHand)
        return {{{Entry::Direct, wrap(inbound - 70), wrap(inbound + 110)},
                 {Entry::Offset, wrap(inbound + 110), wrap(inbound + 180)},
                 {Entry::Parallel, wrap(inbound + 180), wrap(inbound + 290)}}};
    return {{{Entry::Direct, wrap(inbound - 110), wrap(inbound + 70)},
             {Entry::Parallel, wrap(inbound + 70), wrap(inbound + 180)},
             {Entry::Offset, wrap(inbound + 180), wrap(inbound + 250)}}};
}

HoldingExplainer::Entry HoldingExplainer::entryFor(int heading, int inbound, bool rightHand)
{
    // A heading on a border belongs to the sector that ends there, the direct sector first.
    for (const Sector &s : sectors(inbound, rightHand)) {
        if (clockwise(s.from, heading) <= clockwise(s.from, s.to))
            return s.entry;
    }
    return Entry::Direct;
}

QString HoldingExplainer::entryName(Entry entry)
{
    switch (entry) {
    case Entry::Direct: return tr("direct");
    case Entry::Offset: return tr("offset (teardrop)");
    case Entry::Parallel: return tr("parallel");
    }
    return {};
}

QString HoldingExplainer::reason(int heading, int inbound, bool rightHand)
{
    const Entry e = entryFor(heading, inbound, rightHand);
    for (const Sector &s : sectors(inbound, rightHand)) {
        if (s.entry != e)
            continue;
        // Whole sentences: entry and hand change the grammar around them in other languages.
        QString sentence;
        switch (e) {
        case Entry::Direct:
            sentence = rightHand ? tr("Heading %1 lies in the direct entry sector %2°–%3° of a right-hand hold inbound %4.")
                                 : tr("Heading %1 lies in the direct entry sector %2°–%3° of a left-hand hold inbound %4.");
            break;
        case Entry::Offset:
            sentence = rightHand
                           ? tr("Heading %1 lies in the offset (teardrop) entry sector %2°–%3° of a right-hand hold inbound %4.")
                           : tr("Heading %1 lies in the offset (teardrop) entry sector %2°–%3° of a left-hand hold inbound %4.");
            break;
        case Entry::Parallel:
            sentence = rightHand ? tr("Heading %1 lies in the parallel entry sector %2°–%3° of a right-hand hold inbound %4.")
                                 : tr("Heading %1 lies in the parallel entry sector %2°–%3° of a left-hand hold inbound %4.");
            break;
        }
        return sentence.arg(threeDigits(heading), threeDigits(s.from), threeDigits(s.to), threeDigits(inbound));
    }
    return {};
}

} // namespace orvik3::trainer
