// Appends reviews to a review log as the trainer would, one question (two rows) at a time:
//   review_appender <file> <count>
// Prints "appended <n>" after the n-th append has returned. Exit 0 when all were made, 3 on
// a log failure (message on stderr).
#include "ReviewLog.h"

#include <QCoreApplication>

#include <cstdio>

using namespace orvik3::practice;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s file count\n", argv[0]);
        return 2;
    }
    QString error;
    const std::unique_ptr<ReviewLog> log = ReviewLog::open(QString::fromLocal8Bit(argv[1]), &error);
    for (int n = 1; log && n <= std::atoi(argv[2]); ++n) {
        const qint64 at = 1700000000000LL + n * 60000LL;
        const Review rows[] = {{at, QStringLiteral("wind.wca"), 8, QStringLiteral("seed %1").arg(n), QStringLiteral("12"), Outcome::Right, 4000},
                               {at, QStringLiteral("wind.time"), 8, QStringLiteral("seed %1").arg(n), QStringLiteral("9.30"), Outcome::Wrong, 9000}};
        if (!log->append(rows, &error))
            break;
        std::printf("appended %d\n", n);
        std::fflush(stdout);
    }
    if (error.isEmpty())
        return 0;
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 3;
}
