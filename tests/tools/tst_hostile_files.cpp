// Every reader of files that users or instructors put in place, against what a careless or
// malicious installation can hold there: a FIFO, a device, a huge file, a folder, an
// unreadable or empty file, a name that leads out of its folder. Each must end quickly with a
// message naming the file, and leave the disk as it was.

#include "Lint.h"
#include "Scenario.h"

#include "platform/FileLimits.h"
#include "questions/QuestionState.h"
#include "session/SessionFile.h"
#include "study/StudyFileLoader.h"

#include <orvik3/Error.h>
#include <orvik3/SettingsStore.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvik3;

namespace {

enum class Hostile { Fifo, DevZero, OverLimit, Folder, Unreadable, Empty, Escaping };

struct Reader {
    const char *name;
    QString relativePath;      // where the reader looks, below the installation
    qint64 limit;
    bool emptyIsAnError;       // an empty file of this kind is refused (else it reads as nothing)
    // Reads what lies at relativePath below base (or the escaping name); the error text, or
    // empty when the reader accepted the file.
    std::function<QString(const QString &base, const QString &name)> read;
};

QString studyLoad(const QString &base, const QString &name)
{
    QuestionTable table;
    QuestionState s;
    const StudyLoadResult r = loadStudyFile(base, 6, name, table);
    s.questionsLoaded(r.records);
    EXPECT_EQ(s.lastQuestion, -1);
    return r.stop == StudyStop::CannotOpen ? r.stopMessage() : QString();
}

std::vector<Reader> readers()
{
    return {
        {"study_file", "default/study/qdm.sty", limits::kStudyFile.bytes, false,
         [](const QString &base, const QString &) { return studyLoad(base, QStringLiteral("qdm.sty")); }},
        {"session_file", "default/sessions/q.session", limits::kSessionFile.bytes, true,
         [](const QString &base, const QString &) {
             return host::SessionFile::load(base + "/default/sessions/q.session").error.toString();
         }},
        {"scenario", "scenarios/qdm.txt", limits::kScenario.bytes, true,
         [](const QString &base, const QString &) {
             study::ScenarioError e;
             return study::loadScenario(base + "/scenarios/qdm.txt", &e) ? QString() : e.toString();
         }},
        {"settings_store", "store/avx1.ini", limits::kSettingsStore.bytes, false,
         [](const QString &base, const QString &) {
             try {
                 IniSettingsStore(base + "/store").read("avx1", "stats", "qdm1");
                 return QString();
             } catch (const Error &e) {
                 EXPECT_EQ(e.message().count(Error::kindName(e.kind())), 1) << qPrintable(e.message());
                 return e.message();
             }
         }},
        {"lint", "default/study/qdm.sty", limits::kStudyFile.bytes, true,
         [](const QString &base, const QString &) {
             QString error;
             return study::lintStudyFile(base + "/default/study/qdm.sty", {}, &error) ? QString() : error;
         }},
        {"lint_session", "default/sessions/q.session", limits::kSessionFile.bytes, true,
         [](const QString &base, const QString &name) {
             const QByteArray record = "rq:  200\r\nhdg: 200\r\nihdg:240\r\ndist:8\r\nact: 220\r\ndiff:gr\xF6sser\r\n"
                                       "turn:right\r\nfhdg:increase\r\nses:" + name.toUtf8() + "\r\n--\r\n";
             QStringList found;
             for (const study::Finding &f : study::lintStudyData(record, "qdm.sty", 6, study::Language::German, base).findings)
                 found << f.message;
             return found.join(u'\n');
         }},
    };
}

struct Snapshot {
    QMap<QString, QString> entries; // path -> size and time
    static Snapshot of(const QString &root)
    {
        Snapshot s;
        QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const QFileInfo info = it.fileInfo();
            s.entries.insert(info.filePath(), QStringLiteral("%1 %2").arg(info.size()).arg(
                                                  info.lastModified().toMSecsSinceEpoch()));
        }
        return s;
    }
};

struct Row {
    Hostile what;
    const char *name;
};

void PrintTo(const Reader &r, std::ostream *os) { *os << r.name; }
void PrintTo(const Row &r, std::ostream *os) { *os << r.name; }

