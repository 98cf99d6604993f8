// The window's practice flow: the progress of a set, its summary, practising one's mistakes
// and endless practice.
#include "MainWindow.h"
#include "ChooserPage.h"
#include "FlightBar.h"
#include "FlightSession.h"
#include "PanelZoom.h"
#include "PanelFactory.h"
#include "SituationView.h"
#include "SolutionBox.h"
#include "SummaryPage.h"
#include "explain/MistakeNames.h"
#include "explain/SolutionExplainer.h"
#include "StatisticsData.h"
#include "StatisticsWindow.h"
#include "StudyFileCheck.h"
#include "TrainerHost.h"
#include "platform/Paths.h"
#include "TrainerTranslator.h"
#include "endless/EndlessPractice.h"
#include <orvik3/QAform.h>
#include <orvik3/SettingsStore.h>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStackedWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include "TrainerSettingsKeys.h"

namespace orvik3::trainer {

void MainWindow::practiseMistakes(int type, std::vector<int> questions)
{
    startExercise(type);
    if (questions.empty()) {
        const int count = m_host->control()->lastQuestion() + 1;
        questions = SummaryPage::weakest(readStatistics(*m_store, statisticsPrefix(type), count), 10);
    }
    if (questions.empty()) {
        report(tr("There are no mistakes to practise in this exercise yet."));
        return;
    }
    // The panel keeps its own order; a set in file order can step to every question.
    if (FormControl *box = m_host->control()->form().find(SolutionExplainer::randomBox(type)); box && box->value() != 0)
        box->setValue(0);
    m_learning.startChosen(type, questions);
    m_host->jumpTo(questions.front());
    m_learning.shown(m_host->control()->currentQuestion(), m_clock.elapsed());
    refreshLoop();
}

void MainWindow::startEndless(int type, std::optional<quint64> seed)
{
    if (!m_endless) {
        m_fixedBase = basePath();
        m_host->setStatisticsStore(std::make_shared<MemorySettingsStore>());
    }
    m_endless = std::make_unique<EndlessPractice>(type > 0 ? type : 1, type <= 0,
                                                  seed ? *seed : QRandomGenerator::global()->generate64());
    nextEndlessSet();
}

void MainWindow::nextEndlessSet()
{
    if (!m_endless)
        return;
    int type = m_endless->type();
    std::vector<QStringList> wishes;
    if (m_endless->weakestFirst()) {
        std::vector<int> types;
        QMap<int, int> wrongPercent;
        for (const ExerciseInfo &e : exerciseCatalog()) {
            types.push_back(e.type);
            const ExerciseStats stats = readStatistics(*m_store, statisticsPrefix(e.type));
            wrongPercent.insert(e.type, stats.attempts > 0 ? int(std::lround(100.0 * stats.wrong / stats.attempts)) : 0);
        }
        LeitnerBoxes::Choice choice = m_boxes.next(types, wrongPercent);
        type = choice.type;
        wishes = std::move(choice.wishes);
    }
    QString error;
    if (!m_endless->makeSet(type, language(), std::move(wishes), &error)) {
        stopEndless();
        report(tr("No practice set could be made: %1").arg(error));
        return;
    }
    m_host->setBasePath(m_endless->base());
    beginExercise(type);
}

void MainWindow::stopEndless()
{
    if (!m_endless)
        return;
    m_endless.reset();
    m_host->setBasePath(m_fixedBase);
    m_host->setStatisticsStore(m_store);
    m_endlessLabel->hide();
}

void MainWindow::nextQuestion()
{
    m_next->hide();
    m_host->next();
}

bool MainWindow::summaryShown() const { return m_pages->currentWidget() == m_summary; }

bool MainWindow::hidesAircraft(int type) const
{
    const ExerciseInfo *info = exerciseInfo(type);
    return m_instrumentOnly && info
           && (info->family == ExerciseFamily::Position || info->family == ExerciseFamily::AdfPosition
               || info->family == ExerciseFamily::QdmQdr);
}

void MainWindow::setInstrumentOnly(bool on)
{
    m_instrumentOnly = on;
    m_settings.setValue(kInstrumentOnly, on);
    if (m_instrumentOnlyAction)
        m_instrumentOnlyAction->setChecked(on);
    m_view->situation().hideAircraft = hidesAircraft(m_view->situation().type);
    m_view->update();
}

void MainWindow::refreshLoop()
{
    m_progress->setText(m_learning.progressText());
    m_repeat->setText(m_learning.repeatText());
    m_repeat->setVisible(!m_learning.repeatText().isEmpty());
    m_next->setText(tr("Next question (Enter)"));
    if (m_endless) {
        QString text = tr("Endless practice, set %1. %2").arg(m_endless->setNumber()).arg(m_score.line());
        QStringList kinds;
        for (const QStringList &wish : m_endless->wishes())
            for (const QString &k : wish)
                if (!kinds.contains(EndlessPractice::kindName(k)))
                    kinds << EndlessPractice::kindName(k);
        if (!kinds.isEmpty())
            text += u'\n' + tr("Weakest first: %1").arg(kinds.join(QStringLiteral(", ")));
        m_endlessLabel->setText(text);
    }
    m_endlessLabel->setVisible(bool(m_endless));
}

void MainWindow::questionClosed(int question, bool answered, bool right, bool repeats)
{
    m_learning.closed(question, answered, right, repeats, m_clock.elapsed());
    if (m_endless && answered && m_endless->firstClosing(question)) {
        if (const ExerciseInfo *info = exerciseInfo(m_learning.type()))
            m_score.record(info->family, right);
        m_boxes.record(m_learning.type(), m_endless->kindsOf(question), right);
        m_settings.setValue(kEndlessScore, m_score.save());
        m_settings.setValue(kEndlessBoxes, m_boxes.save());
    }
    if (m_learning.finished()) {
        // Endless: the next set once the panel has finished with this one.
        if (m_endless)
            QTimer::singleShot(0, this, &MainWindow::nextEndlessSet);
        else
            showSummary();
        refreshLoop();
        return;
    }
    if (const auto target = m_learning.nextChosen())
        m_host->jumpTo(*target);
    refreshLoop();
}

void MainWindow::showSummary()
{
    m_flight->stop();
    m_flightBar->hide();
    const ExerciseInfo *info = exerciseInfo(m_learning.type());
    const int count = m_host->control()->lastQuestion() + 1;
    m_summary->show(m_learning, info ? info->name(language()) : QString(),
                    readStatistics(*m_store, statisticsPrefix(m_learning.type()), count));
    m_pages->setCurrentWidget(m_summary);
}

} // namespace orvik3::trainer
