// Both homes of a class against the real thing: a folder of snapshots and a PostgreSQL server
// started for the test. What the students published is what the class reads; a malformed
// snapshot or row is reported with its source and left out; a student can withdraw; a
// resend adds nothing; a server killed while trainers append loses nothing once it is back.
#include "ClassStore.h"
#include "ItemAnalysis.h"
#include "Pseudonym.h"
#include "ReviewLog.h"
#include "ScratchServer.h"
#include "SqlConnection.h"

#include <orvik3/Skills.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::practice;
using namespace orvik3::school;

namespace {

enum class Backend { Folder, Server };
void PrintTo(Backend b, std::ostream *os) { *os << (b == Backend::Folder ? "Folder" : "Server"); }

constexpr qint64 kDay = MemoryModel::kDayMs;

Review row(qint64 day, const char *skill, qint16 type, const char *question, const char *answer, Outcome o)
{
    return {day * kDay + 3600000, QLatin1String(skill), type, QLatin1String(question), QLatin1String(answer), o, 5000};
}

// Anna: HSI question 3 on day 0 (QDM wrong), its QDM again on day 1, and a generated question.
const std::vector<Review> kAnna = {row(0, "position.hsi.radial", 1, "hsipos 3", "030", Outcome::Right),
                                   row(0, "position.hsi.qdm", 1, "hsipos 3", "200", Outcome::Wrong),
                                   row(0, "position.hsi.station-side", 1, "hsipos 3", "Nach vorne", Outcome::Right),
                                   row(1, "position.hsi.qdm", 1, "hsipos 3", "210", Outcome::Right),
                                   row(1, "wind.wca", 8, "seed 77", "9", Outcome::Shown)};
const std::vector<Review> kBen = {row(2, "wind.wca", 8, "wind 1", "5", Outcome::Right)};

class ClassFixture : public ::testing::Test
{
protected:
    void init(Backend backend)
    {
        m_backend = backend;
        ASSERT_TRUE(m_dir.isValid());
        if (backend == Backend::Folder) {
            m_location = m_dir.filePath(QStringLiteral("class"));
            ASSERT_TRUE(QDir().mkpath(m_location));
        } else {
            m_location = ScratchServer::instance().url();
            ASSERT_FALSE(m_location.isEmpty()) << ScratchServer::instance().error().toStdString();
            serverSql(QStringLiteral("DROP TABLE IF EXISTS orvik3_reviews, orvik3_first_tries, orvik3_skill_figures, orvik3_days, orvik3_skill_states"));
        }
    }

    std::unique_ptr<ReviewLog> studentLog(const QString &name, const std::vector<Review> &reviews)
    {
        QString error;
        auto log = ReviewLog::open(m_dir.filePath(name + QStringLiteral(".sqlite")), &error);
        EXPECT_TRUE(log && log->append(reviews, &error)) << error.toStdString();
        return log;
    }

    void publish(ReviewLog &log, const QString &pseudonym)
    {
        QString error;
        const auto store = ClassStore::open(m_location, &error);
        ASSERT_TRUE(store && store->publish(log, pseudonym, &error)) << error.toStdString();
    }

    ClassRecords read()
    {
        ClassRecords records;
        QString error;
        const auto store = ClassStore::open(m_location, &error);
        EXPECT_TRUE(store && store->read(records, &error)) << error.toStdString();
        return records;
    }

    static const StudentRecord *student(const ClassRecords &r, const char *pseudonym)
    {
        const auto it = std::find_if(r.students.begin(), r.students.end(), [&](const StudentRecord &s) { return s.pseudonym == QLatin1String(pseudonym); });
        return it == r.students.end() ? nullptr : &*it;
    }

    static int reviews(const StudentRecord *s)
    {
        int n = 0;
        for (const auto &[skill, f] : s->skills)
            n += f.reviews;
        return n;
    }

