#pragma once

#include "practice/EndlessSets.h"
#include "practice/PracticeFlow.h"

#include <QString>

#include <memory>

namespace orvik3::trainer {

class EndlessRecord;

// Endless practice: fresh situations set after set, in a private installation, counted in the
// score of its own and not in the study files' statistics. With type 0 every set's type and
// kinds are chosen weakest first (see LeitnerBoxes).
class EndlessPractice : public PracticeFlow
{
    Q_DECLARE_TR_FUNCTIONS(EndlessPractice)
public:
    EndlessPractice(int type, quint64 seed, EndlessRecord &record);

    bool begin(Practice &practice, QString *error) override;
    void closed(Practice &practice, int question, bool answered, bool right) override;
    bool ends(Practice &practice) override;
    void languageChanged(Practice &practice) override;
    void stop(Practice &practice) override;
    bool countsInStatistics() const override { return false; }
    QString statusLine() const override;
    // "seed S/N": question N of the set the generator made from seed S.
    QString questionName(int type, int question) const override;

    const EndlessSets &sets() const { return m_sets; }

private:
    bool nextSet(Practice &practice, QString *error);

    EndlessRecord &m_record;
    EndlessSets m_sets;
    QString m_fixedBase; // the installation to go back to
    bool m_stopped = false;
};

} // namespace orvik3::trainer
