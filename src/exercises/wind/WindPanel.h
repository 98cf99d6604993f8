#pragma once

#include "exercises/FamilyPanel.h"
#include "exercises/wind/WindRules.h"

#include <QString>

namespace orvik3 {

// Type 8 on Frame29: typed wind components, correction angle and time, each with its side.
class WindPanel : public FamilyPanel
{
public:
    using FamilyPanel::FamilyPanel;

    void build() override;
    void beforeQuestion(qint16 type) override;
    void captions(qint16 type) override;
    void resetQuestion(qint16 type) override;

    // Typing into a row's box makes its side options usable.
    void Text4_Change();
    void Text5_Change();
    void Text6_Change();
    void Text7_Change();
    void Text8_Change();

    PanelOutcome Option47_Click(); // head/tail: Head
    PanelOutcome Option42_Click(); // head/tail: Zero
    PanelOutcome Option35_Click(); // head/tail: Tail
    PanelOutcome Option54_Click(); // crosswind: Left
    PanelOutcome Option55_Click(); // crosswind: Zero
    PanelOutcome Option56_Click(); // crosswind: Right
    PanelOutcome Option52_Click(); // WCA: Left
    PanelOutcome Option53_Click(); // WCA: Zero
    PanelOutcome Option41_Click(); // WCA: Right
    PanelOutcome Option58_Click(); // time: OK

    PanelOutcome Command11_Click(); // Lösung zeigen
    PanelOutcome Command12_Click(); // Weiter
    PanelOutcome Command13_Click(); // Abbrechen
    PanelOutcome Command14_Click(); // Selber Fliegen

    // Seconds of a stored time "minutes.seconds" (12.30 is 750). Raises an overflow error when
    // the minutes times 60 leave the Integer range, naming question row `question`.
    static double storedSeconds(const QString &stored, int question);

private:
    PanelOutcome judgeSideRow(int row, wind::Side side);
    void enableOptions(int row);
};

} // namespace orvik3
