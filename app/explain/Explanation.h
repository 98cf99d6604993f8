#pragma once

#include <QString>
#include <QStringList>

namespace orvik3::trainer {

// What the solution box shows for one question: every right answer in words and numbers, the
// working behind the numbers, and one sentence of why.
struct Explanation {
    QStringList answers; // "prompt: answer", one per answer row of the panel
    QStringList whys;    // why each answer is right, in the same order ("" where nothing is sure)
    QStringList working; // arithmetic, one step a line
    QString reason;
};

// Degrees as a pilot reads them: three digits, 360 written as 000.
QString threeDigits(double degrees);
// A heading as a pilot flies it: three digits, north written as 360.
QString headingDigits(double degrees);

} // namespace orvik3::trainer
