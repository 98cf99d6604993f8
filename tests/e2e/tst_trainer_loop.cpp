// The learning loop of the trainer on a real window: a private X server, the xcb platform and
// real mouse and key events. For every exercise type: a wrong answer and the panel's "Weiter"
// (the question comes back, and the window says why), a right answer, the solution, the
// trainer's own "Weiter" by Enter, and on to the next question; the statistics file then
// holds exactly what the panel counts. For one type of each family: the end of a set and a
// set of only the mistakes.
#include "MainWindow.h"
#include "SolutionBox.h"
#include "StatisticsData.h"
#include "SummaryPage.h"
#include "TrainerHost.h"
#include "FlightSession.h"
#include "explain/SolutionExplainer.h"

#include <orvik3/QAform.h>
#include <orvik3/QAformWidget.h>
#include <orvik3/SettingsStore.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

// --- the installation --------------------------------------------------------------------

// A copy of the sample installation; with `records` > 0 every study file keeps only that many
// questions, so that a set ends soon.
void copyInstallation(const QString &to, int records)
{
    const QString from = QStringLiteral(ORVIK3_SAMPLE_DATA_DIR);
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        QDir().mkpath(QFileInfo(dst).path());
        QFile in(src);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        QByteArray bytes = in.readAll();
        if (records > 0 && src.endsWith(QLatin1String(".sty"))) {
            const QList<QByteArray> lines = bytes.split('\r');
            QByteArray kept;
            int sessions = 0;
            for (int k = 0; k < lines.size() && sessions <= records; ++k) {
                kept += lines[k] + '\r';
                if (sessions == records)
                    break; // the separator after the last session line
                if (lines[k].trimmed().startsWith("ses:"))
                    ++sessions;
            }
            bytes = kept + '\n';
        }
        QFile out(dst);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
}

// --- finding a right and a wrong answer ----------------------------------------------------

enum class Input { Option, Combo, TypedOption };

struct Answer {
    Input input = Input::Option;
    QString control;   // option button or combo box
    int row = -1;      // combo entry
    QString box;       // text box typed into first
    QString typed;
    // Panels that shuffle their candidates do it with dice of their own, so an option is
    // found again by its caption within its frame.
    QString caption;
    QString frame;
};

struct Probe {
    std::unique_ptr<QAform> form;
    Probe(const QString &base, int type, int question)
    {
        Services s;
        s.settings = std::make_shared<MemorySettingsStore>();
        // The trainer's language picks the study file; the probe reads the same one.
        s.texts = qEnvironmentVariableIsSet("ORVIK3_LOOP_SHOTS") ? TextTable::english() : TextTable::german();
        form = std::make_unique<QAform>(s);
        form->InitProperties();
        form->setC_MainAppPath(base);
        form->setC_QAtype(qint16(type));
        for (int k = 0; k < 400 && form->currentQuestion() != question; ++k)
            form->DisplayQuestion();
    }
    // 1 right, 0 wrong, -1 nothing judged
    int verdict() const
    {
        bool done = false, right = false;
        for (int n = 1; n <= 6; ++n) {
            done = done || form->partDone(n);
            right = right || form->partCorrect(n);
        }
        return right ? 1 : done ? 0 : -1;
    }
};

// The first right (want = 1) or wrong (want = 0) answer of the question, tried on a probe of
// its own for every candidate, so that the trainer's counters stay untouched.
std::optional<Answer> findAnswer(const QString &base, int type, int question, int want)
{
    const ExerciseFamily family = exerciseInfo(type)->family;
    if (family == ExerciseFamily::Position) {
        const int count = Probe(base, type, question).form->control(QStringLiteral("Combo1")).listCount();
        for (int row = 0; row < count; ++row) {
            Probe p(base, type, question);
            p.form->control(QStringLiteral("Combo1")).choose(row);
            if (p.verdict() == want)
                return Answer{Input::Combo, QStringLiteral("Combo1"), row, {}, {}};
        }
        return std::nullopt;
    }
    if (family == ExerciseFamily::Wind) {
        const QString typed = want ? Probe(base, type, question).form->qaCol(13, question).trimmed() : QStringLiteral("999");
        for (const char *opt : {"Option47", "Option42", "Option35"}) {
            Probe p(base, type, question);
            p.form->control(QStringLiteral("Text4")).type(typed);
            p.form->control(QLatin1String(opt)).click();
            if (p.verdict() == want)
                return Answer{Input::TypedOption, QLatin1String(opt), -1, QStringLiteral("Text4"), typed};
        }
        return std::nullopt;
    }
    for (int k = 1; k <= 60; ++k) {
        const QString name = QStringLiteral("Option%1").arg(k);
        Probe p(base, type, question);
        const FormControl *c = p.form->form().find(name);
        if (!c || !c->isReachable())
            continue;
        const QString caption = c->caption();
        const QString frame = c->container() ? c->container()->name() : QString();
        p.form->control(name).click();
        if (p.verdict() == want)
            return Answer{Input::Option, name, -1, {}, {}, caption, frame};
    }
    return std::nullopt;
}