    // SQL on the server or on a snapshot (statements split at ';'), through a connection of
    // its own; the first row of the last statement's answer.
    QVariantList serverSql(const QString &sql) { return runSql(QStringLiteral("QPSQL"), m_location, sql); }
    static QVariantList runSql(const QString &driver, const QString &where, const QString &sql)
    {
        SqlConnection c(driver);
        if (driver == QLatin1String("QPSQL")) {
            const QUrl url(where);
            c.db().setHostName(url.host());
            c.db().setPort(url.port());
            c.db().setUserName(url.userName());
            c.db().setDatabaseName(url.path().mid(1));
            c.db().setConnectOptions(QStringLiteral("options=-cclient_min_messages=warning"));
        } else {
            c.db().setDatabaseName(where);
        }
        EXPECT_TRUE(c.db().open()) << c.lastError().toStdString();
        QSqlQuery q(c.db());
        for (const QString &statement : sql.split(u';'))
            EXPECT_TRUE(q.exec(statement)) << statement.toStdString() << ": " << q.lastError().text().toStdString();
        QVariantList row;
        if (q.isSelect() && q.next())
            for (int i = 0; i < q.record().count(); ++i)
                row << q.value(i);
        return row;
    }

    QTemporaryDir m_dir;
    QString m_location;
    Backend m_backend = Backend::Folder;
};

class ClassStoreTest : public ClassFixture, public ::testing::WithParamInterface<Backend>
{
protected:
    void SetUp() override { init(GetParam()); }
};

TEST_P(ClassStoreTest, ReadsWhatWasPublishedAndAResendAddsNothing)
{
    auto anna = studentLog(QStringLiteral("anna"), kAnna);
    auto ben = studentLog(QStringLiteral("ben"), kBen);
    // A copy of Anna's log before the class acknowledged anything: later it sends again what
    // the class has, as a trainer does whose acknowledgement was lost.
    QString error;
    ASSERT_TRUE(anna->copyTo(m_dir.filePath(QStringLiteral("stale.sqlite")), &error)) << error.toStdString();
    publish(*anna, QStringLiteral("Anna"));
    publish(*ben, QStringLiteral("Ben"));
    const Review more = row(3, "position.hsi.qdm", 1, "hsipos 3", "210", Outcome::Right);
    ASSERT_TRUE(anna->append({&more, 1}, &error));
    publish(*anna, QStringLiteral("Anna"));
    if (GetParam() == Backend::Server) {
        auto stale = ReviewLog::open(m_dir.filePath(QStringLiteral("stale.sqlite")), &error);
        publish(*stale, QStringLiteral("Anna"));
    }

    const ClassRecords r = read();
    EXPECT_TRUE(r.problems.empty());
    ASSERT_EQ(r.students.size(), 2u);
    const StudentRecord *a = student(r, "Anna");
    ASSERT_TRUE(a);
    EXPECT_EQ(reviews(a), 6);
    const int qdm = skillIndex(skillById(u"position.hsi.qdm"));
    EXPECT_EQ(a->skills.at(qdm).reviews, 3);
    EXPECT_EQ(a->skills.at(qdm).right, 2);
    EXPECT_EQ(a->skills.at(qdm).last, 3 * kDay + 3600000);
    EXPECT_EQ(a->states.at(qdm), anna->states().at(QStringLiteral("position.hsi.qdm")));
    // The first tries, summed up by the server or from the snapshots: HSI question 3's three
    // rows as first answered; the generated question has none.
    const std::vector<RowFigures> rows = r.rows.empty() ? rowFigures(r.students) : r.rows;
    ASSERT_EQ(rows.size(), 4u); // Anna's three, Ben's wind question
    const auto first = std::find_if(rows.begin(), rows.end(), [&](const RowFigures &f) { return f.skill == qdm; });
    ASSERT_NE(first, rows.end());
    EXPECT_EQ(first->type, 1);
    EXPECT_EQ(first->question, 3);
    EXPECT_EQ(first->right, 0);
    ASSERT_EQ(first->answers.size(), 1u);
    EXPECT_EQ(first->answers[0].answer, QLatin1String("200"));
    EXPECT_EQ(r.days, (std::map<qint64, int>{{0, 3}, {1, 2}, {2, 1}, {3, 1}}));
}

TEST_P(ClassStoreTest, AWithdrawnStudentIsGoneAndTheOthersStay)
{
    auto anna = studentLog(QStringLiteral("anna"), kAnna);
    auto ben = studentLog(QStringLiteral("ben"), kBen);
    publish(*anna, QStringLiteral("Anna"));
    publish(*ben, QStringLiteral("Ben"));
    QString error;
    int removed = 0;
    auto store = ClassStore::open(m_location, &error);
    ASSERT_TRUE(store->withdraw(QStringLiteral("Anna"), &removed, &error)) << error.toStdString();
    EXPECT_EQ(removed, GetParam() == Backend::Folder ? 1 : 5);
    const ClassRecords r = read();
    ASSERT_EQ(r.students.size(), 1u);
    EXPECT_EQ(r.students[0].pseudonym, QLatin1String("Ben"));
    EXPECT_EQ(r.days, (std::map<qint64, int>{{2, 1}}));
    ASSERT_TRUE(store->withdraw(QStringLiteral("Anna"), &removed, &error));
    EXPECT_EQ(removed, 0);
    EXPECT_FALSE(store->withdraw(QStringLiteral("../Ben"), &removed, &error));
}

INSTANTIATE_TEST_SUITE_P(Backends, ClassStoreTest, ::testing::Values(Backend::Folder, Backend::Server),
                         [](const auto &info) { return info.param == Backend::Folder ? "Folder" : "Server"; });

// Something broken beside Anna's good snapshot or rows: reported with where it is, left out,
// and Anna read whole.
struct Damage {
    const char *name;
    Backend backend;
    const char *sql;      // on Cleo's snapshot, or on the server
    const char *renameTo; // Cleo's snapshot renamed to this
    const char *junk;     // a text file of this name in the folder
    const char *source;  // the end of the problem's source
    const char *message; // part of the problem's message
};

void PrintTo(const Damage &d, std::ostream *os) { *os << d.name; }

const Damage kDamages[] = {
    {"TextFile", Backend::Folder, nullptr, nullptr, "junk.class.sqlite", "junk.class.sqlite", "no snapshot"},
    {"NewerSchema", Backend::Folder, "PRAGMA user_version=99", nullptr, nullptr, "Cleo.class.sqlite", "schema 99"},
    {"RenamedSnapshot", Backend::Folder, nullptr, "Dora.class.sqlite", nullptr, "Dora.class.sqlite", "holds the pseudonym 'Cleo'"},
    {"UnknownSkill", Backend::Folder, "INSERT INTO class_skills VALUES('radar.magic', 1, 1, 1)", nullptr, nullptr, "Cleo.class.sqlite",
     "1 reviews of the unknown skill 'radar.magic'"},
    {"OutcomeOutOfRange", Backend::Folder, "INSERT INTO class_first_tries VALUES(1, 'hsipos 1', 'position.hsi.qdm', 7, 'x', 99)", nullptr,
     nullptr, "Cleo.class.sqlite", "1 malformed first tries"},
    // A snapshot without its sums is summed up by the reader, with the same care.
    {"UnsummedBadRows", Backend::Folder,
     "DROP TABLE class_skills; DROP TABLE class_days; DROP TABLE class_first_tries; DROP TABLE class_skipped;"
     " INSERT INTO reviews(at, skill, type, question, answer, outcome) VALUES(1, 'radar.magic', 1, 'hsipos 1', 'x', 0);"
     " INSERT INTO reviews(at, skill, type, question, answer, outcome) VALUES(1, 'wind.wca', 8, 'wind 1', 'x', 7)",
     nullptr, nullptr, "Cleo.class.sqlite", "1 reviews of the unknown skill 'radar.magic', 1 malformed reviews"},
    {"UnknownSkill", Backend::Server, "INSERT INTO orvik3_skill_figures VALUES('Cleo', 'radar.magic', 1, 1, 1)", nullptr, nullptr,
     "(Cleo)", "1 reviews of the unknown skill 'radar.magic'"},
    {"OutcomeOutOfRange", Backend::Server, "INSERT INTO orvik3_first_tries VALUES('Cleo', 1, 1, 'position.hsi.qdm', 1, 7, 'x')", nullptr,
     nullptr, "(Cleo)", "1 malformed first tries"},
    {"MoreRightThanReviews", Backend::Server, "UPDATE orvik3_skill_figures SET correct = 9 WHERE pseudonym = 'Cleo'", nullptr, nullptr,
     "(Cleo)", "malformed figures of 'wind.wca'"},
    {"PathAsPseudonym", Backend::Server, "INSERT INTO orvik3_skill_figures VALUES('../x', 'wind.wca', 1, 1, 1)", nullptr, nullptr,
     "/class", "pseudonym '../x' left out"},
};

class DamagedClassTest : public ClassFixture, public ::testing::WithParamInterface<Damage>
{
protected:
    void SetUp() override { init(GetParam().backend); }
};

TEST_P(DamagedClassTest, IsReportedWithItsSourceAndLeftOut)
{
    const Damage &d = GetParam();
    auto anna = studentLog(QStringLiteral("anna"), kAnna);
    auto cleo = studentLog(QStringLiteral("cleo"), kBen);
    publish(*anna, QStringLiteral("Anna"));
    publish(*cleo, QStringLiteral("Cleo"));
    const QString cleoFile = QDir(m_location).filePath(snapshotFileName(QStringLiteral("Cleo")));
    if (d.sql)
        runSql(d.backend == Backend::Server ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"),
               d.backend == Backend::Server ? m_location : cleoFile, QLatin1String(d.sql));
    if (d.renameTo)
        ASSERT_TRUE(QFile::rename(cleoFile, QDir(m_location).filePath(QLatin1String(d.renameTo))));
    if (d.junk) {
        QFile junk(QDir(m_location).filePath(QLatin1String(d.junk)));
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray("hsipos_total 1=3\n").repeated(300));
    }
    const ClassRecords r = read();
    const auto p = std::find_if(r.problems.begin(), r.problems.end(), [&](const SourceProblem &p) {
        return p.source.endsWith(QLatin1String(d.source)) && p.message.contains(QLatin1String(d.message));
    });
    EXPECT_NE(p, r.problems.end()) << (r.problems.empty() ? std::string("no problem")
                                                           : (r.problems[0].source + QStringLiteral(": ") + r.problems[0].message).toStdString());
    const StudentRecord *a = student(r, "Anna");
    ASSERT_TRUE(a);
    EXPECT_EQ(reviews(a), 5);
    // A bad row leaves its student's other rows in; a bad snapshot leaves the student out.
    const StudentRecord *c = student(r, "Cleo");
    if (c)
        EXPECT_EQ(reviews(c), d.name == std::string("MoreRightThanReviews") ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedClassTest, ::testing::ValuesIn(kDamages), [](const auto &info) {
    return std::string(info.param.backend == Backend::Folder ? "Folder" : "Server") + info.param.name;
});

// Trainers appending while the server is killed and comes back: once it is back, it has
// every review of the log exactly once.
TEST_F(ClassFixture, AKilledServerLosesNothingOnceBack)
{
    init(Backend::Server);
    ASSERT_FALSE(HasFatalFailure());
    QProcess appender;
    const QString log = m_dir.filePath(QStringLiteral("eve.sqlite"));
    appender.start(QStringLiteral(CLASS_APPENDER), {log, QStringLiteral("Eve"), m_location, QStringLiteral("6")});
    QByteArray output;
    while (!output.contains("published 40\n") && appender.waitForReadyRead(30000))
        output += appender.readAllStandardOutput();
    ASSERT_TRUE(output.contains("published 40\n")) << output.toStdString() << appender.readAllStandardError().toStdString();
    ASSERT_TRUE(ScratchServer::instance().kill()) << ScratchServer::instance().error().toStdString();
    QThread::msleep(1500); // the trainer goes on practising; its reviews wait in its log
    ASSERT_TRUE(ScratchServer::instance().start()) << ScratchServer::instance().error().toStdString();
    ASSERT_TRUE(appender.waitForFinished(120000));
    EXPECT_EQ(appender.exitCode(), 0) << appender.readAllStandardError().toStdString();

    QString error;
    const auto local = ReviewLog::open(log, &error);
    ASSERT_TRUE(local) << error.toStdString();
    const ClassRecords r = read();
    ASSERT_EQ(r.students.size(), 1u);
    EXPECT_EQ(reviews(&r.students[0]), local->count());
    EXPECT_GT(local->count(), 100);
    // Every key once: as many distinct review ids as the log has, none above its last.
    const QVariantList keys = serverSql(QStringLiteral("SELECT count(*), count(DISTINCT local_id), max(local_id) FROM orvik3_reviews"));
    ASSERT_EQ(keys.size(), 3);
    for (const QVariant &v : keys)
        EXPECT_EQ(v.toLongLong(), local->count());
}

} // namespace
