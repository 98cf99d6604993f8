#include "exercises/CommonButtons.h"

#include "exercises/PanelContext.h"
#include "platform/ValueRules.h"
#include "questions/Statistics.h"
#include "resources/PanelConstants.h"

namespace orvik3 {

namespace buttons {

QuestionClosing countAnswers(const PanelContext &ctx, const QString &statsPrefix, int parts)
{
    QuestionState &q = ctx.question;
    QuestionClosing closing{q.currentQuestion, false, false};
    if (q.anyPartDone()) {
        const bool wrong = !q.allCorrect(parts);
        Statistics(*ctx.services.settings, *ctx.services.texts, q.lastQuestion)
            .countQuestion(statsPrefix, q.currentQuestion, wrong);
        closing = {q.currentQuestion, true, wrong};
        if (wrong)
            q.currentQuestion = values::sub(q.currentQuestion, 1);
    }
    return closing;
}

PanelOutcome next(const PanelContext &ctx, const QString &statsPrefix, int parts)
{
    const QuestionClosing closing = countAnswers(ctx, statsPrefix, parts);
    return PanelOutcome::nextRequested(ctx.question.questionShown ? std::optional(closing) : std::nullopt);
}

PanelOutcome flyYourself(const PanelContext &ctx, qint16 familyCode, const QString &frame)
{
    ctx.ctl(frame).setHeight(frameHeight::cut);
    return PanelOutcome::flyRequested(familyCode);
}

} // namespace buttons

} // namespace orvik3
