#include "control/InstanceState.h"

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
    return m_cols[checkedColumn(column)][vb::checkedRow(row, "question table")];
}

const QString &QuestionTable::col(int column, int row) const
{
    return m_cols[checkedColumn(column)][vb::checkedRow(row, "question table")];
}

QString &QuestionTable::session(int row)
{
    return m_session[vb::checkedRow(row, "session names")];
}

const QString &QuestionTable::session(int row) const
{
    return m_session[vb::checkedRow(row, "session names")];
}

InstanceState::InstanceState(Services s)
    : services(std::move(s))
{
}

bool InstanceState::anyPartDone() const
{
    for (int i = 1; i <= 6; ++i)
        if (partDone[i])
            return true;
    return false;
}

bool InstanceState::allCorrect(int count) const
{
    for (int i = 1; i <= count; ++i)
        if (!partCorrect[i])
            return false;
    return true;
}

void InstanceState::clearParts()
{
    partCorrect.fill(false);
    partDone.fill(false);
}

} // namespace orvik3
