#pragma once

#include "explain/Explanation.h"

#include <QFrame>

class QLabel;

namespace orvik3::trainer {

// The right answers of the question on display beside the plan, with the working and why.
class SolutionBox : public QFrame
{
    Q_OBJECT
public:
    explicit SolutionBox(QWidget *parent = nullptr);
    void show(const Explanation &explanation);
    // The text shown, for checks and for copying.
    QString plainText() const;

private:
    QLabel *m_title;
    QLabel *m_body;
    Explanation m_shown;
};

} // namespace orvik3::trainer
