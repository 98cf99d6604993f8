#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvik3 {
class QAformWidget;
}

// A window that hosts the panel the way a trainer does: it sets the base path and the
// exercise type, and after every action of the trainee reads the control's signals back.
class MinimalHost : public QWidget
{
    Q_OBJECT
public:
    explicit MinimalHost(const QString &basePath, QWidget *parent = nullptr);

    orvik3::QAformWidget &panel() const { return *m_panel; }
    void start(int type);

private:
    void readBack();
    void giveBack();

    orvik3::QAformWidget *m_panel;
    QLineEdit *m_base;
    QComboBox *m_type;
    QPushButton *m_giveBack;
    QLabel *m_status;
};
