#include "study/TypeSelection.h"

#include "control/InstanceState.h"
#include "exercises/FamilyPanel.h"
#include "study/ExerciseTypes.h"
#include "study/StudyFileLoader.h"

namespace orvik3 {

namespace {

void buildQuestionOrder(InstanceState &s)
{
    const int count = s.lastQuestion + 1;
    for (int k = 0; k < count; ++k)
        s.orderUsed[k] = false;
    s.services.random->reseed();
    for (int k = 0; k < count; ++k) {
        int r = 0;
        int tries = 0;
        do {
            // Single precision on purpose: the order must come out as the panels always drew it.
            const float product = s.services.random->next() * float(count);
            r = int(product);
            if (r >= count) // a product that rounded up to count must not index past the table
                r = count - 1;
            ++tries;
        } while (s.orderUsed[r] && tries != 1000);
        s.orderUsed[r] = true;
        s.questionOrder[k] = qint16(r);
    }
}

} // namespace

void selectExerciseType(InstanceState &s, const std::function<FamilyPanel *(qint16 type)> &panelFor,
                        const std::function<void()> &display)
{
    const qint16 value = s.c_QAtype;
    if (value == -1)
        return;
    if (const ExerciseType *type = exerciseType(value)) {
        FamilyPanel *panel = panelFor(value);
        const char *shown = familyControls(type->family).frame;
        if (value == 10)
            s.ctl(QStringLiteral("Check1")).setValue(1); // the orientation drill runs in random order
        for (const char *frame : kFamilyFrames) {
            FormControl &f = s.ctl(QLatin1String(frame));
            if (qstrcmp(frame, shown) == 0) {
                f.setVisible(true);
                f.setHeight(4250);
            } else {
                f.setVisible(false);
            }
        }
        panel->selected(value);

        const QString file = QLatin1String(s.services.texts->isGerman() ? type->germanFile : type->otherFile);
        loadStudyFile(s, file);
        buildQuestionOrder(s);
        panel->orderBuilt(value);
        s.currentQuestion = -1;
        s.orderPos = 0;
    }
    display();
}

} // namespace orvik3
