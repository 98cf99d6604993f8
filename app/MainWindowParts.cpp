// The trainer's window: its texts, the set's progress and summary, the statistics, the
// installation, the view's problems and the reports.
#include "MainWindow.h"

#include "TrainerMenus.h"
#include "TrainerSettingsKeys.h"
#include "panel/PanelZoom.h"
#include "panel/StudyFileCheck.h"
#include "panel/TrainerHost.h"
#include "practice/EndlessRecord.h"
#include "practice/MistakesPractice.h"
#include "practice/Practice.h"
#include "practice/PracticeClock.h"
#include "practice/PracticeMemory.h"
#include "practice/TodayPractice.h"
#include "situation/FlightSession.h"
#include "statistics/StatisticsData.h"
#include "statistics/StatisticsSaving.h"
#include "statistics/StatisticsWindow.h"
#include "view/EnterKey.h"
#include "view/QuestionBrief.h"
#include "view/ExercisePage.h"
#include "view/SituationView.h"
#include "view/SummaryPage.h"

#include <orvik3/Error.h>
#include <orvik3/VisibleText.h>
#include <orvik3/QAform.h>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStackedWidget>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>

#include <cstdio>

namespace orvik3::trainer {

namespace {

// A message as the window shows it: what came from a file cannot start lines, move the cursor
// of a terminal or run on for pages; the message box shows it as plain text, not as markup.
QString plainMessage(const QString &message)
{
    QStringList lines = message.split(u'\n');
    for (QString &line : lines)
        line = visibleQuote(line, 400);
    return lines.join(u'\n');
}

} // namespace

void MainWindow::retranslate()
{
    m_menus->retranslate(language(), chooserShown());
    m_zoom->retranslate();
    m_exercise->retranslate();
    QString title = QStringLiteral("Orvik3");
    if (!chooserShown())
        if (const ExerciseInfo *info = exerciseInfo(m_host->currentType()))
            title += QStringLiteral(" – ") + info->name(language());
    setWindowTitle(title);
    refreshLoop();
}

void MainWindow::refreshLoop()
{
    const PracticeFlow *flow = m_practice->flow();
    m_exercise->showProgress(learning(), flow ? flow->statusLine() : QString());
    m_enter->refresh();
}

void MainWindow::fitToScreen()
{
    const QScreen *on = screen();
    if (!on)
        return;
    // Before the window is mapped its frame is unknown: room for a usual title bar and border.
    QSize frame = frameGeometry().size() - size();
    if (!isVisible() || frame.isEmpty())
        frame = frame.expandedTo(QSize(16, 40));
    const QRect room = on->availableGeometry();
    const QSize fits = size().boundedTo(room.size() - frame);
    if (fits != size())
        resize(fits);
    // Moved back inside when a remembered place lies (partly) beyond the screen.
    QRect outer(pos(), fits + frame);
    if (!room.contains(outer)) {
        outer.moveRight(std::min(outer.right(), room.right()));
        outer.moveBottom(std::min(outer.bottom(), room.bottom()));
        outer.moveLeft(std::max(outer.left(), room.left()));
        outer.moveTop(std::max(outer.top(), room.top()));
        move(outer.topLeft());
    }
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & ~Qt::KeypadModifier) && m_enter->press())
        return;
    QMainWindow::keyPressEvent(event);
}

void MainWindow::showSummary()
{
    m_flight->stop();
    m_exercise->showFlight(false);
    if (const TodayPractice *today = m_practice->flowAs<TodayPractice>()) {
        summaryPage()->show(today->progress(), tr("Today's practice"), {});
        m_summary->setNote(today->comebackText());
        m_pages->setCurrentWidget(m_summary);
        return;
    }
    const int type = learning().type();
    const ExerciseInfo *info = exerciseInfo(type);
    const int count = m_host->control()->lastQuestion() + 1;
    const QAform &form = *m_host->control();
    summaryPage()->show(learning(), info ? info->name(language()) : QString(),
                        readStatistics(*m_store, statisticsPrefix(type), count),
                        [&form](int question) { return QuestionBrief::of(form, question); });
    if (QWidget *first = m_summary->findChild<QWidget *>(QStringLiteral("summaryAgain")))
        first->setFocus(Qt::OtherFocusReason);
    m_pages->setCurrentWidget(m_summary);
}

