#pragma once

#include "ClassStore.h"
#include "Review.h"
#include "SqlConnection.h"

#include <QUrl>

#include <memory>
#include <set>
#include <vector>

namespace orvik3::school {

// A PostgreSQL server (Qt SQL's driver for it). Every review is appended under the key
// (pseudonym, device, review id) and a repeated key is skipped, so a batch sent again after
// a lost answer adds nothing; what the server acknowledged is marked in the student's own
// log, and whatever is not marked is sent at the next publish. The server keeps the first
// try of every study-file question and the newest memory state of every skill beside the
// reviews, and sums up the first tries itself for the item analysis, so that a report reads
// neither every review nor every first try.
class ServerStore : public ClassStore
{
public:
    explicit ServerStore(const QUrl &url);
    ~ServerStore() override;

    QString name() const override;
    bool publish(practice::ReviewLog &log, const QString &pseudonym, QString *error) override;
    bool withdraw(const QString &pseudonym, int *removed, QString *error) override;
    bool read(ClassRecords &records, QString *error) override;

    // Reviews sent at most in one transaction.
    static constexpr int kBatch = 1000;

private:
    bool connect(QString *error);
    bool fail(const QString &what, const QString &why, QString *error);
    bool rowFigures(ClassRecords &records, const std::set<QString> &refused, QString *error);
    bool sendBatch(const std::vector<practice::Review> &batch, const practice::ReviewLog &log, const QString &pseudonym,
                   QString *error);

    QUrl m_url;
    std::unique_ptr<SqlConnection> m_sql;
};

} // namespace orvik3::school
