// The yardstick of the trainer's start-up: a bare Qt window that draws one label, reporting at
// that moment what `orvik3-trainer --timing` reports when its first question is drawn, then
// writing the picture as the trainer does.
#include <QApplication>
#include <QLabel>
#include <QPixmap>

#include <cstdio>
#include <ctime>

#include <sys/resource.h>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QLabel label(QStringLiteral("Orvik3"));
    label.resize(1280, 800);
    label.show();
    const QPixmap shot = label.grab();
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "drawn; %.1f ms CPU, %.1f MiB peak, at %lld ns\n",
                 (use.ru_utime.tv_sec + use.ru_stime.tv_sec) * 1000.0 + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1000.0,
                 use.ru_maxrss / 1024.0, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    return shot.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
