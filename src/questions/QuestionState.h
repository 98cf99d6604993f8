#pragma once

#include "study/QuestionTable.h"

#include <QString>
#include <array>

namespace orvik3 {

class RandomSource;

// Where the trainee is in the loaded study file and how far the question on display is
// answered: the question position and order, the answer flags of its parts, and the order in
// which its candidate answers are offered.
struct QuestionState {
    QString exerciseTitle;
    qint16 lastQuestion = -1, currentQuestion = 0, orderPos = 0;
    std::array<qint16, QuestionTable::rows> questionOrder{};
    std::array<bool, 7> partCorrect{}; // 1-based: partCorrect1..partCorrect6
    std::array<bool, 7> partDone{};    // 1-based
    bool questionShown = false;
    std::array<qint16, 6> optionOffsets{}; // 1-based, shared by holding, DME arc and QDM/QDR
    std::array<qint16, 6> optionOrder{};   // 1-based

    bool anyPartDone() const;
    // partCorrect1..partCorrect<count> all set.
    bool allCorrect(int count) const;
    void clearParts();
    // A study file of `records` questions was read: the last of them is the one "before" the first.
    void questionsLoaded(int records);

    // A fresh random order of the questions 0..lastQuestion in questionOrder. The source is
    // reseeded first; each place is drawn again while it is taken, at most 1000 times, after
    // which the last draw stands even if taken.
    void shuffleQuestionOrder(RandomSource &random);
};

} // namespace orvik3