// --- real input on the window --------------------------------------------------------------

// Where a trainee clicks: an option or a check box reacts only on its mark and caption, not
// on the empty rest of its width (a short caption such as "gleich" ends well left of the
// middle); anything else in its middle.
QPoint target(QWidget *w)
{
    auto *button = qobject_cast<QAbstractButton *>(w);
    const bool option = qobject_cast<QRadioButton *>(w) != nullptr;
    if (!button || (!option && !qobject_cast<QCheckBox *>(w)))
        return w->rect().center();
    QStyleOptionButton o;
    o.initFrom(button);
    o.text = button->text();
    o.icon = button->icon();
    o.iconSize = button->iconSize();
    const QRect mark = w->style()->subElementRect(option ? QStyle::SE_RadioButtonClickRect : QStyle::SE_CheckBoxClickRect, &o, w);
    return mark.isValid() ? mark.center() : QPoint(6, w->height() / 2);
}

int partsDone(const QAform &form)
{
    int n = 0;
    for (int k = 1; k <= 6; ++k)
        n += form.partDone(k) ? 1 : 0;
    return n;
}

class Trainer
{
public:
    explicit Trainer(int records = 0)
    {
        copyInstallation(m_dir.filePath(QStringLiteral("base")), records);
        m_settings = std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("trainer.ini")), QSettings::IniFormat);
        Services s;
        s.settings = std::make_shared<IniSettingsStore>(m_dir.filePath(QStringLiteral("store")));
        window = std::make_unique<MainWindow>(s, *m_settings, base());
        window->setScripted(true);
        window->resize(1500, 950);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // Without a window manager focus may never be announced; the keys go to the window all the same.
        (void)QTest::qWaitForWindowActive(window.get(), 2000);
    }
    QString base() const { return m_dir.filePath(QStringLiteral("base")); }
    QAform &form() const { return *window->host().control(); }
    QWidget *widget(const QString &name) const
    {
        auto *panel = qobject_cast<QAformWidget *>(window->panel());
        return panel ? panel->widgetFor(name) : nullptr;
    }
    void click(QWidget *w) const
    {
        ASSERT_TRUE(w && w->isVisible()) << "not on screen";
        QTest::mouseClick(w, Qt::LeftButton, {}, target(w));
        QApplication::processEvents();
    }
    void click(const QString &name) const { click(widget(name)); }
    void enter() const
    {
        QTest::keyClick(window.get(), Qt::Key_Return);
        QApplication::processEvents();
    }
    void answer(const Answer &a) const
    {
        if (a.input == Input::TypedOption) {
            click(a.box);
            QTest::keyClicks(widget(a.box), a.typed);
        }
        if (a.input == Input::TypedOption) {
            const int before = partsDone(form());
            click(a.control);
            ASSERT_GT(partsDone(form()), before) << "the click on " << qPrintable(a.control) << " was not judged";
            return;
        }
        if (a.input == Input::Option) {
            for (FormControl *c : form().form().controls()) {
                if (c->kind() == ControlKind::OptionButton && c->isReachable() && c->caption() == a.caption
                    && c->container() && c->container()->name() == a.frame) {
                    const int before = partsDone(form());
                    click(c->name());
                    // A click that missed would pass for a wrong answer further on.
                    ASSERT_GT(partsDone(form()), before) << "the click on " << qPrintable(a.caption) << " was not judged";
                    return;
                }
            }
            FAIL() << "no option " << qPrintable(a.caption) << " in " << qPrintable(a.frame);
        }
        auto *combo = qobject_cast<QComboBox *>(widget(a.control));
        ASSERT_TRUE(combo);
        click(combo);
        QAbstractItemView *view = combo->view();
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }, 2000)) << "the list did not open";
        const QModelIndex index = view->model()->index(a.row, 0);
        // Down the open list to the entry, then Return, as a trainee does with the keyboard.
        view->setFocus();
        for (int k = view->currentIndex().row(); k < a.row; ++k)
            QTest::keyClick(view, Qt::Key_Down);
        for (int k = view->currentIndex().row(); k > a.row; --k)
            QTest::keyClick(view, Qt::Key_Up);
        ASSERT_EQ(view->currentIndex().row(), a.row);
        QTest::keyClick(view, Qt::Key_Return);
        QApplication::processEvents();
    }
    QString stat(const QString &key) const
    {
        IniSettingsStore store(m_dir.filePath(QStringLiteral("store")));
        return store.read(QStringLiteral("avx1"), QStringLiteral("stats"), key);
    }

    std::unique_ptr<MainWindow> window;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_settings;
};

