#pragma once

#include "ExerciseCatalog.h"

#include <QWidget>
#include <map>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvik3::trainer {

// The start page: the fourteen exercises by family, the language and the installation.
class ChooserPage : public QWidget
{
    Q_OBJECT
public:
    explicit ChooserPage(QWidget *parent = nullptr);

    void setLanguage(Language language);
    void setBasePath(const QString &path);
    void setLastType(int type);
    QPushButton *buttonFor(int type) const;
    // How many skills are due for today's practice; negative: not known yet.
    void setTodayDue(int due);

signals:
    void typeChosen(int type);
    void languageChosen(orvik3::trainer::Language language);
    void browseRequested();
    void todayWanted();

private:
    void retranslate();

    Language m_language = Language::German;
    QLabel *m_heading;
    QPushButton *m_today;
    QLabel *m_todayDue;
    int m_due = -1;
    std::map<Family, QWidget *> m_groups;
    std::map<int, QPushButton *> m_buttons;
    QLabel *m_languageLabel;
    QComboBox *m_languageBox;
    QLabel *m_baseLabel;
    QLineEdit *m_base;
    QPushButton *m_browse;
};

} // namespace orvik3::trainer
