#include "exercises/position/PositionPanel.h"

#include "control/InstanceState.h"
#include "exercises/AnswerMarks.h"

namespace orvik3 {

namespace {

QString threeDigits(int degrees)
{
    return QStringLiteral("%1").arg(degrees, 3, 10, QLatin1Char('0'));
}

void fillDegrees(InstanceState &s, FormControl &combo, bool trailingEmpty)
{
    combo.addItem(s.text(312));
    for (int i = 0; i < 72; ++i)
        combo.addItem(threeDigits(i * 5));
    if (trailingEmpty)
        combo.addItem(QString());
}

void fillOrientation(InstanceState &s, FormControl &combo)
{
    static constexpr int kAngles[] = {30, 45, 60, 90, 120, 135, 150, 180, 210, 225, 240, 270, 300, 315, 330, 360};
    combo.addItem(s.text(312));
    for (int a : kAngles)
        combo.addItem(threeDigits(a));
    combo.addItem(QString());
}

} // namespace

void PositionPanel::orderBuilt(qint16 type)
{
    const QString n[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    for (int i = 0; i < 3; ++i) {
        FormControl &combo = s.ctl(QStringLiteral("Combo") + n[i]);
        combo.clearList();
        s.ctl(QStringLiteral("Text1") + n[i]).setVisible(false);
        if (type == 10) {
            fillOrientation(s, combo);
            continue;
        }
        if (i < 2) {
            fillDegrees(s, combo, i == 0);
            continue;
        }
        static constexpr quint16 kHsi[] = {312, 313, 314, 315, 316, 317};
        static constexpr quint16 kVor[] = {312, 317, 315, 316};
        if (type == 1) {
            for (quint16 id : kHsi)
                combo.addItem(s.text(id));
        } else {
            for (quint16 id : kVor)
                combo.addItem(s.text(id));
            combo.addItem(QString());
            combo.addItem(QString());
        }
    }
    for (const char *name : {"Text1", "Combo1", "Text2", "Combo2", "Text3", "Combo3"})
        s.ctl(QLatin1String(name)).setVisible(true);
}

void PositionPanel::resetQuestion(qint16 type)
{
    for (const char *name : {"Combo1", "Combo2", "Combo3"}) {
        FormControl &combo = s.ctl(QLatin1String(name));
        combo.setListIndex(0);
        combo.setVisible(true);
    }
    for (const char *name : {"Text1", "Text2", "Text3"})
        s.ctl(QLatin1String(name)).setBackColor(colors::darkTeal);
    for (const char *name : {"Text1", "Text2", "Text3"})
        s.ctl(QLatin1String(name)).setForeColor(colors::windowBackground);
    s.ctl(QStringLiteral("Text1")).setText(s.table.col(1, 0));
    s.ctl(QStringLiteral("Text2")).setText(s.table.col(2, 0));
    s.ctl(QStringLiteral("Text3")).setText(s.table.col(3, type == 2 ? s.currentQuestion : 0));
}

// The answer handlers come with the position exercise; until then a choice is not judged.
void PositionPanel::Combo1_Click() {}
void PositionPanel::Combo2_Click() {}
void PositionPanel::Combo3_Click() {}
void PositionPanel::Command1_Click() {}
void PositionPanel::Command2_Click() {}
void PositionPanel::Command3_Click() { flow::cancel(s); }

} // namespace orvik3
