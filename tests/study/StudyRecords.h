#pragma once

// Study-file records of every layout, for tests: values named after their column and row as a
// number (column 13, row 2 is "13002", so that the holding panels can read it as a heading),
// session names "s<row>.ses".

#include "support/TestHost.h"

#include "platform/LineReader.h"

#include <QStringList>
#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace orvik3::test {

inline constexpr int kSession = 0;

// Tag length and column of every stored line of a record, in file order (column 0: session).
struct Layout { std::vector<qint16> types; bool markers; std::vector<std::pair<int, int>> places; };

inline const std::vector<Layout> &layouts()
{
    static const std::vector<Layout> all = {
        {{1, 10}, true, {{5, 13}, {5, 14}, {5, 15}, {4, kSession}}},
        {{2, 3, 4, 9, 14}, true, {{5, 3}, {5, 13}, {5, 14}, {5, 15}, {4, kSession}}},
        {{5, 11},
         false,
         {{6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5}, {6, 6}, {6, 7}, {6, 8}, {6, 9}, {6, 10}, {6, 11}, {6, 12}, {5, 13},
          {5, 14}, {5, 15}, {5, 16}, {5, 17}, {4, kSession}}},
        {{6, 7, 12, 13}, false, {{5, 1}, {5, 17}, {5, 18}, {5, 19}, {5, 13}, {5, 14}, {5, 15}, {5, 16}, {4, kSession}}},
        {{8},
         false,
         {{5, 1}, {5, 2}, {5, 15}, {5, 16}, {5, 17}, {5, 18}, {5, 14}, {5, 13}, {5, 19}, {5, 3}, {5, 4}, {4, kSession}}},
    };
    return all;
}

inline const Layout &layoutOf(qint16 type)
{
    for (const Layout &l : layouts())
        if (std::find(l.types.begin(), l.types.end(), type) != l.types.end())
            return l;
    throw std::logic_error("no layout");
}

inline QString cell(int column, int row) { return QString::number(column * 1000 + row); }

// The lines of one record of the type, values named by column and row, then a separator.
inline QStringList record(qint16 type, int row, const QString &separator = QStringLiteral("-----"))
{
    QStringList lines;
    for (auto [tag, column] : layoutOf(type).places)
        lines << tagged(tag, column == kSession ? QStringLiteral("s%1.ses").arg(row) : cell(column, row));
    lines << separator;
    return lines;
}

inline QStringList records(qint16 type, int count)
{
    QStringList lines;
    for (int r = 0; r < count; ++r)
        lines << record(type, r);
    return lines;
}

inline QByteArray crlf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += LineReader::encode(line) + "\r\n";
    return bytes;
}

} // namespace orvik3::test