class HostileFile : public testing::TestWithParam<std::tuple<Reader, Row>>
{
protected:
    QTemporaryDir dir;
    QString base() const { return dir.path(); }
    QString place(const QString &relativePath) const
    {
        const QString path = base() + u'/' + relativePath;
        QDir().mkpath(QFileInfo(path).path());
        return path;
    }
};

// Sets the hostile thing up at the reader's place; the name the reader is given for
// escaping rows. Empty when the row does not apply.
std::optional<QString> prepare(Hostile what, const QString &path, qint64 limit, const QString &outside)
{
    const QByteArray name = QFile::encodeName(path);
    switch (what) {
    case Hostile::Fifo:
        if (::mkfifo(name.constData(), 0644) != 0)
            return std::nullopt;
        break;
    case Hostile::DevZero:
        if (::symlink("/dev/zero", name.constData()) != 0)
            return std::nullopt;
        break;
    case Hostile::OverLimit: {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || !f.resize(limit + 1)) // sparse: no disk used
            return std::nullopt;
        break;
    }
    case Hostile::Folder:
        QDir().mkpath(path);
        break;
    case Hostile::Unreadable: {
        if (::geteuid() == 0)
            return std::nullopt; // root reads everything
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("x");
        f.close();
        ::chmod(name.constData(), 0);
        break;
    }
    case Hostile::Empty: {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        break;
    }
    case Hostile::Escaping:
        return QStringLiteral("../../../../../../../../..") + outside;
    }
    return QFileInfo(path).fileName();
}

TEST_P(HostileFile, EndsFastWithAMessageNamingTheFile)
{
    const auto &[reader, row] = GetParam();
    ASSERT_TRUE(dir.isValid());
    const bool sessionNames = QByteArrayView(reader.name) == "lint_session";
    if ((row.what == Hostile::Escaping) != sessionNames && row.what == Hostile::Escaping)
        GTEST_SKIP() << "only names read from files can lead elsewhere";
    QTemporaryDir elsewhere;
    QFile secret(elsewhere.filePath("secret.session"));
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.close();
    const std::optional<QString> name = prepare(row.what, place(reader.relativePath), reader.limit, secret.fileName());
    if (!name)
        GTEST_SKIP() << "cannot be set up here";
    const Snapshot before = Snapshot::of(base());

    QElapsedTimer clock;
    clock.start();
    const QString error = reader.read(base(), *name);
    const qint64 ms = clock.elapsed();
    RecordProperty("message", error.toStdString());

    EXPECT_LT(ms, 2000);
    if (row.what == Hostile::Empty && !reader.emptyIsAnError) {
        EXPECT_EQ(error, QString());
    } else {
        EXPECT_FALSE(error.isEmpty());
        const QString shown = row.what == Hostile::Escaping ? *name : QFileInfo(reader.relativePath).fileName();
        EXPECT_TRUE(error.contains(shown)) << qPrintable(error);
    }
    if (row.what == Hostile::OverLimit)
        EXPECT_TRUE(error.contains(QStringLiteral("%1 MB").arg(reader.limit / limits::kMiB))) << qPrintable(error);
    if (row.what == Hostile::Escaping)
        EXPECT_TRUE(error.contains(QStringLiteral("outside"))) << qPrintable(error);
    EXPECT_EQ(Snapshot::of(base()).entries, before.entries);
    if (row.what == Hostile::Unreadable)
        ::chmod(QFile::encodeName(place(reader.relativePath)).constData(), 0644);
}

const Row kRows[] = {
    {Hostile::Fifo, "fifo"},           {Hostile::DevZero, "dev_zero"}, {Hostile::OverLimit, "over_limit"},
    {Hostile::Folder, "folder"},       {Hostile::Unreadable, "unreadable"}, {Hostile::Empty, "empty"},
    {Hostile::Escaping, "escaping_path"},
};

INSTANTIATE_TEST_SUITE_P(Readers, HostileFile, testing::Combine(testing::ValuesIn(readers()), testing::ValuesIn(kRows)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

} // namespace
