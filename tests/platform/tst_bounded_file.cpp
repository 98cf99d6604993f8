// The one reader of untrusted files, and the check that keeps names read from data files
// inside their folder.

#include "platform/BoundedFile.h"
#include "platform/Paths.h"

#include <orvik3/Error.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <unistd.h>

using namespace orvik3;

namespace {

constexpr FileLimit kTiny{16, "test file"};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct ReadRow {
    const char *name;
    // Makes what lies at `path`; the path to read (another one for things that exist already).
    std::function<QString(const QString &path)> make;
    BoundedFile::Status status;
    qsizetype bytes; // read when Ok
};

void PrintTo(const ReadRow &r, std::ostream *os) { *os << r.name; }

const ReadRow kReadRows[] = {
    {"empty", [](const QString &p) { return writeFile(p, {}) ? p : QString(); }, BoundedFile::Status::Ok, 0},
    {"at_the_limit", [](const QString &p) { return writeFile(p, QByteArray(16, 'x')) ? p : QString(); },
     BoundedFile::Status::Ok, 16},
    {"one_byte_over", [](const QString &p) { return writeFile(p, QByteArray(17, 'x')) ? p : QString(); },
     BoundedFile::Status::TooLarge, 0},
    // Reports a size of 0 but holds more than 16 bytes: only counting while reading stops it.
    {"size_reported_as_zero", [](const QString &) { return QStringLiteral("/proc/self/status"); },
     BoundedFile::Status::TooLarge, 0},
    {"missing", [](const QString &p) { return p; }, BoundedFile::Status::Missing, 0},
    {"missing_folder", [](const QString &p) { return p + QStringLiteral("/below"); }, BoundedFile::Status::Missing, 0},
    {"no_name", [](const QString &) { return QString(); }, BoundedFile::Status::Missing, 0},
    // A folder, a FIFO and a device: every reader's rows in the table of hostile files.
};

class BoundedRead : public testing::TestWithParam<ReadRow>
{
};

TEST_P(BoundedRead, RefusesAtOnceWithTheFileAndWhy)
{
    const ReadRow &row = GetParam();
    QTemporaryDir dir;
    const QString path = row.make(dir.filePath(QStringLiteral("f.dat")));
    if (path.isEmpty() && QByteArrayView(row.name) != "no_name")
        GTEST_SKIP() << "cannot be set up here";
    QElapsedTimer clock;
    clock.start();
    const BoundedFile::Result r = BoundedFile::read(path, kTiny);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(int(r.status), int(row.status)) << qPrintable(r.error);
    EXPECT_EQ(r.bytes.size(), row.bytes);
    if (row.status == BoundedFile::Status::Ok) {
        EXPECT_TRUE(r.error.isEmpty());
        return;
    }
    EXPECT_TRUE(r.error.startsWith(path + QStringLiteral(": "))) << qPrintable(r.error);
    EXPECT_TRUE(r.error.contains(QStringLiteral("test file"))) << qPrintable(r.error);
    if (row.status == BoundedFile::Status::TooLarge)
        EXPECT_TRUE(r.error.contains(QStringLiteral("16 bytes"))) << qPrintable(r.error);
    try {
        BoundedFile::readOrThrow(path, kTiny);
        ADD_FAILURE() << "no error raised";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::FileFailure);
        EXPECT_EQ(e.message().count(QStringLiteral("file failure")), 1) << qPrintable(e.message());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, BoundedRead, testing::ValuesIn(kReadRows),
                         [](const auto &info) { return std::string(info.param.name); });

struct NameRow {
    const char *name;
    const char *given;
    bool inside;
};

void PrintTo(const NameRow &r, std::ostream *os) { *os << r.name; }

// Below the folder: a.session (file), sub/b.session, in_link -> a.session, out_link -> the
// folder's parent file, zero_link -> /dev/zero, dangling -> nowhere, subout -> the parent.
const NameRow kNameRows[] = {
    {"plain_file", "a.session", true},
    {"in_a_subfolder", "sub/b.session", true},
    {"not_there_yet", "new.session", true},
    {"link_that_stays", "in_link", true},
    {"dot_component", "./a.session", true},
    {"parent", "../secret.session", false},
    {"parent_after_a_folder", "sub/../../secret.session", false},
    {"parent_that_comes_back", "sub/../a.session", false}, // refused all the same: no ".." at all
    {"deep_parent", "../../../../../../../../dev/zero", false},
    {"backslash_parent", "sub\\..\\..\\secret.session", false},
    {"absolute", "/dev/zero", false},
    {"absolute_backslash", "\\etc\\passwd", false},
    {"drive_letter", "C:secret.session", false},
    {"link_out", "out_link", false},
    {"link_to_a_device", "zero_link", false},
    {"dangling_link", "dangling", false},
    {"through_a_folder_link", "subout/secret.session", false},
    {"empty", "", false},
};

class NameConfinement : public testing::TestWithParam<NameRow>
{
};

TEST_P(NameConfinement, StaysInsideItsFolder)
{
    const NameRow &row = GetParam();
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("sessions"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/sub")));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/a.session"), "x"));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/sub/b.session"), "x"));
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("secret.session")), "x"));
    auto link = [&](const QString &target, const char *name) {
        return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(folder + u'/' + QLatin1String(name)).constData()) == 0;
    };
    ASSERT_TRUE(link(folder + QStringLiteral("/a.session"), "in_link"));
    ASSERT_TRUE(link(dir.filePath(QStringLiteral("secret.session")), "out_link"));
    ASSERT_TRUE(link(QStringLiteral("/dev/zero"), "zero_link"));
    ASSERT_TRUE(link(dir.filePath(QStringLiteral("nothing")), "dangling"));
    ASSERT_TRUE(link(dir.path(), "subout"));

    EXPECT_EQ(paths::staysInside(folder, QString::fromUtf8(row.given)), row.inside) << row.given;
}

INSTANTIATE_TEST_SUITE_P(Names, NameConfinement, testing::ValuesIn(kNameRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
