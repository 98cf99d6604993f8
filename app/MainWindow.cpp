#include "MainWindow.h"

#include "ChooserPage.h"
#include "FlightBar.h"
#include "FlightSession.h"
#include "PanelFactory.h"
#include "SituationView.h"
#include "StatisticsData.h"
#include "StatisticsWindow.h"
#include "TrainerHost.h"
#include "platform/Paths.h"

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
#include <QStatusBar>
#include <QVBoxLayout>
#include <cstdio>

namespace orvik3::trainer {

namespace {

const QString kGeometry = QStringLiteral("window/geometry");
const QString kType = QStringLiteral("trainer/type");
const QString kLanguage = QStringLiteral("trainer/language");
const QString kBase = QStringLiteral("trainer/base");

Services withStore(Services services)
{
    if (!services.settings)
        services.settings = std::make_shared<QSettingsStore>();
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
    m_column->addWidget(m_flightBar);
    m_column->addWidget(m_legend);
    m_column->addStretch();
    row->addLayout(m_column);
    m_pages->addWidget(m_chooser);
    m_pages->addWidget(m_exercisePage);
    setCentralWidget(m_pages);

    connect(m_host, &TrainerHost::controlCreated, this, &MainWindow::controlCreated);
    connect(m_host, &TrainerHost::questionShown, this, &MainWindow::questionShown);
    connect(m_host, &TrainerHost::solutionRequested, this, &MainWindow::solutionRequested);
    connect(m_host, &TrainerHost::flyRequested, this, &MainWindow::flyRequested);
    connect(m_host, &TrainerHost::flyEnded, this, &MainWindow::flyEnded);
    connect(m_host, &TrainerHost::exerciseEnded, this, &MainWindow::exerciseEnded);
    connect(m_host, &TrainerHost::failed, this, &MainWindow::report);
    connect(m_flight, &FlightSession::moved, this, &MainWindow::flightMoved);
    connect(m_flightBar, &FlightBar::panelWanted, m_host, &TrainerHost::giveBackPanel);
    connect(m_chooser, &ChooserPage::typeChosen, this, &MainWindow::startExercise);
    connect(m_chooser, &ChooserPage::languageChosen, this, &MainWindow::setLanguage);
    connect(m_chooser, &ChooserPage::browseRequested, this, &MainWindow::chooseInstallation);
    controlCreated(m_host->control());
    buildMenus();

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
    if (!restoreGeometry(m_settings.value(kGeometry).toByteArray()))
        resize(1280, 800);
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
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
        solutionRequested();
}

void MainWindow::startExercise(int type)
{
    m_settings.setValue(kType, type);
    m_pages->setCurrentWidget(m_exercisePage);
    m_host->startExercise(type);
    retranslate();
}

void MainWindow::setLanguage(Language language)
{
    m_host->setLanguage(language);
    m_settings.setValue(kLanguage, languageCode(language));
    m_chooser->setLanguage(language);
    m_flightBar->setLanguage(language);
    retranslate();
}

void MainWindow::setBasePath(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    m_settings.setValue(kBase, clean);
    m_chooser->setBasePath(QDir::toNativeSeparators(clean));
    m_host->setBasePath(clean);
    if (!QDir(clean).exists(QStringLiteral("default/study")))
        report(tr("%1 holds no exercises (no folder default/study).").arg(QDir::toNativeSeparators(clean)));
}

void MainWindow::controlCreated(QAform *form)
{
    delete m_panel;
    m_panel = createPanel(*form, m_exercisePage);
    m_column->insertWidget(0, m_panel);
    // Panels announce trainee actions by these signals where they have them.
    if (m_panel->metaObject()->indexOfSignal("userActed()") >= 0)
        connect(m_panel, SIGNAL(userActed()), m_host, SLOT(panelActed()));
    if (m_panel->metaObject()->indexOfSignal("handlerFailed(QString)") >= 0)
        connect(m_panel, SIGNAL(handlerFailed(QString)), this, SLOT(reportFailure(QString)));
}

void MainWindow::questionShown(const QString &sessionFile, int type)
{
    m_flight->stop();
    m_flightBar->hide();
    // The control names sessions below the installation's default/sessions/; a study file
    // must not lead the trainer anywhere else.
    const QString sessions = paths::join(m_host->basePath(), QStringLiteral("default/sessions"));
    m_view->setSituation(loadSituation(sessionFile, type, language(), sessions));
    m_pages->setCurrentWidget(m_exercisePage);
    statusBar()->showMessage(QDir::toNativeSeparators(sessionFile));
}

void MainWindow::solutionRequested()
{
    m_view->situation().showSolution = true;
    m_view->update();
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
    m_flight->stop();
    m_flightBar->hide();
    Situation empty;
    empty.error = language() == Language::German ? QStringLiteral("Bitte eine Übung wählen.")
                                                 : QStringLiteral("Choose an exercise to begin.");
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
