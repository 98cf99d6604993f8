#include "questions/QuestionDisplay.h"

#include "exercises/PanelContext.h"
#include "exercises/FamilyPanel.h"
#include "platform/Paths.h"
#include "platform/ValueRules.h"
#include "questions/Statistics.h"
#include "resources/PanelConstants.h"
#include "study/ExerciseTypes.h"

namespace orvik3 {

std::optional<QString> displayQuestion(const PanelContext &ctx, const QString &basePath, FamilyPanel *panel)
{
    QuestionState &q = ctx.question;
    q.clearParts();
    const ExerciseType *type = exerciseType(ctx.type);
    if (!type || !panel)
        return std::nullopt;
    const FamilyControls &c = familyControls(type->family);

    panel->beforeQuestion(type->type);
    q.questionShown = false;
    q.exerciseTitle = ctx.text(type->titleId);
    ctx.ctl(QLatin1String(c.showSolution)).setCaption(ctx.text(textId::showSolution));
    ctx.ctl(QLatin1String(c.randomBox)).setCaption(ctx.text(textId::randomOrder));
    ctx.ctl(QLatin1String(c.next)).setCaption(ctx.text(textId::next));
    ctx.ctl(QLatin1String(c.cancel)).setCaption(ctx.text(textId::cancel));
    if (c.fly)
        ctx.ctl(QLatin1String(c.fly)).setCaption(ctx.text(textId::flyYourself));
    if (c.statsFrame)
        ctx.ctl(QLatin1String(c.statsFrame)).setCaption(ctx.text(textId::statistics));
    panel->captions(type->type);

    if (ctx.ctl(QLatin1String(c.randomBox)).value() == 0) {
        q.currentQuestion = values::add(q.currentQuestion, 1);
        if (q.currentQuestion > q.lastQuestion)
            q.currentQuestion = 0;
    } else {
        q.orderPos = values::add(q.orderPos, 1);
        if (q.orderPos > q.lastQuestion)
            q.orderPos = 0;
        q.currentQuestion = q.questionOrder[values::checkedRow(q.orderPos, "question order")];
    }
    values::checkedRow(q.currentQuestion, "question");

    ctx.ctl(QLatin1String(c.frame))
        .setCaption(q.exerciseTitle + QStringLiteral(" (") + values::signedNumberText(q.currentQuestion + 1) + u' '
                    + ctx.text(textId::questionOf) + u' ' + values::plainNumberText(q.lastQuestion + 1) + u')');
    ctx.ctl(QLatin1String(c.statsLabel))
        .setCaption(Statistics(*ctx.services.settings, *ctx.services.texts, q.lastQuestion).summaryLine(QLatin1String(type->statsPrefix)));

    panel->resetQuestion(type->type);

    const QString session =
        paths::join(basePath, QStringLiteral("default/sessions/")) + ctx.table.session(q.currentQuestion);
    q.questionShown = true;
    return session;
}

} // namespace orvik3
