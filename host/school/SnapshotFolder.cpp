#include "SnapshotFolder.h"

#include "Pseudonym.h"
#include "ReviewLog.h"
#include "SnapshotReader.h"
#include "SqlConnection.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>
#include <QVariant>

#include <atomic>
#include <cstdio>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace orvik3::school {

namespace {

// Syncs a file or a folder to the disk; false when it cannot be opened or synced.
bool syncPath(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// The copy gets the pseudonym, its sums for the readers, and an ordinary journal, so that
// readers of a read-only share need no files beside it.
bool stamp(const QString &path, const QString &pseudonym, QString *error)
{
    SqlConnection sql(QStringLiteral("QSQLITE"));
    sql.db().setDatabaseName(path);
    if (!sql.db().open()) {
        *error = sql.lastError();
        return false;
    }
    QSqlQuery q(sql.db());
    bool ok = q.exec(QStringLiteral("PRAGMA journal_mode=DELETE")) && sql.db().transaction()
              && q.prepare(QStringLiteral("INSERT OR REPLACE INTO meta VALUES('pseudonym', ?)"));
    q.addBindValue(pseudonym);
    ok = ok && q.exec();
    for (const SummaryTable &t : summaryTables())
        ok = ok && q.exec(QStringLiteral("CREATE TABLE %1 AS %2").arg(QLatin1String(t.name), QLatin1String(t.select)));
    ok = ok && sql.db().commit();
    if (!ok)
        *error = q.lastError().text();
    return ok;
}

} // namespace

bool SnapshotFolder::publish(practice::ReviewLog &log, const QString &pseudonym, QString *error)
{
    if (const QString why = pseudonymProblem(pseudonym); !why.isEmpty()) {
        *error = why;
        return false;
    }
    const QDir dir(m_folder);
    if (!dir.exists()) {
        *error = QStringLiteral("%1: no such folder").arg(m_folder);
        return false;
    }
    // A hidden name that no reader takes for a snapshot.
    const QString temporary = dir.filePath(QStringLiteral(".%1.%2").arg(QUuid::createUuid().toString(QUuid::Id128), pseudonym));
    const QString target = dir.filePath(snapshotFileName(pseudonym));
    QString why;
    bool ok = log.copyTo(temporary, &why) && stamp(temporary, pseudonym, &why);
    if (ok && !syncPath(temporary))
        why = QStringLiteral("cannot sync %1").arg(temporary), ok = false;
    if (ok && std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0)
        why = QStringLiteral("cannot rename %1 to %2").arg(temporary, target), ok = false;
    if (!ok) {
        QFile::remove(temporary);
        *error = QStringLiteral("%1: cannot publish: %2").arg(target, why);
        return false;
    }
    syncPath(m_folder); // the new name on disk too; a share may not sync folders
    return true;
}

bool SnapshotFolder::withdraw(const QString &pseudonym, int *removed, QString *error)
{
    *removed = 0;
    if (const QString why = pseudonymProblem(pseudonym); !why.isEmpty()) {
        *error = why;
        return false;
    }
    const QString path = QDir(m_folder).filePath(snapshotFileName(pseudonym));
    if (QFile::exists(path)) {
        if (!QFile::remove(path)) {
            *error = QStringLiteral("%1: cannot remove").arg(path);
            return false;
        }
        *removed = 1;
        syncPath(m_folder);
    }
    return true;
}

bool SnapshotFolder::read(ClassRecords &records, QString *error)
{
    const QDir dir(m_folder);
    if (!dir.exists()) {
        *error = QStringLiteral("%1: no such folder").arg(m_folder);
        return false;
    }
    const QStringList names = dir.entryList({QStringLiteral("*") + QLatin1String(kSnapshotSuffix)}, QDir::Files, QDir::Name);
    std::vector<std::variant<SnapshotSummary, SourceProblem>> read(std::size_t(names.size()));
    std::atomic<qsizetype> next{0};
    auto work = [&] {
        for (qsizetype i = next++; i < names.size(); i = next++)
            read[std::size_t(i)] = readSnapshot(dir.filePath(names[i]));
    };
    std::vector<std::thread> threads;
    const int count = std::clamp(QThread::idealThreadCount(), 1, 4);
    for (int t = 1; t < count; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread &t : threads)
        t.join();
    for (auto &r : read) {
        if (auto *p = std::get_if<SourceProblem>(&r)) {
            records.problems.push_back(std::move(*p));
            continue;
        }
        auto &s = std::get<SnapshotSummary>(r);
        if (!s.skipped.isEmpty())
            records.problems.push_back({s.student.source, s.skipped + QStringLiteral(" left out")});
        for (const auto &[day, n] : s.days)
            records.days[day] += n;
        records.students.push_back(std::move(s.student));
    }
    return true;
}

} // namespace orvik3::school
