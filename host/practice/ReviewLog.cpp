#include "ReviewLog.h"

#include <orvik3/SettingsStore.h>
#include <orvik3/Skills.h>

#include <QDir>
#include <QFileInfo>
#include <QUuid>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace orvik3::practice {

namespace {

std::atomic<int> g_connections{0};

const char *const kCreate[] = {
    "CREATE TABLE reviews(id INTEGER PRIMARY KEY, at INTEGER NOT NULL, skill TEXT NOT NULL, type INTEGER NOT NULL,"
    " question TEXT NOT NULL, answer TEXT NOT NULL, outcome INTEGER NOT NULL, millis INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE skill_state(skill TEXT PRIMARY KEY, difficulty REAL NOT NULL, stability REAL NOT NULL,"
    " last_review INTEGER NOT NULL, reviews INTEGER NOT NULL, lapses INTEGER NOT NULL)",
    "CREATE TABLE parameters(i INTEGER PRIMARY KEY, w REAL NOT NULL)",
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL)",
};

bool exec(QSqlQuery &q, const QString &sql) { return q.exec(sql); }

} // namespace

QString ReviewLog::defaultPath() { return IniSettingsStore::defaultDirectory() + QStringLiteral("/reviews.sqlite"); }

bool ReviewLog::fail(const QString &what, QString *error) const
{
    *error = QStringLiteral("%1: %2: %3").arg(m_db.databaseName(), what, m_db.lastError().text());
    return false;
}

std::unique_ptr<ReviewLog> ReviewLog::open(const QString &path, QString *error, Durability durability)
{
    std::unique_ptr<ReviewLog> log(new ReviewLog);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        *error = QStringLiteral("%1: not a file").arg(path);
        return nullptr;
    }
    if (!QDir().mkpath(info.absolutePath())) {
        *error = QStringLiteral("%1: cannot make the folder").arg(info.absolutePath());
        return nullptr;
    }
    log->m_connection = QStringLiteral("orvik3-reviews-%1").arg(g_connections++);
    log->m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), log->m_connection);
    if (!log->m_db.isValid()) {
        *error = QStringLiteral("%1: the SQLite driver of Qt SQL is missing").arg(path);
        return nullptr;
    }
    log->m_db.setDatabaseName(path);
    // Another process (the study tool, a second trainer) may be writing for a moment.
    log->m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    log->m_synced = durability == Durability::Synced;
    if (!log->m_db.open() || !log->prepare(error)) {
        if (error->isEmpty())
            log->fail(QStringLiteral("cannot open"), error);
        return nullptr;
    }
    return log;
}

ReviewLog::~ReviewLog()
{
    m_db.close();
    m_db = QSqlDatabase();
    if (!m_connection.isEmpty())
        QSqlDatabase::removeDatabase(m_connection);
}

