// Every reader and writer of files that users or instructors put in place, against what a
// careless or malicious installation can hold there: a FIFO, a device, a huge file, a folder,
// an unreadable or empty file, names that lead elsewhere, links, backups, a held lock, a full
// disk. Each must end within 2 s with a message naming the file, free of control characters,
// and leave the disk as it was unless the row says what it may change.

#include "Lint.h"
#include "RandomSet.h"
#include "Scenario.h"
#include "platform/FileLimits.h"
#include "questions/QuestionState.h"
#include "session/SessionFile.h"
#include "study/StudyFileLoader.h"

#include <orvik3/Error.h>
#include <orvik3/SettingsStore.h>

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <sys/file.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvik3;

namespace {

// Every entry below the root: links by target, the rest by size, time and mode.
QMap<QString, QString> snapshot(const QString &root)
{
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo i(it.next());
        entries.insert(i.filePath(), i.isSymLink() ? "-> " + i.symLinkTarget()
                                                   : QStringLiteral("%1 %2 %3").arg(i.size()).arg(
                                                         i.lastModified().toMSecsSinceEpoch()).arg(int(i.permissions())));
    }
    return entries;
}

// An installation (inst/) and a place outside it (elsewhere/) in one scratch folder.
struct Scene {
    QTemporaryDir root;
    QMap<QString, QString> before; // what lay on disk when the reader started
    std::optional<QElapsedTimer> clock;

