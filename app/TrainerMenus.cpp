#include "TrainerMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace orvik3::trainer {

TrainerMenus::TrainerMenus(QMainWindow &window, QMenu *panelSizeMenu) : QObject(&window), m_window(window)
{
    QMenuBar *bar = window.menuBar();
    m_exercise = bar->addMenu(QString());
    m_choose = m_exercise->addAction(QString(), this, &TrainerMenus::chooseWanted);
    m_choose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    m_statistics = m_exercise->addAction(QString(), this, &TrainerMenus::statisticsWanted);
    m_statistics->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_today = m_exercise->addAction(QString(), this, &TrainerMenus::todayWanted);
    m_today->setObjectName(QStringLiteral("todayAction"));
    m_today->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_endless = m_exercise->addMenu(QString());
    m_endless->setObjectName(QStringLiteral("endlessMenu"));
    m_exercise->addSeparator();
    m_quit = m_exercise->addAction(QString(), &window, &QWidget::close);
    m_quit->setShortcut(QKeySequence::Quit);

    m_settings = bar->addMenu(QString());
    m_language = m_settings->addMenu(QString());
    auto *languages = new QActionGroup(this);
    m_german = m_language->addAction(QStringLiteral("Deutsch"), this, [this] { emit languageWanted(Language::German); });
    m_english = m_language->addAction(QStringLiteral("English"), this, [this] { emit languageWanted(Language::English); });
    for (QAction *a : {m_german, m_english}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    m_base = m_settings->addAction(QString(), this, &TrainerMenus::installationWanted);
    m_instrumentOnly = m_settings->addAction(QString(), this, &TrainerMenus::instrumentOnlyWanted);
    m_instrumentOnly->setCheckable(true);
    m_examDate = m_settings->addAction(QString(), this, &TrainerMenus::examDateWanted);
    m_publishing = m_settings->addAction(QString(), this, &TrainerMenus::publishingWanted);
    if (panelSizeMenu)
        m_settings->addMenu(panelSizeMenu);

    m_extras = bar->addMenu(QString());
    m_class = m_extras->addAction(QString(), this, &TrainerMenus::classWanted);
    m_class->setObjectName(QStringLiteral("classAction"));

    m_help = bar->addMenu(QString());
    m_tips = m_help->addAction(QString(), this, &TrainerMenus::tipsWanted);
    m_tips->setShortcut(QKeySequence(Qt::Key_F1)); // F1 on every platform, also inside the panel
    m_about = m_help->addAction(QString(), this, [this] { about(&m_window); });
}

void TrainerMenus::retranslate(Language language, bool chooserShown)
{
    m_exercise->setTitle(tr("&Exercise"));
    m_choose->setText(tr("&Choose exercise"));
    m_choose->setEnabled(!chooserShown);
    m_statistics->setText(tr("&Statistics …"));
    m_today->setText(tr("Practise &today"));
    m_quit->setText(tr("&Quit"));
    m_settings->setTitle(tr("&Settings"));
    m_language->setTitle(tr("&Language"));
    m_german->setChecked(language == Language::German);
    m_english->setChecked(language == Language::English);
    m_base->setText(tr("&Installation …"));
    m_instrumentOnly->setText(tr("Instruments only: hide the aircraft on the plan until the solution"));
    m_examDate->setText(tr("E&xam date …"));
    m_publishing->setText(tr("&Publishing to the class …"));
    m_extras->setTitle(tr("E&xtras"));
    m_class->setText(tr("&Class …"));
    m_help->setTitle(tr("&Help"));
    m_tips->setText(tr("Power &tips"));
    m_about->setText(tr("&About"));

    // Built again on every language change: its entries are the exercises' names.
    m_endless->setTitle(tr("E&ndless practice"));
    m_endless->clear();
    QAction *weakest = m_endless->addAction(tr("&Weakest first"), this, [this] { emit endlessWanted(0); });
    weakest->setObjectName(QStringLiteral("endlessWeakest"));
    m_endless->addSeparator();
    for (const ExerciseInfo &e : exerciseCatalog()) {
        const int type = e.type;
        m_endless->addAction(e.name(language), this, [this, type] { emit endlessWanted(type); });
    }
}

void TrainerMenus::setInstrumentOnly(bool on) { m_instrumentOnly->setChecked(on); }

void TrainerMenus::about(QWidget *parent)
{
    QMessageBox::about(parent, tr("About Orvik3"),
                       tr("<h3>Orvik3 – radio-navigation trainer</h3>"
                          "<p>Exercises in position finding, holdings, DME arcs, ADF, QDM/QDR and wind. "
                          "The situation is drawn on the left; the questions are on the right.</p>"
                          "<p>When flying yourself the arrow keys turn the aircraft; space pauses.</p>"
                          "<p>Version %1</p>")
                           .arg(QApplication::applicationVersion()));
}

} // namespace orvik3::trainer
