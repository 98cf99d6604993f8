// How the trainer starts: where it finds the sample installation, when it refuses to start for
// want of a display, and that a scripted run leaves the remembered settings alone.

#include "StartupChecks.h"
#include "TrainerProcess.h"
#include "TrainerTestKit.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvik3::trainer;
using namespace orvik3::trainer::test;

namespace {

struct SampleCase {
    const char *name;
    const char *note; // contents of orvik3-trainer.sample; nullptr: no such file
    const char *expected; // "@" stands for the application folder
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
    if (c.note) {
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
                    SampleCase{"BlankNote", " \n", "@/share/orvik3"}),
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

struct RememberedCase {
    const char *name;
    const char *settings; // contents of Orvik3/orvik3-trainer.conf; nullptr: none yet
};

class ScreenshotRun : public testing::TestWithParam<RememberedCase>
{
};

TEST_P(ScreenshotRun, LeavesTheRememberedSettingsAsTheyWere)
{
    const RememberedCase &c = GetParam();
    test::Installation inst;
    inst.writeType(6, 2);
    QTemporaryDir config;
    if (c.settings) {
        QDir(config.path()).mkpath(QStringLiteral("Orvik3"));
        QFile f(config.filePath(QStringLiteral("Orvik3/orvik3-trainer.conf")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(c.settings).replace("@", inst.base().toUtf8()));
    }
    const QMap<QString, QByteArray> before = snapshot(config.path());
    QTemporaryDir out;
    const QString png = out.filePath(QStringLiteral("shot.png"));
    // Another language, installation, exercise and window size than remembered.
    const TrainerRun r = runTrainer({QStringLiteral("--base"), inst.base(), QStringLiteral("--type"), QStringLiteral("6"),
                              QStringLiteral("--lang"), QStringLiteral("de"), QStringLiteral("--size"),
                              QStringLiteral("900x600"), QStringLiteral("--screenshot"), png},
                             environmentWithConfig(config.path()));
    ASSERT_EQ(r.exitCode, 0) << r.errors.toStdString();
    ASSERT_TRUE(QFile::exists(png));
    const QMap<QString, QByteArray> after = snapshot(config.path());
    EXPECT_EQ(after.keys(), before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Trainer, ScreenshotRun,
                         testing::Values(RememberedCase{"NothingRememberedYet", nullptr},
                                         RememberedCase{"EnglishTypeTwoOtherInstallation",
                                                        "[trainer]\nbase=@/elsewhere\nlanguage=en\ntype=2\n"
                                                        "[window]\ngeometry=@ByteArray(not a geometry)\n"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TrainerWithoutDisplay, SaysHowToDrawAScreenshotInstead)
{
    QTemporaryDir config;
    QProcessEnvironment env = environmentWithConfig(config.path());
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    const TrainerRun r = runTrainer({QStringLiteral("--type"), QStringLiteral("6")}, env);
    EXPECT_EQ(r.exitCode, 1) << r.errors.toStdString();
    EXPECT_TRUE(r.errors.contains(QStringLiteral("needs a display"))) << r.errors.toStdString();
    EXPECT_TRUE(r.errors.contains(QStringLiteral("QT_QPA_PLATFORM=offscreen"))) << r.errors.toStdString();
    EXPECT_FALSE(r.errors.contains(QStringLiteral("platform plugin"))) << r.errors.toStdString();

    // The help text needs no display either.
    const TrainerRun help = runTrainer({QStringLiteral("--help")}, env);
    EXPECT_EQ(help.exitCode, 0) << help.errors.toStdString();
}

} // namespace
