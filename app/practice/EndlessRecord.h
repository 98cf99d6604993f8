#pragma once

#include "practice/EndlessScore.h"
#include "LeitnerBoxes.h"

class QSettings;

namespace orvik3::trainer {

// What endless practice remembers between runs: its score and the Leitner boxes, kept in the
// trainer's settings as they change.
class EndlessRecord
{
public:
    explicit EndlessRecord(QSettings &settings);

    const EndlessScore &score() const { return m_score; }
    const study::LeitnerBoxes &boxes() const { return m_boxes; }
    // A question of `type` answered for the first time in its set.
    void record(int type, const QStringList &kinds, bool right);

private:
    QSettings &m_settings;
    EndlessScore m_score;
    study::LeitnerBoxes m_boxes;
};

} // namespace orvik3::trainer
