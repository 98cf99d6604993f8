#include "exercises/PanelContext.h"
#include "exercises/PanelBuilder.h"
#include "exercises/wind/WindPanel.h"

namespace orvik3 {

namespace {
struct Row {
    const char *frame;
    const char *label;
    const char *box;
    const char *unit;
    const char *unitCaption;
    const char *result;
    int options[3];
};
// Top to bottom: head/tail, crosswind, WCA (the time row is laid out on its own).
constexpr Row kRows[] = {
    {"Frame30", "Label38", "Text4", "Label43", "kt", "Label34", {47, 42, 35}},
    {"Frame31", "Label41", "Text5", "Label44", "kt", "Label36", {54, 55, 56}},
    {"Frame32", "Label39", "Text6", "Label45", "°", "Label35", {52, 53, 41}},
};
constexpr int kFirstTop = 840;
constexpr int kRowStep = 600;
} // namespace

void WindPanel::build()
{
    PanelBuilder b(ctx.form);
    FormControl &f = b.frame(QStringLiteral("Frame29"), nullptr, 0, 0, 7900, 4250);
    f.setVisible(false);
    b.label(QStringLiteral("Label33"), f, 240, 300, 7400, 285);
    for (int r = 0; r < 3; ++r) {
        const Row &row = kRows[r];
        const int top = kFirstTop + r * kRowStep;
        b.label(QLatin1String(row.label), f, 120, top + 30, 1800, 255);
        b.textBox(QLatin1String(row.box), f, 1980, top, 720, 315);
        b.label(QLatin1String(row.unit), f, 2760, top + 30, 360, 255, QString::fromUtf8(row.unitCaption));
        FormControl &frame = b.frame(QLatin1String(row.frame), &f, 3960, top - 90, 2400, 495);
        for (int k = 0; k < 3; ++k)
            b.option(QStringLiteral("Option%1").arg(row.options[k]), frame, 60 + k * 770, 120, 740, 315);
        b.label(QLatin1String(row.result), frame, 60, 120, 2280, 315).setVisible(false);
    }
    const int top = kFirstTop + 3 * kRowStep;
    b.label(QStringLiteral("Label40"), f, 120, top + 30, 1800, 255);
    b.textBox(QStringLiteral("Text7"), f, 1980, top, 540, 315);
    b.label(QStringLiteral("Label46"), f, 2580, top + 30, 390, 255, QStringLiteral("min"));
    b.textBox(QStringLiteral("Text8"), f, 3000, top, 540, 315);
    b.label(QStringLiteral("Label47"), f, 3570, top + 30, 360, 255, QStringLiteral("sec"));
    FormControl &time = b.frame(QStringLiteral("Frame33"), &f, 3960, top - 90, 2400, 495);
    b.option(QStringLiteral("Option58"), time, 60, 120, 740, 315, QStringLiteral("OK"));
    b.label(QStringLiteral("Label37"), time, 60, 120, 2280, 315).setVisible(false);

    FormControl &stats = b.frame(QStringLiteral("Frame37"), &f, 120, 3330, 6240, 615);
    b.label(QStringLiteral("Label42"), stats, 120, 240, 6000, 255);
    b.button(QStringLiteral("Command11"), f, 6480, 750, 1320, 390);
    b.button(QStringLiteral("Command14"), f, 6480, 1230, 1320, 390);
    b.check(QStringLiteral("Check5"), f, 6480, 1740, 1320, 315);
    b.button(QStringLiteral("Command12"), f, 6480, 2160, 1320, 390);
    b.button(QStringLiteral("Command13"), f, 6480, 3390, 1320, 390);

    auto onChange = [this](const char *name, void (WindPanel::*handler)()) {
        ctx.ctl(QLatin1String(name)).onChange([this, handler] { (this->*handler)(); });
    };
    onChange("Text4", &WindPanel::Text4_Change);
    onChange("Text5", &WindPanel::Text5_Change);
    onChange("Text6", &WindPanel::Text6_Change);
    onChange("Text7", &WindPanel::Text7_Change);
    onChange("Text8", &WindPanel::Text8_Change);
    auto click = [this](const char *name, PanelOutcome (WindPanel::*handler)()) {
        onClick(QLatin1String(name), [this, handler] { return (this->*handler)(); });
    };
    click("Option47", &WindPanel::Option47_Click);
    click("Option42", &WindPanel::Option42_Click);
    click("Option35", &WindPanel::Option35_Click);
    click("Option54", &WindPanel::Option54_Click);
    click("Option55", &WindPanel::Option55_Click);
    click("Option56", &WindPanel::Option56_Click);
    click("Option52", &WindPanel::Option52_Click);
    click("Option53", &WindPanel::Option53_Click);
    click("Option41", &WindPanel::Option41_Click);
    click("Option58", &WindPanel::Option58_Click);
    onClick(QStringLiteral("Command11"), [this] { return Command11_Click(); });
    onClick(QStringLiteral("Command12"), [this] { return Command12_Click(); });
    onClick(QStringLiteral("Command13"), [this] { return Command13_Click(); });
    onClick(QStringLiteral("Command14"), [this] { return Command14_Click(); });
}

} // namespace orvik3
