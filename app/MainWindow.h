#pragma once

#include "ExerciseCatalog.h"
#include "LearningSession.h"
#include "endless/EndlessScore.h"
#include "endless/LeitnerBoxes.h"
#include "TrainerOptions.h"

#include <orvik3/Services.h>

#include <QMainWindow>
#include <QElapsedTimer>
#include <QPointer>

#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;
class QSettings;
class QStackedWidget;
class QVBoxLayout;

namespace orvik3 {
class QAform;
}

namespace orvik3::trainer {

class ChooserPage;
class EndlessPractice;
class FlightBar;
class FlightSession;
class PanelZoom;
class SituationView;
class SolutionBox;
class SummaryPage;
class TrainerHost;

// The trainer's window: the chooser of exercises, and for an exercise the situation view
// with the control's panel beside it; menus for power tips, statistics, language,
// installation and about. It remembers its geometry, the last exercise, the language and
// the installation in `settings`.
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
    FlightSession &flight() const { return *m_flight; }
    SituationView *situationView() const { return m_view; }
    FlightBar *flightBar() const { return m_flightBar; }
    QWidget *panel() const { return m_panel; }
    ChooserPage *chooser() const { return m_chooser; }
    PanelZoom &panelZoom() const { return *m_zoom; }
    bool chooserShown() const;
    QString basePath() const;
    Language language() const;

    void startExercise(int type);
    void setLanguage(Language language);
    void setBasePath(const QString &path);
    void showStatistics();
    // A set of the questions of `type` with the worst statistics (or `questions` when given),
    // answered in the same panel and counted as the panel counts them.
    void practiseMistakes(int type, std::vector<int> questions = {});
    // The trainer's "Weiter" (Enter): panel back at full height, then on as the panel goes on.
    void nextQuestion();
    // Endless practice: fresh situations of `type` set after set, in a private installation,
    // counted in their own score and not in the study files' statistics; type 0 chooses each
    // set's type and kinds weakest first. `seed` makes a run repeatable.
    void startEndless(int type, std::optional<quint64> seed = std::nullopt);
    EndlessPractice *endless() const { return m_endless.get(); }
    const EndlessScore &endlessScore() const { return m_score; }
    const LeitnerBoxes &leitnerBoxes() const { return m_boxes; }
    QLabel *endlessLabel() const { return m_endlessLabel; }
    // Instrument-only: the plan hides the aircraft of position, ADF and QDM/QDR questions
    // until the solution is shown or the trainee flies.
    void setInstrumentOnly(bool on);
    bool instrumentOnly() const { return m_instrumentOnly; }

    const LearningSession &learning() const { return m_learning; }
    SolutionBox *solutionBox() const { return m_solutionBox; }
    // Mistakes named for the question on display so far (see MistakeNames).
    const QStringList &mistakesNamed() const { return m_mistakes; }
    SummaryPage *summaryPage() const { return m_summary; }
    QPushButton *nextButton() const { return m_next; }
    QLabel *progressLabel() const { return m_progress; }
    QLabel *repeatLabel() const { return m_repeat; }
    bool summaryShown() const;

private slots:
    // A trainee action on the panel failed: said with where it happened, and the view
    // brought in line with whatever the control shows now.
    void reportFailure(const QString &message);
    void noteMistakes();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildEndlessMenu();
    void beginExercise(int type);
    void nextEndlessSet();
    void stopEndless();
    void retranslate();
    void controlCreated(QAform *form);
    void questionShown(const QString &sessionFile, int type);
    void solutionRequested();
    void flyRequested(int familyCode, double turnRate);
    void flyEnded();
    void exerciseEnded();
    void questionClosed(int question, bool answered, bool right, bool repeats);
    void showSummary();
    void refreshLoop();
    bool hidesAircraft(int type) const;
    void flightMoved();
    void report(const QString &message);
    void chooseInstallation();
    void powerTips();
    void about();
    void saveSettings();
    // Puts the reason into the view when the exercise has no questions; false when it has.
    bool showStudyProblem();
    static QString legendText(bool german);

    QSettings &m_settings;
    std::shared_ptr<SettingsStore> m_store;
    TrainerHost *m_host;
    FlightSession *m_flight;
    QStackedWidget *m_pages;
    ChooserPage *m_chooser;
    QWidget *m_exercisePage;
    SituationView *m_view;
    QVBoxLayout *m_column;
    QPointer<QWidget> m_panel;
    FlightBar *m_flightBar;
    QLabel *m_legend;
    QMenu *m_exerciseMenu = nullptr;
    QMenu *m_settingsMenu = nullptr;
    QMenu *m_languageMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_chooseAction = nullptr;
    QAction *m_statsAction = nullptr;
    QAction *m_quitAction = nullptr;
    QAction *m_germanAction = nullptr;
    QAction *m_englishAction = nullptr;
    QAction *m_baseAction = nullptr;
    QAction *m_tipsAction = nullptr;
    QAction *m_aboutAction = nullptr;
    bool m_scripted = false;
    int m_reports = 0;
    QString m_studyProblemSaid;
    PanelZoom *m_zoom = nullptr;
    SolutionBox *m_solutionBox = nullptr;
    SummaryPage *m_summary = nullptr;
    QPushButton *m_next = nullptr;
    QLabel *m_progress = nullptr;
    QLabel *m_repeat = nullptr;
    QAction *m_instrumentOnlyAction = nullptr;
    bool m_instrumentOnly = true;
    LearningSession m_learning;
    QElapsedTimer m_clock;
    std::unique_ptr<EndlessPractice> m_endless;
    QString m_fixedBase; // the installation to go back to after endless practice
    EndlessScore m_score;
    LeitnerBoxes m_boxes;
    QLabel *m_endlessLabel = nullptr;
    QMenu *m_endlessMenu = nullptr;
    QStringList m_mistakes; // named mistakes of the question on display, as they were made
    QStringList m_chosen;   // option buttons selected since the question came up
};

} // namespace orvik3::trainer
