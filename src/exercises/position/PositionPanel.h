#pragma once

#include "exercises/FamilyPanel.h"

namespace orvik3 {

// Types 1, 2 and 10 on Frame1: three questions answered from drop-down lists.
class PositionPanel : public FamilyPanel
{
public:
    using FamilyPanel::FamilyPanel;

    void build() override;
    void orderBuilt(qint16 type) override;
    void resetQuestion(qint16 type) override;

    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
};

} // namespace orvik3
