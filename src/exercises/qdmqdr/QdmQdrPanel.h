#pragma once

#include "exercises/FamilyPanel.h"

namespace orvik3 {

// Types 6, 7, 12 and 13 on Frame20: intercepting a QDM or QDR in four option rows.
class QdmQdrPanel : public FamilyPanel
{
public:
    using FamilyPanel::FamilyPanel;

    void build() override;
    void captions(qint16 type) override;
    void resetQuestion(qint16 type) override;

    PanelOutcome optionClick(int option); // Option36..Option40, Option43..Option46, Option48..Option50
    PanelOutcome Command9_Click();        // Weiter
    PanelOutcome Command10_Click();       // Lösung zeigen
    PanelOutcome Command15_Click();       // Selber Fliegen
    PanelOutcome Command8_Click();        // Abbrechen

private:
    // Judges row 0..3 (value, difference, turn, heading) by the option at `place` in it.
    PanelOutcome judge(int row, int place);
};

} // namespace orvik3
