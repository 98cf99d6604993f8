#include "exercises/PanelContext.h"
#include "exercises/PanelBuilder.h"
#include "exercises/position/PositionPanel.h"

namespace orvik3 {

void PositionPanel::build()
{
    PanelBuilder b(ctx.form);
    FormControl &f = b.frame(QStringLiteral("Frame1"), nullptr, 15, 15, 7900, 4200);
    const QString rows[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    for (int i = 0; i < 3; ++i) {
        const int top = 360 + i * 735;
        b.textBox(QStringLiteral("Text") + rows[i], f, 240, top, 4900, 615, true).setLocked(true);
        b.combo(QStringLiteral("Combo") + rows[i], f, 5300, top + 120, 2340, 315);
        FormControl &result = b.textBox(QStringLiteral("Text1") + rows[i], f, 5300, top + 120, 2340, 315);
        result.setVisible(false);
        result.setLocked(true); // shows the verdict; nothing to type there
    }
    b.label(QStringLiteral("Label1"), f, 240, 2640, 7400, 255, QStringLiteral("Statistik"));
    b.check(QStringLiteral("Check1"), f, 240, 3180, 1500, 315);
    b.button(QStringLiteral("Command2"), f, 2160, 3120, 1800, 390);
    b.button(QStringLiteral("Command1"), f, 4080, 3120, 1680, 390);
    b.button(QStringLiteral("Command3"), f, 5880, 3120, 1680, 390);

    onClick(QStringLiteral("Combo1"), [this] { return Combo1_Click(); });
    onClick(QStringLiteral("Combo2"), [this] { return Combo2_Click(); });
    onClick(QStringLiteral("Combo3"), [this] { return Combo3_Click(); });
    onClick(QStringLiteral("Command1"), [this] { return Command1_Click(); });
    onClick(QStringLiteral("Command2"), [this] { return Command2_Click(); });
    onClick(QStringLiteral("Command3"), [this] { return Command3_Click(); });
}

} // namespace orvik3