// With ORVIK3_LOOP_SHOTS set to a folder, the documentation's pictures are taken on the way.
bool takingShots() { return qEnvironmentVariableIsSet("ORVIK3_LOOP_SHOTS"); }
void shot(MainWindow *w, const char *name)
{
    w->statusBar()->clearMessage(); // the temporary folder is no business of the picture
    if (takingShots())
        w->grab().save(qEnvironmentVariable("ORVIK3_LOOP_SHOTS") + QLatin1Char('/') + QLatin1String(name));
}

// --- one question round in every type -------------------------------------------------------

class EveryType : public ::testing::TestWithParam<int> {};

TEST_P(EveryType, WrongRightSolutionEnterNextQuestion)
{
    const int type = GetParam();
    Trainer t;
    if (takingShots())
        t.window->setLanguage(Language::English);
    t.window->startExercise(type);
    QAform &form = t.form();
    // Questions in file order, so that a wrong answer brings the question back.
    if (form.form().control(SolutionExplainer::randomBox(type)).value() != 0) {
        t.click(SolutionExplainer::randomBox(type));
        ASSERT_EQ(form.form().control(SolutionExplainer::randomBox(type)).value(), 0) << "the random box stays ticked";
        t.window->host().jumpTo(0);
    }
    ASSERT_EQ(form.currentQuestion(), 0);
    const auto wrong = findAnswer(t.base(), type, 0, 0);
    const auto right = findAnswer(t.base(), type, 0, 1);
    ASSERT_TRUE(wrong && right) << "no right and wrong answer found";

    // Wrong, then the panel's own "Weiter": the same question, and the window says why.
    t.answer(*wrong);
    t.click(SolutionExplainer::nextButton(type));
    EXPECT_EQ(form.currentQuestion(), 0);
    EXPECT_TRUE(t.window->repeatLabel()->isVisible());
    EXPECT_FALSE(t.window->repeatLabel()->text().isEmpty());

    // Right, the solution: box and the trainer's "Weiter" are out whatever the panel's height.
    t.answer(*right);
    EXPECT_TRUE(form.partCorrect(1) || form.partCorrect(2) || form.partCorrect(3) || form.partCorrect(4) || form.partCorrect(5));
    t.click(SolutionExplainer::solutionButton(type));
    EXPECT_TRUE(t.window->solutionBox()->isVisible());
    EXPECT_TRUE(t.window->nextButton()->isVisible());
    const ExerciseFamily family = exerciseInfo(type)->family;
    const bool cuts = family == ExerciseFamily::HoldingArc || family == ExerciseFamily::QdmQdr || family == ExerciseFamily::Wind;
    EXPECT_EQ(t.window->host().panelShrunk(), cuts);
    if (type == 3 || type == 8)
        shot(t.window.get(), type == 3 ? "loop-holding-solution.png" : "loop-wind-solution.png");

    // Enter: the panel comes back and counts; one part right is not all right, so again.
    t.enter();
    EXPECT_FALSE(t.window->host().panelShrunk());
    EXPECT_EQ(form.currentQuestion(), 0);
    EXPECT_FALSE(t.window->solutionBox()->isVisible());

    // The solution with nothing answered, Enter: on to the next question, nothing counted.
    t.click(SolutionExplainer::solutionButton(type));
    t.enter();
    EXPECT_EQ(form.currentQuestion(), 1);
    EXPECT_TRUE(t.window->progressLabel()->text().startsWith(QStringLiteral("2/"))) << qPrintable(t.window->progressLabel()->text());

    const QString p = statisticsPrefix(type);
    EXPECT_EQ(t.stat(p + QStringLiteral("_total 0")), QStringLiteral("2"));
    EXPECT_EQ(t.stat(p + QStringLiteral("_bad 0")), QStringLiteral("2"));
    EXPECT_EQ(t.stat(p + QStringLiteral("_total")), QStringLiteral("2"));
    EXPECT_EQ(t.stat(p + QStringLiteral("_bad")), QStringLiteral("2"));
    EXPECT_TRUE(t.stat(p + QStringLiteral("_total 1")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Types, EveryType, ::testing::Range(1, 15),
                         [](const auto &info) { return "type" + std::to_string(info.param); });

// --- a flight, then Enter -----------------------------------------------------------------------

struct FlyRow {
    int type;
    const char *flyButton;
};
class AfterFlight : public ::testing::TestWithParam<FlyRow> {};

TEST_P(AfterFlight, EnterGivesThePanelBackAndMovesOn)
{
    const FlyRow &r = GetParam();
    Trainer t;
    t.window->startExercise(r.type);
    QAform &form = t.form();
    const int first = form.currentQuestion();
    t.click(QLatin1String(r.flyButton));
    EXPECT_TRUE(t.window->host().panelShrunk());
    EXPECT_TRUE(t.window->flight().isActive());
    ASSERT_TRUE(t.window->nextButton()->isVisible());
    QTest::qWait(150); // a few steps of flight
    t.enter();
    EXPECT_FALSE(t.window->flight().isActive());
    EXPECT_FALSE(t.window->host().panelShrunk());
    EXPECT_EQ(form.currentQuestion(), first + 1);
    EXPECT_TRUE(t.stat(statisticsPrefix(r.type) + QStringLiteral("_total")).isEmpty()) << "nothing answered, nothing counted";
}

INSTANTIATE_TEST_SUITE_P(FlyingFamilies, AfterFlight,
                         ::testing::Values(FlyRow{3, "Command26"}, FlyRow{9, "Command26"}, FlyRow{6, "Command15"},
                                           FlyRow{8, "Command14"}),
                         [](const auto &info) { return "type" + std::to_string(info.param.type); });

// --- the end of a set and the mistakes ---------------------------------------------------------

class SetEnd : public ::testing::TestWithParam<int> {};

TEST_P(SetEnd, SummaryThenOnlyMyMistakes)
{
    const int type = GetParam();
    Trainer t(3);
    if (takingShots())
        t.window->setLanguage(Language::English);
    t.window->startExercise(type);
    QAform &form = t.form();
    ASSERT_EQ(form.lastQuestion(), 2);
    const auto wrong = findAnswer(t.base(), type, 0, 0);
    ASSERT_TRUE(wrong);
    t.answer(*wrong);
    t.click(SolutionExplainer::nextButton(type));
    for (int q = 0; q < 3; ++q) {
        ASSERT_FALSE(t.window->summaryShown()) << "summary before question " << q + 1;
        t.click(SolutionExplainer::solutionButton(type));
        t.enter();
    }
    ASSERT_TRUE(t.window->summaryShown());
    EXPECT_EQ(t.window->learning().rightCount(), 0);
    EXPECT_EQ(t.window->learning().mistakes(), std::vector<int>{0});
    auto *table = t.window->summaryPage()->findChild<QWidget *>(QStringLiteral("summaryTable"));
    ASSERT_TRUE(table && table->isVisible());
    if (type == 6)
        shot(t.window.get(), "loop-summary.png");

    t.click(t.window->summaryPage()->findChild<QPushButton *>(QStringLiteral("summaryMistakes")));
    ASSERT_FALSE(t.window->summaryShown());
    EXPECT_EQ(form.currentQuestion(), 0);
    // "1/1, 0 right" in whichever language the window speaks
    EXPECT_TRUE(t.window->progressLabel()->text().startsWith(QStringLiteral("1/1, 0 "))) << qPrintable(t.window->progressLabel()->text());
    t.click(SolutionExplainer::solutionButton(type));
    t.enter();
    EXPECT_TRUE(t.window->summaryShown());

    const QString p = statisticsPrefix(type);
    EXPECT_EQ(t.stat(p + QStringLiteral("_total 0")), QStringLiteral("1"));
    EXPECT_EQ(t.stat(p + QStringLiteral("_bad 0")), QStringLiteral("1"));
    EXPECT_TRUE(t.stat(p + QStringLiteral("_total 1")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(OnePerFamily, SetEnd, ::testing::Values(1, 3, 5, 6, 8),
                         [](const auto &info) { return "type" + std::to_string(info.param); });

// --- the X server -------------------------------------------------------------------------------

int freeDisplay()
{
    for (int n = 77; n < 400; ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) && !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            return n;
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        std::fprintf(stderr, "Xvfb is not installed: skipped\n");
        return 77;
    }
    QProcess server;
    int display = -1;
    for (int attempt = 0; attempt < 5 && display < 0; ++attempt) {
        const int n = freeDisplay();
        server.start(xvfb, {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                            QStringLiteral("1600x1000x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!server.waitForStarted(5000))
            continue;
        for (int k = 0; k < 100 && server.state() == QProcess::Running; ++k) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
                display = n;
                break;
            }
            QThread::msleep(50);
        }
        if (display < 0)
            server.kill(), server.waitForFinished(2000);
    }
    if (display < 0) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    QTemporaryDir config;
    qputenv("DISPLAY", QByteArray(":") + QByteArray::number(display));
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    int rc = 1;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        rc = RUN_ALL_TESTS();
    }
    server.terminate();
    if (!server.waitForFinished(3000))
        server.kill(), server.waitForFinished(2000);
    return rc;
}
