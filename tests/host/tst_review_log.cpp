// The review log: what is appended is there after a reopen and after a kill, the states kept
// beside the log are the log's replay, older schemas are brought up to date, and files that
// are no log of ours are refused.
#include "ReviewLog.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

using namespace orvik3::practice;

namespace {

class ReviewLogTest : public ::testing::Test
{
protected:
    QString file() const { return m_dir.filePath(QStringLiteral("reviews.sqlite")); }

    // Runs SQL on the file through a connection of its own, as another program would.
    void sql(const QStringList &statements) const
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(file());
            QSqlQuery q(db.open() ? db : QSqlDatabase());
            for (const QString &s : statements)
                EXPECT_TRUE(q.exec(s)) << s.toStdString();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    }

    static Review review(qint64 day, const char *skill, Outcome outcome, qint32 millis = 5000)
    {
        return {day * MemoryModel::kDayMs, QString::fromLatin1(skill), 3, QStringLiteral("seed 9"), QStringLiteral("parallel"), outcome, millis};
    }

    QTemporaryDir m_dir;
};

// Three evenings of reviews, appended a question at a time: the states kept beside the log
// are what the model makes of the log, after a reopen too, and with new parameters.
TEST_F(ReviewLogTest, StatesFollowTheLogAcrossReopening)
{
    const std::vector<Review> reviews = {review(0, "holding.entry.parallel.left", Outcome::Wrong),
                                         review(0, "holding.first-turn", Outcome::Right, 60000),
                                         review(1, "holding.entry.parallel.left", Outcome::Shown),
                                         review(3, "holding.entry.parallel.left", Outcome::Right)};
    QString error;
    {
        auto log = ReviewLog::open(file(), &error);
        ASSERT_TRUE(log) << error.toStdString();
        for (std::size_t i = 0; i < reviews.size(); i += 2)
            ASSERT_TRUE(log->append(std::span(reviews).subspan(i, 2), &error)) << error.toStdString();
        const Review unknown = review(4, "holding.entry.sideways", Outcome::Right);
        EXPECT_FALSE(log->append({&unknown, 1}, &error));
        EXPECT_EQ(log->count(), 4);
    }
    auto log = ReviewLog::open(file(), &error);
    ASSERT_TRUE(log) << error.toStdString();
    const MemoryModel model;
    MemoryState entry = model.review({}, Grade::Again, reviews[0].at);
    entry = model.review(entry, Grade::Again, reviews[2].at);
    entry = model.review(entry, Grade::Good, reviews[3].at);
    EXPECT_EQ(log->states().at(QStringLiteral("holding.entry.parallel.left")), entry);
    EXPECT_EQ(log->states().at(QStringLiteral("holding.first-turn")), model.review({}, Grade::Hard, reviews[1].at));
    EXPECT_EQ(log->reviews().at(1).millis, 60000);
    EXPECT_EQ(log->reviews().at(2).outcome, Outcome::Shown);

    MemoryParameters fitted = MemoryParameters::defaults();
    fitted.w[2] = 1.5;
    ASSERT_TRUE(log->setParameters(fitted, &error));
    log.reset();
    log = ReviewLog::open(file(), &error);
    EXPECT_EQ(log->parameters(), fitted);
    EXPECT_DOUBLE_EQ(log->states().at(QStringLiteral("holding.first-turn")).stability, MemoryModel(fitted).initialStability(Grade::Hard));
}

