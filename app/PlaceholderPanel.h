#pragma once

#include <QFrame>
#include <QPointer>

class QLabel;
class QPushButton;

namespace orvik3 {
class QAform;
}

namespace orvik3::trainer {

// A stand-in for the full exercise panel: the frame caption of the current exercise, its
// statistics line and the four buttons every panel has (show solution, next, fly yourself,
// cancel), passed on to the control as trainee clicks.
class PlaceholderPanel : public QFrame
{
    Q_OBJECT
public:
    PlaceholderPanel(QAform &form, QWidget *parent = nullptr);

signals:
    void userActed();
    void handlerFailed(const QString &message);

private:
    void refresh();
    void click(const char *role);

    QAform &m_form;
    QLabel *m_caption;
    QLabel *m_stats;
    QPushButton *m_buttons[4];
};

} // namespace orvik3::trainer
