// The menus of the trainer's window and the small dialogs behind them.

#include "MainWindow.h"

#include "ChooserPage.h"
#include "PanelZoom.h"
#include "StatisticsData.h"
#include "StatisticsWindow.h"
#include "TrainerHost.h"

#include <orvik3/Error.h>
#include <orvik3/QAform.h>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>

namespace orvik3::trainer {

void MainWindow::buildMenus()
{
    m_exerciseMenu = menuBar()->addMenu(QString());
    m_chooseAction = m_exerciseMenu->addAction(QString(), m_host, &TrainerHost::endExercise);
    m_chooseAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    m_statsAction = m_exerciseMenu->addAction(QString(), this, &MainWindow::showStatistics);
    m_statsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_endlessMenu = m_exerciseMenu->addMenu(QString());
    m_endlessMenu->setObjectName(QStringLiteral("endlessMenu"));
    m_exerciseMenu->addSeparator();
    m_quitAction = m_exerciseMenu->addAction(QString(), this, &QWidget::close);
    m_quitAction->setShortcut(QKeySequence::Quit);

    m_settingsMenu = menuBar()->addMenu(QString());
    m_languageMenu = m_settingsMenu->addMenu(QString());
    auto *languages = new QActionGroup(this);
    m_germanAction = m_languageMenu->addAction(QStringLiteral("Deutsch"), this, [this] { setLanguage(Language::German); });
    m_englishAction = m_languageMenu->addAction(QStringLiteral("English"), this, [this] { setLanguage(Language::English); });
    for (QAction *a : {m_germanAction, m_englishAction}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    m_baseAction = m_settingsMenu->addAction(QString(), this, &MainWindow::chooseInstallation);
    m_instrumentOnlyAction = m_settingsMenu->addAction(QString(), this, &MainWindow::setInstrumentOnly);
    m_instrumentOnlyAction->setCheckable(true);
    m_instrumentOnlyAction->setChecked(m_instrumentOnly);

    m_helpMenu = menuBar()->addMenu(QString());
    m_tipsAction = m_helpMenu->addAction(QString(), this, &MainWindow::powerTips);
    m_tipsAction->setShortcut(QKeySequence(Qt::Key_F1)); // F1 on every platform, also inside the panel
    m_aboutAction = m_helpMenu->addAction(QString(), this, &MainWindow::about);
    retranslate();
}

void MainWindow::retranslate()
{
    if (!m_exerciseMenu)
        return;
    const bool de = language() == Language::German;
    m_exerciseMenu->setTitle(tr("&Exercise"));
    m_chooseAction->setText(tr("&Choose exercise"));
    m_statsAction->setText(tr("&Statistics …"));
    buildEndlessMenu();
    m_quitAction->setText(tr("&Quit"));
    m_settingsMenu->setTitle(tr("&Settings"));
    m_languageMenu->setTitle(tr("&Language"));
    m_germanAction->setChecked(de);
    m_englishAction->setChecked(!de);
    m_baseAction->setText(tr("&Installation …"));
    m_helpMenu->setTitle(tr("&Help"));
    m_tipsAction->setText(tr("Power &tips"));
    m_aboutAction->setText(tr("&About"));
    if (m_zoom)
        m_zoom->retranslate();
    m_instrumentOnlyAction->setText(tr("Instruments only: hide the aircraft on the plan until the solution"));
    refreshLoop();
    m_chooseAction->setEnabled(!chooserShown());
    m_tipsAction->setEnabled(true);

    QString title = QStringLiteral("Orvik3");
    if (!chooserShown())
        if (const ExerciseInfo *info = exerciseInfo(m_host->currentType()))
            title += QStringLiteral(" – ") + info->name(language());
    setWindowTitle(title);
    m_legend->setText(legendText(de));
}

void MainWindow::buildEndlessMenu()
{
    // Built again on every language change: its entries are the exercises' names.
    m_endlessMenu->setTitle(tr("E&ndless practice"));
    m_endlessMenu->clear();
    QAction *weakest = m_endlessMenu->addAction(tr("&Weakest first"), this, [this] { startEndless(0); });
    weakest->setObjectName(QStringLiteral("endlessWeakest"));
    m_endlessMenu->addSeparator();
    for (const ExerciseInfo &e : exerciseCatalog()) {
        const int type = e.type;
        m_endlessMenu->addAction(e.name(language()), this, [this, type] { startEndless(type); });
    }
}

QString MainWindow::legendText(bool)
{
    auto row = [](const char *colour, const QString &text) {
        return QStringLiteral("<tr><td><span style='color:%1; font-size:large'>&#9644;</span></td><td>%2</td></tr>")
            .arg(QLatin1String(colour), text);
    };
    return QStringLiteral("<table cellspacing='3'>")
           + row("#1f6fb2", tr("Holding pattern"))
           + row("#7b3fa0", tr("DME arc and final course"))
           + row("#d2691e", tr("Bearing to intercept"))
           + row("#1e9e4a", tr("Solution"))
           + row("#444444", tr("Track flown"))
           + QStringLiteral("</table>");
}

void MainWindow::showStatistics()
{
    int type = m_host->currentType();
    if (type <= 0)
        type = m_settings.value(QStringLiteral("trainer/type"), 1).toInt();
    // A practice set is not the study file the statistics count.
    const bool loaded = m_host->currentType() > 0 && !m_endless;
    try {
        StatisticsWindow window(*m_store, statisticsPrefix(type).isEmpty() ? QStringLiteral("hsipos") : statisticsPrefix(type),
                                loaded ? m_host->control()->lastQuestion() + 1 : -1, language(), this);
        window.setEndlessSummary(m_score.total().answered > 0 ? m_score.familyLines(language()) : QString());
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

void MainWindow::powerTips()
{
    m_host->loadPowerTip();
}

void MainWindow::about()
{
    QMessageBox::about(this, tr("About Orvik3"),
                       tr("<h3>Orvik3 – radio-navigation trainer</h3>"
                          "<p>Exercises in position finding, holdings, DME arcs, ADF, QDM/QDR and wind. "
                          "The situation is drawn on the left; the questions are on the right.</p>"
                          "<p>When flying yourself the arrow keys turn the aircraft; space pauses.</p>"
                          "<p>Version %1</p>")
                           .arg(QApplication::applicationVersion()));
}

} // namespace orvik3::trainer
