#pragma once

#include "control/ControlProperties_p.h"
#include "control/ExerciseFlow_p.h"
#include "exercises/FamilyPanel.h"
#include "questions/QuestionState.h"
#include "study/QuestionTable.h"
#include "study/StudyFileLoader.h"

#include <orvik3/Form.h>
#include <orvik3/QAform.h>
#include <orvik3/Services.h>

#include <memory>

namespace orvik3 {

// The facade's inside: the property fields, the loaded questions, the five family panels and
// the flow that runs them.
class ControlPrivate
{
public:
    ControlPrivate(QAform *q, Services services);

    FamilyPanel *panelFor(qint16 type) const;
    void applySizeRule();
    FormControl &ctl(const QString &name) const { return form.control(name); }

    // The one way the control's own handlers change a field its host watches. They store it
    // directly, without the property-change notice that a host's write raises; fieldWritten
    // tells a host that follows the panel, once per new value.
    template <typename T> void change(T &field, const T &value, const char *property)
    {
        if (field == value)
            return;
        field = value;
        emit q->fieldWritten(QLatin1String(property));
    }

    QAform *q;
    Services services; // every member set
    Form form;
    ControlProperties props;
    QuestionTable table;
    QuestionState question;
    // How the last study file read ended, for hosts that tell the instructor why there are
    // no questions.
    StudyLoadResult lastStudyLoad;
    QFont ambientFont;
    PanelContext panelContext;
    std::unique_ptr<FamilyPanel> position, holding, adf, qdmqdr, wind;
    ExerciseFlow flow;
};

} // namespace orvik3
