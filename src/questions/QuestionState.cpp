#include "questions/QuestionState.h"

#include <orvik3/RandomSource.h>

namespace orvik3 {

bool QuestionState::anyPartDone() const
{
    for (int i = 1; i <= 6; ++i)
        if (partDone[i])
            return true;
    return false;
}

bool QuestionState::allCorrect(int count) const
{
    for (int i = 1; i <= count; ++i)
        if (!partCorrect[i])
            return false;
    return true;
}

void QuestionState::clearParts()
{
    partCorrect.fill(false);
    partDone.fill(false);
}

void QuestionState::questionsLoaded(int records)
{
    lastQuestion = qint16(records - 1);
    currentQuestion = lastQuestion;
}

void QuestionState::shuffleQuestionOrder(RandomSource &random)
{
    const int count = lastQuestion + 1;
    std::array<bool, QuestionTable::rows> used{};
    random.reseed();
    for (int k = 0; k < count; ++k) {
        int r = 0;
        int tries = 0;
        do {
            // Single precision on purpose: the order must come out as the panels always drew it.
            const float product = random.next() * float(count);
            r = int(product);
            if (r >= count) // a product that rounded up to count must not index past the table
                r = count - 1;
            ++tries;
        } while (used[r] && tries != 1000);
        used[r] = true;
        questionOrder[k] = qint16(r);
    }
}

} // namespace orvik3
