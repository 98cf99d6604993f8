#pragma once

#include <QSqlDatabase>
#include <QString>

namespace orvik3::school {

// A Qt SQL connection of its own name, removed again when it goes: Qt keeps connections in a
// global registry by name, and a name may be used by one thread only.
class SqlConnection
{
public:
    explicit SqlConnection(const QString &driver);
    ~SqlConnection();
    SqlConnection(const SqlConnection &) = delete;
    SqlConnection &operator=(const SqlConnection &) = delete;

    QSqlDatabase &db() { return m_db; }
    // The driver's last error as text.
    QString lastError() const;

private:
    QString m_name;
    QSqlDatabase m_db;
};

} // namespace orvik3::school
