#pragma once

// The words a QDM/QDR study file may store in its three word columns, and which option of the
// panel marks each of them right. The panel judges by these lists and the linter checks files
// against them, so an accepted word is accepted in both places or in neither.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

namespace orvik3::qdmqdr {

// What an option of a word row stands for.
enum class Meaning {
    Decrease,       // difference row: "kleiner"
    Constant,       // difference row: "gleich"
    Increase,       // difference row: "grösser"
    Left,           // first turn
    Maintain,       //
    Right,          //
    HeadingLess,    // first heading below the reference
    HeadingGreater, // first heading above it; keeping the heading counts as greater
};

// The stored words an option of that meaning marks right, exactly as written, the English word
// first (German files write "grösser" with "ss", unlike the caption).
inline std::span<const QStringView> wordsOf(Meaning m)
{
    static constexpr QStringView decrease[] = {u"decrease", u"kleiner"};
    static constexpr QStringView constant[] = {u"remain constant", u"gleich"};
    static constexpr QStringView increase[] = {u"increase", u"grösser"};
    static constexpr QStringView left[] = {u"left"};
    static constexpr QStringView maintain[] = {u"maintain"};
    static constexpr QStringView right[] = {u"right"};
    static constexpr QStringView greater[] = {u"increase", u"grösser", u"maintain"};
    switch (m) {
    case Meaning::Decrease:
    case Meaning::HeadingLess: return decrease;
    case Meaning::Constant: return constant;
    case Meaning::Increase: return increase;
    case Meaning::Left: return left;
    case Meaning::Maintain: return maintain;
    case Meaning::Right: return right;
    case Meaning::HeadingGreater: return greater;
    }
    return {};
}

inline bool accepts(Meaning m, const QString &stored)
{
    for (QStringView w : wordsOf(m))
        if (stored == w)
            return true;
    return false;
}

// The options of a word column (14 difference, 15 first turn, 16 first heading), in place order.
inline std::span<const Meaning> meaningsOfColumn(int column)
{
    static constexpr Meaning difference[] = {Meaning::Decrease, Meaning::Constant, Meaning::Increase};
    static constexpr Meaning turn[] = {Meaning::Left, Meaning::Maintain, Meaning::Right};
    static constexpr Meaning heading[] = {Meaning::HeadingLess, Meaning::HeadingGreater};
    switch (column) {
    case 14: return difference;
    case 15: return turn;
    case 16: return heading;
    default: return {};
    }
}

// Every word some option of the column marks right.
inline QStringList acceptedWords(int column)
{
    QStringList words;
    for (Meaning m : meaningsOfColumn(column))
        for (QStringView w : wordsOf(m))
            if (!words.contains(w))
                words << w.toString();
    return words;
}

} // namespace orvik3::qdmqdr
