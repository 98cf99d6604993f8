#include "exercises/holding/HoldingPanel.h"

#include "control/InstanceState.h"
#include "exercises/AnswerMarks.h"

namespace orvik3 {

void HoldingPanel::selected(qint16 type)
{
    auto caption = [this](const char *name, quint16 id) { s.ctl(QLatin1String(name)).setCaption(s.text(id)); };
    if (type == 9) {
        caption("Label3", 341);
        caption("Label6", 342);
        caption("Label4", 343);
        caption("Option11", 347);
        caption("Option12", 348);
        caption("Option13", 349);
        s.ctl(QStringLiteral("Label5")).setVisible(false);
        for (const char *name : {"Option14", "Option15", "Option16"})
            s.ctl(QLatin1String(name)).setVisible(false);
        return;
    }
    caption("Label3", 337);
    caption("Label6", 338);
    caption("Label4", 339);
    caption("Option11", 344);
    caption("Option12", 345);
    caption("Option13", 346);
    caption("Option14", 347);
    caption("Option16", 348);
    caption("Option15", 349);
    s.ctl(QStringLiteral("Label5")).setVisible(true);
}

// The question set-up and the answer handlers come with the holding and DME-arc exercises.
void HoldingPanel::resetQuestion(qint16) {}
void HoldingPanel::optionClick(int) {}
void HoldingPanel::Command27_Click() {}
void HoldingPanel::Command26_Click() { flow::flyYourself(s, 2, QStringLiteral("Frame2")); }
void HoldingPanel::Command28_Click() {}
void HoldingPanel::Command4_Click() { flow::cancel(s); }

} // namespace orvik3
