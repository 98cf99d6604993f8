#pragma once

#include "MemoryModel.h"
#include "Review.h"

#include <QSqlDatabase>
#include <QString>

#include <map>
#include <memory>
#include <span>
#include <vector>

namespace orvik3::practice {

// The trainee's review log: every answered row appended to an SQLite database of its own
// (write-ahead log, every commit synced), with the memory state of every skill kept beside
// the log and updated in the same transaction, so that opening needs no replay. Once
// append() has returned true the reviews are on disk, whatever happens to the process.
class ReviewLog
{
public:
    static constexpr int kSchemaVersion = 3;

    // The user's log, beside the statistics store.
    static QString defaultPath();
    // Opens the log, making it and its folder when missing and bringing an older schema up
    // to date; nullptr with *error when the file is no log of ours or cannot be opened.
    // A scratch log (a simulated student's) is not synced: it need not survive a power cut.
    enum class Durability { Synced, Scratch };
    static std::unique_ptr<ReviewLog> open(const QString &path, QString *error, Durability durability = Durability::Synced);
    ~ReviewLog();
    ReviewLog(const ReviewLog &) = delete;
    ReviewLog &operator=(const ReviewLog &) = delete;

    // Appends the reviews of one question in one transaction; false with *error, and
    // nothing appended, when it fails. Reviews of unknown skills are refused.
    bool append(std::span<const Review> reviews, QString *error);
    // The memory of every skill reviewed so far, by skill id.
    const std::map<QString, MemoryState> &states() const { return m_states; }
    const MemoryParameters &parameters() const { return m_parameters; }
    // Keeps new parameters and recomputes every state with them from the whole log.
    bool setParameters(const MemoryParameters &parameters, QString *error);
    // Every review, oldest first.
    std::vector<Review> reviews() const;
    // At most `limit` reviews with an id above `id`, oldest first.
    std::vector<Review> reviewsAfter(qint64 id, int limit) const;
    qint64 count() const;

    // A random id of this log, made once: with a review's id it names the review everywhere.
    QString deviceId() const { return meta(QStringLiteral("device")); }
    // Small settings kept in the log itself (what was published, ...); empty when unset.
    QString meta(const QString &key) const;
    bool setMeta(const QString &key, const QString &value, QString *error);
    // A consistent copy of the whole log in a new file `path` (which must not exist yet).
    bool copyTo(const QString &path, QString *error) const;
    QString path() const { return m_db.databaseName(); }

private:
    ReviewLog() = default;
    bool prepare(QString *error);
    bool migrate(int from, QString *error);
    bool loadStates(QString *error);
    bool rebuild(QString *error);
    bool fail(const QString &what, QString *error) const;

    QString m_connection;
    bool m_synced = true;
    QSqlDatabase m_db;
    MemoryParameters m_parameters = MemoryParameters::defaults();
    std::map<QString, MemoryState> m_states;
};

} // namespace orvik3::practice
