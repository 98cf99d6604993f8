#pragma once

#include "practice/LearningSession.h"
#include "practice/PracticeFlow.h"

#include <QElapsedTimer>
#include <QObject>

#include <memory>

namespace orvik3 {
class SettingsStore;
}

namespace orvik3::trainer {

class TrainerHost;

// Runs one practice flow at a time on the host's panel and keeps the progress of its set: it
// follows the questions the host shows and closes, hands them to the flow, and says when the
// view has something new to show. It needs no window.
class Practice : public QObject
{
    Q_OBJECT
public:
    // `studyStore`: the statistics of the study files (flows that practise apart switch the
    // host to a store of their own and back).
    Practice(TrainerHost &host, std::shared_ptr<SettingsStore> studyStore, QObject *parent = nullptr);
    ~Practice() override;

    // Stops the running flow and begins `flow`; false when it found nothing to practise (said
    // through failed()).
    bool run(std::unique_ptr<PracticeFlow> flow);
    void stop();
    PracticeFlow *flow() const { return m_flow.get(); }
    template <typename Flow> Flow *flowAs() const { return dynamic_cast<Flow *>(m_flow.get()); }

    TrainerHost &host() const { return m_host; }
    const std::shared_ptr<SettingsStore> &studyStore() const { return m_studyStore; }
    const LearningSession &learning() const { return m_learning; }

    // For flows: starts the exercise `type` on the host and the set with it (the whole study
    // file as the panel orders it). False when the exercise shows no question.
    bool beginSet(int type);
    // For flows: the set is only `questions` of the study file, from its first one on.
    void chooseQuestions(int type, std::vector<int> questions);
    // For flows: something to tell the trainee that stops nothing.
    void report(const QString &message) { emit failed(message); }

    // The host speaks another language now.
    void languageChanged();
    // Every part of the question on display answered so far is right: why it came again
    // no longer needs saying.
    void answeredRight();

signals:
    // A set was begun (its exercise is on the host, or the study file gave no question).
    void setBegun(int type);
    // Progress, the reason a question repeats or the flow's status line changed.
    void changed();
    void summaryWanted();
    void failed(const QString &message);

private:
    void questionShown();
    void questionClosed(int question, bool answered, bool right, bool repeats);

    TrainerHost &m_host;
    std::shared_ptr<SettingsStore> m_studyStore;
    std::unique_ptr<PracticeFlow> m_flow;
    LearningSession m_learning;
    QElapsedTimer m_clock;
};

} // namespace orvik3::trainer
