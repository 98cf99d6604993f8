#include "exercises/holding/HoldingRows.h"

#include "exercises/PanelContext.h"
#include "platform/ValueRules.h"

#include <orvik3/OleColor.h>
#include <orvik3/RandomSource.h>

#include <cmath>

namespace orvik3::holding {

namespace {
constexpr Row kRows[] = {
    {1, "Label3", "Label8", 11, 13},
    {2, "Label6", "Label9", 1, 5},
    {3, "Label4", "Label10", 6, 10},
    {4, "Label5", "Label11", 14, 16},
};
} // namespace

const Row &row(int number) { return kRows[qBound(1, number, 4) - 1]; }

const Row *rowOfOption(int option)
{
    for (const Row &r : kRows)
        if (option >= r.firstOption && option <= r.lastOption)
            return &r;
    return nullptr;
}

QString optionName(int option) { return QStringLiteral("Option%1").arg(option); }

void paintRowLabels(const PanelContext &ctx)
{
    for (const char *name : {"Label3", "Label4", "Label5", "Label6", "Label8", "Label9", "Label10", "Label11"}) {
        FormControl &label = ctx.ctl(QLatin1String(name));
        label.setForeColor(colors::white);
        label.setBackColor(colors::darkTeal);
    }
}

void showOptions(const PanelContext &ctx, int first, int last, bool visible)
{
    for (int n = first; n <= last; ++n)
        ctx.ctl(optionName(n)).setVisible(visible);
}

void deselectOptions(const PanelContext &ctx, int first, int last)
{
    for (int n = first; n <= last; ++n)
        ctx.ctl(optionName(n)).setValue(0);
}

QString candidateCaption(const QString &studyNumber, qint16 offset)
{
    return values::headingText(values::add(values::strictInteger(studyNumber), offset));
}

qint16 reduced(qint16 base, qint16 offset)
{
    const qint16 sum = values::add(base, offset);
    return sum > 359 ? values::sub(sum, 360) : sum;
}

} // namespace orvik3::holding
