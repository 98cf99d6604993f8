#pragma once

#include <Review.h>

#include <orvik3/Skills.h>

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace orvik3 {
class QAform;
}

namespace orvik3::trainer {

class PracticeMemory;
class TrainerHost;

// Turns what the trainee does on the panel into reviews: every judged row is a review of its
// skill (right or wrong, with the answer given and the time it took), and "Lösung zeigen"
// makes every row not judged yet a review shown. A question's reviews go to the log together
// when the panel closes it, leaves it, or the window goes. Made before anything else that
// follows the host's closings, so that those find the question's reviews in the log.
class ReviewRecorder : public QObject
{
    Q_OBJECT
public:
    ReviewRecorder(TrainerHost &host, PracticeMemory &memory, QObject *parent = nullptr);
    ~ReviewRecorder() override;

    // How the log names a question of a type ("hsipos 7" by default; see PracticeFlow).
    void setNamer(std::function<QString(int type, int question)> namer) { m_namer = std::move(namer); }
    // The reviews of the question on display not yet written.
    const std::vector<practice::Review> &pending() const { return m_pending; }
    // What a holding question of `type` holds: its entry from the solver, and its hand.
    static RowSituation situationOf(const QAform &form, qint16 type, int question);

private:
    void questionShown();
    void rowJudged(int row, bool right, const QString &given);
    void solutionShown();
    void flush();
    practice::Review review(const Skill *skill, practice::Outcome outcome, const QString &answer);

    TrainerHost &m_host;
    std::function<QString(int, int)> m_namer;
    PracticeMemory &m_memory;
    qint16 m_type = 0;
    QString m_question;
    RowSituation m_situation;
    std::vector<int> m_judged; // row numbers judged in this question
    std::vector<practice::Review> m_pending;
    qint64 m_since = 0; // the question shown or the last row judged
};

} // namespace orvik3::trainer
