#include "exercises/CommonButtons.h"

#include "exercises/PanelContext.h"
#include "platform/ValueRules.h"
#include "questions/Statistics.h"
#include "resources/PanelConstants.h"

namespace orvik3 {

namespace buttons {

void countAnswers(const PanelContext &ctx, const QString &statsPrefix, int parts)
{
    QuestionState &q = ctx.question;
    if (q.anyPartDone()) {
        const bool wrong = !q.allCorrect(parts);
        Statistics(*ctx.services.settings, *ctx.services.texts, q.lastQuestion)
            .countQuestion(statsPrefix, q.currentQuestion, wrong);
        if (wrong)
            q.currentQuestion = values::sub(q.currentQuestion, 1);
    }
}

PanelOutcome next(const PanelContext &ctx, const QString &statsPrefix, int parts)
{
    countAnswers(ctx, statsPrefix, parts);
    return PanelOutcome::nextRequested();
}

PanelOutcome flyYourself(const PanelContext &ctx, qint16 familyCode, const QString &frame)
{
    ctx.ctl(frame).setHeight(frameHeight::cut);
    return PanelOutcome::flyRequested(familyCode);
}

} // namespace buttons

} // namespace orvik3
