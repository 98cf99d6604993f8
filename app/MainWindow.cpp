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
#include "TrainerSettingsKeys.h"
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

namespace orvik3::trainer {

namespace {

Services withStore(Services services)
{
    if (!services.settings)
        services.settings = std::make_shared<IniSettingsStore>();
    return services;
}

} // namespace

MainWindow::MainWindow(Services services, QSettings &settings, const QString &defaultBase, QWidget *parent)
    : QMainWindow(parent), m_settings(settings)
{
    services = withStore(std::move(services));
    m_store = services.settings;
    m_host = new TrainerHost(services, this);
    m_flight = new FlightSession(this);

    m_pages = new QStackedWidget(this);
    m_chooser = new ChooserPage(m_pages);
    m_exercisePage = new QWidget(m_pages);
    m_view = new SituationView(m_exercisePage);
    auto *row = new QHBoxLayout(m_exercisePage);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(m_view, 1);
    m_column = new QVBoxLayout;
    m_flightBar = new FlightBar(*m_flight, m_exercisePage);
    m_flightBar->hide();
    m_legend = new QLabel(m_exercisePage);
    m_progress = new QLabel(m_exercisePage);
    m_progress->setObjectName(QStringLiteral("progressLabel"));
    m_repeat = new QLabel(m_exercisePage);
    m_repeat->setObjectName(QStringLiteral("repeatLabel"));
    m_repeat->setWordWrap(true); // as wide as the column, so that its height is reckoned right
    m_repeat->setStyleSheet(QStringLiteral("color: #a00000"));
    m_repeat->hide();
    m_endlessLabel = new QLabel(m_exercisePage);
    m_endlessLabel->setObjectName(QStringLiteral("endlessLabel"));
    m_endlessLabel->setWordWrap(true);
    m_endlessLabel->setMaximumWidth(540);
    m_endlessLabel->hide();
    m_next = new QPushButton(m_exercisePage);
    m_next->setObjectName(QStringLiteral("trainerNext"));
    m_next->hide();
    m_solutionBox = new SolutionBox(m_exercisePage);
    m_column->addWidget(m_progress);
    m_column->addWidget(m_endlessLabel);
    m_column->addWidget(m_repeat);
    m_column->addWidget(m_next, 0, Qt::AlignLeft);
    m_column->addWidget(m_solutionBox);
    m_column->addWidget(m_flightBar);
    m_column->addWidget(m_legend);
    m_column->addStretch();
    row->addLayout(m_column);
    m_pages->addWidget(m_chooser);
    m_pages->addWidget(m_exercisePage);
    m_summary = new SummaryPage(m_pages);
    m_pages->addWidget(m_summary);
    setCentralWidget(m_pages);
    m_clock.start();

    connect(m_host, &TrainerHost::controlCreated, this, &MainWindow::controlCreated);
    connect(m_host, &TrainerHost::questionShown, this, &MainWindow::questionShown);
    connect(m_host, &TrainerHost::solutionRequested, this, &MainWindow::solutionRequested);
    connect(m_host, &TrainerHost::flyRequested, this, &MainWindow::flyRequested);
    connect(m_host, &TrainerHost::flyEnded, this, &MainWindow::flyEnded);
    connect(m_host, &TrainerHost::exerciseEnded, this, &MainWindow::exerciseEnded);
    connect(m_host, &TrainerHost::failed, this, &MainWindow::report);
    connect(m_host, &TrainerHost::questionClosed, this, &MainWindow::questionClosed);
    connect(m_next, &QPushButton::clicked, this, &MainWindow::nextQuestion);
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto *enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, [this] {
            if (m_next->isVisible())
                nextQuestion();
        });
    }
    connect(m_summary, &SummaryPage::againWanted, this, [this] { startExercise(m_learning.type()); });
    connect(m_summary, &SummaryPage::mistakesWanted, this, [this] {
        std::vector<int> mistakes = m_learning.mistakes();
        practiseMistakes(m_learning.type(), mistakes);
    });
    connect(m_summary, &SummaryPage::nextExerciseWanted, this, [this] {
        const auto &all = exerciseCatalog();
        auto it = std::find_if(all.begin(), all.end(), [this](const ExerciseInfo &e) { return e.type == m_learning.type(); });
        startExercise(it == all.end() || std::next(it) == all.end() ? all.front().type : std::next(it)->type);
    });
    connect(m_flight, &FlightSession::moved, this, &MainWindow::flightMoved);
    connect(m_flightBar, &FlightBar::panelWanted, m_host, &TrainerHost::giveBackPanel);
    connect(m_chooser, &ChooserPage::typeChosen, this, &MainWindow::startExercise);
    connect(m_chooser, &ChooserPage::languageChosen, this, &MainWindow::setLanguage);
    connect(m_chooser, &ChooserPage::browseRequested, this, &MainWindow::chooseInstallation);
    m_zoom = new PanelZoom(m_settings, this);
    controlCreated(m_host->control());
    buildMenus();
    m_settingsMenu->addMenu(m_zoom->menu());

    // What the trainee had last time; an installation that has gone falls back to the sample.
    Language language = Language::German;
    parseLanguage(m_settings.value(kLanguage, QStringLiteral("de")).toString(), &language);
    QString base = m_settings.value(kBase).toString();
    if (base.isEmpty() || !QDir(base).exists())
        base = defaultBase;
    m_host->setBasePath(base);
    m_chooser->setBasePath(QDir::toNativeSeparators(base));
    setLanguage(language);
    m_chooser->setLastType(m_settings.value(kType, 0).toInt());
    m_instrumentOnly = m_settings.value(kInstrumentOnly, true).toBool();
    m_score.load(m_settings.value(kEndlessScore).toString());
    m_boxes.load(m_settings.value(kEndlessBoxes).toString());
    if (m_instrumentOnlyAction)
        m_instrumentOnlyAction->setChecked(m_instrumentOnly);
    if (!restoreGeometry(m_settings.value(kGeometry).toByteArray()))
        resize(1280, 800);
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    m_endless.reset();
    qApp->removeEventFilter(this);
    // The panel refers to the control; it goes first.
    delete m_panel;
}

