// Real mouse and key events on the panel reach the control's handlers, and the control, not
// Qt, decides what the widgets show. Assertions are on the model's reaction (selection state,
// answer flags, host signals), so that they hold whatever the family's marking does.
#include "PanelScenes.h"

#include <orvik3/QAformWidget.h>

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace orvik3;
using namespace orvik3::test;

namespace {

class PanelInput : public ::testing::Test
{
protected:
    void show(qint16 type)
    {
        showQuestion(host, type);
        panel = std::make_unique<QAformWidget>(host.form());
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
        panel->activateWindow();
        acted = std::make_unique<QSignalSpy>(panel.get(), &QAformWidget::userActed);
        failed = std::make_unique<QSignalSpy>(panel.get(), &QAformWidget::handlerFailed);
    }
    QWidget *w(const char *name) { return panel->widgetFor(QLatin1String(name)); }
    FormControl &model(const char *name) { return host.ctl(QLatin1String(name)); }
    void click(const char *name)
    {
        QWidget *widget = w(name);
        ASSERT_TRUE(widget && widget->isVisible()) << name;
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }
    void key(const char *name, Qt::Key k, Qt::KeyboardModifiers m = {})
    {
        w(name)->setFocus();
        QTest::keyClick(w(name), k, m);
    }
    // An option the trainee clicked is either still chosen or its row has been marked.
    bool answered(const char *option, int row) { return model(option).isSelected() || host.form().partDone(row); }
    int height(const char *frame) { return w(frame)->height(); }
    int pixels(int top, int twips) { return panel->toPixels(top + twips) - panel->toPixels(top); }