    // Ends the set-up: the reader or tool starts now. The first call counts.
    void go()
    {
        if (clock)
            return;
        before = snapshot(root.path());
        clock.emplace();
        clock->start();
    }
    QString base() const { return root.filePath(QStringLiteral("inst")); }
    QString path(const QString &relative) const
    {
        QDir().mkpath(QFileInfo(root.filePath(relative)).path());
        return root.filePath(relative);
    }
    bool write(const QString &relative, const QByteArray &bytes) const
    {
        QFile f(path(relative));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    QByteArray read(const QString &relative) const
    {
        QFile f(root.filePath(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    bool link(const QString &target, const QString &relative) const
    {
        return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path(relative)).constData()) == 0;
    }
};

struct Case {
    std::string name;
    // Sets the case up, calls go() and runs the reader or tool: its message, or nothing when
    // this machine cannot set the case up.
    std::function<std::optional<QString>(Scene &)> run;
    QStringList said;     // parts of the message; empty: accepted without a word
    bool changes = false; // writes where it may; its run checks what
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

QByteArray qdmRecord(const QByteArray &session)
{
    return "rq:  200\r\nhdg: 200\r\nihdg:240\r\ndist:8\r\nact: 220\r\ndiff:gr\xF6sser\r\nturn:right\r\nfhdg:increase\r\nses:"
         + session + "\r\n--\r\n";
}

QString findings(const study::LintReport &report)
{
    QStringList out;
    for (const study::Finding &f : report.findings)
        out << f.message;
    return out.join(u'\n');
}

// Lint of one record naming the session.
QString lintSession(Scene &s, const QByteArray &name)
{
    s.go();
    return findings(study::lintStudyData(qdmRecord(name), "qdm.sty", 6, study::Language::German, s.base()));
}

// A program run to its end: "exit N", then what it printed.
QString run(Scene &s, const QStringList &args, const QString &program = QStringLiteral(ORVIK3_STUDY_TOOL))
{
    s.go();
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(20000))
        return QStringLiteral("did not end");
    return QStringLiteral("exit %1\n").arg(p.exitCode()) + QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

// What the store says, reading (a key) or writing a count.
QString store(Scene &s, bool write)
{
    s.go();
    try {
        IniSettingsStore store(s.base() + "/store");
        write ? store.write("avx1", "stats", "qdm_total", "7") : void(store.read("avx1", "stats", "qdm1"));
        return {};
    } catch (const Error &e) {
        EXPECT_EQ(e.message().count(Error::kindName(e.kind())), 1) << qPrintable(e.message());
        return e.message();
    }
}

// The readers of the common cases: where each looks, its limit, and how it is run.
struct Reader {
    const char *name;
    QString relativePath;
    FileLimit limit;
    bool emptyIsAnError;
    std::function<QString(Scene &)> read; // the message; empty when accepted
};

const Reader kReaders[] = {
    {"study_file", "inst/default/study/qdm.sty", limits::kStudyFile, false,
     [](Scene &s) {
         QuestionTable table;
         QuestionState state;
         const StudyLoadResult r = loadStudyFile(s.base(), 6, QStringLiteral("qdm.sty"), table);
         state.questionsLoaded(r.records);
         EXPECT_EQ(state.lastQuestion, -1);
         return r.stop == StudyStop::CannotOpen ? r.stopMessage() : QString();
     }},
    {"session_file", "inst/default/sessions/q.session", limits::kSessionFile, true,
     [](Scene &s) { return host::SessionFile::load(s.base() + "/default/sessions/q.session").error.toString(); }},
    {"scenario", "inst/scenarios/qdm.txt", limits::kScenario, true,
     [](Scene &s) {
         study::ScenarioError e;
         return study::loadScenario(s.base() + "/scenarios/qdm.txt", &e) ? QString() : e.toString();
     }},
    {"settings_store", "inst/store/avx1.ini", limits::kSettingsStore, false, [](Scene &s) { return store(s, false); }},
    {"lint", "inst/default/study/qdm.sty", limits::kStudyFile, true,
     [](Scene &s) {
         QString error;
         return study::lintStudyFile(s.base() + "/default/study/qdm.sty", {}, &error) ? QString() : error;
     }},
    {"lint_session", "inst/default/sessions/q.session", limits::kSessionFile, true,
     [](Scene &s) { return lintSession(s, "q.session"); }},
    {"power_tips", "inst/pwr.rtf", limits::kPowerTips, false,
     [](Scene &s) {
         QString error;
         return study::randomSet({5, 1, 1, study::Language::German, {}, s.base() + "/pwr.rtf"}, &error) ? QString() : error;
     }},
};

enum class Hostile { Fifo, DevZero, OverLimit, Folder, Unreadable, Empty };

bool prepare(Hostile what, const QString &path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    QFile f(path);
    switch (what) { // each true when made
    case Hostile::Fifo: return ::mkfifo(name.constData(), 0644) == 0;
    case Hostile::DevZero: return ::symlink("/dev/zero", name.constData()) == 0;
    case Hostile::OverLimit: return f.open(QIODevice::WriteOnly) && f.resize(limit + 1); // sparse: no disk used
    case Hostile::Folder: return QDir().mkpath(path);
    case Hostile::Unreadable: return f.open(QIODevice::WriteOnly) && f.write("x") == 1 && f.setPermissions({});
    case Hostile::Empty: return f.open(QIODevice::WriteOnly);
    }
    return false;
}

std::vector<Case> commonCases()
{
    const std::pair<Hostile, const char *> kinds[] = {{Hostile::Fifo, "fifo"},     {Hostile::DevZero, "dev_zero"},
                                                      {Hostile::OverLimit, "over_limit"}, {Hostile::Folder, "folder"},
                                                      {Hostile::Unreadable, "unreadable"}, {Hostile::Empty, "empty"}};
    std::vector<Case> cases;
    for (const Reader &reader : kReaders)
        for (const auto &[what, kind] : kinds) {
            QStringList said;
            if (what != Hostile::Empty || reader.emptyIsAnError)
                said << QFileInfo(reader.relativePath).fileName();
            if (what == Hostile::OverLimit)
                said << QStringLiteral("%1 MB").arg(reader.limit.bytes / limits::kMiB);
            cases.push_back({std::string(reader.name) + "_" + kind,
                             [reader, what](Scene &s) -> std::optional<QString> {
                                 if (!prepare(what, s.path(reader.relativePath), reader.limit.bytes))
                                     return std::nullopt;
                                 s.go();
                                 // Read as a user whom permissions stop, even when the tests run as root.
                                 ::setfsuid(what == Hostile::Unreadable ? 65534 : ::geteuid());
                                 const QString said = reader.read(s);
                                 ::setfsuid(::geteuid());
                                 return said;
                             },
                             said});
        }
    return cases;
}

using Result = std::optional<QString>;

const Case kSpecialCases[] = {
    {"session_file_a_megabyte_of_stations",
     [](Scene &s) -> Result {
         QByteArray text = "[session]\nversion = 1\n[aircraft]\nx = 1\ny = 1\nheading = 90\ntas = 100\n";
         for (int i = 0; text.size() < limits::kSessionFile.bytes - 40; ++i)
             text += "[station]\nid = S" + QByteArray::number(i) + "\nkind = NDB\n";
         s.write("inst/default/sessions/q.session", text);
         s.go();
         return host::SessionFile::load(s.base() + "/default/sessions/q.session").error.toString();
     },
     {"q.session", "more than 50 stations"}},
    {"lint_session_name_leading_out", [](Scene &s) -> Result { return lintSession(s, "../../../../../../../../../etc/passwd"); },
     {"../etc/passwd", "outside"}},
    {"lint_session_link_loop",
     [](Scene &s) -> Result {
         s.link("q.session", "inst/default/sessions/q.session");
         return lintSession(s, "q.session");
     },
     {"q.session", "link loop"}},
    {"lint_session_escapes_in_its_name",
     [](Scene &s) -> Result {
         static const char kName[] = "x\x1b[1A\x1b[2K\nqdm.sty: 24 questions load, clean\0.session";
         return lintSession(s, QByteArray(kName, sizeof kName - 1));
     },
     {"x\\x1b[1A\\x1b[2K\\nqdm.sty", "clean\\0.session"}},
    {"lint_missing_names_beside_thousands_of_sessions",
     [](Scene &s) -> Result {
         for (int i = 0; i < 3000; ++i)
             s.write(QStringLiteral("inst/default/sessions/s%1.session").arg(i), {});
         QByteArray study;
         for (int i = 0; i < 400; ++i)
             study += qdmRecord("missing" + QByteArray::number(i) + ".session");
         s.write("inst/default/study/qdm.sty", study);
         s.go();
         QString error;
         const auto r = study::lintStudyFile(s.base() + "/default/study/qdm.sty", {}, &error);
         EXPECT_TRUE(r && r->records == 301 && r->findings.size() == std::size_t(study::kMaxFindings)
                     && r->unshown == 301 + 1 - study::kMaxFindings); // a finding per name, and where loading stops
         return r ? findings(*r) : error;
     },
     {"missing0.session not found"}},
    {"settings_store_backups_beside_it",
     [](Scene &s) -> Result {
         const QStringList kept = {"avx1.ini.backup", "avx1.ini.bak001", "avx1.ini.2024v1", "avx1.ini.Ab3xQ9",
                                   ".orvik3-avx1.ini-Ab3xQ9z.tmp", ".orvik3-other.ini-Ab3xQ9.tmp"};
         for (const QString &name : kept)
             s.write("inst/store/" + name, "k=1\n");
         s.write("inst/store/.orvik3-avx1.ini-Ab3xQ9.tmp", "left by a writer that died");
         const QString said = store(s, true);
         for (const QString &name : kept)
             EXPECT_EQ(s.read("inst/store/" + name), "k=1\n") << qPrintable(name);
         EXPECT_EQ(s.read("inst/store/.orvik3-avx1.ini-Ab3xQ9.tmp"), "(missing)");
         return said;
     },
     {},
     true},
    {"settings_store_read_only",
     [](Scene &s) -> Result {
         s.write("inst/store/avx1.ini.update-lock", {});
         s.write("inst/store/avx1.ini", "[stats]\nqdm_total=3\n");
         QFile::setPermissions(s.base() + "/store/avx1.ini", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
         return store(s, true);
     },
     {"avx1.ini", "read-only"}},
    {"settings_store_a_link_is_written_through",
     [](Scene &s) -> Result {
         s.write("inst/store/avx1.ini.update-lock", {});
         s.write("elsewhere/avx1.ini", "[stats]\nqdm_total=3\n");
         s.link(s.root.filePath("elsewhere/avx1.ini"), "inst/store/avx1.ini");
         const QString said = store(s, true);
         EXPECT_TRUE(QFileInfo(s.base() + "/store/avx1.ini").isSymLink());
         EXPECT_EQ(s.read("elsewhere/avx1.ini"), "[stats]\nqdm_total=7\n");
         return said;
     },
     {},
     true},
    {"settings_store_lock_held_by_another",
     [](Scene &s) -> Result {
         s.write("inst/store/avx1.ini.update-lock", {});
         QFile lock(s.base() + "/store/avx1.ini.update-lock");
         if (!lock.open(QIODevice::ReadWrite) || ::flock(lock.handle(), LOCK_EX) != 0)
             return std::nullopt;
         return store(s, true);
     },
     {"avx1.ini.update-lock", "locked by another program"}},
    {"random_study_file_linked_out_of_outdir",
     [](Scene &s) -> Result {
         s.write("elsewhere/victim", "kept");
         s.link(s.root.filePath("elsewhere/victim"), "inst/default/study/qdm.sty");
         const QString refused = run(s, {"random", "--type", "6", "--count", "2", s.base()});
         EXPECT_EQ(snapshot(s.root.path()), s.before);
         const QString forced = run(s, {"random", "--type", "6", "--count", "2", "--force", s.base()});
         EXPECT_EQ(s.read("elsewhere/victim"), "kept"); // the link is replaced, not written through
         EXPECT_FALSE(QFileInfo(s.base() + "/default/study/qdm.sty").isSymLink());
         return refused + forced;
     },
     {"exit 2", "qdm.sty: is a symbolic link", "exit 0", "wrote 3 files"},
     true},
    {"generate_into_a_linked_sessions_folder",
     [](Scene &s) -> Result {
         s.write("scenario.txt", "type = 1\nname = t\nsituation radial=030 distance=10 heading=090 course=214\n");
         s.link(s.root.filePath("elsewhere"), "inst/default/sessions");
         QDir().mkpath(s.root.filePath("elsewhere"));
         return run(s, {"generate", s.root.filePath("scenario.txt"), s.base()});
     },
     {"exit 2", "default/sessions", "symbolic link"}},
    {"random_over_an_edited_installation",
     [](Scene &s) -> Result {
         s.write("inst/default/study/qdm.sty", "edited by hand");
         s.write("inst/default/sessions/qdm-r-001.session", "edited by hand");
         return run(s, {"random", "--type", "6", "--count", "2", s.base()});
     },
     {"exit 2", "qdm.sty: exists (and 1 more files)", "--force"}},
    {"random_on_a_full_disk",
     [](Scene &s) -> Result {
         // A small file system of its own, in a private mount namespace; whatever stays on it is listed.
         const QString said = run(s, {"-rm", "sh", "-c",
                                      "mount -t tmpfs -o size=16k tmpfs \"$1\" || exit 99; \"$2\" random --type 1 --count 24 \"$1/out\";"
                                      " echo \"exit $?\"; find \"$1\" -type f -printf 'LEFT %p\\n'",
                                      "sh", s.path("disk/x").chopped(2), QStringLiteral(ORVIK3_STUDY_TOOL)},
                                  QStringLiteral("unshare"));
         if (!said.startsWith(QLatin1String("exit 0\n")))
             return std::nullopt; // no private mounts here
         EXPECT_FALSE(said.contains(QLatin1String("LEFT"))) << qPrintable(said);
         return said;
     },
     {"exit 2", "/out/default/", "the disk is full"}},
    {"lint_tool_control_characters_in_names",
     [](Scene &s) -> Result {
         s.write("inst/default/study/qdm.sty", qdmRecord("\x1b[2J.session"));
         s.write("inst/default/study/\x1b[2J\x1b[1A.sty", "x");
         return run(s, {"lint", s.base() + "/default/study"});
     },
     {"exit 2", "\\x1b[2J.session not found", "\\x1b[2J\\x1b[1A.sty: not a study file name"}},
    {"lint_tool_folders",
     [](Scene &s) -> Result {
         QDir().mkpath(s.base() + "/qdm.sty"); // taken for the file meant, not as a folder of files
         return run(s, {"lint", s.base() + "/qdm.sty", s.base()});
     },
     {"exit 2", "qdm.sty: is a folder", "inst: a folder without study files"}},
};

class HostileFile : public testing::TestWithParam<Case> {};

TEST_P(HostileFile, EndsFastWithAPlainMessageNamingTheFile)
{
    const Case &c = GetParam();
    Scene scene;
    ASSERT_TRUE(scene.root.isValid() && QDir().mkpath(scene.base()));
    const std::optional<QString> said = c.run(scene);
    if (!said)
        GTEST_SKIP() << "cannot be set up here";
    ASSERT_TRUE(scene.clock) << "the case never started its reader";
    EXPECT_LT(scene.clock->elapsed(), 2000);
    if (c.said.isEmpty())
        EXPECT_EQ(*said, QString());
    for (const QString &part : c.said)
        EXPECT_TRUE(said->contains(part)) << "no '" << qPrintable(part) << "' in: " << qPrintable(*said);
    for (const QChar ch : *said)
        EXPECT_TRUE(ch == u'\n' || (ch.unicode() >= 0x20 && ch.unicode() != 0x7f)) << "control character " << int(ch.unicode());
    if (!c.changes)
        EXPECT_EQ(snapshot(scene.root.path()), scene.before);
}

INSTANTIATE_TEST_SUITE_P(Readers, HostileFile, testing::ValuesIn(commonCases()), [](const auto &info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(Cases, HostileFile, testing::ValuesIn(kSpecialCases), [](const auto &info) { return info.param.name; });

} // namespace
