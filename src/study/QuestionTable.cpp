#include "study/QuestionTable.h"

#include "platform/ValueRules.h"

#include <orvik3/Error.h>

#include <QCoreApplication>

namespace orvik3 {

namespace {
int checkedColumn(int column)
{
    if (column < 1 || column > QuestionTable::columns)
        throw Error(ErrorKind::IndexOutOfRange, QCoreApplication::translate("orvik3::Error", "no question column %1").arg(column));
    return column;
}
} // namespace

QString &QuestionTable::col(int column, int row)
{
    return m_cols[checkedColumn(column)][values::checkedRow(row, "question table")];
}

const QString &QuestionTable::col(int column, int row) const
{
    return m_cols[checkedColumn(column)][values::checkedRow(row, "question table")];
}

QString &QuestionTable::session(int row)
{
    return m_session[values::checkedRow(row, "session names")];
}

const QString &QuestionTable::session(int row) const
{
    return m_session[values::checkedRow(row, "session names")];
}

} // namespace orvik3
