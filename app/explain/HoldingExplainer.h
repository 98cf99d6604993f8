#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>

namespace orvik3::trainer {

// Why a holding entry is the right one: the three entry sectors around the holding fix, split
// the way the panel judges them (70° / 110° either side of the inbound course).
class HoldingExplainer
{
    Q_DECLARE_TR_FUNCTIONS(HoldingExplainer)
public:
    enum class Entry { Direct, Offset, Parallel };
    struct Sector {
        Entry entry = Entry::Direct;
        int from = 0; // headings from..to, clockwise, both ends in the sector
        int to = 0;
    };
    static std::array<Sector, 3> sectors(int inbound, bool rightHand);
    static Entry entryFor(int heading, int inbound, bool rightHand);
    static QString entryName(Entry entry);
    // "Heading 130 lies in the direct-entry sector 020°–200° of a right-hand hold inbound 090."
    static QString reason(int heading, int inbound, bool rightHand);
};

} // namespace orvik3::trainer
