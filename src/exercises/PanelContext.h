#pragma once

#include "questions/QuestionState.h"
#include "study/QuestionTable.h"

#include <orvik3/Form.h>
#include <orvik3/Services.h>

namespace orvik3 {

// What a family panel works on: the form its controls live on, the host's services, the
// loaded questions and the state of the question on display. The panel owns none of it.
struct PanelContext {
    Form &form;
    const Services &services;
    const QuestionTable &table;
    QuestionState &question;
    // The exercise type as the host last stored it (0 after "Abbrechen").
    const qint16 &type;

    QString text(quint16 id) const { return services.texts->text(id); }
    FormControl &ctl(const QString &name) const { return form.control(name); }
    // The question-table cell of the question on display.
    const QString &current(int column) const { return table.col(column, question.currentQuestion); }
};

} // namespace orvik3
