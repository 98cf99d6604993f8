// Renders each family panel with a question on display and checks the drawing: nothing of
// one container overlaps, and every caption fits its control. Run once per screen density
// (the test's environment sets the logical DPI); the PNGs stay in the build tree.
#include "PanelScenes.h"

#include <orvik3/QAformWidget.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

using namespace orvik3;
using namespace orvik3::test;

namespace {

// Where the holding panel's design puts things on top of each other on purpose.
const std::set<std::pair<QString, QString>> kDesignedOverlaps = {
    {QStringLiteral("Frame7"), QStringLiteral("Frame8")},
    {QStringLiteral("Command4"), QStringLiteral("Frame5")},
};

bool designed(const QWidget *a, const QWidget *b)
{
    return kDesignedOverlaps.count({a->objectName(), b->objectName()}) != 0
        || kDesignedOverlaps.count({b->objectName(), a->objectName()}) != 0;
}

// What a caption needs and has, in pixels; empty when it fits.
QString captionProblem(QWidget *w)
{
    const QFontMetrics fm(w->font());
    auto tooWide = [&](const QString &text, int room) {
        const int need = fm.horizontalAdvance(text);
        return need > room ? QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(need).arg(room) : QString();
    };
    if (auto *label = qobject_cast<QLabel *>(w)) {
        const QRect room = label->contentsRect();
        const QRect need = fm.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, label->text());
        if (need.width() > room.width() || need.height() > room.height())
            return QStringLiteral("\"%1\" needs %2x%3 px, has %4x%5")
                .arg(label->text()).arg(need.width()).arg(need.height()).arg(room.width()).arg(room.height());
        return {};
    }
    if (qobject_cast<QRadioButton *>(w) || qobject_cast<QCheckBox *>(w)) {
        auto *button = static_cast<QAbstractButton *>(w);
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        const auto contents = qobject_cast<QRadioButton *>(w) ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
        return tooWide(button->text(), button->style()->subElementRect(contents, &opt, button).width());
    }
    if (auto *button = qobject_cast<QPushButton *>(w))
        return tooWide(button->text(), button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin));
    if (auto *frame = qobject_cast<QGroupBox *>(w))
        return tooWide(frame->title(), frame->width() - 16);
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        const int arrow = combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        for (int i = 0; i < combo->count(); ++i)
            if (QString p = tooWide(combo->itemText(i), combo->width() - arrow - 8); !p.isEmpty())
                return p;
        return {};
    }
    if (auto *line = qobject_cast<QLineEdit *>(w))
        return tooWide(line->text(), line->width() - 4);
    if (auto *box = qobject_cast<QPlainTextEdit *>(w)) {
        const int rows = box->viewport()->height() / fm.lineSpacing();
        int needRows = 0;
        for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next())
            needRows += b.layout() ? b.layout()->lineCount() : 1;
        return needRows > rows ? QStringLiteral("text needs %1 lines, has %2").arg(needRows).arg(rows) : QString();
    }
    return {};
}

struct Case { Scene scene; bool english; };

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.scene.family << (c.english ? "/en" : "/de");
}

class PanelRender : public ::testing::TestWithParam<Case>
{
};

TEST_P(PanelRender, NothingOverlapsAndEveryCaptionFits)
{
    const Case c = GetParam();
    TestHost host({0.55f, 0.1f, 0.9f, 0.3f, 0.7f, 0.45f}, c.english ? TextTable::english() : TextTable::german());
    showQuestion(host, c.scene.type);
    QAformWidget panel(host.form());
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));

    // The density the test runs at really changes the geometry.
    const qreal dpi = panel.logicalDpiY();
    if (const int expected = qEnvironmentVariableIntValue("ORVIK3_EXPECT_DPI"); expected > 0)
        ASSERT_EQ(int(dpi), expected);
    EXPECT_EQ(panel.width(), std::lround(7950 * dpi / 1440));

    const QImage shot = panel.grab().toImage();
    const QString dir = QStringLiteral(ORVIK3_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    shot.save(QStringLiteral("%1/%2-%3-%4dpi.png")
                  .arg(dir, QLatin1String(c.scene.family), QLatin1String(c.english ? "en" : "de"))
                  .arg(int(dpi)));

    QWidget *frame = panel.widgetFor(QLatin1String(c.scene.frame));
    ASSERT_TRUE(frame && frame->isVisible());
    QList<QWidget *> containers{frame};
    for (QGroupBox *box : frame->findChildren<QGroupBox *>())
        containers << box;
    for (QWidget *container : containers) {
        if (!container->isVisible())
            continue;
        QList<QWidget *> children;
        for (QObject *o : container->children())
            if (auto *w = qobject_cast<QWidget *>(o); w && w->isVisible() && !w->objectName().isEmpty())
                children << w;
        for (qsizetype i = 0; i < children.size(); ++i) {
            for (qsizetype j = i + 1; j < children.size(); ++j)
                EXPECT_TRUE(!children[i]->geometry().intersects(children[j]->geometry()) || designed(children[i], children[j]))
                    << qPrintable(children[i]->objectName()) << " overlaps " << qPrintable(children[j]->objectName());
            const QString problem = captionProblem(children[i]);
            EXPECT_TRUE(problem.isEmpty()) << qPrintable(children[i]->objectName()) << ": " << qPrintable(problem);
        }
    }
}

std::vector<Case> allCases()
{
    std::vector<Case> cases;
    for (const Scene &s : kScenes)
        for (bool english : {false, true})
            cases.push_back({s, english});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Families, PanelRender, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             return std::string(info.param.scene.family) + (info.param.english ? "_en" : "_de");
                         });

} // namespace
