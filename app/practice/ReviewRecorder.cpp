#include "practice/ReviewRecorder.h"

#include "panel/TrainerHost.h"
#include "practice/PracticeFlow.h"
#include "practice/PracticeClock.h"
#include "practice/PracticeMemory.h"

#include <orvik3/HoldingAnswer.h>
#include <orvik3/QAform.h>

#include <algorithm>
#include <cmath>

namespace orvik3::trainer {

using practice::Outcome;
using practice::Review;

ReviewRecorder::ReviewRecorder(TrainerHost &host, PracticeMemory &memory, QObject *parent)
    : QObject(parent), m_host(host), m_namer(&PracticeFlow::studyQuestionName), m_memory(memory)
{
    connect(&host, &TrainerHost::questionShown, this, &ReviewRecorder::questionShown);
    connect(&host, &TrainerHost::rowJudged, this, &ReviewRecorder::rowJudged);
    connect(&host, &TrainerHost::solutionShown, this, &ReviewRecorder::solutionShown);
    // Closed by "Weiter" (before the next question is out) or left for the chooser.
    connect(&host, &TrainerHost::questionClosed, this, &ReviewRecorder::flush);
    connect(&host, &TrainerHost::exerciseEnded, this, &ReviewRecorder::flush);
    connect(&host, &TrainerHost::controlCreated, this, &ReviewRecorder::flush);
}

ReviewRecorder::~ReviewRecorder() { flush(); }

RowSituation ReviewRecorder::situationOf(const QAform &form, qint16 type, int question)
{
    const ExerciseType *t = exerciseType(type);
    if (!t || t->rows.empty() || t->rows.front().kind != RowKind::HoldingEntry)
        return {};
    bool headingOk = false, inboundOk = false;
    const double heading = form.qaCol(13, question).trimmed().toDouble(&headingOk);
    const double inbound = form.qaCol(14, question).trimmed().toDouble(&inboundOk);
    const QString kind = form.qaCol(15, question).trimmed();
    const bool right = kind == QLatin1String("Standard");
    if (!headingOk || !inboundOk || kind.isEmpty())
        return {};
    const auto degrees = [](double v) { return ((int(std::lround(v)) % 360) + 360) % 360; };
    return {holdingEntry(degrees(heading), degrees(inbound), right), right ? PatternHand::Right : PatternHand::Left};
}

void ReviewRecorder::questionShown()
{
    flush();
    const QAform *form = m_host.control();
    m_type = qint16(m_host.currentType());
    const int question = form->currentQuestion();
    m_question = m_namer(m_type, question);
    m_situation = situationOf(*form, m_type, question);
    m_since = PracticeClock::now();
}

Review ReviewRecorder::review(const Skill *skill, Outcome outcome, const QString &answer)
{
    const qint64 now = PracticeClock::now();
    Review r{now, QString::fromLatin1(skill->id), m_type, m_question, answer, outcome,
             qint32(std::clamp<qint64>(now - m_since, 0, 3600000))};
    m_since = now;
    return r;
}

void ReviewRecorder::rowJudged(int row, bool right, const QString &given)
{
    const AnswerRow *a = answerRow(m_type, row);
    const Skill *skill = a ? skillOfRow(m_type, a->kind, m_situation) : nullptr;
    if (!skill || m_question.isEmpty())
        return;
    m_judged.push_back(row);
    m_pending.push_back(review(skill, right ? Outcome::Right : Outcome::Wrong, given));
}

void ReviewRecorder::solutionShown()
{
    const ExerciseType *t = exerciseType(m_type);
    if (!t || m_question.isEmpty())
        return;
    for (const AnswerRow &row : t->rows) {
        const Skill *skill = skillOfRow(m_type, row.kind, m_situation);
        if (skill && std::find(m_judged.begin(), m_judged.end(), row.number) == m_judged.end()) {
            m_judged.push_back(row.number);
            m_pending.push_back(review(skill, Outcome::Shown, {}));
        }
    }
}

void ReviewRecorder::flush()
{
    m_judged.clear();
    if (!m_pending.empty())
        m_memory.append(std::exchange(m_pending, {}));
}

} // namespace orvik3::trainer
