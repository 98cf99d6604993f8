// A student's trainer publishing to a class as it practises: one question (two reviews)
// appended to its own review log at a time, the publisher called after each.
//   class_appender <log> <pseudonym> <location> <seconds>
// Prints "published <n>" whenever the class has every review up to the n-th question. At the
// end it keeps publishing until the class has all (at most a minute): then it prints
// "all <reviews in the log>" and exits 0; 3 if not.
#include "Publisher.h"
#include "ReviewLog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>

#include <cstdio>

using namespace orvik3;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s log pseudonym location seconds\n", argv[0]);
        return 2;
    }
    QString error;
    const std::unique_ptr<practice::ReviewLog> log = practice::ReviewLog::open(QString::fromLocal8Bit(argv[1]), &error);
    if (!log) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 3;
    }
    school::Publisher publisher({true, QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[2])}, 200);
    const qint64 end = QDateTime::currentMSecsSinceEpoch() + qint64(std::atof(argv[4]) * 1000);
    for (int n = 1; QDateTime::currentMSecsSinceEpoch() < end; ++n) {
        const qint64 at = QDateTime::currentMSecsSinceEpoch();
        const practice::Review rows[] = {
            {at, QStringLiteral("wind.wca"), 8, QStringLiteral("wind %1").arg(n % 20 + 1), QStringLiteral("12"), practice::Outcome::Right, 4000},
            {at, QStringLiteral("wind.time"), 8, QStringLiteral("wind %1").arg(n % 20 + 1), QStringLiteral("9.30"), practice::Outcome::Wrong, 9000}};
        if (!log->append(rows, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 3;
        }
        publisher.afterQuestion(*log, QDateTime::currentMSecsSinceEpoch());
        if (publisher.lastError().isEmpty() && publisher.lastPublished() > 0)
            std::printf("published %d\n", n);
        std::fflush(stdout);
        QThread::msleep(10);
    }
    for (int tries = 0; tries < 300; ++tries) {
        if (publisher.flush(*log, &error)) {
            std::printf("all %lld\n", log->count());
            return 0;
        }
        QThread::msleep(200);
    }
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 3;
}
