#pragma once

#include "explain/Explanation.h"

#include <QCoreApplication>

namespace orvik3 {
class QAform;
}

namespace orvik3::trainer {

struct Situation;

// Builds the solution box of the question on display: the right answers as the panel shows
// them once the solution is out, and the working and the reason from the question's numbers
// and the situation's geometry.
class SolutionExplainer
{
    Q_DECLARE_TR_FUNCTIONS(SolutionExplainer)
public:
    static Explanation explain(const QAform &form, const Situation &situation);
    // The panel's "Weiter" button of the family of `type`, empty for an unknown type.
    static QString nextButton(int type);
    // The panel's "Lösung zeigen" button of the family of `type`.
    static QString solutionButton(int type);
    // How many answer parts the panel judges for `type` (the parts "all right" needs).
    static int partCount(int type);
    // The panel's random-order check box of `type`.
    static QString randomBox(int type);
};

} // namespace orvik3::trainer
