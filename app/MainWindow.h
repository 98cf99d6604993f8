#pragma once

#include "ExerciseCatalog.h"
#include "TrainerOptions.h"

#include <orvik3/Services.h>

#include <QMainWindow>

#include <memory>
#include <optional>

class QLabel;
class QMessageBox;
class QPushButton;
class QSettings;
class QStackedWidget;

namespace orvik3 {
class QAform;
}

namespace orvik3::trainer {

class ChooserPage;
class EnterKey;
class EndlessPractice;
class EndlessRecord;
class ExercisePage;
class FlightBar;
class FlightSession;
class LearningSession;
class PanelZoom;
class Practice;
class PracticeMemory;
class ReviewRecorder;
class SituationView;
class SolutionBox;
class StatisticsSaving;
class SummaryPage;
class TrainerHost;
class TrainerMenus;

// The trainer's window: the chooser of exercises, the page of an exercise (the situation with
// the control's panel beside it) and the summary of a set, with the menus. It wires the host
// of the control and the practice flows to those views; what is practised and how lies with
// the flows. It remembers its geometry, the last exercise, the language and the installation
// in `settings`. What the first question does not need is made when first used.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(Services services, QSettings &settings, const QString &defaultBase, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Applies a command line: language, installation, exercise, question, solution.
    void applyOptions(const TrainerOptions &options);
    // Scripted runs show no message boxes; problems go to the error stream instead.
    void setScripted(bool scripted) { m_scripted = scripted; }
    // How many problems were reported so far (a scripted run fails when there were any).
    int reportCount() const { return m_reports; }

    TrainerHost &host() const { return *m_host; }
    Practice &practice() const { return *m_practice; }
    // The review log, opened when first wanted.
    PracticeMemory &practiceMemory() const { return *m_memory; }
    FlightSession &flight() const { return *m_flight; }
    ExercisePage &exercisePage() const { return *m_exercise; }
    QWidget *panel() const;
    ChooserPage *chooser();
    PanelZoom &panelZoom() const { return *m_zoom; }
    // What the window says of counts waiting for the statistics lock; none on a store in memory.
    StatisticsSaving *statisticsSaving() const { return m_saving; }
    bool chooserShown() const;
    bool summaryShown() const;
    QString basePath() const;
    Language language() const;

    // A set of the whole study file of `type`.
    void startExercise(int type);
    void setLanguage(Language language);
    void setBasePath(const QString &path);
    void showStatistics();
    // A set of the questions of `type` with the worst statistics (or `questions` when given),
    // answered in the same panel and counted as the panel counts them.
    void practiseMistakes(int type, std::vector<int> questions = {});
    // Endless practice of `type` (0: weakest first); `seed` makes a run repeatable.
    void startEndless(int type, std::optional<quint64> seed = std::nullopt);
    EndlessPractice *endless() const;
    // Today's practice: the skills due now, planned from the review log.
    void startToday(std::optional<quint64> seed = std::nullopt);
    // The exam date of the readiness (ms since the epoch): the setting, or four weeks from now.
    qint64 examDate() const;
    void chooseExamDate();
    // Publishing to the class: the dialog (not modal, so that scripts can fill it), and the
    // remembered choice handed to the review log (nothing at all while it is off).
    void choosePublishing();
    void applyPublishing();
    // The instructor's class window, one for the window.
    void showClass();
    EndlessRecord &endlessRecord();
    // The trainer's "Weiter" (Enter): panel back at full height, then on as the panel goes on.
    void nextQuestion();
    // Instrument-only: the plan hides the aircraft of position, ADF and QDM/QDR questions
    // until the solution is shown or the trainee flies.
    void setInstrumentOnly(bool on);
    bool instrumentOnly() const { return m_instrumentOnly; }
    const LearningSession &learning() const;
    // Mistakes named for the question on display so far (see MistakeNames).
    const QStringList &mistakesNamed() const { return m_mistakes; }
    SummaryPage *summaryPage();
    // Shrinks (and moves) the window so that it lies inside the available screen.
    void fitToScreen();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void controlCreated(QAform *form);
    // The control's panel on the exercise page, made the first time an exercise wants it.
    void showPanel();
    void setBegun(int type);
    void questionShown(const QString &sessionFile, int type);
    void rowJudged(int row, bool right, const QString &given);
    void solutionRequested();
    void flyRequested(int familyCode, double turnRate);
    void flyEnded();
    void exerciseEnded();
    void flightMoved();
    void showChooser();
    void showSummary();
    // The chooser's count of skills due, once the log is open.
    void refreshDue();
    void refreshLoop();
    void retranslate();
    bool hidesAircraft(int type) const;
    // A trainee action on the panel failed: said with where it happened, and the view
    // brought in line with whatever the control shows now.
    void reportFailure(const QString &message);
    void report(const QString &message);
    // The report's message box, not shown yet; none in scripted runs (said on the error stream).
    QMessageBox *reportBox(const QString &message);
    void chooseInstallation();
    // Puts the reason into the view when the exercise has no questions; false when it has.
    bool showStudyProblem();

    QSettings &m_settings;
    std::shared_ptr<SettingsStore> m_store;
    TrainerHost *m_host;
    FlightSession *m_flight;
    Practice *m_practice;
    PracticeMemory *m_memory;
    ReviewRecorder *m_recorder;
    QStackedWidget *m_pages;
    ChooserPage *m_chooser = nullptr;
    ExercisePage *m_exercise;
    SummaryPage *m_summary = nullptr;
    TrainerMenus *m_menus;
    PanelZoom *m_zoom;
    EnterKey *m_enter;
    StatisticsSaving *m_saving = nullptr;
    std::unique_ptr<EndlessRecord> m_endlessRecord;
    QString m_defaultBase;
    bool m_scripted = false;
    int m_reports = 0;
    QString m_studyProblemSaid;
    bool m_instrumentOnly = true;
    QStringList m_mistakes; // named mistakes of the question on display, as they were made
    bool m_fitAsked = false;
    bool m_publishing = false;
};

} // namespace orvik3::trainer