bool ReviewLog::prepare(QString *error)
{
    QSqlQuery q(m_db);
    // The write-ahead log keeps a commit whole when the process dies; syncing it at every
    // commit keeps it through a power cut too, at one sync per answered question.
    if (!exec(q, QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next())
        return fail(QStringLiteral("no log database"), error);
    if (q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0) {
        *error = QStringLiteral("%1: cannot keep a write-ahead log").arg(m_db.databaseName());
        return false;
    }
    if (!exec(q, m_synced ? QStringLiteral("PRAGMA synchronous=FULL") : QStringLiteral("PRAGMA synchronous=OFF")) || !exec(q, QStringLiteral("PRAGMA user_version")) || !q.next())
        return fail(QStringLiteral("no log database"), error);
    const int version = q.value(0).toInt();
    if (version > kSchemaVersion) {
        *error = QStringLiteral("%1: made by a newer version of the trainer (schema %2)").arg(m_db.databaseName()).arg(version);
        return false;
    }
    if (version < kSchemaVersion && !migrate(version, error))
        return false;
    if (!exec(q, QStringLiteral("SELECT i, w FROM parameters")))
        return fail(QStringLiteral("cannot read the parameters"), error);
    while (q.next()) {
        const int i = q.value(0).toInt();
        if (i >= 0 && i < MemoryParameters::kCount)
            m_parameters.w[std::size_t(i)] = q.value(1).toDouble();
    }
    return loadStates(error);
}

bool ReviewLog::migrate(int from, QString *error)
{
    if (!m_db.transaction())
        return fail(QStringLiteral("cannot start the schema update"), error);
    QSqlQuery q(m_db);
    bool ok = true;
    if (from == 0) {
        for (const char *sql : kCreate)
            ok = ok && exec(q, QString::fromLatin1(sql));
    } else {
        // Version 1 kept the log alone, without the time taken, and replayed it at every
        // start; the states and parameters are tables of their own since version 2, the
        // log's own settings (its device id) since version 3.
        if (from == 1) {
            ok = exec(q, QStringLiteral("ALTER TABLE reviews ADD COLUMN millis INTEGER NOT NULL DEFAULT 0"));
            for (const char *sql : {kCreate[1], kCreate[2]})
                ok = ok && exec(q, QString::fromLatin1(sql));
        }
        ok = ok && exec(q, QString::fromLatin1(kCreate[3]));
    }
    ok = ok && q.prepare(QStringLiteral("INSERT INTO meta VALUES('device', ?)"));
    q.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
    ok = ok && q.exec();
    ok = ok && exec(q, QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion));
    if (!ok) {
        const QString why = q.lastError().text();
        m_db.rollback();
        *error = QStringLiteral("%1: cannot update the schema from version %2: %3").arg(m_db.databaseName()).arg(from).arg(why);
        return false;
    }
    if (!m_db.commit())
        return fail(QStringLiteral("cannot update the schema"), error);
    return from != 1 || rebuild(error);
}

bool ReviewLog::loadStates(QString *error)
{
    m_states.clear();
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!exec(q, QStringLiteral("SELECT skill, difficulty, stability, last_review, reviews, lapses FROM skill_state")))
        return fail(QStringLiteral("cannot read the skill states"), error);
    while (q.next())
        m_states[q.value(0).toString()] = {q.value(1).toDouble(), q.value(2).toDouble(), q.value(3).toLongLong(),
                                           q.value(4).toInt(), q.value(5).toInt()};
    return true;
}

bool ReviewLog::append(std::span<const Review> reviews, QString *error)
{
    for (const Review &r : reviews)
        if (!skillById(r.skill)) {
            *error = QStringLiteral("'%1' is no skill").arg(r.skill);
            return false;
        }
    if (reviews.empty())
        return true;
    const MemoryModel model(m_parameters);
    std::map<QString, MemoryState> changed;
    if (!m_db.transaction())
        return fail(QStringLiteral("cannot append"), error);
    QSqlQuery insert(m_db), state(m_db);
    bool ok = insert.prepare(QStringLiteral("INSERT INTO reviews(at, skill, type, question, answer, outcome, millis)"
                                            " VALUES(?, ?, ?, ?, ?, ?, ?)"))
              && state.prepare(QStringLiteral("INSERT OR REPLACE INTO skill_state VALUES(?, ?, ?, ?, ?, ?)"));
    for (const Review &r : reviews) {
        if (!ok)
            break;
        for (const QVariant &v : {QVariant(r.at), QVariant(r.skill), QVariant(int(r.type)), QVariant(r.question),
                                  QVariant(r.answer.isNull() ? QStringLiteral("") : r.answer), QVariant(int(r.outcome)),
                                  QVariant(r.millis)})
            insert.addBindValue(v);
        auto it = changed.find(r.skill);
        const MemoryState before = it != changed.end() ? it->second : m_states.count(r.skill) ? m_states.at(r.skill) : MemoryState{};
        const MemoryState after = model.review(before, gradeOf(r.outcome, r.millis), r.at);
        changed[r.skill] = after;
        for (const QVariant &v : {QVariant(r.skill), QVariant(after.difficulty), QVariant(after.stability),
                                  QVariant(after.lastReview), QVariant(after.reviews), QVariant(after.lapses)})
            state.addBindValue(v);
        ok = insert.exec() && state.exec();
    }
    if (!ok || !m_db.commit()) {
        const QString why = (ok ? m_db.lastError() : insert.lastError().isValid() ? insert.lastError() : state.lastError()).text();
        m_db.rollback();
        *error = QStringLiteral("%1: cannot append: %2").arg(m_db.databaseName(), why);
        return false;
    }
    for (auto &[skill, s] : changed)
        m_states[skill] = s;
    return true;
}

