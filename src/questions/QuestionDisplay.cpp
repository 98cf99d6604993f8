#include "questions/QuestionDisplay.h"

#include "control/InstanceState.h"
#include "exercises/FamilyPanel.h"
#include "platform/Paths.h"
#include "platform/ValueRules.h"
#include "questions/Statistics.h"
#include "study/ExerciseTypes.h"

namespace orvik3 {

void displayQuestion(InstanceState &s, FamilyPanel *panel)
{
    s.clearParts();
    const ExerciseType *type = exerciseType(s.c_QAtype);
    if (!type || !panel)
        return;
    const FamilyControls &c = familyControls(type->family);

    panel->beforeQuestion(type->type);
    s.questionShown = false;
    s.exerciseTitle = s.text(type->titleId);
    s.ctl(QLatin1String(c.showSolution)).setCaption(s.text(294));
    s.ctl(QLatin1String(c.randomBox)).setCaption(s.text(295));
    s.ctl(QLatin1String(c.next)).setCaption(s.text(296));
    s.ctl(QLatin1String(c.cancel)).setCaption(s.text(297));
    if (c.fly)
        s.ctl(QLatin1String(c.fly)).setCaption(s.text(330));
    if (c.statsFrame)
        s.ctl(QLatin1String(c.statsFrame)).setCaption(s.text(303));
    panel->captions(type->type);

    if (s.ctl(QLatin1String(c.randomBox)).value() == 0) {
        s.currentQuestion = vb::add(s.currentQuestion, 1);
        if (s.currentQuestion > s.lastQuestion)
            s.currentQuestion = 0;
    } else {
        s.orderPos = vb::add(s.orderPos, 1);
        if (s.orderPos > s.lastQuestion)
            s.orderPos = 0;
        s.currentQuestion = s.questionOrder[vb::checkedRow(s.orderPos, "question order")];
    }
    vb::checkedRow(s.currentQuestion, "question");

    s.ctl(QLatin1String(c.frame))
        .setCaption(s.exerciseTitle + QStringLiteral(" (") + vb::signedNumberText(s.currentQuestion + 1) + u' '
                    + s.text(299) + u' ' + vb::plainNumberText(s.lastQuestion + 1) + u')');
    s.ctl(QLatin1String(c.statsLabel))
        .setCaption(Statistics(s).summaryLine(QLatin1String(type->statsPrefix)));

    panel->resetQuestion(type->type);

    s.c_QASessionFileName = paths::join(s.c_MainAppPath, QStringLiteral("default/sessions/"))
        + s.table.session(s.currentQuestion);
    s.questionShown = true;
}

} // namespace orvik3
