#include "MainWindow.h"

#include "TrainerMenus.h"
#include "TrainerSettingsKeys.h"
#include "TrainerTranslator.h"
#include "explain/MistakeNames.h"
#include "explain/SolutionExplainer.h"
#include "panel/PanelZoom.h"
#include "panel/TrainerHost.h"
#include "practice/EndlessPractice.h"
#include "practice/EndlessRecord.h"
#include "practice/MistakesPractice.h"
#include "practice/Practice.h"
#include "practice/PracticeMemory.h"
#include "practice/ReviewRecorder.h"
#include "practice/SetPractice.h"
#include "situation/FlightSession.h"
#include "statistics/QueuedStore.h"
#include "statistics/StatisticsSaving.h"
#include "view/ChooserPage.h"
#include "view/EnterKey.h"
#include "view/ExercisePage.h"
#include "view/FlightBar.h"
#include "view/FlightKeys.h"
#include "view/SituationView.h"
#include "view/SummaryPage.h"

#include <orvik3/Paths.h>
#include <orvik3/QAform.h>
#include <orvik3/QAformWidget.h>
#include <orvik3/SettingsStore.h>

#include <ReviewLog.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace orvik3::trainer {

namespace {

// The panel counts on the window thread, which never waits for the statistics lock: while
// another program holds it, the counts are kept and written by a thread of the store's own.
Services withStore(Services services)
{
    if (!services.settings)
        services.settings = std::make_shared<IniSettingsStore>();
    if (auto ini = std::dynamic_pointer_cast<IniSettingsStore>(services.settings))
        services.settings = std::make_shared<QueuedStore>(std::move(ini));
    return services;
}

} // namespace

