#include "SnapshotReader.h"

#include "Pseudonym.h"
#include "ReviewLog.h"
#include "SqlConnection.h"

#include <orvik3/Skills.h>

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>

namespace orvik3::school {

namespace {

// Rows whose fields make sense; the rest is counted and left out.
#define VALID "outcome IN (0, 1, 2) AND type BETWEEN 1 AND 14 AND typeof(at) = 'integer' AND typeof(skill) = 'text'"

const SummaryTable kSummaries[] = {
    {"class_skills", "SELECT skill, count(*) AS reviews, sum(outcome = 0) AS correct, max(at) AS last FROM reviews WHERE " VALID
                     " GROUP BY skill"},
    {"class_days", "SELECT at / 86400000 AS day, count(*) AS reviews FROM reviews WHERE " VALID " GROUP BY 1"},
    // SQLite takes the other columns from the row of min(id): the first answer.
    {"class_first_tries", "SELECT type, question, skill, outcome, answer, min(id) AS id FROM reviews WHERE " VALID
                          " AND question NOT LIKE 'seed %' GROUP BY type, question, skill"},
    {"class_skipped", "SELECT count(*) AS reviews FROM reviews WHERE NOT (" VALID ")"},
};
#undef VALID

class Reader
{
public:
    explicit Reader(const QString &path) : m_path(path), m_sql(QStringLiteral("QSQLITE")) {}

    std::variant<SnapshotSummary, SourceProblem> read()
    {
        if (!QFileInfo(m_path).isFile())
            return problem(QStringLiteral("not a file"));
        m_sql.db().setDatabaseName(m_path);
        m_sql.db().setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!m_sql.db().open())
            return problem(QStringLiteral("cannot open: ") + m_sql.lastError());
        QSqlQuery q(m_sql.db());
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
            return problem(QStringLiteral("no snapshot: ") + q.lastError().text());
        const int version = q.value(0).toInt();
        if (version < 3 || version > practice::ReviewLog::kSchemaVersion)
            return problem(QStringLiteral("no snapshot of this version (schema %1)").arg(version));
        if (!q.exec(QStringLiteral("SELECT value FROM meta WHERE key = 'pseudonym'")) || !q.next())
            return problem(QStringLiteral("no pseudonym in the snapshot"));
        SnapshotSummary out;
        out.student.pseudonym = q.value(0).toString();
        out.student.source = m_path;
        if (const QString why = pseudonymProblem(out.student.pseudonym); !why.isEmpty())
            return problem(why);
        if (QFileInfo(m_path).fileName() != snapshotFileName(out.student.pseudonym))
            return problem(QStringLiteral("holds the pseudonym '%1', not its file name's").arg(out.student.pseudonym));
        if (!exec(q, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'class_skipped'")) || !q.next())
            return problem(QStringLiteral("not whole: ") + m_error);
        m_summed = q.value(0).toInt() == 1;
        if (!skills(out) || !days(out) || !states(out) || !firstTries(out))
            return problem(QStringLiteral("not whole: ") + m_error);
        if (!exec(q, from(3, QStringLiteral("reviews"))) || !q.next())
            return problem(QStringLiteral("not whole: ") + m_error);
        if (const int bad = q.value(0).toInt())
            note(out, QStringLiteral("%1 malformed reviews").arg(bad));
        return out;
    }

private:
    SourceProblem problem(const QString &message) const { return {m_path, message}; }

    // "SELECT columns FROM" the summary table, or its statement where the snapshot has none.
    QString from(int table, const QString &columns) const
    {
        const SummaryTable &t = kSummaries[table];
        return QStringLiteral("SELECT %1 FROM %2").arg(columns, m_summed ? QLatin1String(t.name) : QLatin1Char('(') + QLatin1String(t.select) + QLatin1Char(')'));
    }

    bool exec(QSqlQuery &q, const QString &sql)
    {
        q.setForwardOnly(true);
        if (q.exec(sql))
            return true;
        m_error = q.lastError().text();
        return false;
    }

    static void note(SnapshotSummary &out, const QString &what)
    {
        out.skipped += (out.skipped.isEmpty() ? QString() : QStringLiteral(", ")) + what;
    }

    bool skills(SnapshotSummary &out)
    {
        QSqlQuery q(m_sql.db());
        if (!exec(q, from(0, QStringLiteral("skill, reviews, correct, last"))))
            return false;
        while (q.next()) {
            const int skill = skillIndex(skillById(q.value(0).toString()));
            if (skill < 0)
                note(out, QStringLiteral("%1 reviews of the unknown skill '%2'").arg(q.value(1).toInt()).arg(q.value(0).toString()));
            else
                out.student.skills[skill] = {q.value(1).toInt(), q.value(2).toInt(), q.value(3).toLongLong()};
        }
        return true;
    }

    bool days(SnapshotSummary &out)
    {
        QSqlQuery q(m_sql.db());
        if (!exec(q, from(1, QStringLiteral("day, reviews"))))
            return false;
        while (q.next())
            out.days[q.value(0).toLongLong()] += q.value(1).toInt();
        return true;
    }

    bool states(SnapshotSummary &out)
    {
        QSqlQuery q(m_sql.db());
        if (!exec(q, QStringLiteral("SELECT skill, difficulty, stability, last_review, reviews, lapses FROM skill_state")))
            return false;
        while (q.next()) {
            const int skill = skillIndex(skillById(q.value(0).toString()));
            const practice::MemoryState s{q.value(1).toDouble(), q.value(2).toDouble(), q.value(3).toLongLong(), q.value(4).toInt(),
                                          q.value(5).toInt()};
            if (skill < 0 || !std::isfinite(s.stability) || s.stability <= 0 || s.reviews < 1)
                note(out, QStringLiteral("a malformed memory state of '%1'").arg(q.value(0).toString()));
            else
                out.student.states[skill] = s;
        }
        return true;
    }

    bool firstTries(SnapshotSummary &out)
    {
        QSqlQuery q(m_sql.db());
        if (!exec(q, from(2, QStringLiteral("type, question, skill, outcome, answer"))))
            return false;
        int bad = 0;
        while (q.next()) {
            const auto type = qint16(q.value(0).toInt());
            const int number = studyQuestionNumber(type, q.value(1).toString());
            const int skill = skillIndex(skillById(q.value(2).toString()));
            const int outcome = q.value(3).toInt();
            if (number > 0 && skill >= 0 && outcome >= 0 && outcome <= 2)
                out.student.firstTries.push_back({type, number, skill, outcome == 0, q.value(4).toString()});
            else
                bad += number > 0 && skill >= 0; // an unknown skill is named by skills()
        }
        if (bad)
            note(out, QStringLiteral("%1 malformed first tries").arg(bad));
        return true;
    }

    QString m_path;
    SqlConnection m_sql;
    QString m_error;
    bool m_summed = false;
};

} // namespace

std::span<const SummaryTable> summaryTables() { return kSummaries; }

std::variant<SnapshotSummary, SourceProblem> readSnapshot(const QString &path) { return Reader(path).read(); }

} // namespace orvik3::school
