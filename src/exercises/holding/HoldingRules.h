#pragma once

// What a holding or DME-arc study file may store and the panel accepts: the first-turn words
// of the arc, in the order of the arc's options, and the word that makes a holding right-hand.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace orvik3::holding {

// Option11, Option12, Option13 of the arc's first-turn row.
inline constexpr QStringView kArcTurnWords[] = {u"left", u"maintain", u"right"};

inline QStringList arcTurnWords()
{
    QStringList words;
    for (QStringView w : kArcTurnWords)
        words << w.toString();
    return words;
}

// Exactly this word makes a holding right-hand; anything else is taken as left-hand.
inline constexpr QStringView kRightHandWord = u"Standard";

} // namespace orvik3::holding
