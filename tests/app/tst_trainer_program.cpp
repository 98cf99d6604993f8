// The trainer as a program, as scripts and the documentation run it: where it finds the sample
// installation, when it refuses to start for want of a display, its command line, a picture of
// every exercise type, and the files it keeps, left alone when they are no plain files or a
// scripted run only draws.

#include "StartupChecks.h"
#include "TrainerProcess.h"
#include "TrainerTestKit.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace orvik3::trainer;
using namespace orvik3::trainer::test;

namespace {

struct SampleCase {
    const char *name;
    const char *note; // contents of orvik3-trainer.sample; nullptr: no such file
    const char *expected; // "@" stands for the application folder
    bool pipe = false;    // the note is a pipe that no one writes to
};

class SampleLocation : public testing::TestWithParam<SampleCase>
{
};

TEST_P(SampleLocation, FromNoteOrBesideTheProgram)
{
    const SampleCase &c = GetParam();
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    if (c.pipe)
        ASSERT_EQ(::mkfifo(QFile::encodeName(bin + QStringLiteral("/orvik3-trainer.sample")).constData(), 0644), 0);
    else if (c.note) {
        QFile f(bin + QStringLiteral("/orvik3-trainer.sample"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(c.note).replace("@", dir.path().toUtf8()));
    }
    const QString expected = QString::fromUtf8(c.expected).replace(u'@', dir.path());
    EXPECT_EQ(sampleInstallation(bin), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Trainer, SampleLocation,
    testing::Values(SampleCase{"NoNote", nullptr, "@/share/orvik3"},
                    SampleCase{"NoteWithPath", "@/src/data", "@/src/data"},
                    SampleCase{"NoteWithNewlineAndBlanks", "  @/src/data \n", "@/src/data"},
                    SampleCase{"NoteWithDotDot", "@/src/tools/../data/", "@/src/data"},
                    SampleCase{"EmptyNote", "", "@/share/orvik3"},
                    SampleCase{"BlankNote", " \n", "@/share/orvik3"},
                    SampleCase{"NoteIsAPipe", nullptr, "@/share/orvik3", true}),
    [](const auto &info) { return std::string(info.param.name); });

struct DisplayCase {
    const char *name;
    const char *platform;
    const char *display;
    const char *wayland;
    const char *mentions; // nullptr: the trainer may start
};

class DisplayCheck : public testing::TestWithParam<DisplayCase>
{
};

TEST_P(DisplayCheck, RefusesOnlyWithoutADisplayItCanUse)
{
    const DisplayCase &c = GetParam();
    const QString problem = displayProblem({QString::fromUtf8(c.platform), QString::fromUtf8(c.display),
                                            QString::fromUtf8(c.wayland)},
                                           QStringLiteral("orvik3-trainer"));
    if (!c.mentions) {
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        return;
    }
    EXPECT_TRUE(problem.contains(QString::fromUtf8(c.mentions))) << problem.toStdString();
    // Every refusal shows the way to a picture without a display.
    EXPECT_TRUE(problem.contains(QStringLiteral("QT_QPA_PLATFORM=offscreen orvik3-trainer"))) << problem.toStdString();
    EXPECT_TRUE(problem.contains(QStringLiteral("--screenshot"))) << problem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Trainer, DisplayCheck,
    testing::Values(DisplayCase{"X11Display", "", ":0", "", nullptr},
                    DisplayCase{"WaylandDisplay", "", "", "wayland-0", nullptr},
                    DisplayCase{"Offscreen", "offscreen", "", "", nullptr},
                    DisplayCase{"OtherPlatform", "vnc:size=800x600", "", "", nullptr},
                    DisplayCase{"XcbWithDisplay", "xcb", ":1", "", nullptr},
                    DisplayCase{"Nothing", "", "", "", "neither DISPLAY nor WAYLAND_DISPLAY"},
                    DisplayCase{"XcbWithOnlyWayland", "xcb", "", "wayland-0", "DISPLAY is not set"},
                    DisplayCase{"WaylandWithOnlyX11", "wayland", ":0", "", "WAYLAND_DISPLAY is not set"},
                    DisplayCase{"WaylandEglWithNothing", "wayland-egl", "", "", "QT_QPA_PLATFORM=wayland-egl"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(HelpRequest, OnlyHelpOptionsAfterTheProgramName)
{
    const QString prog = QStringLiteral("orvik3-trainer");
    EXPECT_TRUE(asksForHelp({prog, QStringLiteral("--help")}));
    EXPECT_TRUE(asksForHelp({prog, QStringLiteral("--type"), QStringLiteral("3"), QStringLiteral("-h")}));
    EXPECT_TRUE(asksForHelp({prog, QStringLiteral("--help-all")}));
    EXPECT_FALSE(asksForHelp({QStringLiteral("--help")}));
    EXPECT_FALSE(asksForHelp({prog, QStringLiteral("--type"), QStringLiteral("3")}));
    EXPECT_FALSE(asksForHelp({prog, QStringLiteral("--helpful")}));
}

// Every file below `dir` with its bytes.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        files.insert(QDir(dir).relativeFilePath(path), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
    }
    return files;
}

int colours(const QImage &img)
{
    QSet<QRgb> seen;
    for (int y = 0; y < img.height(); y += 4)
        for (int x = 0; x < img.width(); x += 4)
            seen.insert(img.pixel(x, y));
    return int(seen.size());
}

// Every exercise type in one installation, made once for all of them.
const Installation &allTypes()
{
    static Installation inst;
    static const bool written = (inst.writeAllTypes(2), true);
    (void)written;
    return inst;
}

class Scripted : public testing::TestWithParam<int>
{
protected:
    QTemporaryDir out;
};

} // namespace

TEST_P(Scripted, ScreenshotOfEveryType)
{
    const int type = GetParam();
    const QString png = out.filePath(QStringLiteral("shot.png"));
    const TrainerRun r = runTrainer({QStringLiteral("--base"), allTypes().base(), QStringLiteral("--type"), QString::number(type),
                                     QStringLiteral("--lang"), type % 2 ? QStringLiteral("de") : QStringLiteral("en"),
                                     QStringLiteral("--question"), QStringLiteral("2"), QStringLiteral("--size"),
                                     QStringLiteral("1100x650"), QStringLiteral("--screenshot"), png},
                                    environmentWithConfig(out.path()));
    ASSERT_EQ(r.exitCode, 0) << r.errors.toStdString();
    const QImage img(png);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(1100, 650));
    EXPECT_GT(colours(img), 60);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, Scripted, testing::Range(1, 15));

namespace {

// A run that cannot draw the first question, or should not: how it ends and what it says.
// "@out" stands for a scratch folder (no installation in it), "@file" for `own` below the
// configuration folder, which is made a pipe or a link to /dev/zero when given.
struct RunRow {
    const char *name;
    QStringList args;
    int exitCode;
    const char *says;         // part of the error stream; nullptr: anything
    bool noDisplay = false;   // neither the offscreen platform nor a display
    const char *own = nullptr;
    bool fifo = true;
    bool picture = false;     // a picture is drawn all the same
    bool noTemp = false;      // TMPDIR names a folder where no one, root included, can make a folder
    const char *qm = nullptr; // the German translation file of a copy of the program, said once
    const char *remembered = nullptr; // the trainer's settings before the run, left as they were
};

void PrintTo(const RunRow &r, std::ostream *os) { *os << r.name; }

const RunRow kRuns[] = {
    {"type_out_of_range", {"--type", "15"}, 2, "--type"},
    {"type_no_number", {"--type", "x"}, 2, "--type"},
    {"unknown_language", {"--lang", "fr"}, 2, "fr"},
    {"question_zero", {"--question", "0"}, 2, "--question"},
    {"size_no_size", {"--size", "big"}, 2, "big"},
    {"unknown_option", {"--nonsense"}, 2, "nonsense"},
    // An installation without exercises still draws: the view says why, and a script notices.
    {"no_exercises", {"--base", "@out", "--type", "3", "--screenshot", "@out/shot.png"}, 3, "default/study", false, nullptr, true, true},
    {"no_display", {"--type", "6"}, 1, "needs a display", true},
    {"help_needs_no_display", {"--help"}, 0, nullptr, true},
    // What can lie where the trainer keeps its own files: left alone with a word.
    {"settings_fifo", {"--type", "6", "--screenshot", "@out/shot.png"}, 0, "@file", false, "Orvik3/orvik3-trainer.conf", true, true},
    {"settings_device", {"--type", "6", "--screenshot", "@out/shot.png"}, 0, "@file", false, "Orvik3/orvik3-trainer.conf", false, true},
    {"statistics_fifo", {"--type", "6", "--screenshot", "@out/shot.png"}, 3, "@file", false, "orvik3/avx1.ini", true, true},
    {"statistics_device", {"--type", "6", "--screenshot", "@out/shot.png"}, 3, "@file", false, "orvik3/avx1.ini", false, true},
    {"settings_fifo_without_temporary_folder", {"--type", "6", "--screenshot", "@out/shot.png"}, 0, "@file", false,
     "Orvik3/orvik3-trainer.conf", true, true, true},
    {"screenshot_into_a_fifo", {"--type", "6", "--screenshot", "@file"}, 2, "--screenshot", false, "shot.fifo"},
    {"screenshot_without_a_name", {"--type", "6", "--screenshot", ""}, 2, "--screenshot"},
    // Another language, exercise and window size than remembered.
    {"remembered_settings_left_as_they_were", {"--type", "6", "--lang", "de", "--size", "900x600", "--screenshot", "@out/shot.png"},
     0, nullptr, false, nullptr, true, true, false, nullptr,
     "[trainer]\nlanguage=en\ntype=2\n[window]\ngeometry=@ByteArray(not a geometry)\n"},
    {"translation_damaged", {"--lang", "de", "--type", "6", "--screenshot", "@out/shot.png"}, 0, "German texts damaged", false,
     nullptr, true, true, false, "not a translation"},
};

class Runs : public testing::TestWithParam<RunRow>
{
};

TEST_P(Runs, EndCleanlyAndSayWhy)
{
    const RunRow &row = GetParam();
    QTemporaryDir config, out;
    QProcessEnvironment env = environmentWithConfig(config.path());
    if (row.noDisplay)
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(name));
    const QString file = row.own ? config.filePath(QLatin1String(row.own)) : QString();
    if (row.own) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        ASSERT_TRUE(row.fifo ? ::mkfifo(QFile::encodeName(file).constData(), 0644) == 0
                             : QFile::link(QStringLiteral("/dev/zero"), file));
    }
    if (row.remembered) {
        QDir(config.path()).mkpath(QStringLiteral("Orvik3"));
        QFile f(config.filePath(QStringLiteral("Orvik3/orvik3-trainer.conf")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(row.remembered) > 0);
    }
    const QMap<QString, QByteArray> before = row.own ? QMap<QString, QByteArray>() : snapshot(config.path());
    if (row.noTemp)
        env.insert(QStringLiteral("TMPDIR"), QStringLiteral("/proc"));
    QStringList args = row.args;
    args.replaceInStrings(QStringLiteral("@out"), out.path()).replaceInStrings(QStringLiteral("@file"), file);
    QString program = QStringLiteral(ORVIK3_TRAINER_EXE);
    if (row.qm) {
        const QString bin = out.filePath(QStringLiteral("bin"));
        ASSERT_TRUE(QDir().mkpath(bin + QStringLiteral("/translations")));
        for (const QString name : {QStringLiteral("orvik3-trainer"), QStringLiteral("orvik3-trainer.sample")})
            ASSERT_TRUE(QFile::copy(QFileInfo(program).dir().filePath(name), bin + u'/' + name));
        QFile qm(bin + QStringLiteral("/translations/orvik3_trainer_de.qm"));
        ASSERT_TRUE(qm.open(QIODevice::WriteOnly) && qm.write(row.qm) > 0);
        program = bin + QStringLiteral("/orvik3-trainer");
    }
    QElapsedTimer clock;
    clock.start();
    const TrainerRun r = runTrainer(args, env, program);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(r.exitCode, row.exitCode) << r.errors.toStdString();
    if (row.qm)
        EXPECT_EQ(r.errors.count(QLatin1String(row.says)), 1) << r.errors.toStdString();
    if (row.says)
        EXPECT_TRUE(r.errors.contains(QString::fromUtf8(row.says).replace(QStringLiteral("@file"), file))) << r.errors.toStdString();
    EXPECT_FALSE(r.errors.contains(QStringLiteral("platform plugin"))) << r.errors.toStdString();
    if (row.noDisplay && row.exitCode)
        EXPECT_TRUE(r.errors.contains(QStringLiteral("QT_QPA_PLATFORM=offscreen orvik3-trainer"))) << r.errors.toStdString();
    EXPECT_EQ(!QImage(out.filePath(QStringLiteral("shot.png"))).isNull(), row.picture);
    if (!row.own) // nothing of the user's own is written by a run that stops or only draws
        EXPECT_EQ(snapshot(config.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Trainer, Runs, testing::ValuesIn(kRuns), [](const auto &info) { return std::string(info.param.name); });

} // namespace
