#pragma once

#include "practice/PracticeFlow.h"

#include <QCoreApplication>

#include <vector>

namespace orvik3::trainer {

// Only my mistakes: the given questions of an exercise, or else those its statistics call
// weakest, in the same panel. The panel is stepped through its study file in file order, so
// that every answer counts under the question's own statistics key.
class MistakesPractice : public PracticeFlow
{
    Q_DECLARE_TR_FUNCTIONS(MistakesPractice)
public:
    static constexpr int kMostQuestions = 10;

    MistakesPractice(int type, std::vector<int> questions = {}) : m_type(type), m_questions(std::move(questions)) {}
    bool begin(Practice &practice, QString *error) override;

private:
    int m_type;
    std::vector<int> m_questions;
};

} // namespace orvik3::trainer
