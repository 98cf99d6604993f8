// The trainer by keyboard alone on a small screen: one type of each family walked with Tab,
// the arrow keys, Space, Enter and F1 from the first question to the summary, the window
// inside the screen all the way. Run once at 1366×768 and once at twice the scale
// (--screen WxH, --scale F). Along the way, all a screen reader needs is there.
#include "TrainerLoopKit.h"

#include "XvfbMain.h"
#include "../app/PlanCrowding.h"
#include "paint/SituationRenderer.h"
#include "panel/TipsWindow.h"
#include "situation/InstrumentReadings.h"
#include "practice/EndlessPractice.h"
#include "view/SituationView.h"
#include "view/SolutionBox.h"
#include "view/SummaryPage.h"
#include "widgets/FocusRing.h"

#include <orvik3/OleColor.h>

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>

using namespace orvik3;
using namespace orvik3::trainer;
using namespace orvik3::trainer::test;

namespace {

struct WalkRow {
    int type;
    Language language;
    bool endless; // F1 once more in endless practice, whose installation is a temporary one
};

class KeyboardWalk : public ::testing::TestWithParam<WalkRow>
{
protected:
    void key(int k, Qt::KeyboardModifiers mods = {})
    {
        QWidget *to = QApplication::activePopupWidget();
        if (!to)
            to = focus() ? focus() : t->window.get();
        QTest::keyClick(to, Qt::Key(k), mods);
        QApplication::processEvents();
    }
    void expectInsideScreen(const char *when)
    {
        const QRect room = t->window->screen()->availableGeometry();
        EXPECT_TRUE(room.contains(t->window->frameGeometry()))
            << when << ": window " << t->window->frameGeometry().width() << "×" << t->window->frameGeometry().height()
            << " at " << t->window->x() << "," << t->window->y() << " on " << room.width() << "×" << room.height();
    }
    // F1 opens the installation's tips at the section of the trainer's language; Escape closes them.
    void expectTips(const char *when)
    {
        bool seen = false;
        QObject scope; // no check left behind when no window opened
        int looks = 0;
        // Looked for again and again: on a busy machine the window may take a while.
        std::function<void()> look = [&] {
            auto *tips = qobject_cast<TipsWindow *>(QApplication::activeModalWidget());
            if (!tips) {
                if (++looks < 60)
                    QTimer::singleShot(50, &scope, look);
                return;
            }
            seen = true;
            EXPECT_EQ(tips->fileName(), QDir(t->base()).filePath(QStringLiteral("pwr.rtf"))) << when;
            const QScrollBar *bar = tips->richTextBox()->verticalScrollBar();
            if (GetParam().language == Language::German)
                EXPECT_EQ(bar->value(), 0) << when;
            else
                EXPECT_GT(bar->value(), bar->maximum() / 4) << when << ": not at the English section";
            QTest::keyClick(tips, Qt::Key_Escape);
        };
        QTimer::singleShot(50, &scope, look);
        key(Qt::Key_F1);
        EXPECT_TRUE(seen) << when << ": no tips";
        if (!seen && QApplication::activeModalWidget())
            QApplication::activeModalWidget()->close();
        // Without a window manager nothing gives the window back its activation.
        t->window->activateWindow();
        (void)QTest::qWaitForWindowActive(t->window.get(), 2000);
    }
    // The window's own: without a window manager it may never be the active one.
    // Keys go where the window system sends them: to the application's focus widget.
    QWidget *focus() const { return QApplication::focusWidget(); }
    std::unique_ptr<Trainer> t;
};

// What Tab may stop at: something on show that can be acted on, with a name to read out.
void expectActionable(QWidget *w, int stop)
{
    ASSERT_TRUE(w) << "stop " << stop << ": the focus went nowhere";
    EXPECT_TRUE(w->isVisible() && w->isEnabled() && !w->visibleRegion().isEmpty())
        << "stop " << stop << ": " << qPrintable(w->objectName()) << " cannot be seen";
    const auto *line = qobject_cast<QLineEdit *>(w);
    EXPECT_FALSE(qobject_cast<QPlainTextEdit *>(w) || (line && line->isReadOnly()))
        << "stop " << stop << ": " << qPrintable(w->objectName()) << " is read only";
    QAccessibleInterface *said = QAccessible::queryAccessibleInterface(w);
    EXPECT_TRUE(said && !said->text(QAccessible::Name).isEmpty()) << "stop " << stop << ": " << qPrintable(w->objectName()) << " has no name";
}

// What a screen reader reads: every control on show and the painted
// situation with a name and a description, the situation naming each instrument it draws,
// and each row's verdict told by a mark as well as by its colour.
void expectReadable(const Trainer &t, int type)
{
    for (QWidget *w : t.window->findChildren<QWidget *>()) {
        const bool control = w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w);
        if (!control || !w->isVisible() || qobject_cast<QAbstractScrollArea *>(w->parentWidget()))
            continue;
        QAccessibleInterface *said = QAccessible::queryAccessibleInterface(w);
        ASSERT_TRUE(said);
        const QString name = said->text(QAccessible::Name), about = said->text(QAccessible::Description);
        EXPECT_FALSE(name.isEmpty() || about.isEmpty())
            << qPrintable(w->metaObject()->className()) << " " << qPrintable(w->objectName()) << " name \"" << qPrintable(name)
            << "\" description \"" << qPrintable(about) << "\"";
    }
    const SituationView *view = t.page().view();
    const QString drawn = QAccessible::queryAccessibleInterface(const_cast<SituationView *>(view))->text(QAccessible::Description);
    for (InstrumentKind k : view->instruments())
        EXPECT_TRUE(drawn.contains(instrumentName(k))) << qPrintable(drawn);
    for (const AnswerRow &row : exerciseType(qint16(type))->rows) {
        const FormControl &result = t.form().form().control(QLatin1String(row.result));
        const auto *verdict = qobject_cast<QLabel *>(t.widget(QLatin1String(row.result)));
        // Green for right, red for wrong; a solution merely shown is neither.
        if (verdict && !verdict->text().isEmpty() && (result.foreColor() == colors::green || result.backColor() == colors::red))
            EXPECT_TRUE(verdict->text().startsWith(QStringLiteral("✓")) || verdict->text().startsWith(QStringLiteral("✗")))
                << row.result << ": " << qPrintable(verdict->text());
    }
}

