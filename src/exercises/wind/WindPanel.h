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

    void Option47_Click(); // head/tail: Head
    void Option42_Click(); // head/tail: Zero
    void Option35_Click(); // head/tail: Tail
    void Option54_Click(); // crosswind: Left
    void Option55_Click(); // crosswind: Zero
    void Option56_Click(); // crosswind: Right
    void Option52_Click(); // WCA: Left
    void Option53_Click(); // WCA: Zero
    void Option41_Click(); // WCA: Right
    void Option58_Click(); // time: OK

    void Command11_Click(); // Lösung zeigen
    void Command12_Click(); // Weiter
    void Command13_Click(); // Abbrechen
    void Command14_Click(); // Selber Fliegen

    // Seconds of a stored time "minutes.seconds" (12.30 is 750). Raises an overflow error when
    // the minutes times 60 leave the Integer range, naming question row `question`.
    static double storedSeconds(const QString &stored, int question);

private:
    void judgeSideRow(int row, wind::Side side);
    void enableOptions(int row);
};

} // namespace orvik3
