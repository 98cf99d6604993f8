#pragma once

#include "explain/Explanation.h"

#include <QCoreApplication>

namespace orvik3 {
class QAform;
}

namespace orvik3::trainer {

struct Situation;

// Builds the solution box of the question on display: the right answers as the panel shows
// them once the solution is out (each answer row's prompt and result, as the library's
// catalogue names them), and the working and the reason from the question's numbers and the
// situation's geometry.
class SolutionExplainer
{
    Q_DECLARE_TR_FUNCTIONS(SolutionExplainer)
public:
    static Explanation explain(const QAform &form, const Situation &situation);
};

} // namespace orvik3::trainer
