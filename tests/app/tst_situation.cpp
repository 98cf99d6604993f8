// The trainer's session reader against what a study file or an installation can hold instead
// of a session: it must end at once with a message naming the file, draw nothing, and leave
// the disk as it was.

#include "TrainerTestKit.h"
#include "situation/Situation.h"

#include <orvik3/FileLimits.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

struct Row {
    const char *name;
    const char *session; // the name the study file gives
    // Puts something at `path` (the session's place); false when that cannot be done here.
    std::function<bool(const QString &path)> make;
    const char *said;    // part of the message
};

void PrintTo(const Row &r, std::ostream *os) { *os << r.name; }

bool sparse(const QString &path, qint64 size)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.resize(size);
}

// A good session of the QDM interception with one thing spoilt.
std::function<bool(const QString &)> spoilt(const char *pattern, const char *with)
{
    return [=](const QString &p) {
        QString text = QString::fromUtf8(host::SessionFile::toText(test::sessionFor(6)));
        const QString before = text;
        text.replace(QRegularExpression(QLatin1String(pattern)), QLatin1String(with));
        QFile f(p);
        return text != before && f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) > 0;
    };
}

const Row kRows[] = {
    {"parent_folders_to_dev_zero", "../../../../../../../../dev/zero", nullptr, "outside default/sessions/"},
    {"parent_folder_to_a_real_file", "../study/qdm.sty", nullptr, "outside default/sessions/"},
    {"link_to_dev_zero", "zero.session",
     [](const QString &p) { return ::symlink("/dev/zero", QFile::encodeName(p).constData()) == 0; },
     "outside default/sessions/"},
    {"fifo", "pipe.session", [](const QString &p) { return ::mkfifo(QFile::encodeName(p).constData(), 0644) == 0; },
     "pipe.session"},
    {"over_the_limit", "big.session", [](const QString &p) { return sparse(p, limits::kSessionFile.bytes + 1); },
     "1 MB"},
    {"folder", "dir.session", [](const QString &p) { return QDir().mkpath(p); }, "dir.session is a folder"},
    {"the_sessions_folder", "", nullptr, "names no session file"},
    {"link_loop", "loop.session", [](const QString &p) { return QFile::link(QStringLiteral("loop.session"), p); },
     "symbolic links"},
    {"escapes_in_its_name", "x\x1b[2J\n<b>.session", nullptr, "x\\x1b[2J\\n<b>.session"},
    {"empty", "empty.session", [](const QString &p) { return sparse(p, 0); }, "empty.session"},
    {"missing", "gone.session", nullptr, "gone.session"},
    {"letters_for_a_number", "abc.session", spoilt("tas *= *[0-9.]+", "tas = abc"), "bad number"},
    {"unknown_section", "section.session", spoilt("\\[station\\]", "[stationx]"), "unknown section [stationx]"},
    {"unreadable", "locked.session",
     [](const QString &p) {
         return ::geteuid() != 0 && sparse(p, 10) && ::chmod(QFile::encodeName(p).constData(), 0) == 0;
     },
     "locked.session"},
};

QStringList listing(const QString &root)
{
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        out << QStringLiteral("%1 %2").arg(it.filePath()).arg(it.fileInfo().size());
    }
    out.sort();
    return out;
}

class SituationFile : public testing::TestWithParam<Row>
{
};

TEST_P(SituationFile, RefusedAtOnceWithTheReason)
{
    const Row &row = GetParam();
    QTemporaryDir dir;
    const QString sessions = dir.filePath(QStringLiteral("default/sessions"));
    ASSERT_TRUE(QDir().mkpath(sessions));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("default/study"))));
    QFile study(dir.filePath(QStringLiteral("default/study/qdm.sty")));
    ASSERT_TRUE(study.open(QIODevice::WriteOnly));
    study.write("rq:  200\r\n");
    study.close();
    const QString path = sessions + u'/' + QLatin1String(row.session);
    if (row.make && !row.make(path))
        GTEST_SKIP() << "cannot be set up here";
    const QStringList before = listing(dir.path());

    QElapsedTimer clock;
    clock.start();
    const Situation s = loadSituation(path, 6, Language::English, sessions);
    EXPECT_LT(clock.elapsed(), 2000);

    EXPECT_FALSE(s.isValid());
    EXPECT_TRUE(s.error.contains(QLatin1String(row.said))) << qPrintable(s.error);
    EXPECT_EQ(listing(dir.path()), before);
    ::chmod(QFile::encodeName(path).constData(), 0644);
}

INSTANTIATE_TEST_SUITE_P(Sessions, SituationFile, testing::ValuesIn(kRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
