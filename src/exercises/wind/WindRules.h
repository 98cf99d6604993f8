#pragma once

// What a wind study file may store and the panel accepts: the words of the three side columns
// and the largest time the panel can turn into seconds. The linter checks files by the same
// rules the panel judges with.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

namespace orvik3::wind {

// Minutes whose seconds (minutes x 60) still fit a 16-bit Integer.
inline constexpr double kMaxMinutes = 546;

// The side an option of a row stands for.
enum class Side { Head, Tail, Left, Right, Zero };

// The stored words an option of that side marks right, the English word first.
inline std::span<const QStringView> wordsOf(Side side)
{
    static constexpr QStringView head[] = {u"Head"};
    static constexpr QStringView tail[] = {u"Tail"};
    static constexpr QStringView left[] = {u"left", u"links"};
    static constexpr QStringView right[] = {u"right", u"rechts"};
    static constexpr QStringView zero[] = {u"-"};
    switch (side) {
    case Side::Head: return head;
    case Side::Tail: return tail;
    case Side::Left: return left;
    case Side::Right: return right;
    case Side::Zero: return zero;
    }
    return {};
}

inline bool accepts(Side side, const QString &stored)
{
    for (QStringView w : wordsOf(side))
        if (stored == w)
            return true;
    return false;
}

// Every word of the head/tail column (14), or of a crosswind or WCA side column (16, 18).
inline QStringList acceptedWords(bool headTailColumn)
{
    QStringList words;
    static constexpr Side headTail[] = {Side::Head, Side::Tail, Side::Zero};
    static constexpr Side crossSide[] = {Side::Left, Side::Right, Side::Zero};
    for (Side s : headTailColumn ? std::span<const Side>(headTail) : std::span<const Side>(crossSide))
        for (QStringView w : wordsOf(s))
            words << w.toString();
    return words;
}

} // namespace orvik3::wind
