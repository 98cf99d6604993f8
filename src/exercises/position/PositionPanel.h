#pragma once

#include "exercises/FamilyPanel.h"

#include <QString>

namespace orvik3 {

class FormControl;

// Types 1, 2 and 10 on Frame1: three questions answered from drop-down lists.
class PositionPanel : public FamilyPanel
{
public:
    using FamilyPanel::FamilyPanel;

    void build() override;
    void orderBuilt(qint16 type) override;
    void resetQuestion(qint16 type) override;

    PanelOutcome Combo1_Click();
    PanelOutcome Combo2_Click();
    PanelOutcome Combo3_Click();
    PanelOutcome Command1_Click();
    PanelOutcome Command2_Click();
    PanelOutcome Command3_Click();

private:
    // Judges list 1, 2 or 3 against qaCol13..qaCol15 of the question on display.
    PanelOutcome judge(int list);
    bool isRight(int list, qint16 type, const FormControl &combo, const QString &stored) const;
    static bool degreesMatch(int row, const QString &stored);
    static bool alternativesMatch(const QString &chosen, const QString &stored);
};

} // namespace orvik3
