// The trainer run as a program, as scripts and the documentation run it: offscreen, with
// --screenshot, on a small installation written here.

#include "TrainerProcess.h"
#include "TrainerTestKit.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace orvik3::trainer;
using test::TrainerRun;

namespace {

TrainerRun runTrainer(const QStringList &args, const QString &configDir)
{
    return test::runTrainer(args, test::environmentWithConfig(configDir));
}

int colours(const QImage &img)
{
    QSet<QRgb> seen;
    for (int y = 0; y < img.height(); y += 4)
        for (int x = 0; x < img.width(); x += 4)
            seen.insert(img.pixel(x, y));
    return int(seen.size());
}

class Scripted : public testing::TestWithParam<int>
{
protected:
    static void SetUpTestSuite()
    {
        inst = new test::Installation;
        inst->writeAllTypes(2);
    }
    static void TearDownTestSuite()
    {
        delete inst;
        inst = nullptr;
    }
    static test::Installation *inst;
    QTemporaryDir out;
};

test::Installation *Scripted::inst = nullptr;

} // namespace

TEST_P(Scripted, ScreenshotOfEveryType)
{
    const int type = GetParam();
    const QString png = out.filePath(QStringLiteral("shot.png"));
    const TrainerRun r = runTrainer({QStringLiteral("--base"), inst->base(), QStringLiteral("--type"), QString::number(type),
                              QStringLiteral("--lang"), type % 2 ? QStringLiteral("de") : QStringLiteral("en"),
                              QStringLiteral("--question"), QStringLiteral("2"), QStringLiteral("--size"),
                              QStringLiteral("1100x650"), QStringLiteral("--screenshot"), png},
                             out.path());
    ASSERT_EQ(r.exitCode, 0) << r.errors.toStdString();
    const QImage img(png);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(1100, 650));
    EXPECT_GT(colours(img), 60);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, Scripted, testing::Range(1, 15));

TEST(ScriptedOptions, BadCommandLinesFailCleanly)
{
    QTemporaryDir out;
    for (const QStringList &args : {QStringList{QStringLiteral("--type"), QStringLiteral("15")},
                                    QStringList{QStringLiteral("--type"), QStringLiteral("x")},
                                    QStringList{QStringLiteral("--lang"), QStringLiteral("fr")},
                                    QStringList{QStringLiteral("--question"), QStringLiteral("0")},
                                    QStringList{QStringLiteral("--size"), QStringLiteral("big")},
                                    QStringList{QStringLiteral("--nonsense")}}) {
        const TrainerRun r = runTrainer(args, out.path());
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_FALSE(r.errors.isEmpty());
    }
    // An installation without exercises still draws: the view says why it is empty, and the
    // run fails so that a script notices.
    const QString png = out.filePath(QStringLiteral("empty.png"));
    const TrainerRun r = runTrainer({QStringLiteral("--base"), out.path(), QStringLiteral("--type"), QStringLiteral("3"),
                              QStringLiteral("--screenshot"), png},
                             out.path());
    EXPECT_EQ(r.exitCode, 3) << r.errors.toStdString();
    EXPECT_TRUE(r.errors.contains(QStringLiteral("default/study"))) << r.errors.toStdString();
    EXPECT_FALSE(QImage(png).isNull());
}

namespace {

// What can lie where the trainer keeps its own files; the run must finish, draw, and say which
// file it left alone.
struct OwnFileRow {
    const char *name;
    const char *relativePath; // below the configuration folder
    bool fifo;                // else a link to /dev/zero
    int exitCode;             // 3: the exercise could not start, as a scripted run reports it
};

void PrintTo(const OwnFileRow &r, std::ostream *os) { *os << r.name; }

const OwnFileRow kOwnFiles[] = {
    {"settings_fifo", "Orvik3/orvik3-trainer.conf", true, 0},
    {"settings_device", "Orvik3/orvik3-trainer.conf", false, 0},
    {"statistics_fifo", "orvik3/avx1.ini", true, 3},
    {"statistics_device", "orvik3/avx1.ini", false, 3},
};

class OwnFiles : public testing::TestWithParam<OwnFileRow>
{
};

TEST_P(OwnFiles, AreLeftAloneWithAWord)
{
    QTemporaryDir config;
    const QString path = config.filePath(QLatin1String(GetParam().relativePath));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    ASSERT_TRUE(GetParam().fifo ? ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0
                                : QFile::link(QStringLiteral("/dev/zero"), path));
    const QString png = config.filePath(QStringLiteral("shot.png"));
    QElapsedTimer clock;
    clock.start();
    const TrainerRun r = runTrainer({QStringLiteral("--type"), QStringLiteral("6"), QStringLiteral("--screenshot"), png},
                                   config.path());
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(r.exitCode, GetParam().exitCode) << r.errors.toStdString();
    EXPECT_TRUE(r.errors.contains(path)) << r.errors.toStdString();
    EXPECT_FALSE(QImage(png).isNull());
}

INSTANTIATE_TEST_SUITE_P(Files, OwnFiles, testing::ValuesIn(kOwnFiles),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