bool MainWindow::chooserShown() const { return m_pages->currentWidget() == m_chooser; }
QString MainWindow::basePath() const { return m_host->basePath(); }
Language MainWindow::language() const { return m_host->language(); }

void MainWindow::applyOptions(const TrainerOptions &o)
{
    if (o.language)
        setLanguage(*o.language);
    if (!o.base.isEmpty())
        setBasePath(o.base);
    if (!o.type)
        return;
    startExercise(*o.type);
    for (int k = 1; k < o.question; ++k)
        m_host->displayQuestion();
    if (o.solution)
        m_host->showSolution();
}

void MainWindow::startExercise(int type)
{
    stopEndless();
    beginExercise(type);
}

void MainWindow::beginExercise(int type)
{
    if (!m_endless)
        m_settings.setValue(kType, type);
    m_pages->setCurrentWidget(m_exercisePage);
    m_learning = LearningSession();
    m_host->startExercise(type);
    if (!showStudyProblem() && m_host->currentType() == type && m_host->control()->questionShown()) {
        m_learning.start(type, m_host->control()->lastQuestion() + 1);
        m_learning.shown(m_host->control()->currentQuestion(), m_clock.elapsed());
    }
    refreshLoop();
    retranslate();
}

void MainWindow::setLanguage(Language language)
{
    // Before anything is built again in the new language.
    if (!TrainerTranslator::apply(language))
        std::fprintf(stderr, "German texts not found (orvik3_trainer_de.qm in %s); the trainer stays English\n",
                     qPrintable(TrainerTranslator::searchPaths().join(QStringLiteral(", "))));
    m_host->setLanguage(language);
    m_settings.setValue(kLanguage, languageCode(language));
    // The set on the panel is in the other language's file: a fresh one in this language.
    if (m_endless)
        nextEndlessSet();
    m_chooser->setLanguage(language);
    m_flightBar->setLanguage(language);
    if (chooserShown() || m_host->currentType() <= 0) {
        Situation empty;
        empty.error = tr("Choose an exercise to begin.");
        m_view->setSituation(empty);
    } else {
        showStudyProblem();
    }
    retranslate();
}

void MainWindow::setBasePath(const QString &path)
{
    stopEndless();
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    m_settings.setValue(kBase, clean);
    m_chooser->setBasePath(QDir::toNativeSeparators(clean));
    m_host->setBasePath(clean);
    if (m_host->currentType() > 0)
        showStudyProblem();
    if (!QDir(clean).exists(QStringLiteral("default/study")))
        report(tr("%1 holds no exercises (no folder default/study).").arg(QDir::toNativeSeparators(clean)));
}

void MainWindow::controlCreated(QAform *form)
{
    // Which option the trainee chose, even when the panel clears it after judging.
    connect(&form->form(), &Form::changed, this, [this](FormControl *c, ControlProperty p) {
        if (p == ControlProperty::Value && c->kind() == ControlKind::OptionButton && c->isSelected())
            m_chosen << c->name();
    });
    delete m_panel;
    m_panel = createPanel(*form, m_exercisePage);
    m_column->insertWidget(0, m_panel);
    if (m_zoom)
        m_zoom->setPanel(m_panel);
    // Panels announce trainee actions by these signals where they have them.
    if (m_panel->metaObject()->indexOfSignal("userActed()") >= 0) {
        connect(m_panel, SIGNAL(userActed()), m_host, SLOT(panelActed()));
        // The choices are read right after they are made: the solution may change the panel.
        connect(m_panel, SIGNAL(userActed()), this, SLOT(noteMistakes()));
    }
    if (m_panel->metaObject()->indexOfSignal("handlerFailed(QString)") >= 0)
        connect(m_panel, SIGNAL(handlerFailed(QString)), this, SLOT(reportFailure(QString)));
}

