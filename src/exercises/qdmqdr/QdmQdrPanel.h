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

    void optionClick(int option); // Option36..Option40, Option43..Option46, Option48..Option50
    void Command9_Click();        // Weiter
    void Command10_Click();       // Lösung zeigen
    void Command15_Click();       // Selber Fliegen
    void Command8_Click();        // Abbrechen

private:
    // Judges row 0..3 (value, difference, turn, heading) by the option at `place` in it.
    void judge(int row, int place);
};

} // namespace orvik3
