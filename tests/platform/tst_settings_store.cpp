#include <orvik3/Error.h>
#include <orvik3/SettingsStore.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSize>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace orvik3;

namespace {

const QString kApp = QStringLiteral("avx1");
const QString kStats = QStringLiteral("stats");

class SettingsStoreTest : public ::testing::Test
{
protected:
    QString folder(const QString &name = QStringLiteral("cfg")) const { return m_dir.path() + u'/' + name; }
    QString file(const QString &name = QStringLiteral("cfg")) const { return folder(name) + QStringLiteral("/avx1.ini"); }

    static QByteArray bytesOf(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Runs the counting host process to its end; returns its exit code.
    static int runCounter(const QStringList &arguments, QString *errors = nullptr)
    {
        QProcess p;
        p.start(QStringLiteral(STATS_COUNTER), arguments);
        if (!p.waitForFinished(120000))
            return -1;
        if (errors)
            *errors = QString::fromLocal8Bit(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    QTemporaryDir m_dir;
};

struct Entry { const char *name; QString key; QString value; };

const Entry kEntries[] = {
    {"CounterKey", QStringLiteral("hsipos_total 12"), QStringLiteral("7")},
    {"BlanksAround", QStringLiteral("blank"), QStringLiteral("  padded  ")},
    {"IniSyntax", QStringLiteral("a=b;c"), QStringLiteral("x = y; z, w")},
    {"QuotesAndBackslashes", QStringLiteral("q\"uo\\te"), QStringLiteral("say \"hi\" \\ there")},
    {"ControlCharacters", QStringLiteral("lines"), QStringLiteral("one\ntwo\r\tthree\x01" "4")},
    {"AtSign", QStringLiteral("at"), QStringLiteral("@Variant(nothing)")}, // not a stored QVariant
    {"Umlauts", QStringLiteral("Prüfung €"), QStringLiteral("Größe € 5")},
    {"Percent", QStringLiteral("50%U0041"), QStringLiteral("%41")},
    {"OutsideTheBmp", QStringLiteral("Pilot 😀"), QStringLiteral("Pilot 😀 Müller")},
    {"PairsAtBothEnds", QStringLiteral("𝄞"), QStringLiteral("𠀀 rare 𝄞")},
};

class RoundTrip : public SettingsStoreTest, public ::testing::WithParamInterface<Entry>
{
};

} // namespace

// What one process writes, another process and QSettings read back the same; and the other
// way round.
TEST_P(RoundTrip, ThroughTheFile)
{
    const Entry &e = GetParam();
    IniSettingsStore(folder(QStringLiteral("ours"))).write(kApp, kStats, e.key, e.value);
    EXPECT_EQ(IniSettingsStore(folder(QStringLiteral("ours"))).read(kApp, kStats, e.key), e.value);
    EXPECT_EQ(QSettings(file(QStringLiteral("ours")), QSettings::IniFormat).value(kStats + u'/' + e.key).toString(),
              e.value);

    {
        QSettings theirs(file(QStringLiteral("theirs")), QSettings::IniFormat);
        theirs.setValue(kStats + u'/' + e.key, e.value);
    }
    IniSettingsStore store(folder(QStringLiteral("theirs")));
    EXPECT_EQ(store.read(kApp, kStats, e.key), e.value);
    EXPECT_EQ(store.keys(kApp, kStats), QStringList{e.key});
}

INSTANTIATE_TEST_SUITE_P(SettingsStore, RoundTrip, ::testing::ValuesIn(kEntries),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(SettingsStoreTest, OtherEntriesOfTheFileStayAsTheyWere)
{
    {
        QSettings theirs(file(), QSettings::IniFormat);
        theirs.setValue(QStringLiteral("host/list"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
        theirs.setValue(QStringLiteral("host/size"), QSize(3, 4));
        theirs.setValue(QStringLiteral("stats/qdm_total"), QStringLiteral("5"));
    }
    IniSettingsStore store(folder());
    store.write(kApp, kStats, QStringLiteral("qdm_total"), QStringLiteral("6"));
    store.remove(kApp, kStats, QStringLiteral("missing"));
    QSettings again(file(), QSettings::IniFormat);
    EXPECT_EQ(again.value(QStringLiteral("host/list")).toStringList(), (QStringList{"a", "b"}));
    EXPECT_EQ(again.value(QStringLiteral("host/size")).toSize(), QSize(3, 4));
    EXPECT_EQ(again.value(QStringLiteral("stats/qdm_total")).toString(), QStringLiteral("6"));

    store.remove(kApp, kStats, QStringLiteral("qdm_total"));
    EXPECT_EQ(IniSettingsStore(folder()).read(kApp, kStats, QStringLiteral("qdm_total")), QString());
    EXPECT_TRUE(store.keys(kApp, kStats).isEmpty());
}

TEST_F(SettingsStoreTest, SeesWritesOfOtherInstancesAtOnce)
{
    IniSettingsStore a(folder()), b(folder());
    // Same size, same clock tick: only the file's identity tells the versions apart.
    for (int i = 0; i < 50; ++i) {
        const QString value = QString::number(i % 10);
        (i % 2 ? a : b).write(kApp, kStats, QStringLiteral("k"), value);
        ASSERT_EQ((i % 2 ? b : a).read(kApp, kStats, QStringLiteral("k")), value);
    }
}

TEST_F(SettingsStoreTest, TwoProcessesCountingLoseNoCount)
{
    QProcess counters[2];
    for (QProcess &p : counters)
        p.start(QStringLiteral(STATS_COUNTER), {folder(), QStringLiteral("60"), QStringLiteral("3"), QStringLiteral("--wait"),
                                               QStringLiteral("--lock-timeout"), QStringLiteral("60000")});
    for (QProcess &p : counters)
        ASSERT_TRUE(p.waitForStarted());
    for (QProcess &p : counters)
        p.write("go\n"); // both count at once
    for (QProcess &p : counters)
        ASSERT_TRUE(p.waitForBytesWritten());
    for (QProcess &p : counters) {
        ASSERT_TRUE(p.waitForFinished(120000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }
    IniSettingsStore store(folder());
    EXPECT_EQ(store.read(kApp, kStats, QStringLiteral("qdm_total 3")), QStringLiteral("120"));
    EXPECT_EQ(store.read(kApp, kStats, QStringLiteral("qdm_total")), QStringLiteral("120"));
}

TEST_F(SettingsStoreTest, ACountThatReturnedSurvivesAKill)
{
    QProcess p;
    p.start(QStringLiteral(STATS_COUNTER), {folder(), QStringLiteral("100000"), QStringLiteral("1")});
    QByteArray output;
    while (!output.contains("counted 5\n") && p.waitForReadyRead(60000))
        output += p.readAllStandardOutput();
    p.kill(); // SIGKILL: no chance to clean up
    p.waitForFinished(60000);
    output += p.readAllStandardOutput();
    const auto counted = QRegularExpression(QStringLiteral("counted (\\d+)\\n$")).match(QString::fromLatin1(output));
    ASSERT_TRUE(counted.hasMatch()) << output.toStdString();
    const int reported = counted.captured(1).toInt();

    IniSettingsStore store(folder());
    const int stored = store.read(kApp, kStats, QStringLiteral("qdm_total 1")).toInt();
    EXPECT_GE(stored, reported);
    EXPECT_LE(stored, reported + 1); // one more may have been written before the kill
    // The dead process holds no lock.
    store.write(kApp, kStats, QStringLiteral("after"), QStringLiteral("1"));
    EXPECT_EQ(runCounter({folder(), QStringLiteral("1"), QStringLiteral("1")}), 0);
}

// Reading a fresh store creates nothing; a folder that cannot exist fails the write.
TEST_F(SettingsStoreTest, FreshAndImpossibleFolders)
{
    IniSettingsStore fresh(folder());
    EXPECT_EQ(fresh.read(kApp, kStats, QStringLiteral("qdm_total")), QString());
    EXPECT_FALSE(QFileInfo::exists(folder()));

    QFile blocker(folder(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    IniSettingsStore store(folder(QStringLiteral("blocker/cfg")));
    EXPECT_EQ(store.read(kApp, kStats, QStringLiteral("k")), QString());
    try {
        store.write(kApp, kStats, QStringLiteral("k"), QStringLiteral("1"));
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::StoreFailure);
    }
    EXPECT_EQ(store.read(kApp, kStats, QStringLiteral("k")), QString());
}

// A store that takes no more bytes, and one that its user may not write: the count fails with
// a store error, the old file stays exactly as it was, and nothing is left behind.
TEST_F(SettingsStoreTest, UnwritableStoreKeepsTheOldFile)
{
    struct Row { const char *name; QStringList options; mode_t folderMode; };
    const Row rows[] = {{"disk full", {QStringLiteral("--file-size-limit"), QStringLiteral("16")}, 0755},
                        {"read-only folder", {QStringLiteral("--as-nobody")}, 0555}};
    ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    for (const Row &row : rows) {
        IniSettingsStore store(folder());
        store.write(kApp, kStats, QStringLiteral("qdm_total 1"), QStringLiteral("41"));
        store.write(kApp, kStats, QStringLiteral("qdm_total"), QStringLiteral("41"));
        const QByteArray before = bytesOf(file());
        const QStringList entries = QDir(folder()).entryList(QDir::Files);
        ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(), row.folderMode), 0);

        QString errors;
        EXPECT_EQ(runCounter(QStringList{folder(), QStringLiteral("1"), QStringLiteral("1")} + row.options, &errors), 3)
            << row.name;
        EXPECT_TRUE(errors.contains(QStringLiteral("settings"))) << errors.toStdString();
        EXPECT_EQ(bytesOf(file()), before) << row.name;
        EXPECT_EQ(QDir(folder()).entryList(QDir::Files), entries) << row.name;
        EXPECT_EQ(store.read(kApp, kStats, QStringLiteral("qdm_total 1")), QStringLiteral("41"));
        ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(), 0755), 0);
    }
}
