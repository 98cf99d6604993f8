#include "control/ExerciseFlow_p.h"

#include "control/ControlPrivate_p.h"
#include "questions/QuestionDisplay.h"
#include "study/ExerciseTypes.h"
#include "study/StudyFileLoader.h"
#include "study/TypeSelection.h"

#include <orvik3/RandomSource.h>
#include <orvik3/TextTable.h>

namespace orvik3 {

void ExerciseFlow::connect(FamilyPanel &panel)
{
    for (const FamilyPanel::Action &action : panel.actions())
        d.ctl(action.control).onClick([this, run = action.run] { apply(run()); });
}

void ExerciseFlow::select()
{
    const qint16 value = d.props.c_QAtype;
    if (value == -1)
        return;
    if (const ExerciseType *type = exerciseType(value)) {
        FamilyPanel *panel = d.panelFor(value);
        showTypePanel(d.form, *type);
        panel->selected(value);

        load(studyFileOf(*type, *d.services.texts));

        d.question.shuffleQuestionOrder(*d.services.random);
        panel->orderBuilt(value);
        d.question.currentQuestion = -1;
        d.question.orderPos = 0;
    }
    display();
}

void ExerciseFlow::load(const QString &studyFileName)
{
    d.lastStudyLoad = loadStudyFile(d.props.c_MainAppPath, d.props.c_QAtype, studyFileName, d.table);
    d.question.questionsLoaded(d.lastStudyLoad.records);
}

void ExerciseFlow::display()
{
    const std::optional<QString> session =
        displayQuestion(d.panelContext, d.props.c_MainAppPath, d.panelFor(d.props.c_QAtype));
    if (session)
        d.change(d.props.c_QASessionFileName, *session, "c_QASessionFileName");
}

void ExerciseFlow::apply(const PanelOutcome &outcome)
{
    // The verdicts first: the panel is marked and counted by now, the fields are still to come.
    if (outcome.verdict)
        emit d.q->rowJudged(outcome.verdict->row, outcome.verdict->right, outcome.verdict->given);
    if (outcome.closed)
        emit d.q->questionClosed(outcome.closed->question, outcome.closed->attempt, outcome.closed->wrong);
    using Kind = PanelOutcome::Kind;
    switch (outcome.kind) {
    case Kind::Nothing:
        break;
    case Kind::Solved:
        d.change(d.props.c_showResult, outcome.code, "c_showResult");
        break;
    case Kind::SolutionShown:
        d.change(d.props.c_showResult, outcome.code, "c_showResult");
        emit d.q->solutionShown();
        break;
    case Kind::NextRequested:
        d.change(d.props.c_showResult, qint16(2), "c_showResult");
        display();
        break;
    case Kind::Cancelled:
        // Stored without running the selection: the host ends the exercise.
        d.change(d.props.c_QAtype, qint16(0), "c_QAtype");
        break;
    case Kind::FlyRequested:
        d.change(d.props.c_QAFly, outcome.code, "c_QAFly");
        d.change(d.props.c_TrackDelta, qint16(3), "c_TrackDelta");
        d.change(d.props.c_showResult, qint16(4), "c_showResult");
        break;
    }
}

} // namespace orvik3
