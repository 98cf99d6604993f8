#pragma once

#include <Publisher.h>

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSettings;

namespace orvik3::trainer {

// What the student chose for the class, as the trainer's settings remember it.
school::PublishSettings loadPublishSettings(const QSettings &settings);
void savePublishSettings(QSettings &settings, const school::PublishSettings &publish);

// Publishing to the class: on or off, where the class lives and the pseudonym shown there. It
// refuses a pseudonym the class would not take, saying why; "Withdraw" removes everything of
// the pseudonym from the class, off the window thread (a server may take seconds to answer).
class PublishDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PublishDialog(const school::PublishSettings &initial, QWidget *parent = nullptr);

    school::PublishSettings settings() const;
    void accept() override;

signals:
    void chosen(const orvik3::school::PublishSettings &settings);

private:
    void chooseFolder();
    void withdraw();
    void withdrawn(int removed, const QString &error);
    QString problem() const;

    QCheckBox *m_enabled;
    QLineEdit *m_location;
    QLineEdit *m_pseudonym;
    QLabel *m_problem;
    QPushButton *m_withdraw;
};

} // namespace orvik3::trainer
