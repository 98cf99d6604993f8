#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

namespace orvik3::trainer {

// One run through a set of questions: the whole study file in the panel's order, or a chosen
// list (the trainee's mistakes). It follows what the panel does, question by question, and
// knows when the set is through. Times are in milliseconds of any steady clock.
class LearningSession
{
    Q_DECLARE_TR_FUNCTIONS(LearningSession)
public:
    struct Result {
        int question = -1;
        int tries = 0;         // closings with something answered
        bool firstRight = false;
        bool right = false;    // the last try was all right
        qint64 millis = 0;     // from first shown to done
    };

    // The whole file of `questionCount` questions.
    void start(int type, int questionCount);
    // Only `questions` (indices into the study file), in this order.
    void startChosen(int type, std::vector<int> questions);

    int type() const { return m_type; }
    bool isChosen() const { return m_chosen; }
    bool isActive() const { return m_type > 0 && m_setSize > 0; }
    int setSize() const { return m_setSize; }
    int doneCount() const { return int(m_done.size()); }
    int rightCount() const;
    bool finished() const { return isActive() && doneCount() >= m_setSize; }
    const std::vector<Result> &results() const { return m_done; }

    void shown(int question, qint64 now);
    // The panel's "Weiter" closed `question`: `answered` when any part was answered, `right`
    // when all were right, `repeats` when the panel brings the same question back.
    void closed(int question, bool answered, bool right, bool repeats, qint64 now);
    // Where a chosen set goes next; empty when the panel's own order applies or all is done.
    std::optional<int> nextChosen() const;

    // "7/24, 5 right"
    QString progressText() const;
    // Why the question on display comes again, or empty.
    QString repeatText() const { return m_repeat; }
    void forgetRepeat() { m_repeat.clear(); }
    // Questions of this set answered but not right at the first try, most tries first.
    std::vector<int> mistakes() const;
    qint64 totalMillis() const;

private:
    Result *current(int question);

    int m_type = 0;
    int m_setSize = 0;
    bool m_chosen = false;
    std::vector<int> m_queue;
    std::vector<Result> m_done;
    std::optional<Result> m_open;
    QString m_repeat;
};

} // namespace orvik3::trainer
