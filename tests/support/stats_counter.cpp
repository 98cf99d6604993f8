// Counts attempts of one question on the on-disk settings store, as a host process would:
//   stats_counter <folder> <count> <question> [--wait] [--as-nobody] [--file-size-limit <bytes>] [--lock-timeout <ms>]
// With --wait it starts counting when a line arrives on stdin, so that two processes can be
// started together. Prints "counted <n>" after each count has returned. Exit 0 when all counts were made, 3 on a
// store failure (message on stderr).
#include "questions/Statistics.h"

#include <orvik3/Error.h>
#include <orvik3/SettingsStore.h>
#include <orvik3/TextTable.h>

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s folder count question [--as-nobody] [--file-size-limit bytes]\n", argv[0]);
        return 2;
    }
    bool wait = false;
    int lockTimeoutMs = orvik3::IniSettingsStore::kDefaultLockTimeoutMs;
    for (int i = 4; i < argc; ++i) {
        if (std::strcmp(argv[i], "--wait") == 0) {
            wait = true;
        } else if (std::strcmp(argv[i], "--as-nobody") == 0 && ::geteuid() == 0) {
            // Permissions do not stop root; run as a user they do stop.
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
                std::perror("setuid");
                return 2;
            }
        } else if (std::strcmp(argv[i], "--lock-timeout") == 0 && i + 1 < argc) {
            // On a loaded machine the other counter may hold the lock longer than a person waits.
            lockTimeoutMs = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--file-size-limit") == 0 && i + 1 < argc) {
            // A disk that takes no more bytes, even from root.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlim_t limit = std::strtoul(argv[++i], nullptr, 10);
            const rlimit rl{limit, limit};
            if (::setrlimit(RLIMIT_FSIZE, &rl) != 0) {
                std::perror("setrlimit");
                return 2;
            }
        }
    }
    const int count = std::atoi(argv[2]);
    const auto question = qint16(std::atoi(argv[3]));
    orvik3::IniSettingsStore store(QString::fromLocal8Bit(argv[1]));
    store.setLockTimeout(lockTimeoutMs);
    const auto texts = orvik3::TextTable::german();
    orvik3::Statistics stats(store, *texts, 9);
    if (wait) {
        char line[16];
        if (!std::fgets(line, sizeof line, stdin))
            return 2;
    }
    try {
        for (int n = 1; n <= count; ++n) {
            stats.countAttempt(QStringLiteral("qdm"), question);
            std::printf("counted %d\n", n);
            std::fflush(stdout);
        }
    } catch (const orvik3::Error &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 3;
    }
    return 0;
}
