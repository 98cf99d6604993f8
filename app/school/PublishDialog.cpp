#include "PublishDialog.h"

#include "TrainerSettingsKeys.h"

#include <ClassStore.h>
#include <Pseudonym.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QThread>

namespace orvik3::trainer {

school::PublishSettings loadPublishSettings(const QSettings &settings)
{
    school::PublishSettings p;
    p.enabled = settings.value(kPublishEnabled, false).toBool();
    p.location = settings.value(kClassLocation).toString();
    p.pseudonym = settings.value(kPseudonym).toString();
    return p;
}

void savePublishSettings(QSettings &settings, const school::PublishSettings &publish)
{
    settings.setValue(kPublishEnabled, publish.enabled);
    settings.setValue(kClassLocation, publish.location);
    settings.setValue(kPseudonym, publish.pseudonym);
}

PublishDialog::PublishDialog(const school::PublishSettings &initial, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Publishing to the class"));
    auto *form = new QFormLayout(this);
    auto *intro = new QLabel(tr("Your reviews go to the class only while publishing is on. The class sees them "
                                "under your pseudonym, never your name."),
                             this);
    intro->setWordWrap(true);
    form->addRow(intro);
    m_enabled = new QCheckBox(tr("&Publish my practice to the class"), this);
    m_enabled->setObjectName(QStringLiteral("publishEnabled"));
    m_enabled->setChecked(initial.enabled);
    form->addRow(m_enabled);

    m_location = new QLineEdit(initial.location, this);
    m_location->setObjectName(QStringLiteral("classLocation"));
    m_location->setPlaceholderText(tr("a shared folder, or postgresql://user@host/database"));
    m_location->setMinimumWidth(360);
    auto *browse = new QPushButton(tr("&Folder …"), this);
    connect(browse, &QPushButton::clicked, this, &PublishDialog::chooseFolder);
    auto *row = new QHBoxLayout;
    row->addWidget(m_location, 1);
    row->addWidget(browse);
    auto *label = new QLabel(tr("&Class:"), this);
    label->setBuddy(m_location);
    form->addRow(label, row);

    m_pseudonym = new QLineEdit(initial.pseudonym, this);
    m_pseudonym->setObjectName(QStringLiteral("pseudonym"));
    m_pseudonym->setMaxLength(40);
    form->addRow(tr("Pse&udonym:"), m_pseudonym);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("publishProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00020"));
    form->addRow(m_problem);

    m_withdraw = new QPushButton(tr("&Withdraw my data from the class"), this);
    m_withdraw->setObjectName(QStringLiteral("withdraw"));
    connect(m_withdraw, &QPushButton::clicked, this, &PublishDialog::withdraw);
    form->addRow(m_withdraw);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PublishDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    // The problem goes as soon as it is mended.
    connect(m_pseudonym, &QLineEdit::textEdited, m_problem, &QLabel::clear);
    connect(m_location, &QLineEdit::textEdited, m_problem, &QLabel::clear);
}

school::PublishSettings PublishDialog::settings() const
{
    return {m_enabled->isChecked(), m_location->text().trimmed(), m_pseudonym->text()};
}

QString PublishDialog::problem() const
{
    const school::PublishSettings s = settings();
    if (s.location.isEmpty())
        return tr("Choose the class: a folder or a server.");
    const QString why = school::pseudonymProblem(s.pseudonym);
    return why.isEmpty() ? QString() : tr("Pseudonym: %1").arg(why);
}

void PublishDialog::accept()
{
    // Turned off, nothing is sent, so nothing needs to be right.
    if (m_enabled->isChecked()) {
        const QString why = problem();
        m_problem->setText(why);
        if (!why.isEmpty())
            return;
    }
    emit chosen(settings());
    QDialog::accept();
}

void PublishDialog::chooseFolder()
{
    const QString dir = QFileDialog::getExistingDirectory(this, tr("Class folder"), m_location->text());
    if (!dir.isEmpty())
        m_location->setText(dir);
}

void PublishDialog::withdraw()
{
    const QString why = problem();
    if (!why.isEmpty()) {
        m_problem->setText(why);
        return;
    }
    m_withdraw->setEnabled(false);
    m_problem->setText(tr("Withdrawing …"));
    const school::PublishSettings s = settings();
    QPointer<PublishDialog> self(this);
    QThread *thread = QThread::create([s, self] {
        QString error;
        int removed = 0;
        const auto store = school::ClassStore::open(s.location, &error);
        if (store && !store->withdraw(s.pseudonym, &removed, &error) && error.isEmpty())
            error = tr("The class could not be changed.");
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, removed, error] {
            if (self)
                self->withdrawn(removed, error);
        });
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void PublishDialog::withdrawn(int removed, const QString &error)
{
    m_withdraw->setEnabled(true);
    if (!error.isEmpty())
        m_problem->setText(error);
    else if (removed == 0)
        m_problem->setText(tr("The class holds nothing of %1.").arg(m_pseudonym->text()));
    else
        m_problem->setText(tr("Removed everything of %1 from the class (%2).").arg(m_pseudonym->text()).arg(removed));
}

} // namespace orvik3::trainer