    TestHost host;
    std::unique_ptr<QAformWidget> panel;
    std::unique_ptr<QSignalSpy> acted, failed;
};

// Host writes (the type, a reset list) show at once and are no trainee actions.
TEST_F(PanelInput, HostWritesShowWithoutActing)
{
    show(1);
    auto *combo = qobject_cast<QComboBox *>(w("Combo1"));
    ASSERT_EQ(combo->count(), model("Combo1").listCount());
    key("Combo1", Qt::Key_Down); // moves along the closed list; Enter commits the choice
    EXPECT_EQ(model("Combo1").listIndex(), 0);
    key("Combo1", Qt::Key_Return);
    EXPECT_EQ(model("Combo1").listIndex(), 1);
    EXPECT_EQ(acted->count(), 1);
    host.form().DisplayQuestion(); // resets the list in the model; the widget follows
    EXPECT_EQ(combo->currentIndex(), model("Combo1").listIndex());

    for (const Scene &s : kScenes) {
        panel->setC_QAtype(s.type);
        for (const Scene &other : kScenes)
            EXPECT_EQ(w(other.frame)->isVisible(), other.type == s.type) << s.family << " shows " << other.frame;
    }
    EXPECT_EQ(acted->count(), 1);
    EXPECT_EQ(failed->count(), 0);
}

TEST_F(PanelInput, HoldingClickAndFlyingByKeyboard)
{
    show(3);
    // A handler that takes the choice back at once (as marking does when it locks a row):
    // Qt's own check mark must not stay behind.
    FormControl &option = model("Option12");
    option.onClick([&option] { option.setValue(0); });
    click("Option12");
    EXPECT_FALSE(option.isSelected());
    EXPECT_FALSE(qobject_cast<QRadioButton *>(w("Option12"))->isChecked());

    click("Option11");
    EXPECT_TRUE(answered("Option11", 1));
    EXPECT_EQ(qobject_cast<QRadioButton *>(w("Option11"))->isChecked(), model("Option11").isSelected());
    EXPECT_EQ(acted->count(), 2);

    key("Command26", Qt::Key_Return); // "Selber Fliegen": the panel shrinks at once
    EXPECT_EQ(host.form().c_QAFly() * 100 + host.form().c_TrackDelta() * 10 + host.form().c_showResult(), 234);
    EXPECT_EQ(height("Frame2"), pixels(15, 1100));
    panel->setC_QAFly(-2); // the host gives the panel back
    EXPECT_EQ(height("Frame2"), pixels(15, 4250));
    EXPECT_EQ(failed->count(), 0);
}

TEST_F(PanelInput, AdfClickAndCancelByKeypadEnter)
{
    show(5);
    click("Option22");
    EXPECT_TRUE(answered("Option22", 1));
    key("Command5", Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(host.form().c_QAtype(), 0);
}

TEST_F(PanelInput, QdmArrowsMoveAlongARowWithoutAnswering)
{
    show(6);
    panel->setC_smallFrame(true); // shows at once
    EXPECT_GE(height("Frame20"), pixels(-15, 1100)); // down to below the row it would cut
    EXPECT_EQ(height("Frame1"), pixels(15, 4200));
    EXPECT_EQ(panel->size(), QSize(panel->toPixels(7950), panel->toPixels(4250)));

    key("Option50", Qt::Key_Right);
    EXPECT_TRUE(w("Option49")->hasFocus());
    QTest::keyClick(w("Option49"), Qt::Key_Left);
    QTest::keyClick(w("Option50"), Qt::Key_Left); // wraps to the row's end
    EXPECT_TRUE(w("Option46")->hasFocus());
    EXPECT_EQ(acted->count(), 0);
    for (const char *o : {"Option50", "Option49", "Option48", "Option46"})
        EXPECT_FALSE(model(o).isSelected());

    QTest::keyClick(w("Option46"), Qt::Key_Space);
    EXPECT_TRUE(answered("Option46", 1));
    EXPECT_EQ(acted->count(), 1);
    click("Command15");
    EXPECT_EQ(host.form().c_QAFly(), 3);
}

TEST_F(PanelInput, WindTypingAndAccessibleNames)
{
    show(8);
    w("Text4")->setFocus();
    QTest::keyClicks(w("Text4"), QStringLiteral("12"));
    EXPECT_EQ(model("Text4").text(), QStringLiteral("12"));
    EXPECT_EQ(acted->count(), 2);

    // Row prompt and caption joined.
    EXPECT_EQ(w("Option47")->accessibleName(), QStringLiteral("Head or Tail Wind, Head"));
    EXPECT_EQ(w("Text4")->accessibleName(), QStringLiteral("Head or Tail Wind"));
    EXPECT_EQ(w("Text8")->accessibleName(), QStringLiteral("Time"));
    EXPECT_EQ(w("Command12")->accessibleName(), QStringLiteral("Weiter"));
    click("Command14");
    EXPECT_EQ(host.form().c_QAFly(), 4);
    showQuestion(host, 3);
    EXPECT_EQ(w("Option11")->accessibleName(), QStringLiteral("Entry, Direct"));
    showQuestion(host, 1);
    const QString prompt = w("Combo2")->accessibleName(); // the row's question, without its "?"
    EXPECT_FALSE(prompt.isEmpty() || prompt.endsWith(u'?'));
    EXPECT_TRUE(model("Text2").text().startsWith(prompt)) << qPrintable(model("Text2").text());
}

TEST_F(PanelInput, TabGoesRowByRowThenToTheButtons)
{
    show(3);
    w("Option11")->setFocus();
    for (const char *next : {"Option12", "Option13", "Option1", "Option2", "Option3", "Option4", "Option5", "Option6",
                             "Option7", "Option8", "Option9", "Option10", "Option14", "Option16", "Option15",
                             "Command27", "Command26", "Check2", "Command28", "Command4"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), w(next))
            << "expected " << next << ", got " << qPrintable(QApplication::focusWidget()->objectName());
    }
}

// A failing handler or host notification is reported, never thrown, and the panel stays usable.
TEST_F(PanelInput, FailuresAreReported)
{
    show(3);
    model("Command27").onClick([] { throw Error(ErrorKind::Overflow, QStringLiteral("too far")); });
    model("Command28").onClick([] { throw std::runtime_error("broken"); });
    QObject::connect(&host.form(), &QAform::c_TrackDeltaChanged, panel.get(),
                     [] { throw Error(ErrorKind::ControlFailure, QStringLiteral("notice refused")); });
    click("Command27");
    click("Command28");
    EXPECT_NO_THROW(panel->setC_TrackDelta(5));
    ASSERT_EQ(failed->count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(failed->at(i).at(0).toString().contains(QLatin1String(i == 0 ? "too far" : i == 1 ? "broken" : "notice refused")));
    EXPECT_EQ(acted->count(), 2);
    click("Command4"); // still works
    EXPECT_EQ(host.form().c_QAtype(), 0);
}

} // namespace
