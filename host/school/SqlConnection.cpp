#include "SqlConnection.h"

#include <QSqlError>

#include <atomic>

namespace orvik3::school {

namespace {
std::atomic<int> g_count{0};
}

SqlConnection::SqlConnection(const QString &driver)
    : m_name(QStringLiteral("orvik3-class-%1").arg(g_count++)), m_db(QSqlDatabase::addDatabase(driver, m_name))
{
}

SqlConnection::~SqlConnection()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

QString SqlConnection::lastError() const { return m_db.lastError().text(); }

} // namespace orvik3::school
