#include "practice/MistakesPractice.h"

#include "panel/TrainerHost.h"
#include "practice/Practice.h"
#include "statistics/StatisticsData.h"

#include <orvik3/ExerciseCatalog.h>
#include <orvik3/QAform.h>

namespace orvik3::trainer {

bool MistakesPractice::begin(Practice &practice, QString *)
{
    practice.beginSet(m_type);
    std::vector<int> questions = m_questions;
    if (questions.empty()) {
        const int count = practice.host().control()->lastQuestion() + 1;
        questions = weakestQuestions(readStatistics(*practice.studyStore(), statisticsPrefix(m_type), count), kMostQuestions);
    }
    if (questions.empty()) {
        // The set of the whole file goes on; the trainee is told why.
        practice.report(tr("There are no mistakes to practise in this exercise yet."));
        return true;
    }
    // The panel keeps its own order; a set in file order can step to every question.
    if (const ExerciseType *t = exerciseType(qint16(m_type))) {
        FormControl &box = practice.host().control()->control(QLatin1String(familyControls(t->family).randomBox));
        if (box.value() != 0)
            box.setValue(0);
    }
    practice.chooseQuestions(m_type, std::move(questions));
    return true;
}

} // namespace orvik3::trainer
