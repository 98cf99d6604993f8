#pragma once

#include <QString>

namespace orvik3::trainer {

class Practice;

// One way of practising on the panel (a set of the study file, only my mistakes, endless
// practice, ...): which questions come and what happens when the set is through. The
// controller (Practice) follows the panel and keeps the set's progress; a flow adds its own
// rules at these points. A new flow is a new class beside the others.
class PracticeFlow
{
public:
    virtual ~PracticeFlow() = default;

    // Puts the first question up (Practice::beginSet and the host). False with `error` when
    // there is nothing to practise; the controller reports it.
    virtual bool begin(Practice &practice, QString *error) = 0;
    // A question was closed and taken into the set's progress; `answered` and `right` as the
    // panel counted them.
    virtual void closed(Practice &practice, int question, bool answered, bool right)
    {
        Q_UNUSED(practice);
        Q_UNUSED(question);
        Q_UNUSED(answered);
        Q_UNUSED(right);
    }
    // The set is through: true when the summary is to be shown, false when the flow goes on
    // by itself.
    virtual bool ends(Practice &practice)
    {
        Q_UNUSED(practice);
        return true;
    }
    // The trainer speaks another language now (the host has already started the exercise
    // again in it).
    virtual void languageChanged(Practice &practice) { Q_UNUSED(practice); }
    // Called once before the flow goes: whatever it changed on the host is put back.
    virtual void stop(Practice &practice) { Q_UNUSED(practice); }

    // Whether the answers count in the study files' statistics; a flow on sets of its own
    // keeps its own score instead.
    virtual bool countsInStatistics() const { return true; }
    // The question on display as the review log names it: the study file's "hsipos 7"
    // (1-based), or what a flow on sets of its own makes of it.
    virtual QString questionName(int type, int question) const { return studyQuestionName(type, question); }
    static QString studyQuestionName(int type, int question);
    // A line under the progress (e.g. the score of endless practice); empty: none.
    virtual QString statusLine() const { return {}; }
};

} // namespace orvik3::trainer
