#include "practice/LearningSession.h"

#include <algorithm>

namespace orvik3::trainer {

void LearningSession::start(int type, int questionCount)
{
    *this = LearningSession();
    m_type = type;
    m_setSize = std::max(questionCount, 0);
}

void LearningSession::startChosen(int type, std::vector<int> questions)
{
    *this = LearningSession();
    m_type = type;
    m_chosen = true;
    m_queue = std::move(questions);
    m_setSize = int(m_queue.size());
}

int LearningSession::rightCount() const
{
    return int(std::count_if(m_done.begin(), m_done.end(), [](const Result &r) { return r.firstRight; }));
}

void LearningSession::shown(int question, qint64 now)
{
    if (m_open && m_open->question == question)
        return;
    m_open = Result{question, 0, false, false, -now};
}

void LearningSession::closed(int question, bool answered, bool right, bool repeats, qint64 now)
{
    if (!isActive() || finished())
        return;
    if (!m_open || m_open->question != question)
        m_open = Result{question, 0, false, false, -now};
    Result &r = *m_open;
    if (answered) {
        if (r.tries == 0)
            r.firstRight = right;
        ++r.tries;
    }
    r.right = answered && right;
    if (repeats) {
        m_repeat = tr("Question %1 comes again: not every answer was right, and a question stays until it is "
                      "answered right in one go (it counts as a wrong attempt).")
                       .arg(question + 1);
        return;
    }
    m_repeat.clear();
    r.millis += now;
    m_done.push_back(r);
    m_open.reset();
}

std::optional<int> LearningSession::nextChosen() const
{
    if (!m_chosen || finished() || m_open)
        return std::nullopt;
    return m_queue[m_done.size()];
}

QString LearningSession::progressText() const
{
    if (!isActive())
        return {};
    const int at = std::min(doneCount() + 1, m_setSize);
    return tr("%1/%2, %3 right").arg(at).arg(m_setSize).arg(rightCount());
}

std::vector<int> LearningSession::mistakes() const
{
    std::vector<Result> wrong;
    for (const Result &r : m_done) {
        if (r.tries > 0 && !r.firstRight)
            wrong.push_back(r);
    }
    std::stable_sort(wrong.begin(), wrong.end(), [](const Result &a, const Result &b) { return a.tries > b.tries; });
    std::vector<int> out;
    for (const Result &r : wrong)
        out.push_back(r.question);
    return out;
}

qint64 LearningSession::totalMillis() const
{
    qint64 sum = 0;
    for (const Result &r : m_done)
        sum += r.millis;
    return sum;
}

} // namespace orvik3::trainer
