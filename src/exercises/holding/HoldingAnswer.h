#pragma once

#include <orvik3/orvik3_export.h>

#include <QString>

#include <array>

namespace orvik3 {

enum class HoldingEntry { Direct, Offset, Parallel };

// The headings to the fix, from..to clockwise (both whole degrees), that give one entry.
struct HoldingSector {
    HoldingEntry entry;
    int from;
    int to;
};

// The three entry sectors of a holding as the panel judges them, the direct sector first; a
// heading on a line between two sectors belongs to the one listed first.
ORVIK3_EXPORT std::array<HoldingSector, 3> holdingSectors(int inbound, bool rightHand);
ORVIK3_EXPORT HoldingEntry holdingEntry(int heading, int inbound, bool rightHand);

// What the holding panel expects of a heading to the fix: the entry ("direct", "parallel",
// "offset"), the outbound heading, the heading of an offset entry, the abeam course, and the
// first heading and turn ("left", "right", "maintain") after passing the fix.
struct HoldingAnswer {
    HoldingEntry entry = HoldingEntry::Direct;
    QString entryWord;
    int outbound = 0;
    int gate = 0;
    int abeam = 0;
    int firstHeading = 0;
    QString firstTurn;
};

// Headings and the inbound course in whole degrees, 0..359.
ORVIK3_EXPORT HoldingAnswer holdingAnswer(int heading, int inbound, bool rightHand);

} // namespace orvik3
