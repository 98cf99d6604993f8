#pragma once

#include "ExerciseCatalog.h"

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

namespace orvik3::trainer {

// The menus of the trainer's window: Exercise (choose, statistics, endless practice, quit),
// Settings (language, installation, instruments only, exam date, publishing, panel size), Extras (the class) and Help (power tips,
// about). They only say what was asked for; the window does it.
class TrainerMenus : public QObject
{
    Q_OBJECT
public:
    TrainerMenus(QMainWindow &window, QMenu *panelSizeMenu);

    // Texts in the current language; the endless menu lists the exercises' names in it.
    void retranslate(Language language, bool chooserShown);
    void setInstrumentOnly(bool on);
    static void about(QWidget *parent);

signals:
    void chooseWanted();
    void statisticsWanted();
    // 0: weakest first.
    void endlessWanted(int type);
    void todayWanted();
    void examDateWanted();
    void publishingWanted();
    void classWanted();
    void languageWanted(orvik3::trainer::Language language);
    void installationWanted();
    void instrumentOnlyWanted(bool on);
    void tipsWanted();

private:
    QMainWindow &m_window;
    QMenu *m_exercise;
    QMenu *m_endless;
    QMenu *m_settings;
    QMenu *m_language;
    QMenu *m_extras;
    QMenu *m_help;
    QAction *m_choose;
    QAction *m_statistics;
    QAction *m_today;
    QAction *m_examDate;
    QAction *m_publishing;
    QAction *m_class;
    QAction *m_quit;
    QAction *m_german;
    QAction *m_english;
    QAction *m_base;
    QAction *m_instrumentOnly;
    QAction *m_tips;
    QAction *m_about;
};

} // namespace orvik3::trainer
