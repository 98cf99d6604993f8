#include "practice/Practice.h"

#include "panel/TrainerHost.h"
#include "statistics/StatisticsData.h"

#include <orvik3/QAform.h>

namespace orvik3::trainer {

Practice::Practice(TrainerHost &host, std::shared_ptr<SettingsStore> studyStore, QObject *parent)
    : QObject(parent), m_host(host), m_studyStore(std::move(studyStore))
{
    m_clock.start();
    connect(&host, &TrainerHost::questionShown, this, &Practice::questionShown);
    connect(&host, &TrainerHost::questionClosed, this, &Practice::questionClosed);
}

Practice::~Practice() = default;

QString PracticeFlow::studyQuestionName(int type, int question)
{
    return statisticsPrefix(type) + u' ' + QString::number(question + 1);
}

bool Practice::run(std::unique_ptr<PracticeFlow> flow)
{
    stop();
    m_flow = std::move(flow);
    QString error;
    const bool begun = m_flow->begin(*this, &error);
    if (!begun) {
        stop();
        emit failed(error);
    }
    emit changed();
    return begun;
}

void Practice::stop()
{
    if (!m_flow)
        return;
    // Taken out first: a flow that puts the host back must not be told about it.
    const std::unique_ptr<PracticeFlow> flow = std::move(m_flow);
    flow->stop(*this);
    m_learning = LearningSession();
}

bool Practice::beginSet(int type)
{
    m_learning = LearningSession();
    m_host.startExercise(type);
    const QAform *form = m_host.control();
    const bool shown = m_host.currentType() == type && form->questionShown() && form->lastQuestion() >= 0;
    if (shown) {
        m_learning.start(type, form->lastQuestion() + 1);
        m_learning.shown(form->currentQuestion(), m_clock.elapsed());
    }
    emit setBegun(type);
    emit changed();
    return shown;
}

void Practice::chooseQuestions(int type, std::vector<int> questions)
{
    if (questions.empty())
        return;
    m_learning.startChosen(type, questions);
    m_host.jumpTo(questions.front());
    m_learning.shown(m_host.control()->currentQuestion(), m_clock.elapsed());
    emit changed();
}

void Practice::answeredRight()
{
    if (m_learning.repeatText().isEmpty())
        return;
    m_learning.forgetRepeat();
    emit changed();
}

void Practice::languageChanged()
{
    if (m_flow)
        m_flow->languageChanged(*this);
    emit changed();
}

void Practice::questionShown()
{
    if (m_learning.isActive() && !m_learning.finished())
        m_learning.shown(m_host.control()->currentQuestion(), m_clock.elapsed());
    emit changed();
}

void Practice::questionClosed(int question, bool answered, bool right, bool repeats)
{
    const bool wasFinished = m_learning.finished();
    m_learning.closed(question, answered, right, repeats, m_clock.elapsed());
    if (m_flow)
        m_flow->closed(*this, question, answered, right);
    if (m_learning.finished()) {
        if (!wasFinished && (!m_flow || m_flow->ends(*this)))
            emit summaryWanted();
    } else if (const auto target = m_learning.nextChosen()) {
        m_host.jumpTo(*target);
    }
    emit changed();
}

} // namespace orvik3::trainer
