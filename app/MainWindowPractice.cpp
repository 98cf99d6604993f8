// The trainer's window: today's practice, the review log behind it and the exam date.
#include "MainWindow.h"

#include "TrainerSettingsKeys.h"
#include "practice/Practice.h"
#include "practice/PracticeClock.h"
#include "practice/PracticeMemory.h"
#include "practice/TodayPractice.h"
#include "school/ClassWindow.h"
#include "school/PublishDialog.h"
#include "view/ChooserPage.h"

#include <PracticePlanner.h>

#include <QDate>
#include <QDateEdit>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QRandomGenerator>
#include <QSettings>

namespace orvik3::trainer {

void MainWindow::startToday(std::optional<quint64> seed)
{
    m_practice->run(std::make_unique<TodayPractice>(*m_memory, seed ? *seed : QRandomGenerator::global()->generate64()));
}

void MainWindow::refreshDue()
{
    if (!m_memory->isOpen())
        return;
    const qint64 now = PracticeClock::now();
    // Fitted at most once a day, on the log's thread, once the log holds enough reviews.
    if (!std::exchange(m_fitAsked, true))
        m_memory->fitIfDue(now);
    if (m_chooser)
        m_chooser->setTodayDue(int(practice::PracticePlanner(m_memory->memory(), {}).due(now).size()));
}

qint64 MainWindow::examDate() const
{
    const QDate date = QDate::fromString(m_settings.value(kExamDate).toString(), Qt::ISODate);
    if (date.isValid())
        return date.startOfDay(Qt::UTC).toMSecsSinceEpoch();
    return PracticeClock::now() + 28 * qint64(86400000);
}

void MainWindow::chooseExamDate()
{
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Exam date"));
    auto *form = new QFormLayout(&dialog);
    auto *edit = new QDateEdit(QDateTime::fromMSecsSinceEpoch(examDate(), Qt::UTC).date(), &dialog);
    edit->setCalendarPopup(true);
    form->addRow(tr("The day of the exam:"), edit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() == QDialog::Accepted)
        m_settings.setValue(kExamDate, edit->date().toString(Qt::ISODate));
}

void MainWindow::choosePublishing()
{
    auto *dialog = new PublishDialog(loadPublishSettings(m_settings), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &PublishDialog::chosen, this, [this](const school::PublishSettings &chosen) {
        savePublishSettings(m_settings, chosen);
        applyPublishing();
    });
    dialog->open();
}

void MainWindow::showClass()
{
    auto *window = findChild<ClassWindow *>();
    if (!window) {
        window = new ClassWindow(examDate(), language(), this);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::applyPublishing()
{
    const school::PublishSettings publish = loadPublishSettings(m_settings);
    // Off and never on in this run: the log need not even be opened for it.
    if (!publish.enabled && !m_publishing)
        return;
    m_publishing = publish.enabled;
    m_memory->setPublishing(publish);
}

} // namespace orvik3::trainer
