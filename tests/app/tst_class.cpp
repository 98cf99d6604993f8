// The class from the trainer: publishing chosen in its dialog and carried out by the review
// log, and the instructor's class window.
#include "TrainerSettingsKeys.h"
#include "TrainerTestKit.h"
#include "practice/PracticeMemory.h"
#include "school/ClassTables.h"
#include "school/ClassWindow.h"
#include "school/PublishDialog.h"

#include <ClassSimulator.h>

#include <Pseudonym.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTableWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

struct PublishRow {
    const char *name;
    bool enabled;
    const char *pseudonym;
    bool accepted; // else the dialog stays, naming the problem
};

void PrintTo(const PublishRow &r, std::ostream *os) { *os << r.name; }

class Publishing : public ::testing::TestWithParam<PublishRow> {};

TEST_P(Publishing, ReachesTheClassOnlyWhenTurnedOnUnderAGoodPseudonym)
{
    const PublishRow &r = GetParam();
    test::WindowKit kit;
    MainWindow &w = kit.open();
    w.practiceMemory().setPath(kit.dir.filePath(QStringLiteral("reviews.sqlite")));
    const QString folder = kit.dir.filePath(QStringLiteral("class"));
    ASSERT_TRUE(QDir().mkpath(folder));

    w.choosePublishing();
    auto *dialog = w.findChild<PublishDialog *>();
    ASSERT_TRUE(dialog);
    dialog->findChild<QCheckBox *>(QStringLiteral("publishEnabled"))->setChecked(r.enabled);
    dialog->findChild<QLineEdit *>(QStringLiteral("classLocation"))->setText(folder);
    dialog->findChild<QLineEdit *>(QStringLiteral("pseudonym"))->setText(QString::fromUtf8(r.pseudonym));
    dialog->accept();
    const QString problem = dialog->findChild<QLabel *>(QStringLiteral("publishProblem"))->text();
    EXPECT_EQ(problem.isEmpty(), r.accepted) << problem.toStdString();
    if (!r.accepted)
        EXPECT_TRUE(problem.contains(school::pseudonymProblem(QString::fromUtf8(r.pseudonym))));
    EXPECT_EQ(kit.settings.value(kPublishEnabled).toBool(), r.enabled && r.accepted);

    PracticeMemory &memory = w.practiceMemory();
    memory.append({{QDateTime::currentMSecsSinceEpoch(), QStringLiteral("wind.wca"), 8, QStringLiteral("wind 1"),
                    QStringLiteral("5"), practice::Outcome::Right, 5000}});
    memory.waitForIdle();
    const QStringList files = QDir(folder).entryList(QDir::Files);
    const bool published = r.enabled && r.accepted;
    EXPECT_EQ(files, published ? QStringList{school::snapshotFileName(QString::fromUtf8(r.pseudonym))} : QStringList{});
    if (!published)
        return;

    // Withdrawn from the class through the same dialog, off the window thread.
    w.choosePublishing();
    dialog = w.findChildren<PublishDialog *>().constLast();
    EXPECT_EQ(dialog->findChild<QLineEdit *>(QStringLiteral("pseudonym"))->text(), QString::fromUtf8(r.pseudonym));
    dialog->findChild<QPushButton *>(QStringLiteral("withdraw"))->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QDir(folder).entryList(QDir::Files).isEmpty(); }, 5000));
}

INSTANTIATE_TEST_SUITE_P(Trainer, Publishing,
                         ::testing::Values(PublishRow{"off", false, "Falke", true},
                                           PublishRow{"offWithABadPseudonym", false, "a/b", true},
                                           PublishRow{"onNamed", true, "Falke 7", true},
                                           PublishRow{"onWithAPath", true, "../Falke", false},
                                           PublishRow{"onUnnamed", true, "", false}),
                         [](const auto &info) { return std::string(info.param.name); });

// A simulated class with a mis-keyed question, and one snapshot that is no snapshot.
class ClassView : public ::testing::TestWithParam<Language>
{
protected:
    static void SetUpTestSuite()
    {
        dir = new QTemporaryDir;
        QString error;
        study::ClassSimulationOptions o;
        o.students = 30;
        o.days = 10;
        o.perDay = 30;
        o.base = QStringLiteral(ORVIK3_DATA_DIR);
        o.misKey = QStringLiteral("hsi.sty:7");
        ASSERT_TRUE(study::simulateClass(o, dir->path(), &error)) << error.toStdString();
        QFile broken(dir->filePath(QStringLiteral("Kaputt") + school::kSnapshotSuffix));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("no database") > 0);
    }
    static void TearDownTestSuite() { delete dir; }
    static inline QTemporaryDir *dir = nullptr;
};

QString cells(const QTableWidget &table, int column)
{
    QStringList texts;
    for (int r = 0; r < table.rowCount(); ++r)
        texts << (table.item(r, column) ? table.item(r, column)->text() : QString());
    return texts.join(u'\n');
}

TEST_P(ClassView, ShowsStudentsFlagsAndUnreadableSourcesAndExportsThem)
{
    ClassWindow window(QDateTime::currentMSecsSinceEpoch(), GetParam());
    QSignalSpy loaded(&window, &ClassWindow::loaded);
    window.load(dir->path());
    ASSERT_TRUE(loaded.wait(60000));
    const school::ClassData &data = window.data();
    ASSERT_EQ(data.students.size(), 30u);
    const auto *students = window.findChild<QTableWidget *>(QStringLiteral("classStudents"));
    const auto *items = window.findChild<QTableWidget *>(QStringLiteral("classItems"));
    ASSERT_EQ(students->rowCount(), 30);
    ASSERT_EQ(items->rowCount(), int(data.items.size()));
    int flagged = 0;
    for (int r = 0; r < items->rowCount(); ++r) {
        EXPECT_EQ(items->item(r, 5)->text(), ClassTables::flagsText(data.items[r].flags, GetParam())) << r;
        flagged += !data.items[r].flags.isEmpty();
    }
    EXPECT_GT(flagged, 0);
    // The mis-keyed question's flag, named in the window's language.
    EXPECT_TRUE(cells(*items, 5).contains(GetParam() == Language::German ? QStringLiteral("negative Trennschärfe")
                                                                         : QStringLiteral("negative discrimination")));
    const auto *problems = window.findChild<QListWidget *>(QStringLiteral("classProblems"));
    ASSERT_EQ(problems->count(), 1);
    EXPECT_TRUE(problems->item(0)->text().contains(QLatin1String("Kaputt"))) << problems->item(0)->text().toStdString();

    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("class.html"));
    QString error;
    ASSERT_TRUE(window.exportReport(path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(html.contains(GetParam() == Language::German ? QLatin1String("lang=\"de\"") : QLatin1String("lang=\"en\"")));
    for (const school::StudentSummary &s : data.students) {
        EXPECT_TRUE(cells(*students, 0).contains(s.pseudonym)) << s.pseudonym.toStdString();
        EXPECT_TRUE(html.contains(s.pseudonym.toHtmlEscaped())) << s.pseudonym.toStdString();
    }
    EXPECT_TRUE(html.contains(QLatin1String("Kaputt")));
}

INSTANTIATE_TEST_SUITE_P(Trainer, ClassView, ::testing::Values(Language::German, Language::English),
                         [](const auto &info) { return std::string(info.param == Language::German ? "German" : "English"); });

} // namespace