TEST_P(KeyboardWalk, EveryQuestionToTheSummary)
{
    const WalkRow &r = GetParam();
    t = std::make_unique<Trainer>(2, QSize());
    expectInsideScreen("at start");
    t->window->setLanguage(r.language);
    t->window->startExercise(r.type);
    const QSize before = t->window->size();
    for (int k = 0; k < 4; ++k)
        key(Qt::Key_Plus, Qt::ControlModifier);
    expectInsideScreen("panel zoomed in");
    key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(t->window->size(), before) << "the zoom changed the window";

    const FamilyControls &c = controlsOf(r.type);
    QWidget *solution = t->widget(QLatin1String(c.showSolution));
    // Two questions, each answered at its first showing; one answered wrong comes again and
    // is left unanswered then, which moves on.
    QSet<int> seen;
    for (int q = 0; q < 6 && !t->window->summaryShown(); ++q) {
        SCOPED_TRACE(q);
        QTest::qWait(30);
        QAform &form = t->form();
        const int shown = form.currentQuestion();
        QSet<QWidget *> answeredRows;
        const bool answering = !seen.contains(shown);
        seen.insert(shown);
        for (int stop = 0; stop < 80 && focus() != solution; ++stop) {
            QWidget *w = focus();
            expectActionable(w, stop);
            if (!answering) {
            } else if (auto *combo = qobject_cast<QComboBox *>(w); combo && !answeredRows.contains(combo)) {
                answeredRows.insert(combo);
                const FormControl &list = form.form().control(combo->objectName());
                const int before = list.listIndex();
                key(combo->currentIndex() + 1 < combo->count() ? Qt::Key_Down : Qt::Key_Up);
                EXPECT_EQ(list.listIndex(), before) << "a key on the closed list chose";
                EXPECT_NE(combo->currentIndex(), before) << "a key on the closed list did not move";
                EXPECT_TRUE(t->page().hintLabel()->text().contains(combo->currentText().trimmed()));
                key(Qt::Key_Return);
                EXPECT_EQ(list.listIndex(), combo->currentIndex()) << "Enter did not commit the list";
                EXPECT_EQ(form.currentQuestion(), shown) << "the Enter that committed also moved on";
            } else if (auto *option = qobject_cast<QRadioButton *>(w); option && !answeredRows.contains(w->parentWidget())) {
                answeredRows.insert(w->parentWidget());
                key(Qt::Key_Space);
            } else if (auto *line = qobject_cast<QLineEdit *>(w); line && line->text().isEmpty()) {
                QTest::keyClicks(line, QStringLiteral("10"));
            }
            key(Qt::Key_Tab);
        }
        ASSERT_EQ(focus(), solution) << "Tab never reached the solution button";
        expectReadable(*t, r.type); // the answers judged
        key(Qt::Key_Space);
        ASSERT_TRUE(t->page().solutionBox()->isVisible());
        EXPECT_EQ(focus(), static_cast<QWidget *>(t->page().nextButton()));
        // The panel cut short ends below a row, and no ring is left around a control it hides.
        auto *frame = qobject_cast<QGroupBox *>(t->widget(QLatin1String(c.frame)));
        for (QWidget *child : frame->findChildren<QWidget *>()) {
            const QRect at(child->mapTo(frame, QPoint()), child->size());
            if (child->isVisibleTo(frame) && !qobject_cast<QGroupBox *>(child) && at.intersects(frame->rect()))
                EXPECT_TRUE(frame->rect().contains(at)) << qPrintable(child->objectName()) << " cut in half";
        }
        // The room the panel gave up goes to what follows it: no empty band above the progress.
        QWidget *panel = t->window->panel();
        int lowest = 0;
        for (QWidget *part : panel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (part->isVisible() && !qobject_cast<FocusRing *>(part))
                lowest = std::max(lowest, part->geometry().bottom());
        const int gap = t->window->findChild<QLabel *>(QStringLiteral("progressLabel"))->mapTo(t->window.get(), QPoint()).y()
                        - panel->mapTo(t->window.get(), QPoint(0, lowest)).y();
        EXPECT_LT(gap, 30) << "an empty band of " << gap << " px below the panel cut short";
        auto *ring = panel->findChild<FocusRing *>();
        EXPECT_TRUE(!ring->isVisible() || (ring->target() && !ring->target()->visibleRegion().isEmpty()));
        expectInsideScreen("solution shown");
        expectReadable(*t, r.type);
        // The plan as the view draws it now, at the view's size: no label covers another,
        // a station or the aircraft.
        const SituationView *view = t->page().view();
        PlanProbe probe;
        QImage plan(view->size() * view->devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
        plan.setDevicePixelRatio(view->devicePixelRatio());
        QPainter painter(&plan);
        SituationRenderer().paint(painter, QRectF(view->rect()), view->situation(), &probe);
        painter.end();
        EXPECT_FALSE(probe.labels.empty()) << "no plan painted";
        EXPECT_EQ(crowdedLabels(probe), "") << "at " << view->width() << "×" << view->height();
        EXPECT_TRUE(t->page().hintLabel()->isVisible());
        key(Qt::Key_Return);
    }
    ASSERT_TRUE(t->window->summaryShown());
    auto *table = t->window->summaryPage()->findChild<QTableWidget *>(QStringLiteral("summaryTable"));
    EXPECT_FALSE(table->item(0, 1)->text().isEmpty()) << "no situation for question 1";
    expectInsideScreen("summary");
    expectTips("summary");
    if (r.endless) {
        t->window->startEndless(r.type, 7);
        ASSERT_TRUE(t->window->endless());
        EXPECT_TRUE(QTest::qWaitFor([&] { return focus() && focus()->isVisible(); }, 3000)) << "the keyboard left on the summary";
        expectTips("endless practice");
    }
}

INSTANTIATE_TEST_SUITE_P(OnePerFamily, KeyboardWalk,
                         ::testing::Values(WalkRow{1, Language::German, false}, WalkRow{3, Language::English, false},
                                           WalkRow{5, Language::German, false}, WalkRow{6, Language::English, true},
                                           WalkRow{8, Language::German, false}),
                         [](const auto &info) { return "type" + std::to_string(info.param.type); });

} // namespace

int main(int argc, char **argv)
{
    QString screen = QStringLiteral("1366x768x24");
    for (int k = 1; k + 1 < argc; ++k) {
        if (qstrcmp(argv[k], "--screen") == 0)
            screen = QString::fromLatin1(argv[k + 1]) + QStringLiteral("x24");
        if (qstrcmp(argv[k], "--scale") == 0)
            qputenv("QT_SCALE_FACTOR", argv[k + 1]);
    }
    return orvik3::test::runOnPrivateXServer(argc, argv, screen);
}