// A log of the first schema (the reviews alone, no time taken): opened, it gets the time
// column, the states from its reviews and the current version, and keeps its reviews.
TEST_F(ReviewLogTest, MigratesTheFirstSchema)
{
    sql({QStringLiteral("CREATE TABLE reviews(id INTEGER PRIMARY KEY, at INTEGER NOT NULL, skill TEXT NOT NULL, type INTEGER NOT NULL,"
                        " question TEXT NOT NULL, answer TEXT NOT NULL, outcome INTEGER NOT NULL)"),
         QStringLiteral("INSERT INTO reviews(at, skill, type, question, answer, outcome) VALUES(0, 'wind.wca', 8, 'wind 3', '12', 0)"),
         QStringLiteral("INSERT INTO reviews(at, skill, type, question, answer, outcome) VALUES(86400000, 'wind.wca', 8, 'wind 4', '8', 1)"),
         QStringLiteral("PRAGMA user_version=1")});
    QString error;
    auto log = ReviewLog::open(file(), &error);
    ASSERT_TRUE(log) << error.toStdString();
    const MemoryModel model;
    EXPECT_EQ(log->states().at(QStringLiteral("wind.wca")),
              model.review(model.review({}, Grade::Good, 0), Grade::Again, MemoryModel::kDayMs));
    EXPECT_EQ(log->reviews().size(), 2u);
    EXPECT_FALSE(log->deviceId().isEmpty());
    const Review more = review(2, "wind.wca", Outcome::Right, 7000);
    ASSERT_TRUE(log->append({&more, 1}, &error)) << error.toStdString();
    EXPECT_EQ(log->reviews().back().millis, 7000);
}

// A log of the second schema (no settings of its own) gets a device id of its own, and keeps
// its reviews and states.
TEST_F(ReviewLogTest, MigratesTheSecondSchema)
{
    QString error;
    MemoryState state;
    {
        auto log = ReviewLog::open(file(), &error);
        const Review r = review(0, "wind.wca", Outcome::Right);
        ASSERT_TRUE(log && log->append({&r, 1}, &error)) << error.toStdString();
        state = log->states().at(QStringLiteral("wind.wca"));
    }
    sql({QStringLiteral("DROP TABLE meta"), QStringLiteral("PRAGMA user_version=2")});
    auto log = ReviewLog::open(file(), &error);
    ASSERT_TRUE(log) << error.toStdString();
    EXPECT_EQ(log->deviceId().size(), 36);
    EXPECT_EQ(log->count(), 1);
    EXPECT_EQ(log->states().at(QStringLiteral("wind.wca")), state);
}

// A text file, a log of a newer schema and a folder are refused with the reason.
TEST_F(ReviewLogTest, RefusesWhatIsNoLogOfOurs)
{
    QString error;
    QFile text(file());
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray("hsihld_total 1=3\n").repeated(200));
    text.close();
    EXPECT_FALSE(ReviewLog::open(file(), &error));
    EXPECT_TRUE(error.contains(QLatin1String("no log database"))) << error.toStdString();
    QFile::remove(file());
    sql({QStringLiteral("PRAGMA user_version=%1").arg(ReviewLog::kSchemaVersion + 1)});
    EXPECT_FALSE(ReviewLog::open(file(), &error));
    EXPECT_TRUE(error.contains(QLatin1String("newer version"))) << error.toStdString();
    EXPECT_FALSE(ReviewLog::open(m_dir.path(), &error));
}

// Killed at any moment, the log holds every append that returned, and the states beside it
// agree with it; the write-ahead log is what lets the next process recover.
TEST_F(ReviewLogTest, AnAppendThatReturnedSurvivesAKill)
{
    QProcess p;
    p.start(QStringLiteral(REVIEW_APPENDER), {file(), QStringLiteral("100000")});
    QByteArray output;
    while (!output.contains("appended 20\n") && p.waitForReadyRead(60000))
        output += p.readAllStandardOutput();
    p.kill(); // SIGKILL
    p.waitForFinished(60000);
    output += p.readAllStandardOutput();
    const auto appended = QRegularExpression(QStringLiteral("appended (\\d+)\\n$")).match(QString::fromLatin1(output));
    ASSERT_TRUE(appended.hasMatch()) << output.toStdString();
    const int reported = appended.captured(1).toInt();
    EXPECT_TRUE(QFile::exists(file() + QStringLiteral("-wal")));

    QString error;
    auto log = ReviewLog::open(file(), &error);
    ASSERT_TRUE(log) << error.toStdString();
    const qint64 questions = log->count() / 2;
    EXPECT_EQ(log->count() % 2, 0); // a question's rows go in together
    EXPECT_GE(questions, reported);
    EXPECT_LE(questions, reported + 1);
    EXPECT_EQ(log->states().at(QStringLiteral("wind.time")).reviews, questions);
    EXPECT_EQ(log->states().at(QStringLiteral("wind.time")).lapses, questions);
}

} // namespace
