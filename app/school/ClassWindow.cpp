#include "ClassWindow.h"

#include "ClassTables.h"

#include <ClassAnalysis.h>
#include <ClassStore.h>
#include <HtmlReport.h>

#include <QDate>
#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

namespace orvik3::trainer {

ClassWindow::ClassWindow(qint64 exam, Language language, QWidget *parent)
    : QWidget(parent, Qt::Window), m_exam(exam), m_language(language)
{
    setObjectName(QStringLiteral("classWindow"));
    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    m_location = new QLineEdit(this);
    m_location->setObjectName(QStringLiteral("classLocation"));
    m_browse = new QPushButton(this);
    m_open = new QPushButton(this);
    m_export = new QPushButton(this);
    m_export->setObjectName(QStringLiteral("exportReport"));
    m_export->setEnabled(false);
    row->addWidget(m_location, 1);
    row->addWidget(m_browse);
    row->addWidget(m_open);
    row->addWidget(m_export);
    layout->addLayout(row);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("classStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);
    m_tabs = new QTabWidget(this);
    m_students = new QTableWidget(this);
    m_students->setObjectName(QStringLiteral("classStudents"));
    m_skills = new QTableWidget(this);
    m_skills->setObjectName(QStringLiteral("classSkills"));
    m_items = new QTableWidget(this);
    m_items->setObjectName(QStringLiteral("classItems"));
    m_problems = new QListWidget(this);
    m_problems->setObjectName(QStringLiteral("classProblems"));
    for (QWidget *page : {static_cast<QWidget *>(m_students), static_cast<QWidget *>(m_skills),
                          static_cast<QWidget *>(m_items), static_cast<QWidget *>(m_problems)})
        m_tabs->addTab(page, QString());
    layout->addWidget(m_tabs, 1);

    connect(m_browse, &QPushButton::clicked, this, &ClassWindow::chooseFolder);
    connect(m_open, &QPushButton::clicked, this, [this] { load(m_location->text().trimmed()); });
    connect(m_location, &QLineEdit::returnPressed, m_open, &QPushButton::click);
    connect(m_export, &QPushButton::clicked, this, &ClassWindow::exportWanted);
    connect(this, &ClassWindow::failed, m_status, &QLabel::setText);
    retranslate();
    resize(1000, 600);
}

void ClassWindow::retranslate()
{
    setWindowTitle(tr("Class"));
    m_location->setPlaceholderText(tr("the class folder, or postgresql://user@host/database"));
    m_browse->setText(tr("&Folder …"));
    m_open->setText(tr("&Open"));
    m_export->setText(tr("&Export report …"));
    m_tabs->setTabText(0, tr("Students"));
    m_tabs->setTabText(1, tr("Weakest skills"));
    m_tabs->setTabText(2, tr("Questions"));
    m_tabs->setTabText(3, tr("Unreadable (%1)").arg(m_data.problems.size()));
}

void ClassWindow::chooseFolder()
{
    const QString dir = QFileDialog::getExistingDirectory(this, tr("Class folder"), m_location->text());
    if (dir.isEmpty())
        return;
    m_location->setText(dir);
    load(dir);
}

void ClassWindow::load(const QString &location)
{
    if (m_busy || location.isEmpty())
        return;
    m_busy = true;
    m_location->setText(location);
    m_open->setEnabled(false);
    m_status->setText(tr("Reading the class …"));
    QPointer<ClassWindow> self(this);
    const qint64 exam = m_exam;
    // A server may take seconds to answer and a big class to analyse: neither on the window thread.
    QThread *thread = QThread::create([self, location, exam] {
        QString error;
        school::ClassRecords records;
        const auto store = school::ClassStore::open(location, &error);
        const bool read = store && store->read(records, &error);
        school::ClassData data = read ? school::analyseClass(std::move(records), exam) : school::ClassData{};
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, read, error, data = std::move(data)]() mutable {
            if (!self)
                return;
            self->m_busy = false;
            self->m_open->setEnabled(true);
            if (read)
                self->present(std::move(data));
            else
                emit self->failed(error.isEmpty() ? tr("The class cannot be read.") : error);
        });
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void ClassWindow::present(school::ClassData data)
{
    m_data = std::move(data);
    ClassTables::fillStudents(*m_students, m_data, m_language);
    ClassTables::fillSkills(*m_skills, m_data);
    ClassTables::fillItems(*m_items, m_data, m_language);
    m_problems->clear();
    for (const school::SourceProblem &p : m_data.problems)
        m_problems->addItem(p.source + QStringLiteral(": ") + p.message);
    const auto flagged = std::count_if(m_data.items.begin(), m_data.items.end(), [](const school::ItemStats &i) { return !i.flags.isEmpty(); });
    m_status->setText(tr("%1 students, %2 reviews, %3 of %4 questions flagged; readiness at the exam on %5.")
                          .arg(m_data.students.size())
                          .arg(m_data.reviews())
                          .arg(flagged)
                          .arg(m_data.items.size())
                          .arg(QDateTime::fromMSecsSinceEpoch(m_exam, Qt::UTC).date().toString(Qt::ISODate)));
    m_export->setEnabled(true);
    retranslate();
    emit loaded();
}

bool ClassWindow::exportReport(const QString &path, QString *error) const
{
    const auto language = m_language == Language::English ? school::ReportLanguage::English : school::ReportLanguage::German;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(school::htmlReport(m_data, language).toUtf8()) >= 0 && file.commit())
        return true;
    *error = tr("%1 cannot be written: %2").arg(path, file.errorString());
    return false;
}

void ClassWindow::exportWanted()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export report"), QStringLiteral("class.html"), tr("Web page (*.html)"));
    if (path.isEmpty())
        return;
    QString error;
    m_status->setText(exportReport(path, &error) ? tr("Exported to %1.").arg(path) : error);
}

} // namespace orvik3::trainer
