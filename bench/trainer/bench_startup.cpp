// Start-up of the trainer against a bare Qt window, run in pairs on the same machine at the
// same time, so that the ratio holds whatever else the machine does. Each run starts the
// program offscreen; when its window is drawn (the trainer's first question, the bare window's
// label) it reports its CPU time (user + system), its peak resident memory and the monotonic
// clock, from which the wall time since the start is reckoned. Writing the picture afterwards
// is not counted.
//
//   bench_trainer_startup [--runs N] [--base INSTALLATION]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

struct Run {
    double wallMs = 0, cpuMs = 0, peakMiB = 0;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Starts the program and reads its report from the error stream: "…; C ms CPU, P MiB peak, at N ns".
Run start(const std::vector<std::string> &args, const std::string &scratch)
{
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    const std::string report = scratch + "/report.txt";
    const long long t0 = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd = open(report.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0 || dup2(fd, 2) < 0)
            _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", argv[0], status);
        std::exit(1);
    }
    Run r;
    long long at = 0;
    bool found = false;
    if (FILE *f = std::fopen(report.c_str(), "r")) {
        char line[512];
        while (std::fgets(line, sizeof line, f)) {
            const char *p = std::strstr(line, "; ");
            if (p && std::sscanf(p, "; %lf ms CPU, %lf MiB peak, at %lld ns", &r.cpuMs, &r.peakMiB, &at) == 3)
                found = true;
        }
        std::fclose(f);
    }
    if (!found) {
        std::fprintf(stderr, "%s reported no drawing time\n", argv[0]);
        std::exit(1);
    }
    r.wallMs = (at - t0) / 1e6;
    return r;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 15;
    std::string base = ORVIK3_SAMPLE_DATA_DIR;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--base") == 0)
            base = argv[i + 1];
    }
    char scratch[] = "/tmp/orvik3-startup-XXXXXX";
    if (!mkdtemp(scratch))
        return 1;
    const std::string dir = scratch, png = dir + "/shot.png";
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);

    const std::vector<std::string> bare{ORVIK3_BARE_WINDOW, png};
    auto trainer = [&](int type) {
        return std::vector<std::string>{ORVIK3_TRAINER, "--base",       base, "--type", std::to_string(type),
                                        "--timing",     "--screenshot", png};
    };
    // One unmeasured pair: the file cache and the font cache are warm for both.
    start(bare, dir);
    start(trainer(1), dir);

    std::vector<double> wall[2], cpu[2], peak[2], wallRatio, cpuRatio;
    std::printf("%-4s %-5s %10s %10s %10s %10s %8s %8s\n", "run", "type", "bare ms", "trainer ms", "bare CPU",
                "train CPU", "bare MiB", "tr MiB");
    for (int k = 0; k < runs; ++k) {
        const int type = k % 14 + 1;
        // Alternating which goes first, so that neither always meets the warmer machine.
        Run b, t;
        if (k % 2) {
            t = start(trainer(type), dir);
            b = start(bare, dir);
        } else {
            b = start(bare, dir);
            t = start(trainer(type), dir);
        }
        wall[0].push_back(b.wallMs), wall[1].push_back(t.wallMs);
        cpu[0].push_back(b.cpuMs), cpu[1].push_back(t.cpuMs);
        peak[0].push_back(b.peakMiB), peak[1].push_back(t.peakMiB);
        wallRatio.push_back(t.wallMs / b.wallMs);
        cpuRatio.push_back(t.cpuMs / std::max(b.cpuMs, 1.0));
        std::printf("%-4d %-5d %10.1f %10.1f %10.1f %10.1f %8.1f %8.1f\n", k + 1, type, b.wallMs, t.wallMs, b.cpuMs,
                    t.cpuMs, b.peakMiB, t.peakMiB);
    }
    std::printf("\nto the window drawn, median of %d pairs\n", runs);
    std::printf("             bare    trainer   ratio (median of the pairs)\n");
    std::printf("wall ms  %9.1f %10.1f   %.2f\n", median(wall[0]), median(wall[1]), median(wallRatio));
    std::printf("CPU ms   %9.1f %10.1f   %.2f\n", median(cpu[0]), median(cpu[1]), median(cpuRatio));
    std::printf("peak MiB %9.1f %10.1f   %.2f\n", median(peak[0]), median(peak[1]), median(peak[1]) / median(peak[0]));
    std::string rm = "rm -rf '" + dir + "'";
    return std::system(rm.c_str()) == 0 ? 0 : 1;
}