bool MainWindow::hidesAircraft(int type) const
{
    const ExerciseType *t = exerciseType(qint16(type));
    return m_instrumentOnly && t && (t->family == Family::Position || t->family == Family::Adf || t->family == Family::QdmQdr);
}

void MainWindow::setInstrumentOnly(bool on)
{
    m_instrumentOnly = on;
    m_settings.setValue(kInstrumentOnly, on);
    m_menus->setInstrumentOnly(on);
    Situation &s = m_exercise->view()->situation();
    s.hideAircraft = hidesAircraft(s.type);
    m_exercise->view()->update();
}

void MainWindow::showStatistics()
{
    int type = m_host->currentType();
    if (type <= 0)
        type = m_settings.value(kType, 1).toInt();
    // A practice set is not the study file the statistics count.
    const bool loaded = m_host->currentType() > 0 && (!m_practice->flow() || m_practice->flow()->countsInStatistics());
    try {
        const QString prefix = statisticsPrefix(type).isEmpty() ? QStringLiteral("hsipos") : statisticsPrefix(type);
        StatisticsWindow window(*m_store, prefix, loaded ? m_host->control()->lastQuestion() + 1 : -1, language(), this);
        const EndlessScore &score = endlessRecord().score();
        window.setEndlessSummary(score.total().answered > 0 ? score.familyLines(language()) : QString());
        m_memory->open();
        m_memory->waitForIdle();
        window.setPractice(m_memory->memory(), PracticeClock::now(), examDate());
        window.exec();
        if (window.practiseWanted()) {
            // The shown prefix may belong to another type than the one running.
            int chosen = type;
            if (statisticsPrefix(chosen) != window.prefix()) {
                for (const ExerciseInfo &e : exerciseCatalog()) {
                    if (statisticsPrefix(e.type) == window.prefix()) {
                        chosen = e.type;
                        break;
                    }
                }
            }
            practiseMistakes(chosen);
        }
    } catch (const std::exception &e) {
        report(Error::from(e).message());
    }
    // The control reads its counters afresh at the next question; nothing to refresh here.
}

void MainWindow::chooseInstallation()
{
    const QString dir = QFileDialog::getExistingDirectory(this, tr("Choose the installation"), basePath());
    if (!dir.isEmpty())
        setBasePath(dir);
}

bool MainWindow::showStudyProblem()
{
    const int type = m_host->currentType();
    if (type <= 0 || m_host->control()->lastQuestion() >= 0)
        return false;
    const QString message = checkStudyFile(basePath(), type, language()).message();
    Situation none;
    none.type = type;
    none.language = language();
    none.error = message;
    m_exercise->view()->setSituation(none);
    statusBar()->showMessage(message);
    // A scripted run has no one to read the view: the problem goes to the error stream, once.
    if (m_scripted && message != m_studyProblemSaid) {
        m_studyProblemSaid = message;
        report(message);
    }
    return true;
}

void MainWindow::reportFailure(const QString &message)
{
    report(message + m_host->whereText());
    m_host->sync();
}

void MainWindow::report(const QString &text)
{
    if (QMessageBox *box = reportBox(text))
        box->open();
}

QMessageBox *MainWindow::reportBox(const QString &text)
{
    ++m_reports;
    const QString message = plainMessage(text);
    if (m_scripted) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return nullptr;
    }
    statusBar()->showMessage(message, 10000);
    auto *box = new QMessageBox(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_settings.setValue(kGeometry, saveGeometry());
    m_settings.sync();
    // Counts still waiting for the statistics lock: a moment to write them, and word of any lost.
    if (const QString lost = m_saving ? m_saving->finish() : QString(); !lost.isEmpty())
        if (QMessageBox *box = reportBox(lost))
            box->exec(); // the window goes: said before it does
    QMainWindow::closeEvent(event);
}

} // namespace orvik3::trainer
