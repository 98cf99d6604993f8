#pragma once

#include <QString>
#include <array>

namespace orvik3 {

// The question table: text columns qaCol01..qaCol19 and the session names, rows 0..300.
class QuestionTable
{
public:
    static constexpr int rows = 301;
    static constexpr int columns = 19;

    // Row and column are checked; an index outside the table raises an index error.
    QString &col(int column, int row);
    const QString &col(int column, int row) const;
    QString &session(int row);
    const QString &session(int row) const;

private:
    std::array<std::array<QString, rows>, columns + 1> m_cols; // column 0 unused
    std::array<QString, rows> m_session;
};

} // namespace orvik3