MainWindow::MainWindow(Services services, QSettings &settings, const QString &defaultBase, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_defaultBase(defaultBase)
{
    services = withStore(std::move(services));
    m_store = services.settings;
    m_host = new TrainerHost(services, this);
    m_flight = new FlightSession(this);
    m_memory = new PracticeMemory(practice::ReviewLog::defaultPath(), this);
    m_recorder = new ReviewRecorder(*m_host, *m_memory, this);
    m_practice = new Practice(*m_host, m_store, this);
    m_recorder->setNamer([this](int type, int question) {
        const PracticeFlow *flow = m_practice->flow();
        return flow ? flow->questionName(type, question) : PracticeFlow::studyQuestionName(type, question);
    });
    m_pages = new QStackedWidget(this);
    m_exercise = new ExercisePage(*m_flight, m_pages);
    m_pages->addWidget(m_exercise);
    setCentralWidget(m_pages);

    connect(m_host, &TrainerHost::controlCreated, this, &MainWindow::controlCreated);
    connect(m_host, &TrainerHost::questionShown, this, &MainWindow::questionShown);
    connect(m_host, &TrainerHost::rowJudged, this, &MainWindow::rowJudged);
    connect(m_host, &TrainerHost::solutionRequested, this, &MainWindow::solutionRequested);
    connect(m_host, &TrainerHost::flyRequested, this, &MainWindow::flyRequested);
    connect(m_host, &TrainerHost::flyEnded, this, &MainWindow::flyEnded);
    connect(m_host, &TrainerHost::exerciseEnded, this, &MainWindow::exerciseEnded);
    connect(m_host, &TrainerHost::failed, this, &MainWindow::report);
    if (auto *queued = dynamic_cast<QueuedStore *>(m_store.get())) {
        m_saving = new StatisticsSaving(*queued, *statusBar(), this);
        connect(queued, &QueuedStore::failed, this, [this](const QString &message, int dropped) {
            report(tr("Counts of the statistics not saved (%1): %2").arg(dropped).arg(message));
        });
    }
    connect(m_practice, &Practice::setBegun, this, &MainWindow::setBegun);
    connect(m_practice, &Practice::changed, this, &MainWindow::refreshLoop);
    connect(m_practice, &Practice::summaryWanted, this, &MainWindow::showSummary);
    connect(m_practice, &Practice::failed, this, &MainWindow::report);
    connect(m_memory, &PracticeMemory::failed, this, &MainWindow::report);
    connect(m_memory, &PracticeMemory::changed, this, &MainWindow::refreshDue);
    connect(m_exercise, &ExercisePage::nextWanted, this, &MainWindow::nextQuestion);
    connect(m_exercise, &ExercisePage::panelWanted, m_host, &TrainerHost::giveBackPanel);
    connect(m_flight, &FlightSession::moved, this, &MainWindow::flightMoved);
    // Enter reaches the window only when the control in focus did not take it (see keyPressEvent).
    m_enter = new EnterKey(*m_exercise, *m_host, this);
    connect(m_enter, &EnterKey::nextWanted, this, &MainWindow::nextQuestion);
    auto *keys = new FlightKeys(*m_flight, this);
    connect(keys, &FlightKeys::pauseToggled, this, [this] { m_exercise->flightBar()->refresh(); });
    qApp->installEventFilter(keys);

    m_zoom = new PanelZoom(m_settings, this);
    m_menus = new TrainerMenus(*this, m_zoom->menu());
    connect(m_menus, &TrainerMenus::chooseWanted, m_host, &TrainerHost::endExercise);
    connect(m_menus, &TrainerMenus::statisticsWanted, this, &MainWindow::showStatistics);
    connect(m_menus, &TrainerMenus::endlessWanted, this, [this](int type) { startEndless(type); });
    connect(m_menus, &TrainerMenus::todayWanted, this, [this] { startToday(); });
    connect(m_menus, &TrainerMenus::examDateWanted, this, &MainWindow::chooseExamDate);
    connect(m_menus, &TrainerMenus::publishingWanted, this, &MainWindow::choosePublishing);
    connect(m_menus, &TrainerMenus::classWanted, this, &MainWindow::showClass);
    connect(m_menus, &TrainerMenus::languageWanted, this, &MainWindow::setLanguage);
    connect(m_menus, &TrainerMenus::installationWanted, this, &MainWindow::chooseInstallation);
    connect(m_menus, &TrainerMenus::instrumentOnlyWanted, this, &MainWindow::setInstrumentOnly);
    connect(m_menus, &TrainerMenus::tipsWanted, m_host, &TrainerHost::loadPowerTip);
    controlCreated(m_host->control());

    // What the trainee had last time; an installation that has gone falls back to the sample.
    Language language = Language::German;
    parseLanguage(m_settings.value(kLanguage, QStringLiteral("de")).toString(), &language);
    QString base = m_settings.value(kBase).toString();
    if (base.isEmpty() || !QDir(base).exists())
        base = defaultBase;
    m_host->setBasePath(base);
    m_host->setInstallation(base);
    m_instrumentOnly = m_settings.value(kInstrumentOnly, true).toBool();
    m_menus->setInstrumentOnly(m_instrumentOnly);
    setLanguage(language);
    if (!restoreGeometry(m_settings.value(kGeometry).toByteArray()))
        resize(1280, 800);
    fitToScreen();
    // Publishing starts after the first picture, on the log's thread.
    QTimer::singleShot(0, this, &MainWindow::applyPublishing);
}

MainWindow::~MainWindow()
{
    // The panel refers to the control; it goes first. A running flow goes with the window
    // and puts nothing back. The answers of the question on display go to the log.
    m_exercise->setPanel(nullptr);
    delete m_recorder;
    // The flight keys watch every event of the program; they go before the flight they steer.
    delete findChild<FlightKeys *>(QString(), Qt::FindDirectChildrenOnly);
}

QWidget *MainWindow::panel() const { return m_exercise->panel(); }
bool MainWindow::chooserShown() const { return m_chooser && m_pages->currentWidget() == m_chooser; }
bool MainWindow::summaryShown() const { return m_summary && m_pages->currentWidget() == m_summary; }
QString MainWindow::basePath() const { return m_host->basePath(); }
Language MainWindow::language() const { return m_host->language(); }
const LearningSession &MainWindow::learning() const { return m_practice->learning(); }
EndlessPractice *MainWindow::endless() const { return m_practice->flowAs<EndlessPractice>(); }

ChooserPage *MainWindow::chooser()
{
    if (!m_chooser) {
        m_chooser = new ChooserPage(m_pages);
        m_pages->addWidget(m_chooser);
        m_chooser->setBasePath(QDir::toNativeSeparators(basePath()));
        m_chooser->setLanguage(language());
        m_chooser->setLastType(m_settings.value(kType, 0).toInt());
        connect(m_chooser, &ChooserPage::typeChosen, this, &MainWindow::startExercise);
        connect(m_chooser, &ChooserPage::languageChosen, this, &MainWindow::setLanguage);
        connect(m_chooser, &ChooserPage::browseRequested, this, &MainWindow::chooseInstallation);
        connect(m_chooser, &ChooserPage::todayWanted, this, [this] { startToday(); });
    }
    return m_chooser;
}

SummaryPage *MainWindow::summaryPage()
{
    if (!m_summary) {
        m_summary = new SummaryPage(m_pages);
        m_pages->addWidget(m_summary);
        connect(m_summary, &SummaryPage::againWanted, this, [this] { startExercise(learning().type()); });
        connect(m_summary, &SummaryPage::mistakesWanted, this,
                [this] { practiseMistakes(learning().type(), learning().mistakes()); });
        connect(m_summary, &SummaryPage::nextExerciseWanted, this, [this] {
            const auto &all = exerciseCatalog();
            auto it = std::find_if(all.begin(), all.end(), [this](const ExerciseInfo &e) { return e.type == learning().type(); });
            startExercise(it == all.end() || std::next(it) == all.end() ? all.front().type : std::next(it)->type);
        });
    }
    return m_summary;
}

EndlessRecord &MainWindow::endlessRecord()
{
    if (!m_endlessRecord)
        m_endlessRecord = std::make_unique<EndlessRecord>(m_settings);
    return *m_endlessRecord;
}

void MainWindow::applyOptions(const TrainerOptions &o)
{
    if (o.language)
        setLanguage(*o.language);
    if (!o.base.isEmpty())
        setBasePath(o.base);
    if (!o.type) {
        showChooser();
        return;
    }
    startExercise(*o.type);
    for (int k = 1; k < o.question; ++k)
        m_host->displayQuestion();
    if (o.solution)
        m_host->showSolution();
}

void MainWindow::startExercise(int type) { m_practice->run(std::make_unique<SetPractice>(type)); }

void MainWindow::practiseMistakes(int type, std::vector<int> questions)
{
    m_practice->run(std::make_unique<MistakesPractice>(type, std::move(questions)));
}

void MainWindow::startEndless(int type, std::optional<quint64> seed)
{
    m_practice->run(std::make_unique<EndlessPractice>(type, seed ? *seed : QRandomGenerator::global()->generate64(),
                                                      endlessRecord()));
}

void MainWindow::setBegun(int type)
{
    showPanel();
    // Practice sets of their own are not the exercise to come back to.
    if (m_practice->flow() && m_practice->flow()->countsInStatistics())
        m_settings.setValue(kType, type);
    m_pages->setCurrentWidget(m_exercise);
    showStudyProblem();
    retranslate();
}

void MainWindow::nextQuestion()
{
    m_exercise->nextButton()->hide();
    m_host->next();
}

void MainWindow::setLanguage(Language language)
{
    // Before anything is built again in the new language; the files are loaded once.
    if (QString problem; !TrainerTranslator::apply(language, &problem) && !problem.isEmpty())
        std::fprintf(stderr, "%s; the trainer stays English\n", qPrintable(problem));
    const bool changed = language != m_host->language();
    const int at = m_host->control()->currentQuestion();
    m_host->setLanguage(language);
    m_settings.setValue(kLanguage, languageCode(language));
    // The set goes on at the question it was at, so that progress and summary still match;
    // endless practice makes its set again in the new language.
    if (changed && m_practice->flow() && !endless() && at > 0)
        m_host->jumpTo(at);
    if (changed)
        m_practice->languageChanged();
    if (m_chooser)
        m_chooser->setLanguage(language);
    m_exercise->setLanguage(language);
    if (m_host->currentType() <= 0) {
        Situation empty;
        empty.error = tr("Choose an exercise to begin.");
        m_exercise->view()->setSituation(empty);
    } else {
        showStudyProblem();
    }
    retranslate();
}

void MainWindow::setBasePath(const QString &path)
{
    m_practice->stop();
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    m_settings.setValue(kBase, clean);
    if (m_chooser)
        m_chooser->setBasePath(QDir::toNativeSeparators(clean));
    m_host->setBasePath(clean);
    m_host->setInstallation(clean);
    if (m_host->currentType() > 0)
        showStudyProblem();
    if (!QDir(clean).exists(QStringLiteral("default/study")))
        report(tr("%1 holds no exercises (no folder default/study).").arg(QDir::toNativeSeparators(clean)));
}

void MainWindow::controlCreated(QAform *)
{
    // The panel of the old control goes now; the new one is made when an exercise wants it.
    m_exercise->setPanel(nullptr);
    if (m_host->currentType() > 0)
        showPanel();
}

void MainWindow::showPanel()
{
    if (m_exercise->panel())
        return;
    // Made at its zoom at once: laying it out at the design size first costs as much again.
    auto *panel = new QAformWidget(*m_host->control(), m_zoom->zoom(), m_exercise);
    m_exercise->setPanel(panel);
    m_zoom->setPanel(panel);
    connect(panel, &QAformWidget::userActed, m_host, &TrainerHost::panelActed);
    connect(panel, &QAformWidget::userActed, m_enter, &EnterKey::refresh);
    connect(panel, &QAformWidget::choicePicked, m_enter, &EnterKey::refresh);
    connect(panel, &QAformWidget::handlerFailed, this, &MainWindow::reportFailure);
}

void MainWindow::questionShown(const QString &sessionFile, int type)
{
    showPanel();
    m_flight->stop();
    if (!learning().finished())
        m_pages->setCurrentWidget(m_exercise);
    m_exercise->clearQuestion();
    // Once the panel has settled (it may come back from being cut short just now).
    QMetaObject::invokeMethod(m_exercise, &ExercisePage::focusFirstAnswer, Qt::QueuedConnection);
    m_mistakes.clear();
    if (showStudyProblem())
        return;
    // The control names sessions below the installation's default/sessions/; a study file
    // must not lead the trainer anywhere else.
    const QString sessions = paths::join(m_host->basePath(), QStringLiteral("default/sessions"));
    Situation situation = loadSituation(sessionFile, type, language(), sessions);
    // A session that cannot be drawn is mended in the study file: say which question leads to it.
    if (!situation.error.isEmpty())
        situation.error += m_host->whereText();
    situation.hideAircraft = hidesAircraft(type);
    m_exercise->view()->setSituation(situation);
    statusBar()->showMessage(QDir::toNativeSeparators(sessionFile));
}

void MainWindow::rowJudged(int row, bool right, const QString &given)
{
    if (right) {
        const QAform &form = *m_host->control();
        bool allRight = true;
        for (int part = 1; part <= 6; ++part)
            allRight = allRight && (!form.partDone(part) || form.partCorrect(part));
        if (allRight)
            m_practice->answeredRight();
    }
    // Right answers too: a time that only the panel's band saved still has its mistake named.
    if (const QString mistake = MistakeNames::of(*m_host->control(), row, given); !mistake.isEmpty() && !m_mistakes.contains(mistake))
        m_mistakes << mistake;
}

void MainWindow::solutionRequested()
{
    SituationView *view = m_exercise->view();
    view->situation().showSolution = true;
    view->update();
    Explanation e = SolutionExplainer::explain(*m_host->control(), view->situation());
    if (!m_mistakes.isEmpty())
        e.reason = (e.reason + u' ' + m_mistakes.join(u' ')).trimmed();
    m_exercise->showSolution(e);
    // The panel cut short may hide the control in focus; the keyboard goes on from "Next".
    m_exercise->nextButton()->setFocus(Qt::OtherFocusReason);
    refreshLoop();
}

void MainWindow::exerciseEnded()
{
    m_practice->stop();
    m_flight->stop();
    m_exercise->showFlight(false);
    showChooser();
}

void MainWindow::showChooser()
{
    Situation empty;
    empty.error = tr("Choose an exercise to begin.");
    m_exercise->view()->setSituation(empty);
    m_pages->setCurrentWidget(chooser());
    m_chooser->setLastType(m_settings.value(kType, 0).toInt());
    // The count of skills due comes when the log is open, off the window thread, and after
    // the window is drawn: a long log must not delay the start.
    QTimer::singleShot(0, m_memory, &PracticeMemory::open);
    refreshDue();
    retranslate();
}

} // namespace orvik3::trainer
