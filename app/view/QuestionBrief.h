#pragma once

#include <QCoreApplication>
#include <QString>

namespace orvik3 {
class QAform;
}

namespace orvik3::trainer {

// One short line for a question of the loaded study file, so that a list of results says
// which situation each was ("Holding 090 right, HDG 250 → offset (teardrop)").
class QuestionBrief
{
    Q_DECLARE_TR_FUNCTIONS(QuestionBrief)
public:
    static QString of(const QAform &form, int question);
};

} // namespace orvik3::trainer