std::vector<Review> ReviewLog::reviews() const { return reviewsAfter(0, -1); }

std::vector<Review> ReviewLog::reviewsAfter(qint64 id, int limit) const
{
    std::vector<Review> out;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT at, skill, type, question, answer, outcome, millis, id FROM reviews WHERE id > ?"
                             " ORDER BY id LIMIT ?"));
    q.addBindValue(id);
    q.addBindValue(limit);
    if (!q.exec())
        return out;
    while (q.next())
        out.push_back({q.value(0).toLongLong(), q.value(1).toString(), qint16(q.value(2).toInt()), q.value(3).toString(),
                       q.value(4).toString(), Outcome(std::clamp(q.value(5).toInt(), 0, 2)), q.value(6).toInt(),
                       q.value(7).toLongLong()});
    return out;
}

QString ReviewLog::meta(const QString &key) const
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT value FROM meta WHERE key = ?"));
    q.addBindValue(key);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
}

bool ReviewLog::setMeta(const QString &key, const QString &value, QString *error)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO meta VALUES(?, ?)"));
    q.addBindValue(key);
    q.addBindValue(value);
    if (!q.exec()) {
        *error = QStringLiteral("%1: cannot keep %2: %3").arg(m_db.databaseName(), key, q.lastError().text());
        return false;
    }
    return true;
}

bool ReviewLog::copyTo(const QString &path, QString *error) const
{
    // VACUUM INTO reads one snapshot of the database, so a copy made while another process
    // appends is still whole; it refuses to write over an existing file.
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("VACUUM INTO ?"));
    q.addBindValue(path);
    if (!q.exec()) {
        *error = QStringLiteral("%1: cannot copy to %2: %3").arg(m_db.databaseName(), path, q.lastError().text());
        return false;
    }
    return true;
}

qint64 ReviewLog::count() const
{
    QSqlQuery q(m_db);
    return q.exec(QStringLiteral("SELECT count(*) FROM reviews")) && q.next() ? q.value(0).toLongLong() : 0;
}

bool ReviewLog::rebuild(QString *error)
{
    const MemoryModel model(m_parameters);
    std::map<QString, MemoryState> states;
    for (const Review &r : reviews())
        if (skillById(r.skill))
            states[r.skill] = model.review(states[r.skill], gradeOf(r.outcome, r.millis), r.at);
    if (!m_db.transaction())
        return fail(QStringLiteral("cannot rebuild the skill states"), error);
    QSqlQuery q(m_db);
    bool ok = exec(q, QStringLiteral("DELETE FROM skill_state")) && exec(q, QStringLiteral("DELETE FROM parameters"))
              && q.prepare(QStringLiteral("INSERT INTO parameters VALUES(?, ?)"));
    for (int i = 0; ok && i < MemoryParameters::kCount; ++i) {
        q.addBindValue(i);
        q.addBindValue(m_parameters.w[std::size_t(i)]);
        ok = q.exec();
    }
    ok = ok && q.prepare(QStringLiteral("INSERT INTO skill_state VALUES(?, ?, ?, ?, ?, ?)"));
    for (auto it = states.cbegin(); ok && it != states.cend(); ++it) {
        const MemoryState &s = it->second;
        for (const QVariant &v : {QVariant(it->first), QVariant(s.difficulty), QVariant(s.stability), QVariant(s.lastReview),
                                  QVariant(s.reviews), QVariant(s.lapses)})
            q.addBindValue(v);
        ok = q.exec();
    }
    if (!ok || !m_db.commit()) {
        m_db.rollback();
        return fail(QStringLiteral("cannot rebuild the skill states"), error);
    }
    m_states = std::move(states);
    return true;
}

bool ReviewLog::setParameters(const MemoryParameters &parameters, QString *error)
{
    const MemoryParameters before = m_parameters;
    m_parameters = parameters;
    if (rebuild(error))
        return true;
    m_parameters = before;
    return false;
}

} // namespace orvik3::practice
