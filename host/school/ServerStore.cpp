#include "ServerStore.h"

#include "Pseudonym.h"
#include "ReviewLog.h"

#include <orvik3/Skills.h>

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrlQuery>
#include <QVariant>

#include <map>
#include <set>
#include <tuple>

namespace orvik3::school {

namespace {

const char *const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS orvik3_reviews(pseudonym text NOT NULL, device text NOT NULL, local_id bigint NOT NULL,"
    " at bigint NOT NULL, skill text NOT NULL, type smallint NOT NULL, question text NOT NULL, answer text NOT NULL,"
    " outcome smallint NOT NULL, millis integer NOT NULL, PRIMARY KEY(pseudonym, device, local_id))",
    "CREATE TABLE IF NOT EXISTS orvik3_first_tries(pseudonym text NOT NULL, type smallint NOT NULL, question integer NOT NULL,"
    " skill text NOT NULL, at bigint NOT NULL, outcome smallint NOT NULL, answer text NOT NULL,"
    " PRIMARY KEY(pseudonym, type, question, skill))",
    // The reviews summed up per student and skill, and per student and day, as they come.
    "CREATE TABLE IF NOT EXISTS orvik3_skill_figures(pseudonym text NOT NULL, skill text NOT NULL, reviews integer NOT NULL,"
    " correct integer NOT NULL, last bigint NOT NULL, PRIMARY KEY(pseudonym, skill))",
    "CREATE TABLE IF NOT EXISTS orvik3_days(pseudonym text NOT NULL, day bigint NOT NULL, reviews integer NOT NULL,"
    " PRIMARY KEY(pseudonym, day))",
    "CREATE TABLE IF NOT EXISTS orvik3_skill_states(pseudonym text NOT NULL, skill text NOT NULL, difficulty double precision NOT NULL,"
    " stability double precision NOT NULL, last_review bigint NOT NULL, reviews integer NOT NULL, lapses integer NOT NULL,"
    " PRIMARY KEY(pseudonym, skill))",
};

// First tries whose fields make sense; the rest is reported and left out.
const QString kValid = QStringLiteral("type BETWEEN 1 AND 14 AND outcome BETWEEN 0 AND 2");

const char *const kTables[] = {"orvik3_reviews", "orvik3_first_tries", "orvik3_skill_figures", "orvik3_days", "orvik3_skill_states"};

// An element of an array literal: quoted, its quotes and backslashes escaped. The array goes
// to the server as one bound parameter, never as a part of the statement.
QString quoted(const QString &s)
{
    QString out = s;
    out.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

// Rows gathered column by column, each column written as an array literal.
class Columns
{
public:
    explicit Columns(std::size_t count) : m_columns(count) {}
    void add(const QStringList &row)
    {
        for (std::size_t c = 0; c < m_columns.size(); ++c)
            m_columns[c] << row[qsizetype(c)];
    }
    bool empty() const { return m_columns.front().isEmpty(); }
    std::size_t size() const { return m_columns.size(); }
    QStringList arrays() const
    {
        QStringList out;
        for (const QStringList &c : m_columns)
            out << QLatin1Char('{') + c.join(QLatin1Char(',')) + QLatin1Char('}');
        return out;
    }

private:
    std::vector<QStringList> m_columns;
};

} // namespace

ServerStore::ServerStore(const QUrl &url) : m_url(url) {}
ServerStore::~ServerStore() = default;

QString ServerStore::name() const { return m_url.toString(QUrl::RemovePassword | QUrl::RemoveQuery); }

bool ServerStore::fail(const QString &what, const QString &why, QString *error)
{
    *error = QStringLiteral("%1: %2: %3").arg(name(), what, why.trimmed());
    m_sql.reset(); // connect anew next time: the server may have gone and come back
    return false;
}

bool ServerStore::connect(QString *error)
{
    if (m_sql && m_sql->db().isOpen())
        return true;
    m_sql = std::make_unique<SqlConnection>(QStringLiteral("QPSQL"));
    QSqlDatabase &db = m_sql->db();
    if (!db.isValid())
        return fail(QStringLiteral("cannot connect"), QStringLiteral("Qt SQL's PostgreSQL driver is missing"), error);
    db.setHostName(m_url.host());
    db.setPort(m_url.port(5432));
    db.setUserName(m_url.userName());
    db.setPassword(m_url.password());
    db.setDatabaseName(m_url.path().mid(1));
    QStringList options{QStringLiteral("connect_timeout=3")};
    for (const auto &[key, value] : QUrlQuery(m_url).queryItems(QUrl::FullyDecoded))
        options << key + QLatin1Char('=') + value;
    db.setConnectOptions(options.join(QLatin1Char(';')));
    if (!db.open())
        return fail(QStringLiteral("cannot connect"), m_sql->lastError(), error);
    // Many trainers may start at once: one makes the tables, the others wait for it.
    QSqlQuery q(db);
    bool ok = q.exec(QStringLiteral("SET client_min_messages TO warning")) && db.transaction()
              && q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(3374417)"));
    for (const char *sql : kSchema)
        ok = ok && q.exec(QString::fromLatin1(sql));
    if (!ok || !db.commit()) {
        const QString why = q.lastError().isValid() ? q.lastError().text() : m_sql->lastError();
        return fail(QStringLiteral("cannot make the class tables"), why, error);
    }
    return true;
}

bool ServerStore::publish(practice::ReviewLog &log, const QString &pseudonym, QString *error)
{
    if (const QString why = pseudonymProblem(pseudonym); !why.isEmpty()) {
        *error = why;
        return false;
    }
    if (!connect(error))
        return false;
    // What this server acknowledged of the log, under this pseudonym.
    const QString key = QStringLiteral("published %1@%2").arg(pseudonym, name());
    qint64 mark = log.meta(key).toLongLong();
    for (;;) {
        const std::vector<practice::Review> batch = log.reviewsAfter(mark, kBatch);
        if (batch.empty())
            return true;
        if (!sendBatch(batch, log, pseudonym, error))
            return false;
        mark = batch.back().id;
        if (!log.setMeta(key, QString::number(mark), error))
            return false;
    }
}

bool ServerStore::sendBatch(const std::vector<practice::Review> &batch, const practice::ReviewLog &log,
                            const QString &pseudonym, QString *error)
{
    QSqlDatabase &db = m_sql->db();
    // Column by column as array parameters: one statement of a few parameters, whatever the
    // batch's size, parsed once by the server.
    Columns reviews(8);
    // The first try of every study-file row in the batch; the server keeps the earliest.
    std::map<std::tuple<qint16, int, QString>, const practice::Review *> firsts;
    std::set<QString> touched;
    for (const practice::Review &r : batch) {
        reviews.add({QString::number(r.id), QString::number(r.at), quoted(r.skill), QString::number(r.type), quoted(r.question),
                     quoted(r.answer), QString::number(int(r.outcome)), QString::number(r.millis)});
        if (const int n = studyQuestionNumber(r.type, r.question))
            firsts.try_emplace({r.type, n, r.skill}, &r);
        touched.insert(r.skill);
    }
    Columns first(6);
    for (const auto &[k, r] : firsts)
        first.add({QString::number(r->type), QString::number(std::get<1>(k)), quoted(r->skill), QString::number(r->at),
                   QString::number(int(r->outcome)), quoted(r->answer)});
    Columns states(6);
    for (const QString &skill : touched)
        if (const auto it = log.states().find(skill); it != log.states().end()) {
            const practice::MemoryState &m = it->second;
            states.add({quoted(skill), QString::number(m.difficulty, 'g', 17), QString::number(m.stability, 'g', 17),
                        QString::number(m.lastReview), QString::number(m.reviews), QString::number(m.lapses)});
        }
    const struct {
        const Columns &columns;
        const char *sql;
        const char *types[8];
    } statements[] = {
        // Only the reviews new to the server count in its sums: a resend adds nothing.
        {reviews, "WITH new AS (INSERT INTO orvik3_reviews SELECT CAST(? AS text), CAST(? AS text), * FROM unnest(%1)"
                  " ON CONFLICT DO NOTHING RETURNING skill, at, outcome),"
                  " figures AS (INSERT INTO orvik3_skill_figures SELECT CAST(? AS text), skill, count(*),"
                  " sum(CASE WHEN outcome = 0 THEN 1 ELSE 0 END), max(at) FROM new GROUP BY skill ON CONFLICT(pseudonym, skill)"
                  " DO UPDATE SET reviews = orvik3_skill_figures.reviews + excluded.reviews,"
                  " correct = orvik3_skill_figures.correct + excluded.correct, last = greatest(orvik3_skill_figures.last, excluded.last))"
                  " INSERT INTO orvik3_days SELECT CAST(? AS text), at / 86400000, count(*) FROM new GROUP BY 2"
                  " ON CONFLICT(pseudonym, day) DO UPDATE SET reviews = orvik3_days.reviews + excluded.reviews",
         {"bigint", "bigint", "text", "smallint", "text", "text", "smallint", "integer"}},
        {first, "INSERT INTO orvik3_first_tries SELECT CAST(? AS text), * FROM unnest(%1) ON CONFLICT(pseudonym, type, question, skill)"
                " DO UPDATE SET at = excluded.at, outcome = excluded.outcome, answer = excluded.answer WHERE excluded.at < orvik3_first_tries.at",
         {"smallint", "integer", "text", "bigint", "smallint", "text"}},
        {states, "INSERT INTO orvik3_skill_states SELECT CAST(? AS text), * FROM unnest(%1) ON CONFLICT(pseudonym, skill) DO UPDATE SET"
                 " difficulty = excluded.difficulty, stability = excluded.stability, last_review = excluded.last_review,"
                 " reviews = excluded.reviews, lapses = excluded.lapses WHERE excluded.last_review >= orvik3_skill_states.last_review",
         {"text", "double precision", "double precision", "bigint", "integer", "integer"}},
    };
    if (!db.transaction())
        return fail(QStringLiteral("cannot send"), m_sql->lastError(), error);
    QSqlQuery q(db);
    for (const auto &st : statements) {
        if (st.columns.empty())
            continue;
        QStringList casts;
        for (std::size_t c = 0; c < st.columns.size(); ++c)
            casts << QStringLiteral("CAST(? AS %1[])").arg(QLatin1String(st.types[c]));
        q.prepare(QString::fromLatin1(st.sql).arg(casts.join(QStringLiteral(", "))));
        q.addBindValue(pseudonym);
        if (&st.columns == &reviews)
            q.addBindValue(log.deviceId());
        for (const QString &array : st.columns.arrays())
            q.addBindValue(array);
        if (&st.columns == &reviews) {
            q.addBindValue(pseudonym);
            q.addBindValue(pseudonym);
        }
        if (!q.exec()) {
            const QString why = q.lastError().text();
            db.rollback();
            return fail(QStringLiteral("cannot send"), why, error);
        }
    }
    if (!db.commit())
        return fail(QStringLiteral("cannot send"), m_sql->lastError(), error);
    return true;
}

bool ServerStore::withdraw(const QString &pseudonym, int *removed, QString *error)
{
    *removed = 0;
    if (const QString why = pseudonymProblem(pseudonym); !why.isEmpty()) {
        *error = why;
        return false;
    }
    if (!connect(error))
        return false;
    QSqlDatabase &db = m_sql->db();
    QSqlQuery q(db);
    if (!db.transaction())
        return fail(QStringLiteral("cannot withdraw"), m_sql->lastError(), error);
    int reviews = 0;
    for (const char *table : kTables) {
        q.prepare(QStringLiteral("DELETE FROM %1 WHERE pseudonym = ?").arg(QLatin1String(table)));
        q.addBindValue(pseudonym);
        if (!q.exec()) {
            const QString why = q.lastError().text();
            db.rollback();
            return fail(QStringLiteral("cannot withdraw"), why, error);
        }
        if (table == kTables[0])
            reviews = q.numRowsAffected();
    }
    *removed = reviews;
    if (!db.commit())
        return fail(QStringLiteral("cannot withdraw"), m_sql->lastError(), error);
    return true;
}

bool ServerStore::rowFigures(ClassRecords &records, const std::set<QString> &refused, QString *error)
{
    // Item analysis where the first tries are: each row's figures and the corrected
    // item-total correlation (the student's score on every other row) in one pass.
    QStringList left;
    for (const QString &p : refused)
        left << quoted(p);
    const QString where = kValid + QStringLiteral(" AND NOT pseudonym = ANY(CAST(? AS text[]))");
    QSqlQuery q(m_sql->db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("WITH t AS (SELECT pseudonym, type, question, skill, CASE WHEN outcome = 0 THEN 1 ELSE 0 END AS x"
                             " FROM orvik3_first_tries WHERE %1),"
                             " s AS (SELECT pseudonym, sum(x) AS total, count(*) AS n FROM t GROUP BY pseudonym)"
                             " SELECT type, question, skill, count(*), sum(x), count(NULLIF(n - 1, 0)),"
                             " corr(x, CAST(total - x AS double precision) / NULLIF(n - 1, 0))"
                             " FROM t JOIN s USING (pseudonym) GROUP BY type, question, skill").arg(where));
    q.addBindValue(QLatin1Char('{') + left.join(QLatin1Char(',')) + QLatin1Char('}'));
    if (!q.exec())
        return fail(QStringLiteral("cannot read the first tries"), q.lastError().text(), error);
    std::map<std::tuple<qint16, int, int>, RowFigures> rows;
    while (q.next()) {
        RowFigures f{qint16(q.value(0).toInt()), q.value(1).toInt(), skillIndex(skillById(q.value(2).toString())), q.value(3).toInt(),
                     q.value(4).toInt(), std::nullopt, {}};
        if (f.skill < 0)
            continue; // named with the student's figures
        if (q.value(5).toInt() >= 3 && !q.value(6).isNull())
            f.discrimination = q.value(6).toDouble();
        rows[{f.type, f.question, f.skill}] = f;
    }
    q.prepare(QStringLiteral("SELECT type, question, skill, answer, count(*), bool_or(outcome = 0) FROM orvik3_first_tries WHERE %1"
                             " GROUP BY type, question, skill, answer").arg(where));
    q.addBindValue(QLatin1Char('{') + left.join(QLatin1Char(',')) + QLatin1Char('}'));
    if (!q.exec())
        return fail(QStringLiteral("cannot read the first tries"), q.lastError().text(), error);
    while (q.next()) {
        const auto it = rows.find({qint16(q.value(0).toInt()), q.value(1).toInt(), skillIndex(skillById(q.value(2).toString()))});
        if (it != rows.end())
            it->second.answers.push_back({q.value(3).toString(), q.value(4).toInt(), q.value(5).toBool()});
    }
    for (auto &[key, f] : rows)
        records.rows.push_back(std::move(f));
    return true;
}

bool ServerStore::read(ClassRecords &records, QString *error)
{
    if (!connect(error))
        return false;
    std::map<QString, StudentRecord> students;
    std::set<QString> refused;
    // The student of a row, or nullptr for a pseudonym no trainer would send (reported once).
    auto studentOf = [&](const QString &pseudonym) -> StudentRecord * {
        if (refused.count(pseudonym))
            return nullptr;
        if (const QString why = pseudonymProblem(pseudonym); !why.isEmpty()) {
            refused.insert(pseudonym);
            records.problems.push_back({name(), QStringLiteral("rows of the pseudonym '%1' left out: %2").arg(pseudonym, why)});
            return nullptr;
        }
        StudentRecord &s = students[pseudonym];
        s.pseudonym = pseudonym;
        s.source = name();
        return &s;
    };
    auto problem = [&](const QString &pseudonym, const QString &what) {
        records.problems.push_back({QStringLiteral("%1 (%2)").arg(name(), pseudonym), what + QStringLiteral(" left out")});
    };
    QSqlQuery q(m_sql->db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT pseudonym, skill, reviews, correct, last FROM orvik3_skill_figures")))
        return fail(QStringLiteral("cannot read the reviews"), q.lastError().text(), error);
    while (q.next()) {
        StudentRecord *s = studentOf(q.value(0).toString());
        const int skill = skillIndex(skillById(q.value(1).toString()));
        const SkillFigures f{q.value(2).toInt(), q.value(3).toInt(), q.value(4).toLongLong()};
        if (s && skill < 0)
            problem(s->pseudonym, QStringLiteral("%1 reviews of the unknown skill '%2'").arg(f.reviews).arg(q.value(1).toString()));
        else if (s && (f.reviews < 1 || f.right < 0 || f.right > f.reviews))
            problem(s->pseudonym, QStringLiteral("malformed figures of '%1'").arg(q.value(1).toString()));
        else if (s)
            s->skills[skill] = f;
    }
    if (!q.exec(QStringLiteral("SELECT day, sum(reviews) FROM orvik3_days WHERE reviews > 0 GROUP BY day")))
        return fail(QStringLiteral("cannot read the reviews"), q.lastError().text(), error);
    while (q.next())
        records.days[q.value(0).toLongLong()] += q.value(1).toInt();
    if (!q.exec(QStringLiteral("SELECT pseudonym, skill, difficulty, stability, last_review, reviews, lapses FROM orvik3_skill_states"
                               " WHERE stability > 0 AND reviews > 0")))
        return fail(QStringLiteral("cannot read the memory states"), q.lastError().text(), error);
    while (q.next()) {
        StudentRecord *s = studentOf(q.value(0).toString());
        if (const int skill = skillIndex(skillById(q.value(1).toString())); s && skill >= 0)
            s->states[skill] = {q.value(2).toDouble(), q.value(3).toDouble(), q.value(4).toLongLong(), q.value(5).toInt(), q.value(6).toInt()};
    }
    if (!q.exec(QStringLiteral("SELECT pseudonym, count(*) FROM orvik3_first_tries WHERE NOT (%1) GROUP BY pseudonym").arg(kValid)))
        return fail(QStringLiteral("cannot read the first tries"), q.lastError().text(), error);
    while (q.next())
        if (studentOf(q.value(0).toString()))
            problem(q.value(0).toString(), QStringLiteral("%1 malformed first tries").arg(q.value(1).toInt()));
    if (!rowFigures(records, refused, error))
        return false;
    for (auto &[pseudonym, s] : students)
        records.students.push_back(std::move(s));
    return true;
}

} // namespace orvik3::school
