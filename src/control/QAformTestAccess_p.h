#pragma once

#include <QString>
#include <QtGlobal>

namespace orvik3 {

class QAform;

// What the control's tests look at beyond the host's view: the question order and position,
// the title, the session names and the candidate order of the question on display.
class QAformTestAccess
{
public:
    explicit QAformTestAccess(const QAform &form)
        : m_form(form)
    {
    }

    qint16 orderPos() const;
    QString exerciseTitle() const;
    qint16 questionOrder(int k) const; // k = 0..300
    QString qaSession(int row) const;  // row 0..300
    qint16 optionOrder(int k) const;   // k = 1..5
    qint16 optionOffsets(int k) const; // k = 1..5

private:
    const QAform &m_form;
};

} // namespace orvik3
