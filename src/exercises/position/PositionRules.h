#pragma once

// How the third answer of an HSI position question (type 1) stores two accepted entries:
// "+first+second+". The panel judges by this split and the linter checks files with it.

#include <QString>

#include <optional>
#include <utility>

namespace orvik3::position {

// Whether the stored answer is meant as two alternatives (it starts with a plus sign).
inline bool isAlternatives(const QString &stored) { return stored.startsWith(u'+'); }

// The two texts between the plus signs; empty when the second or third plus sign is missing,
// so the alternatives cannot be told apart. Text behind the third plus sign is ignored.
inline std::optional<std::pair<QString, QString>> splitAlternatives(const QString &stored)
{
    if (!isAlternatives(stored))
        return std::nullopt;
    const qsizetype second = stored.indexOf(u'+', 1);
    const qsizetype third = second < 0 ? -1 : stored.indexOf(u'+', second + 1);
    if (third < 0)
        return std::nullopt;
    return std::pair{stored.mid(1, second - 1), stored.mid(second + 1, third - second - 1)};
}

} // namespace orvik3::position
