#pragma once

#include "practice/PracticeFlow.h"

namespace orvik3::trainer {

// The whole study file of an exercise, in the panel's order, then the summary.
class SetPractice : public PracticeFlow
{
public:
    explicit SetPractice(int type) : m_type(type) {}
    bool begin(Practice &practice, QString *error) override;
    int type() const { return m_type; }

private:
    int m_type;
};

} // namespace orvik3::trainer