void MainWindow::questionShown(const QString &sessionFile, int type)
{
    m_flight->stop();
    m_flightBar->hide();
    if (!m_learning.finished())
        m_pages->setCurrentWidget(m_exercisePage);
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
    m_view->setSituation(situation);
    m_solutionBox->hide();
    m_next->hide();
    m_mistakes.clear();
    m_chosen.clear();
    if (m_learning.isActive() && !m_learning.finished())
        m_learning.shown(m_host->control()->currentQuestion(), m_clock.elapsed());
    refreshLoop();
    statusBar()->showMessage(QDir::toNativeSeparators(sessionFile));
}

bool MainWindow::showStudyProblem()
{
    const int type = m_host->currentType();
    if (type <= 0 || m_host->control()->lastQuestion() >= 0)
        return false;
    const StudyFileCheck check = checkStudyFile(basePath(), type, language());
    // The control read nothing although the file looks fine: say so rather than nothing.
    const QString message = check.usable()
                                ? tr("The study file %1 gives no question for this exercise.").arg(check.fileName)
                                : check.message();
    Situation none;
    none.type = type;
    none.language = language();
    none.error = message;
    m_view->setSituation(none);
    statusBar()->showMessage(message);
    // A scripted run has no one to read the view: the problem goes to the error stream, once.
    if (m_scripted && message != m_studyProblemSaid) {
        m_studyProblemSaid = message;
        report(message);
    }
    return true;
}

void MainWindow::solutionRequested()
{
    m_view->situation().showSolution = true;
    m_view->update();
    Explanation e = SolutionExplainer::explain(*m_host->control(), m_view->situation());
    if (!m_mistakes.isEmpty())
        e.reason = (e.reason + u' ' + m_mistakes.join(u' ')).trimmed();
    m_solutionBox->show(e);
    refreshLoop();
    m_next->show();
}

void MainWindow::noteMistakes()
{
    if (!m_host->control())
        return;
    for (const QString &m : MistakeNames::observe(*m_host->control(), m_chosen))
        if (!m_mistakes.contains(m))
            m_mistakes << m;
}

void MainWindow::flyRequested(int, double turnRate)
{
    Situation &s = m_view->situation();
    if (!s.session) {
        report(tr("There is no situation to fly."));
        m_host->giveBackPanel();
        return;
    }
    s.flying = true;
    m_flight->start(s, turnRate);
    m_flightBar->show();
    m_flightBar->refresh();
    m_next->show();
    m_view->setFocus();
}

void MainWindow::flyEnded()
{
    m_flight->stop();
    m_flightBar->hide();
    Situation &s = m_view->situation();
    s.flying = false;
    s.resetAircraft();
    m_view->update();
}

void MainWindow::flightMoved()
{
    Situation &s = m_view->situation();
    s.aircraft = m_flight->aircraft();
    s.track = m_flight->track();
    s.track.push_back(s.aircraft.position);
    m_view->update();
    m_flightBar->refresh();
}

void MainWindow::exerciseEnded()
{
    stopEndless();
    m_flight->stop();
    m_flightBar->hide();
    Situation empty;
    empty.error = tr("Choose an exercise to begin.");
    m_view->setSituation(empty);
    m_pages->setCurrentWidget(m_chooser);
    m_chooser->setLastType(m_settings.value(kType, 0).toInt());
    retranslate();
}

void MainWindow::reportFailure(const QString &message)
{
    report(message + m_host->whereText());
    m_host->sync();
}

void MainWindow::report(const QString &message)
{
    ++m_reports;
    if (m_scripted) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return;
    }
    statusBar()->showMessage(message, 10000);
    auto *box = new QMessageBox(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (m_flight->isActive() && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool press = event->type() == QEvent::KeyPress;
        if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
            if (!key->isAutoRepeat()) {
                const int dir = key->key() == Qt::Key_Left ? -1 : 1;
                if (press)
                    m_flight->setTurn(dir);
                else if (m_flight->turn() == dir)
                    m_flight->setTurn(0);
            }
            return true;
        }
        if (key->key() == Qt::Key_Space && press && !key->isAutoRepeat()) {
            m_flight->setPaused(!m_flight->isPaused());
            m_flightBar->refresh();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveSettings();
    QMainWindow::closeEvent(event);
}

void MainWindow::saveSettings()
{
    m_settings.setValue(kGeometry, saveGeometry());
    m_settings.sync();
}

} // namespace orvik3::trainer
