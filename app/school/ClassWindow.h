#pragma once

#include "ExerciseCatalog.h"

#include <ClassData.h>

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace orvik3::trainer {

// The class as an instructor sees it: a class folder or server read and analysed off the
// window thread, then its students, weakest skills and questions in tables, the sources that
// could not be read listed by name, and the report exported as one HTML page.
class ClassWindow : public QWidget
{
    Q_OBJECT
public:
    // `exam`: ms since the epoch, the day the readiness is predicted for.
    ClassWindow(qint64 exam, Language language, QWidget *parent = nullptr);

    // Reads the class at `location`; loaded() or failed() follows.
    void load(const QString &location);
    const school::ClassData &data() const { return m_data; }
    // The report in the window's language; false with *error.
    bool exportReport(const QString &path, QString *error) const;

signals:
    void loaded();
    void failed(const QString &message);

private:
    void chooseFolder();
    void exportWanted();
    void present(school::ClassData data);
    void retranslate();

    qint64 m_exam;
    Language m_language;
    school::ClassData m_data;
    bool m_busy = false;
    QLineEdit *m_location;
    QPushButton *m_browse;
    QPushButton *m_open;
    QPushButton *m_export;
    QLabel *m_status;
    QTabWidget *m_tabs;
    QTableWidget *m_students;
    QTableWidget *m_skills;
    QTableWidget *m_items;
    QListWidget *m_problems;
};

} // namespace orvik3::trainer
